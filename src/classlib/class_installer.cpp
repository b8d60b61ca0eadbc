#include "classlib/class_installer.h"

#include "text/document_text.h"
#include "text/win1250.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace wertan {

namespace {
// Copies a file over whatever has its name at the target (write-then-rename).
bool copyReplacing(const QString& source, const QString& target, QString* error) {
    std::string bytes;
    if (!readFileBytes(source, &bytes, error)) return false;
    return writeFileAtomically(target, bytes, error);
}
} // namespace

bool isPlainFileName(const QString& name) {
    return !name.trimmed().isEmpty() && name != QStringLiteral(".") && name != QStringLiteral("..") &&
           !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\'));
}

AddClassOutcome addClassFromInitFile(std::vector<ClassTab>& catalogue, const QString& programDirectory,
                                     const QString& initFilePath, std::optional<int> chosenTab) {
    AddClassOutcome outcome;
    std::string bytes;
    QString error;
    if (initFilePath.isEmpty()) {
        outcome.error = QStringLiteral("Wskaż plik inicjujący klasę (*.acls).");
        return outcome;
    }
    if (!readFileBytes(initFilePath, &bytes, &error)) {
        outcome.error = error;
        return outcome;
    }
    const ClassInitReadResult read = readClassInitFile(bytes);
    if (!read.ok) {
        outcome.error = QStringLiteral("%1: %2").arg(initFilePath, fromWin1250(read.error));
        return outcome;
    }
    const ClassInitFile& init = read.init;
    const QString name = fromWin1250(init.name);
    const QString file = fromWin1250(init.file);
    const QString icon = fromWin1250(init.icon);
    for (const QString& part : {name, file, icon}) {
        if (!isPlainFileName(part)) {
            outcome.error = QStringLiteral("Plik %1 nie jest poprawnym plikiem inicjującym klasę: \"%2\" nie "
                                           "może być nazwą klasy ani pliku.")
                                .arg(initFilePath, part);
            return outcome;
        }
    }

    // The tab: the chosen one, or the one the file names (made when missing).
    int tab = -1;
    if (chosenTab) {
        if (*chosenTab < 0 || *chosenTab >= static_cast<int>(catalogue.size())) {
            outcome.error = QStringLiteral("Wybierz zakładkę, na której ma zostać umieszczona klasa.");
            return outcome;
        }
        tab = *chosenTab;
    } else {
        for (std::size_t i = 0; i < catalogue.size() && tab < 0; ++i)
            if (catalogue[i].name == init.tab) tab = static_cast<int>(i);
        if (tab < 0 && static_cast<int>(catalogue.size()) >= kMaxClassTabs) {
            outcome.error = QStringLiteral("Nie można dodać zakładki \"%1\": jest już %2 zakładek.")
                                .arg(fromWin1250(init.tab))
                                .arg(kMaxClassTabs);
            return outcome;
        }
    }
    if (tab >= 0 && static_cast<int>(catalogue[tab].classes.size()) >= kMaxClassesPerTab) {
        outcome.error = QStringLiteral("Na zakładce \"%1\" jest już %2 klas; klasa nie została dodana.")
                            .arg(fromWin1250(catalogue[tab].name))
                            .arg(kMaxClassesPerTab);
        return outcome;
    }

    // The files first: a class whose files are not in the library is not added.
    const QDir from = QFileInfo(initFilePath).absoluteDir();
    QString root = programDirectory;
    if (!root.endsWith(QLatin1Char('/'))) root += QLatin1Char('/');
    const QString templateDir = root + QStringLiteral("zklib/") + name;
    const QString pictureDir = root + QStringLiteral("data/classes/") + name;
    QStringList failures;
    for (const QString& folder : {templateDir, pictureDir})
        if (!QDir().mkpath(folder)) failures << QStringLiteral("Nie można utworzyć katalogu %1.").arg(folder);
    if (failures.isEmpty()) {
        const std::pair<QString, QString> copies[] = {
            {from.filePath(file), templateDir + QLatin1Char('/') + file},
            {from.filePath(icon), pictureDir + QLatin1Char('/') + icon}};
        for (const auto& [source, target] : copies)
            if (!copyReplacing(source, target, &error)) failures << error;
    }
    if (!failures.isEmpty()) {
        outcome.error =
            QStringLiteral("Klasa \"%1\" nie została dodana.\n").arg(name) + failures.join(QLatin1Char('\n'));
        return outcome;
    }

    if (tab < 0) {
        catalogue.push_back(ClassTab{init.tab, {}});
        tab = static_cast<int>(catalogue.size()) - 1;
        outcome.tabCreated = true;
    }
    CatalogueClass entry;
    entry.name = init.name;
    entry.file = "zklib\\" + init.name + "\\" + init.file;
    entry.icon = "data\\classes\\" + init.name + "\\" + init.icon;
    entry.type = init.type;
    catalogue[tab].classes.push_back(std::move(entry));
    outcome.tab = tab;
    outcome.ok = true;
    return outcome;
}

