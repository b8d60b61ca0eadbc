#pragma once
// A launcher for tests: records what would have been started or opened.
#include "platform/launcher.h"

#include <vector>

namespace wertan {

class ScriptedLauncher : public Launcher {
public:
    struct Launch {
        QString program; // or the opened document/address
        QStringList arguments;
        QString workingDirectory;
        bool document = false;
    };
    // When set, every launch fails with this reason.
    QString failWith;

    const std::vector<Launch>& launches() const { return launches_; }

    bool startProgram(const QString& program, const QStringList& arguments, const QString& workingDirectory,
                      QString* error) override;
    bool openDocument(const QString& pathOrUrl, QString* error) override;

private:
    std::vector<Launch> launches_;
};

} // namespace wertan
