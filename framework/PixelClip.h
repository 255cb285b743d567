// Pixel positions in the view are worked out in 64 bits (a huge document is
// billions of pixels tall or wide); the window system takes 32-bit ones.
#pragma once

#include <algorithm>
#include <cstdint>

// v cut to the span lo ... hi widened by its own size on each side: a
// position far outside stays outside, where no scroll of less than a page
// can bring it in.
inline int ClipPixel(int64_t v, int lo, int hi)
{
    const int64_t band = int64_t(hi) - lo + 1;
    return int(std::clamp<int64_t>(v, lo - band, hi + band));
}
