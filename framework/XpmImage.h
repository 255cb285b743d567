// Pictures kept as XPM text (an image format that is also C source, so a
// resource file can be compiled in as it stands and read in a diff).
// Supported: one or two characters per pixel, colours as #RRGGBB or None.
#pragma once

#include "framework/Icon.h"
#include "framework/Types.h"

#include <cstddef>
#include <optional>

struct TXpmImage {
    TIconImage Image;
    std::optional<TPoint> HotSpot;  // from the header's optional x and y
    int Colours = 0;
};

// lines: the XPM array (header, colours, then rows); none when malformed.
std::optional<TXpmImage> ReadXpm(const char* const* lines, size_t count);
