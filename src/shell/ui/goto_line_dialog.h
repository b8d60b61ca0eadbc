#pragma once
// The go-to-line dialog "Idź do linii": a line number, the list of open documents that chooses the
// preview, five preview rows around the number, and the jump on the active document.
#include "shell/goto_line.h"

#include <QDialog>
#include <QStringList>

class QComboBox;
class QPushButton;
class QSpinBox;
class QTableWidget;

namespace wertan {

class MainWindow;

class GotoLineDialog : public QDialog {
    Q_OBJECT
public:
    explicit GotoLineDialog(MainWindow& main);

    // The opening step: the document list, the bounds, the first line number and the preview.
    void prepare();
    // "&Idź do linii...": the opening step, then the dialog shown modally.
    void open() override;

    QSpinBox* numberBox() const { return number_; }
    QComboBox* documentList() const { return documents_; }
    QTableWidget* preview() const { return preview_; }
    QPushButton* goButton() const { return go_; }
    // What preview row 0 to 4 shows: its number and its text (both empty for an emptied row).
    QString rowNumber(int row) const;
    QString rowText(int row) const;
    bool numberFromZero() const;

    // Brings the preview up to date with the number, unless typing holds it.
    void refreshPreview();
    // "&Idź": the caret of the active document goes to the middle row's line; the dialog closes.
    void jump();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void chooseDocument(int index);

    MainWindow& main_;
    QSpinBox* number_;
    QComboBox* documents_;
    QTableWidget* preview_;
    QPushButton* go_;
    QStringList chosenLines_; // the lines of the document chosen in the list
    GotoPreviewGate gate_;
};

} // namespace wertan
