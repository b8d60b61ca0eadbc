#pragma once
// Records every notification of an FTP client, for the tests to read.
#include "ftp/ftp_client.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace wertan::test {

struct ClientProbe {
    explicit ClientProbe(ftp::FtpClient& client) {
        client.onDisplay = [this](const std::string& line) {
            display.push_back(line);
            if (onDisplay) onDisplay(line);
        };
        client.onSessionConnected = [this](int error) { connected.push_back(error); };
        client.onSessionClosed = [this](int error) { closed.push_back(error); };
        client.onRequestDone = [this](ftp::FtpRequest kind, int error) { done.emplace_back(kind, error); };
        client.onProgress = [this](std::int64_t bytes, bool& abort) {
            progress.push_back(bytes);
            if (onProgress) onProgress(bytes, abort);
        };
        client.onStateChange = [this, &client] { states.push_back(client.state()); };
    }

    // The commands sent, without their "> ".
    std::vector<std::string> commands() const {
        std::vector<std::string> sent;
        for (const std::string& line : display)
            if (line.rfind("> ", 0) == 0) sent.push_back(line.substr(2));
        return sent;
    }
    bool displayed(const std::string& line) const {
        return std::find(display.begin(), display.end(), line) != display.end();
    }
    bool displayedContaining(const std::string& part) const {
        return std::any_of(display.begin(), display.end(),
                           [&](const std::string& line) { return line.find(part) != std::string::npos; });
    }
    std::pair<ftp::FtpRequest, int> lastDone() const {
        return done.empty() ? std::pair(ftp::FtpRequest::None, -1) : done.back();
    }

    std::vector<std::string> display;
    std::vector<int> connected;
    std::vector<int> closed;
    std::vector<std::pair<ftp::FtpRequest, int>> done;
    std::vector<std::int64_t> progress;
    std::vector<ftp::FtpState> states;
    std::function<void(const std::string&)> onDisplay;
    std::function<void(std::int64_t, bool&)> onProgress;
};

} // namespace wertan::test
