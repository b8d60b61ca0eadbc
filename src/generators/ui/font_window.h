#pragma once
// "Wstaw czcionkę": a FONT or BASEFONT element put at the caret. The window is either a borderless
// panel below the font button (with its own close button, closed after an insertion) or a small
// tool window that stays open.
#include "generators/generator_output.h"
#include "generators/head_generators.h"

#include <QFrame>

class QCheckBox;
class QComboBox;
class QPushButton;
class QSpinBox;
class QToolButton;

namespace wertan {

class Prompts;

class FontWindow : public QFrame {
    Q_OBJECT
public:
    FontWindow(GeneratorOutput output, Prompts& prompts, QWidget* parent);

    bool isPanel() const { return panel_; }
    // Shows the window; as a panel it is placed just below the anchor (the font button).
    void showBelow(QWidget* anchor);
    // Switches between the panel and the tool window, keeping it shown.
    void switchPresentation();
    FontOptions options() const;
    // "Wstaw": the element goes to the caret; the panel closes, the tool window stays.
    void insertFont();
    // "Dodatkowy...": the colour chooser; a chosen colour becomes the colour source.
    void chooseExtraColour();
    bool colourFromSwatch() const { return fromSwatch_; }

    QComboBox* faceBox() const { return face_; }
    QComboBox* basicColourBox() const { return basic_; }
    QPushButton* extraColourButton() const { return extra_; }
    QComboBox* sizeModeBox() const { return sizeMode_; }
    QSpinBox* sizeBox() const { return size_; }
    QCheckBox* baseFontBox() const { return baseFont_; }
    QPushButton* insertButton() const { return insert_; }
    QToolButton* closeButton() const { return close_; }
    QToolButton* switchButton() const { return switch_; }

private:
    void applyPresentation();
    void paintSwatch();

    GeneratorOutput output_;
    Prompts& prompts_;
    bool panel_ = true;
    bool fromSwatch_ = false;
    std::uint32_t swatchColour_ = 0;
    QComboBox* face_;
    QComboBox* basic_;
    QPushButton* extra_;
    QComboBox* sizeMode_;
    QSpinBox* size_;
    QCheckBox* baseFont_;
    QPushButton* insert_;
    QToolButton* close_;
    QToolButton* switch_;
};

} // namespace wertan
