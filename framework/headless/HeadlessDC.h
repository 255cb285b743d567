// A device context that draws nothing and records every call, so tests see
// what a window painted. Client and paint contexts record into the same
// log of the window; a paint starts with a BeginPaint record.
#pragma once

#include "framework/DC.h"

#include <cstdint>
#include <string>
#include <vector>

class TDib;

struct TDrawCall {
    enum class TKind { BeginPaint, FillRect, InvertRect, SelectFont, RestoreObjects, TextColor, BkColor, TextAlign, Text, Dib };
    TKind Kind = TKind::FillRect;
    bool Painting = false;  // drawn by Paint rather than on a client DC
    TRect Rect;             // BeginPaint (the invalid rectangle), FillRect, InvertRect, Dib (the source)
    TColor Colour = 0;      // FillRect, TextColor, BkColor
    std::string Face;       // SelectFont
    int Height = 0;         // SelectFont: the cell height
    unsigned Flags = 0;     // TextAlign
    int64_t X = 0;          // Text, Dib
    int Y = 0;
    int DibId = 0;          // Dib: the image's resource id
    TRasterOp Rop = TRasterOp::Copy;  // Dib: how it met the surface
    std::vector<TColor> Palette;  // Dib: the image's colours
    std::string Text;       // Text: the bytes drawn
    int64_t TabDistance = 0, TabOrigin = 0;
};
using TDrawLog = std::vector<TDrawCall>;

class THeadlessDC : public TDC {
public:
    // surface: the client size (HORZRES, VERTRES).
    THeadlessDC(TDrawLog& log, TSize surface, bool painting);

    void FillRect(const TRect& rect, TColor colour) override;
    void InvertRect(const TRect& rect) override;
    void SelectFont(const TFont& font) override;
    void RestoreObjects() override;
    void SetTextColor(TColor colour) override;
    void SetBkColor(TColor colour) override;
    void SetTextAlign(unsigned flags) override;
    int64_t TabbedTextOut(int64_t x, int y, std::string_view text, int64_t tabDistance, int64_t tabOrigin) override;
    int GetDeviceCaps(int index) const override;
    void DrawDib(int x, int y, const TDib& dib, const TRect& source) override;
    void CombineDib(int x, int y, const TDib& dib, const TRect& source, TRasterOp op) override;
    // The screen's families (THeadlessDesktop::ScreenFonts).
    std::vector<TFontFamilyReport> EnumFontFamilies() const override;

    // The width TabbedTextOut reports for text drawn at x.
    static int64_t TextWidth(std::string_view text, int64_t x, int charWidth, int64_t tabDistance, int64_t tabOrigin);

private:
    TDrawLog& Log;
    TSize Surface;
    bool Painting;
    int CharWidth;

    TDrawCall& Record(TDrawCall::TKind kind);
};
