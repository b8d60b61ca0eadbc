// Feeds arbitrary control-connection bytes through the reply reader: the line buffer (in chunks
// whose sizes come from the input), the reply-line parser and every extractor of reply text.
#include "ftp/ftp_reply.h"

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

using namespace wertan::ftp;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    // The first byte picks the chunk size, so lines are cut across reads in many ways.
    const std::size_t chunk = std::size_t(data[0]) + 1;
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    ReplyLineBuffer buffer;
    std::vector<std::string> lines;
    for (std::size_t at = 0; at < bytes.size(); at += chunk)
        buffer.append(bytes.substr(at, chunk), lines);
    if (buffer.pendingSize() >= ReplyLineBuffer::kCapacity) __builtin_trap();
    for (const std::string& line : lines) {
        if (line.size() > ReplyLineBuffer::kCapacity || line.find('\n') != std::string::npos)
            __builtin_trap();
        const ReplyLine reply = parseReplyLine(line);
        if (reply.hasCode && (reply.code < 0 || line.empty() || line[0] < '0' || line[0] > '9'))
            __builtin_trap();
        const std::string directory = extractReplyDirectory(line);
        if (directory.size() > line.size()) __builtin_trap();
        if (extractReplySize(line) < 0) __builtin_trap();
        if (const auto pasv = parsePasvReply(line); pasv && pasv->port == 0) __builtin_trap();
        if (const auto epsv = parseEpsvReply(line); epsv && *epsv == 0) __builtin_trap();
    }
    return 0;
}
