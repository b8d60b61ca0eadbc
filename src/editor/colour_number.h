#pragma once
// Colour numbers as the editor options and colour schemes keep them: red in the low byte, green in
// the next, blue in the third. Numbers with the top bit set name a system colour by its index; the
// number kNoColour means "no colour of its own" (the editor's colour is used).
#include <cstdint>

namespace wertan {

using ColourNumber = std::uint32_t;

// Style bits of fonts and colouring attributes.
enum StyleBits : int { StyleBold = 1, StyleItalic = 2, StyleUnderline = 4, StyleStrikeOut = 8 };

inline constexpr ColourNumber kNoColour = 0x1FFFFFFF;
inline constexpr ColourNumber kSystemColourFlag = 0x80000000;

enum class SystemColour : std::uint32_t {
    ScrollBar = 0,
    Desktop = 1,
    ActiveCaption = 2,
    InactiveCaption = 3,
    Menu = 4,
    Window = 5,
    WindowFrame = 6,
    MenuText = 7,
    WindowText = 8,
    CaptionText = 9,
    ActiveBorder = 10,
    InactiveBorder = 11,
    AppWorkspace = 12,
    Highlight = 13,
    HighlightText = 14,
    ButtonFace = 15,
    ButtonShadow = 16,
    GrayText = 17,
    ButtonText = 18,
    InactiveCaptionText = 19,
    ButtonHighlight = 20,
    DarkShadow3D = 21,
    Light3D = 22,
    InfoText = 23,
    InfoBackground = 24,
};

constexpr ColourNumber rgbColour(int red, int green, int blue) {
    return ColourNumber(red & 0xFF) | (ColourNumber(green & 0xFF) << 8) | (ColourNumber(blue & 0xFF) << 16);
}
constexpr ColourNumber systemColour(SystemColour colour) {
    return kSystemColourFlag | std::uint32_t(colour);
}
constexpr bool isSystemColour(ColourNumber number) {
    return (number & kSystemColourFlag) != 0;
}
constexpr int colourRed(ColourNumber number) {
    return int(number & 0xFF);
}
constexpr int colourGreen(ColourNumber number) {
    return int((number >> 8) & 0xFF);
}
constexpr int colourBlue(ColourNumber number) {
    return int((number >> 16) & 0xFF);
}

} // namespace wertan
