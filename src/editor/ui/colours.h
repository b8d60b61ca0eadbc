#pragma once
// Colour numbers of the options and schemes as widget colours: system colours come from the
// application's palette.
#include "editor/colour_number.h"

#include <QColor>

namespace wertan {

// The colour a number stands for; "no colour" gives the fallback.
QColor colourFromNumber(ColourNumber number, const QColor& fallback = QColor());
ColourNumber numberFromColour(const QColor& colour);

} // namespace wertan
