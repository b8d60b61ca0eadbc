#pragma once
#include "platform/launcher.h"

namespace wertan {

class QtLauncher : public Launcher {
public:
    bool startProgram(const QString& program, const QStringList& arguments, const QString& workingDirectory,
                      QString* error) override;
    bool openDocument(const QString& pathOrUrl, QString* error) override;
};

} // namespace wertan
