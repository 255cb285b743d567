// A device context: the drawing surface of a window (its retained back
// buffer), of a printer page, or a recorder in headless runs.
#pragma once

#include "framework/FontFamily.h"
#include "framework/Types.h"

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

class TDib;
class TFont;

// How a copied image meets what is under it (the window system's raster
// operations SRCCOPY, SRCAND and SRCPAINT).
enum class TRasterOp { Copy, And, Or };

class TDC {
public:
    virtual ~TDC() = default;

    virtual void FillRect(const TRect& rect, TColor colour) = 0;
    // Inverts every pixel of rect; inverting twice restores the surface.
    virtual void InvertRect(const TRect& rect) = 0;

    // The selected font stays in use until another is selected or the
    // context's objects are restored.
    virtual void SelectFont(const TFont& font) = 0;
    virtual void RestoreObjects() = 0;
    virtual void SetTextColor(TColor colour) = 0;
    virtual void SetBkColor(TColor colour) = 0;
    virtual void SetTextAlign(unsigned flags) = 0;

    // Draws 8-bit text at (x, y) (top-left of the text cell) through the
    // selected font's code page. A tab advances to the next multiple of
    // tabDistance pixels counted from tabOrigin (strictly right of the pen).
    // Returns the width drawn. Horizontal pixels are 64-bit: a row of a
    // huge document may start billions of pixels left of the surface.
    virtual int64_t TabbedTextOut(int64_t x, int y, std::string_view text, int64_t tabDistance, int64_t tabOrigin) = 0;

    virtual int GetDeviceCaps(int index) const = 0;

    // Copies the part source (image coordinates) of the image to (x, y), as
    // BitBlt does; its transparent pixels leave the surface as it was. The
    // default fills runs of equal pixels; a platform may blit at once.
    virtual void DrawDib(int x, int y, const TDib& dib, const TRect& source);
    // The same, each pixel combined with the surface's by op. The default
    // copies.
    virtual void CombineDib(int x, int y, const TDib& dib, const TRect& source, TRasterOp op);

    // The font families the device offers, one report per family.
    virtual std::vector<TFontFamilyReport> EnumFontFamilies() const;
};

// A context that measures the screen and lists its fonts (GetDC of the
// desktop); it draws nowhere.
std::unique_ptr<TDC> CreateScreenDC();
