#pragma once
// Local files named by the server: a name from a listing line or a remote path must never lead
// a download outside the folder it is meant for.
#include <QString>
#include <optional>
#include <string_view>

namespace wertan::ftp {

// The local path for a name received from the server (Windows-1250 bytes): the part of the name
// after its last '/', '\' or ':', placed directly in folder. Names that would leave the folder or
// name no file give nothing: an empty last part, "." or "..", or control characters in it.
std::optional<QString> localFileInFolder(const QString& folder, std::string_view remoteName);

} // namespace wertan::ftp
