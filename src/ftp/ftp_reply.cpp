#include "ftp/ftp_reply.h"

#include <climits>

namespace wertan::ftp {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string trimLineEnd(std::string_view line) {
    std::size_t n = line.size();
    while (n > 0 && (line[n - 1] == '\r' || line[n - 1] == '\n'))
        --n;
    return std::string(line.substr(0, n));
}

// Position just after the leading digits of the line (0 when it starts with none).
std::size_t afterCode(std::string_view line) {
    std::size_t i = 0;
    while (i < line.size() && isDigit(line[i]))
        ++i;
    return i;
}

// Reads a decimal number of at most maxDigits digits at pos; advances pos past it.
std::optional<unsigned> readSmallNumber(std::string_view text, std::size_t& pos, int maxDigits) {
    unsigned value = 0;
    int digits = 0;
    while (pos < text.size() && isDigit(text[pos])) {
        if (++digits > maxDigits) return std::nullopt;
        value = value * 10 + unsigned(text[pos] - '0');
        ++pos;
    }
    if (digits == 0) return std::nullopt;
    return value;
}

} // namespace

void ReplyLineBuffer::append(std::string_view bytes, std::vector<std::string>& lines) {
    while (!bytes.empty()) {
        const std::size_t room = kCapacity - pending_.size();
        const std::size_t take = bytes.size() < room ? bytes.size() : room;
        const std::string_view chunk = bytes.substr(0, take);
        const std::size_t lf = chunk.find('\n');
        if (lf != std::string_view::npos) {
            pending_.append(chunk.data(), lf + 1);
            lines.push_back(trimLineEnd(pending_));
            pending_.clear();
            bytes.remove_prefix(lf + 1);
            continue;
        }
        pending_.append(chunk.data(), chunk.size());
        bytes.remove_prefix(take);
        if (pending_.size() == kCapacity) {
            lines.push_back(trimLineEnd(pending_));
            pending_.clear();
        }
    }
}

ReplyLine parseReplyLine(std::string_view line) {
    ReplyLine result;
    if (line.empty() || !isDigit(line[0])) return result;
    result.hasCode = true;
    std::size_t i = 0;
    long long code = 0;
    while (i < line.size() && isDigit(line[i])) {
        if (code <= INT_MAX) code = code * 10 + (line[i] - '0');
        ++i;
    }
    result.code = code > INT_MAX ? INT_MAX : int(code);
    result.continued = i < line.size() && line[i] == '-';
    return result;
}

std::string extractReplyDirectory(std::string_view line) {
    const std::size_t open = line.find('"', afterCode(line));
    if (open == std::string_view::npos) return {};
    std::string directory;
    for (std::size_t i = open + 1; i < line.size(); ++i) {
        if (line[i] != '"') {
            directory.push_back(line[i]);
            continue;
        }
        if (i + 1 < line.size() && line[i + 1] == '"') {
            directory.push_back('"');
            ++i;
            continue;
        }
        return directory;
    }
    return {}; // no closing quote: no quoted text
}

std::int64_t extractReplySize(std::string_view line) {
    std::size_t i = afterCode(line);
    while (i < line.size() && line[i] == ' ')
        ++i;
    std::uint64_t value = 0;
    constexpr std::uint64_t kMax = std::uint64_t(INT64_MAX);
    for (; i < line.size() && isDigit(line[i]); ++i) {
        const unsigned digit = unsigned(line[i] - '0');
        value = value > (kMax - digit) / 10 ? kMax : value * 10 + digit;
    }
    return std::int64_t(value);
}

std::optional<PassiveAddress> parsePasvReply(std::string_view line) {
    std::size_t start = afterCode(line);
    while (start < line.size()) {
        while (start < line.size() && !isDigit(line[start]))
            ++start;
        if (start >= line.size()) break;
        std::size_t pos = start;
        unsigned parts[6] = {};
        bool ok = true;
        for (int k = 0; k < 6 && ok; ++k) {
            if (k > 0) {
                if (pos >= line.size() || line[pos] != ',') {
                    ok = false;
                    break;
                }
                ++pos;
            }
            const std::optional<unsigned> n = readSmallNumber(line, pos, 3);
            ok = n && *n <= 255;
            if (ok) parts[k] = *n;
        }
        if (ok) {
            PassiveAddress address;
            address.ipv4 = (parts[0] << 24) | (parts[1] << 16) | (parts[2] << 8) | parts[3];
            address.port = std::uint16_t((parts[4] << 8) | parts[5]);
            if (address.port != 0) return address;
        }
        // Try again at the next run of digits.
        while (start < line.size() && isDigit(line[start]))
            ++start;
    }
    return std::nullopt;
}

std::optional<std::uint16_t> parseEpsvReply(std::string_view line) {
    const std::size_t open = line.find('(', afterCode(line));
    if (open == std::string_view::npos || open + 4 >= line.size()) return std::nullopt;
    const char delimiter = line[open + 1];
    if (delimiter < 33 || delimiter > 126 || isDigit(delimiter)) return std::nullopt;
    if (line[open + 2] != delimiter || line[open + 3] != delimiter) return std::nullopt;
    std::size_t pos = open + 4;
    const std::optional<unsigned> port = readSmallNumber(line, pos, 5);
    if (!port || *port == 0 || *port > 65535 || pos >= line.size() || line[pos] != delimiter)
        return std::nullopt;
    return std::uint16_t(*port);
}

std::string formatPortArgument(std::uint32_t ipv4, std::uint16_t port) {
    std::string text;
    for (int shift = 24; shift >= 0; shift -= 8)
        text += std::to_string((ipv4 >> shift) & 0xFF) + ',';
    text += std::to_string(port >> 8) + ',' + std::to_string(port & 0xFF);
    return text;
}

} // namespace wertan::ftp
