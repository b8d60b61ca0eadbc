#pragma once
// The class pages of the main window's tool area: one page per catalogue tab after the fixed
// pages, one 30x30 picture button per class; a click opens the class's template.
#include "classlib/class_catalogue.h"

#include <QObject>
#include <QString>
#include <functional>

class QTabWidget;

namespace wertan {

class Prompts;

class ClassPages : public QObject {
    Q_OBJECT
public:
    // fixedPages: the number of pages before the class pages ("HTML" and "PHP").
    ClassPages(QTabWidget* toolPages, int fixedPages, QString programDirectory, Prompts& prompts,
               std::function<void(const QString& templatePath)> openTemplate, QObject* parent = nullptr);

    std::vector<ClassTab>& catalogue() { return catalogue_; }
    // A catalogue path as a file path: relative paths are under the program directory, a path
    // with a drive letter or a leading slash stands as it is; backslashes become slashes.
    QString resolve(const std::string& path) const;

    // Adds the pages; the last one becomes active.
    void build();
    // "&Odśwież": removes every page after the fixed ones and builds them again from memory.
    void refresh();

private:
    QTabWidget* toolPages_;
    int fixedPages_;
    QString programDirectory_;
    Prompts& prompts_;
    std::function<void(const QString&)> openTemplate_;
    std::vector<ClassTab> catalogue_;
};

} // namespace wertan
