#pragma once
// The preprocessing panel: opens a zkPHP template, shows one input row per parameter of the chosen
// class, and on "&Wstaw" writes the object lines and the include line into the active document and
// hands the template to the project.
#include "classlib/template_preprocessor.h"

#include <QWidget>
#include <functional>

class QComboBox;
class QGridLayout;
class QLineEdit;
class QPushButton;

namespace wertan {

class Prompts;

class TemplatePanel : public QWidget {
    Q_OBJECT
public:
    explicit TemplatePanel(Prompts& prompts, QWidget* parent = nullptr);

    // The active document's insertion operations (index -1 appends a last line, 0 a first line)
    // and its line search (letter case ignored); texts are Windows-1250 bytes.
    std::function<void(const std::string& line, int index)> insertAtLine;
    std::function<bool(const std::string& line)> documentContains;
    // The open project's directories (relative to the project directory) and the copying of the
    // template with its "#zkfile" attachments into one of them. Empty while no project subsystem
    // is connected; addToProject returns false (after telling the user) when nothing was copied.
    std::function<QStringList()> projectDirectories;
    std::function<bool(const QString& directory, const QString& templatePath)> addToProject;
    // Called when the panel wants to be seen (docked into the left area).
    std::function<void()> showDocked;

    // Loads the template and builds its rows; the panel is shown.
    void open(const QString& templatePath);
    // "&Wstaw": the object lines, the include line, the project copy; then the panel closes.
    void insert();
    // "&Anuluj".
    void cancel();

    const QString& templatePath() const { return path_; }
    const TemplateForm& form() const { return form_; }
    QComboBox* classList() const { return classList_; }
    QPushButton* insertButton() const { return insert_; }
    // The row inputs in creation order ("Nazwa" first in class mode, "Katalog" and "Wstaw jako" last).
    const QList<QWidget*>& rowInputs() const { return inputs_; }
    QStringList rowLabels() const;
    QLineEdit* objectNameInput() const;
    QComboBox* directoryInput() const;
    QComboBox* modeInput() const;

protected:
    void hideEvent(QHideEvent* event) override;

private:
    void buildRows(const std::string& wantedClass);
    void addRow(const QString& label, QWidget* input, const QString& hint = {});
    void removeRows();
    void closePanel();

    Prompts& prompts_;
    QString path_;
    std::vector<std::string> lines_;
    std::string propertyName_; // the current property name; lives as long as the panel
    TemplateForm form_;
    QComboBox* classList_ = nullptr;
    QWidget* rowsArea_ = nullptr;
    QGridLayout* rowsLayout_ = nullptr;
    QList<QWidget*> inputs_;
    QList<QWidget*> rowWidgets_;
    QPushButton* insert_ = nullptr;
    QPushButton* cancel_ = nullptr;
    bool buildingRows_ = false;
};

} // namespace wertan