InitFileOutcome createClassInitFile(const InitFileRequest& request,
                                    const std::function<bool(const QString&, const QString&)>& addToProject) {
    InitFileOutcome outcome;
    ClassInitFile init;
    const QString name = request.className.isEmpty() || request.className == QStringLiteral(" ")
                             ? QStringLiteral("Nowa klasa")
                             : request.className;
    const QString tab =
        request.tab.isEmpty() || request.tab == QStringLiteral(" ") ? QStringLiteral("Inne") : request.tab;
    if (!isPlainFileName(name)) {
        outcome.error = QStringLiteral("\"%1\" nie może być nazwą klasy: nazwa staje się nazwą katalogu i "
                                       "pliku, nie może zawierać znaków / ani \\.")
                            .arg(name);
        return outcome;
    }
    const QFileInfo templateInfo(request.templateFile);
    const QFileInfo pictureInfo(request.picture);
    if (request.templateFile.isEmpty() || !templateInfo.isFile()) {
        outcome.error = QStringLiteral("Wskaż istniejący plik główny klasy.");
        return outcome;
    }
    if (request.picture.isEmpty() || !pictureInfo.isFile()) {
        outcome.error = QStringLiteral("Wskaż istniejący plik ikony klasy.");
        return outcome;
    }
    if (request.target.isEmpty() || !QFileInfo(request.target).isDir()) {
        outcome.error = QStringLiteral("Katalog docelowy %1 nie istnieje.").arg(request.target);
        return outcome;
    }
    const QDir target(request.target);

    if (!addToProject(request.target, templateInfo.absoluteFilePath())) {
        outcome.error =
            QStringLiteral("Plik główny klasy nie został skopiowany do katalogu %1; plik inicjujący "
                           "klasę nie został utworzony.")
                .arg(request.target);
        return outcome;
    }
    const QString pictureTarget = target.filePath(pictureInfo.fileName());
    if (!QFileInfo::exists(pictureTarget) && !QFile::copy(pictureInfo.absoluteFilePath(), pictureTarget)) {
        outcome.error = QStringLiteral("Nie można skopiować pliku ikony %1 do katalogu %2; plik inicjujący "
                                       "klasę nie został utworzony.")
                            .arg(request.picture, request.target);
        return outcome;
    }

    init.name = toWin1250(name);
    init.tab = toWin1250(tab);
    init.file = toWin1250(templateInfo.fileName());
    init.icon = toWin1250(pictureInfo.fileName());
    init.type = request.type;
    outcome.initFile = target.filePath(name + QStringLiteral(".acls"));
    QString error;
    if (!writeFileAtomically(outcome.initFile, writeClassInitFile(init), &error)) {
        outcome.error = error;
        return outcome;
    }
    outcome.ok = true;
    return outcome;
}

} // namespace wertan
