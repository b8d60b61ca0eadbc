#include "platform/scripted/scripted_launcher.h"

namespace wertan {

bool ScriptedLauncher::startProgram(const QString& program, const QStringList& arguments,
                                    const QString& workingDirectory, QString* error) {
    launches_.push_back({program, arguments, workingDirectory, false});
    if (!failWith.isEmpty() && error)
        *error = failWith;
    return failWith.isEmpty();
}

bool ScriptedLauncher::openDocument(const QString& pathOrUrl, QString* error) {
    launches_.push_back({pathOrUrl, {}, {}, true});
    if (!failWith.isEmpty() && error)
        *error = failWith;
    return failWith.isEmpty();
}

} // namespace wertan
