#pragma once
// "Właściwości edytora": the editor options in six collapsible bands, with the options template
// editor FmwEdit as the preview in the last band. Every change goes to the options at once; the
// dialog's buttons only decide whether the pages take them now.
#include "editor/colour_scheme.h"
#include "editor/editor_options.h"

#include <QDialog>
#include <QFrame>
#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QGroupBox;
class QPushButton;
class QSpinBox;
class QToolButton;
class QVBoxLayout;

namespace wertan {

class CodeEditor;
class ColouringComponent;
class Prompts;

// A colour field: shows a colour number and asks the colour dialog on a click.
class ColourSwatch : public QFrame {
    Q_OBJECT
public:
    explicit ColourSwatch(QWidget* parent = nullptr);
    ColourNumber colour() const { return colour_; }
    void setColour(ColourNumber colour);
    void click() { emit clicked(); }

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    ColourNumber colour_ = kNoColour;
};

// One collapsible band: a header button and the fields under it.
class OptionsBand : public QWidget {
    Q_OBJECT
public:
    OptionsBand(const QString& title, QWidget* content, QWidget* parent = nullptr);
    bool isExpanded() const;
    void setExpanded(bool expanded);

signals:
    void expanded();

private:
    QToolButton* header_;
    QWidget* content_;
};

class EditorOptionsDialog : public QDialog {
    Q_OBJECT
public:
    // The options and the six colouring components belong to the caller and outlive the dialog.
    EditorOptionsDialog(EditorOptions& options, const std::array<ColouringComponent*, 6>& components,
                        Prompts& prompts, QWidget* parent = nullptr);
    ~EditorOptionsDialog() override;

    // The preview editor, the template every page copies.
    CodeEditor* previewEditor() const { return preview_; }
    // What showing the dialog does before it appears: fields from the template, "(brak)" chosen.
    void prepareToShow();
    // Places the dialog over the owner's window, kept above it by the window manager (also while a
    // chooser of the dialog is open), and no larger than the screen's free area: the bands scroll
    // and the buttons stay in view.
    void placeOver(QWidget* owner);
    OptionsBand* band(int index) const { return bands_.at(std::size_t(index)); }
    // The component of the chosen language, or null for "(brak)".
    ColouringComponent* chosenComponent() const;
    static QString sampleText();

private:
    QWidget* buildFontBand();
    QWidget* buildDisplayBand();
    QWidget* buildEditingBand();
    QWidget* buildGutterBand();
    QWidget* buildColouringBand();
    QWidget* buildPreviewBand();

    void refreshFontFields();
    void refreshDisplayFields();
    void refreshEditingFields();
    void refreshGutterFields();
    void applyToTemplate();
    void chooseFont();
    void chooseColour(ColourSwatch* swatch, ColourNumber EditorOptions::*field);
    void chooseGutterColour();
    void languageChosen();
    void attributeChosen();
    void attributeChanged();
    void previewCaretMoved();
    void setSampleFont();

    EditorOptions& options_;
    std::array<ColouringComponent*, 6> components_;
    Prompts& prompts_;
    bool filling_ = false;
    std::array<OptionsBand*, 6> bands_{};

    QLineEdit* fontName_ = nullptr;
    QSpinBox* fontSize_ = nullptr;
    QPushButton* chooseFont_ = nullptr;
    QLabel* sample_ = nullptr;
    QSpinBox* lineSpacing_ = nullptr;
    ColourSwatch* background_ = nullptr;
    QSpinBox* rightEdge_ = nullptr;
    ColourSwatch* rightEdgeColour_ = nullptr;
    QSpinBox* tabWidth_ = nullptr;
    QComboBox* caretShape_ = nullptr;
    QCheckBox* caretLine_ = nullptr;
    QCheckBox* insertMode_ = nullptr;
    ColourSwatch* gutterColour_ = nullptr;
    QSpinBox* gutterWidth_ = nullptr;
    QSpinBox* digitCount_ = nullptr;
    QCheckBox* lineNumbers_ = nullptr;
    QCheckBox* leadingZeros_ = nullptr;
    QCheckBox* zeroStart_ = nullptr;
    QComboBox* language_ = nullptr;
    QListWidget* attributes_ = nullptr;
    ColourSwatch* attributeForeground_ = nullptr;
    ColourSwatch* attributeBackground_ = nullptr;
    QGroupBox* styleBox_ = nullptr;
    QCheckBox* bold_ = nullptr;
    QCheckBox* italic_ = nullptr;
    QCheckBox* underline_ = nullptr;
    QCheckBox* strikeOut_ = nullptr;
    CodeEditor* preview_ = nullptr;
};

} // namespace wertan
