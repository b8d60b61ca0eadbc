#include "editor/ui/colours.h"

#include <QApplication>
#include <QPalette>

namespace wertan {

namespace {

QPalette::ColorRole roleOf(SystemColour colour) {
    switch (colour) {
    case SystemColour::Window:
    case SystemColour::InfoBackground:
        return QPalette::Base;
    case SystemColour::WindowText:
    case SystemColour::MenuText:
    case SystemColour::InfoText:
        return QPalette::Text;
    case SystemColour::Highlight:
    case SystemColour::ActiveCaption:
        return QPalette::Highlight;
    case SystemColour::HighlightText:
    case SystemColour::CaptionText:
        return QPalette::HighlightedText;
    case SystemColour::ButtonText:
        return QPalette::ButtonText;
    case SystemColour::ButtonShadow:
    case SystemColour::GrayText:
        return QPalette::Mid;
    case SystemColour::DarkShadow3D:
    case SystemColour::WindowFrame:
        return QPalette::Shadow;
    case SystemColour::ButtonHighlight:
    case SystemColour::Light3D:
        return QPalette::Light;
    case SystemColour::ScrollBar:
    case SystemColour::Desktop:
    case SystemColour::InactiveCaption:
    case SystemColour::Menu:
    case SystemColour::ActiveBorder:
    case SystemColour::InactiveBorder:
    case SystemColour::AppWorkspace:
    case SystemColour::InactiveCaptionText:
    case SystemColour::ButtonFace:
        return QPalette::Button;
    }
    return QPalette::Button;
}

} // namespace

QColor colourFromNumber(ColourNumber number, const QColor& fallback) {
    if (number == kNoColour) return fallback;
    if (isSystemColour(number)) {
        const std::uint32_t index = number & 0xFF;
        if (index > std::uint32_t(SystemColour::InfoBackground)) return fallback;
        return QApplication::palette().color(QPalette::Active, roleOf(SystemColour(index)));
    }
    return QColor(colourRed(number), colourGreen(number), colourBlue(number));
}

ColourNumber numberFromColour(const QColor& colour) {
    return rgbColour(colour.red(), colour.green(), colour.blue());
}

} // namespace wertan
