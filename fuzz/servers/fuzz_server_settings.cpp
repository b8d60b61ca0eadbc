// Arbitrary bytes as either server settings file: reading never fails silently (a failure has its
// message), and what is read writes back as a file that reads as the same settings.
#include "servers/server_settings.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

using namespace wertan;

namespace {
template <typename Settings, typename Decode, typename Encode>
void roundTrip(std::string_view bytes, Decode decode, Encode encode) {
    Settings settings;
    QString error;
    if (!decode(bytes, QStringLiteral("path.dat"), &settings, &error)) {
        if (error.isEmpty()) __builtin_trap();
        return;
    }
    const std::string written = encode(settings);
    Settings again;
    if (!decode(written, QStringLiteral("path.dat"), &again, &error) || !(again == settings))
        __builtin_trap();
    if (encode(again) != written) __builtin_trap();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    roundTrip<HttpServerSettings>(bytes, decodeHttpServerFile, encodeHttpServerFile);
    roundTrip<DataServerSettings>(bytes, decodeDataServerFile, encodeDataServerFile);
    return 0;
}
