#pragma once
// "Utwórz tabelę": the skeleton of an HTML table with its wrapper, border, spacing, background
// colour or picture, width and height.
#include "generators/generator_output.h"
#include "generators/table_generator.h"

#include <QDialog>
#include <functional>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QToolButton;

namespace wertan {

class Prompts;

class TableGeneratorDialog : public QDialog {
    Q_OBJECT
public:
    // directories: the project's directories for the attachment path list, asked each time the
    // dialog is shown.
    TableGeneratorDialog(GeneratorOutput output, Prompts& prompts, std::function<QStringList()> directories,
                         QWidget* parent);

    void showDialog();
    // The options the fields hold now.
    TableOptions options() const;
    // "Utwórz tabelę": the table goes to the document and the dialog closes; a count that is not a
    // whole number is reported, nothing is inserted and the dialog stays open.
    void createTable();
    // A click on the colour swatch: the colour chooser, then the swatch painted.
    void chooseBackgroundColour();
    // Back to no background colour.
    void clearBackgroundColour();

    QLineEdit* columnsEdit() const { return columns_; }
    QLineEdit* rowsEdit() const { return rows_; }
    QComboBox* positionBox() const { return position_; }
    QSpinBox* borderBox() const { return border_; }
    QSpinBox* paddingBox() const { return padding_; }
    QSpinBox* spacingBox() const { return spacing_; }
    QPushButton* colourSwatch() const { return swatch_; }
    QLineEdit* pictureEdit() const { return picture_; }
    QToolButton* pictureButton() const { return browse_; }
    QSpinBox* widthBox() const { return width_; }
    QSpinBox* heightBox() const { return height_; }
    QToolButton* widthUnitButton() const { return widthUnit_; }
    QToolButton* heightUnitButton() const { return heightUnit_; }
    QCheckBox* attachmentBox() const { return attachment_; }
    QComboBox* attachmentPathBox() const { return attachmentPath_; }
    QPushButton* createButton() const { return create_; }
    QPushButton* cancelButton() const { return cancel_; }

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void choosePicture();

    GeneratorOutput output_;
    Prompts& prompts_;
    std::function<QStringList()> directories_;
    std::optional<std::uint32_t> background_;
    QLineEdit* columns_;
    QLineEdit* rows_;
    QComboBox* position_;
    QSpinBox* border_;
    QSpinBox* padding_;
    QSpinBox* spacing_;
    QPushButton* swatch_;
    QToolButton* clearColour_;
    QLineEdit* picture_;
    QToolButton* browse_;
    QSpinBox* width_;
    QSpinBox* height_;
    QToolButton* widthUnit_;
    QToolButton* heightUnit_;
    QCheckBox* attachment_;
    QComboBox* attachmentPath_;
    QPushButton* create_;
    QPushButton* cancel_;
};

} // namespace wertan
