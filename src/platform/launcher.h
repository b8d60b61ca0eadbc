#pragma once
// The shell "open": start a program, or open a document or address with its default handler.
#include <QString>
#include <QStringList>

namespace wertan {

class Launcher {
public:
    virtual ~Launcher() = default;
    // Starts a program detached; false with a reason when it could not be started.
    virtual bool startProgram(const QString& program, const QStringList& arguments,
                              const QString& workingDirectory, QString* error) = 0;
    // Opens a file or an address with the platform's default handler.
    virtual bool openDocument(const QString& pathOrUrl, QString* error) = 0;
};

} // namespace wertan
