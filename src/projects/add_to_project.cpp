#include "projects/add_to_project.h"

#include "platform/prompts.h"
#include "projects/project_format.h"
#include "projects/project_paths.h"
#include "text/document_text.h"
#include "text/text_utils.h"
#include "text/win1250.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

namespace wertan {

namespace {
constexpr std::size_t kAttachmentLines = 101;
constexpr int kAttachmentLevels = 3;

class ProjectAdder {
public:
    ProjectAdder(const AddToProjectRequest& request, Prompts& prompts)
        : request_(request), prompts_(prompts) {}

    AddToProjectResult run() {
        if (request_.source.isEmpty()) {
            result_.errors << QStringLiteral("Nie wskazano pliku, który ma zostać dodany do projektu.");
            return finish();
        }
        source_ = isAbsoluteProjectPath(request_.source)
                      ? request_.source
                      : appendToDirectory(request_.libraryDir, request_.source);
        targetDir_ = resolveProjectEntry(request_.projectDir, request_.dir);
        if (!isAbsoluteProjectPath(targetDir_)) {
            result_.errors << QStringLiteral(
                                  "Katalog docelowy \"%1\" nie jest pełną ścieżką, a żaden projekt "
                                  "nie jest otwarty. Plik %2 nie został dodany do projektu.")
                                  .arg(QDir::toNativeSeparators(request_.dir),
                                       QDir::toNativeSeparators(source_));
            return finish();
        }
        if (!QFileInfo(targetDir_).isDir()) {
            result_.errors << QStringLiteral(
                                  "Katalog %1 nie istnieje. Plik %2 nie został dodany do projektu.")
                                  .arg(QDir::toNativeSeparators(targetDir_),
                                       QDir::toNativeSeparators(source_));
            return finish();
        }
        // Attachments of every level are looked for beside the file added first.
        sourceFolder_ = directoryPart(source_);

        std::string bytes;
        QString error;
        if (!readFileBytes(source_, &bytes, &error)) {
            result_.errors << error;
            return finish();
        }
        result_.completed = true;
        if (request_.followAttachments) copyAttachments(bytes, source_, 1);
        copy(source_, bytes);
        return finish();
    }

private:
    // Copies a file's bytes to the target directory; true when it was copied as a new file (and so
    // is listed).
    bool copy(const QString& from, const std::string& bytes) {
        const QString target = appendToDirectory(targetDir_, fileNamePart(from));
        QString error;
        if (QFileInfo::exists(target)) {
            if (prompts_.confirmWithCaption(overwriteCaption(), overwriteQuestion(), Buttons::YesNo) ==
                    Answer::Yes &&
                !writeFileAtomically(target, bytes, &error))
                result_.errors << error;
            return false;
        }
        if (!writeFileAtomically(target, bytes, &error)) {
            result_.errors << error;
            return false;
        }
        result_.listed << target;
        return true;
    }

    void copyAttachments(const std::string& bytes, const QString& namedIn, int level) {
        for (const QString& name : attachmentNames(bytes)) {
            const QString path = sourceFolder_ + name;
            if (seen_.contains(path)) continue;
            seen_.insert(path);
            if (!QFileInfo(path).isFile()) {
                result_.missing << path;
                missingNotes_ << QStringLiteral("%1 (wymieniony w pliku %2)")
                                     .arg(QDir::toNativeSeparators(path), QDir::toNativeSeparators(namedIn));
                continue;
            }
            std::string attachment;
            QString error;
            if (!readFileBytes(path, &attachment, &error)) {
                result_.errors << error;
                continue;
            }
            if (copy(path, attachment) && level < kAttachmentLevels)
                copyAttachments(attachment, path, level + 1);
        }
    }

    AddToProjectResult finish() {
        if (!missingNotes_.isEmpty())
            prompts_.message(
                QStringLiteral("Nie znaleziono załączników:\n%1\nNie zostały one dodane do projektu.")
                    .arg(missingNotes_.join(QLatin1Char('\n'))));
        if (!result_.errors.isEmpty()) prompts_.error(result_.errors.join(QLatin1Char('\n')));
        return result_;
    }

    const AddToProjectRequest& request_;
    Prompts& prompts_;
    QString source_;
    QString targetDir_;
    QString sourceFolder_;
    QSet<QString> seen_;
    QStringList missingNotes_;
    AddToProjectResult result_;
};
} // namespace

QStringList attachmentNames(const std::string& bytes) {
    QStringList names;
    for (std::string_view line : textLines(bytes, kAttachmentLines)) {
        if (asciiLower(line).find("#zkfile") == std::string::npos) continue;
        // The name between the first "(" and the next ")", however long the line is.
        const std::size_t open = line.find('(');
        const std::size_t close = open == std::string_view::npos ? open : line.find(')', open + 1);
        if (close == std::string_view::npos || close == open + 1) continue;
        names << fromWin1250(asciiLower(line.substr(open + 1, close - open - 1)));
    }
    return names;
}

QString overwriteCaption() {
    return QStringLiteral("Błąd kopiowania!");
}

QString overwriteQuestion() {
    return QStringLiteral(
        "Plik, który jest wymieniony jak załącznik istnieje w katalogu docelowym - Czy nadpisać?");
}

AddToProjectResult addToProject(const AddToProjectRequest& request, Prompts& prompts) {
    return ProjectAdder(request, prompts).run();
}

} // namespace wertan
