#pragma once
// Reading the control connection of an FTP session: cutting the received bytes into lines and
// taking reply codes, quoted directories, sizes and data-connection addresses out of reply lines.
// Everything here works on raw bytes and never trusts the peer: any input gives a defined result.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace wertan::ftp {

// Collects received bytes in a buffer of 4096 bytes and cuts them into lines at each line feed.
// Trailing carriage returns and line feeds are removed from every line, so replies ending in a
// bare line feed are read like those ending in CR LF. A run of 4096 bytes without a line feed is
// cut there and handed out as a line of its own, so a peer that never sends a line feed cannot
// make the buffer grow.
class ReplyLineBuffer {
public:
    static constexpr std::size_t kCapacity = 4096;

    // Appends bytes and adds every line they complete to lines.
    void append(std::string_view bytes, std::vector<std::string>& lines);
    // Bytes received after the last complete line.
    std::size_t pendingSize() const { return pending_.size(); }
    void clear() { pending_.clear(); }

private:
    std::string pending_;
};

// What one reply line says. Lines that do not begin with a digit carry no code and are skipped.
struct ReplyLine {
    bool hasCode = false;
    int code = 0;
    // The character after the code is '-': the line belongs to a multi-line reply.
    bool continued = false;
};

// The reply code is the run of digits at the start of the line; a run too long for a number
// saturates at the largest int, which no command accepts.
ReplyLine parseReplyLine(std::string_view line);

// The text between the first pair of double quotes after the reply code, a doubled quote
// standing for one quote; empty when the line has no complete quoted text.
std::string extractReplyDirectory(std::string_view line);

// The number that follows the reply code (after spaces); 0 when there is none. Saturates at the
// largest 64-bit value.
std::int64_t extractReplySize(std::string_view line);

// The port of a data connection offered by a PASV reply: the six numbers h1,h2,h3,h4,p1,p2
// after the reply code, each 0 to 255. The address part is returned as well; callers connect to
// the control connection's peer instead (an address in the reply may point anywhere).
struct PassiveAddress {
    std::uint32_t ipv4 = 0;
    std::uint16_t port = 0;
};
std::optional<PassiveAddress> parsePasvReply(std::string_view line);

// The port of an EPSV reply: "(|||port|)", where any printable character other than a digit
// may stand for '|', used the same at all four places.
std::optional<std::uint16_t> parseEpsvReply(std::string_view line);

// The argument of PORT: the four bytes of an IPv4 address (high byte first) and the high and
// low byte of the port, as decimal numbers separated by commas.
std::string formatPortArgument(std::uint32_t ipv4, std::uint16_t port);

} // namespace wertan::ftp
