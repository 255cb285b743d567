// Colours as the drawing code names them: RGB values or system colours.
#pragma once

#include "framework/Types.h"

#include <QColor>

// The colour to draw with; system colours come from the application's
// palette, except window and window text, which are white and black as on
// the window system the program was designed for.
QColor ResolveColor(TColor colour);
