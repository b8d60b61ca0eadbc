// Arbitrary bytes as a project description, a project file list and a file with attachment lines.
// What is read is written and read again unchanged; attachment names are non-empty and lower-case.
#include "projects/add_to_project.h"
#include "projects/project_format.h"
#include "text/win1250.h"

#include <cstddef>
#include <cstdint>
#include <string>

using namespace wertan;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const ProjectDescription description = decodeProjectDescription(bytes);
    if (decodeProjectDescription(encodeProjectDescription(description)) != description) __builtin_trap();
    const QStringList files = decodeProjectFileList(bytes);
    if (decodeProjectFileList(encodeProjectFileList(files)) != files) __builtin_trap();
    for (const QString& name : attachmentNames(bytes)) {
        const std::string raw = toWin1250(name);
        if (raw.empty() || raw.find_first_of("\r\n)") != std::string::npos) __builtin_trap();
        for (char c : raw)
            if (c >= 'A' && c <= 'Z') __builtin_trap();
    }
    return 0;
}
