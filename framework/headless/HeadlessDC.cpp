#include "framework/headless/HeadlessDC.h"

#include "framework/Dib.h"
#include "framework/Font.h"
#include "framework/headless/HeadlessDesktop.h"
#include "framework/headless/HeadlessMetrics.h"

THeadlessDC::THeadlessDC(TDrawLog& log, TSize surface, bool painting)
    : Log(log), Surface(surface), Painting(painting), CharWidth(HeadlessCharWidth(HeadlessDefaultFontHeight))
{
}

TDrawCall& THeadlessDC::Record(TDrawCall::TKind kind)
{
    TDrawCall& call = Log.emplace_back();
    call.Kind = kind;
    call.Painting = Painting;
    return call;
}

void THeadlessDC::FillRect(const TRect& rect, TColor colour)
{
    TDrawCall& call = Record(TDrawCall::TKind::FillRect);
    call.Rect = rect;
    call.Colour = colour;
}

void THeadlessDC::InvertRect(const TRect& rect) { Record(TDrawCall::TKind::InvertRect).Rect = rect; }

void THeadlessDC::SelectFont(const TFont& font)
{
    TDrawCall& call = Record(TDrawCall::TKind::SelectFont);
    call.Face = font.FaceName();
    call.Height = font.Height();
    CharWidth = HeadlessCharWidth(font.Height());
}

void THeadlessDC::RestoreObjects()
{
    Record(TDrawCall::TKind::RestoreObjects);
    CharWidth = HeadlessCharWidth(HeadlessDefaultFontHeight);
}

void THeadlessDC::SetTextColor(TColor colour) { Record(TDrawCall::TKind::TextColor).Colour = colour; }

void THeadlessDC::SetBkColor(TColor colour) { Record(TDrawCall::TKind::BkColor).Colour = colour; }

void THeadlessDC::SetTextAlign(unsigned flags) { Record(TDrawCall::TKind::TextAlign).Flags = flags; }

int64_t THeadlessDC::TabbedTextOut(int64_t x, int y, std::string_view text, int64_t tabDistance, int64_t tabOrigin)
{
    TDrawCall& call = Record(TDrawCall::TKind::Text);
    call.X = x;
    call.Y = y;
    call.Text = std::string(text);
    call.TabDistance = tabDistance;
    call.TabOrigin = tabOrigin;
    return TextWidth(text, x, CharWidth, tabDistance, tabOrigin);
}

int64_t THeadlessDC::TextWidth(std::string_view text, int64_t x, int charWidth, int64_t tabDistance, int64_t tabOrigin)
{
    int64_t pen = x;
    for (char c : text) {
        if (c == '\t' && tabDistance > 0) {
            // The next stop strictly right of the pen.
            const int64_t offset = pen - tabOrigin;
            const int64_t stops = offset >= 0 ? offset / tabDistance + 1 : -((-offset - 1) / tabDistance);
            pen = tabOrigin + stops * tabDistance;
        } else {
            pen += charWidth;
        }
    }
    return pen - x;
}

int THeadlessDC::GetDeviceCaps(int index) const
{
    switch (index) {
    case LOGPIXELSX:
    case LOGPIXELSY: return HeadlessLogPixels;
    case HORZRES: return Surface.cx;
    case VERTRES: return Surface.cy;
    default: return 0;
    }
}

void THeadlessDC::DrawDib(int x, int y, const TDib& dib, const TRect& source)
{
    CombineDib(x, y, dib, source, TRasterOp::Copy);
}

void THeadlessDC::CombineDib(int x, int y, const TDib& dib, const TRect& source, TRasterOp op)
{
    TDrawCall& call = Record(TDrawCall::TKind::Dib);
    call.X = x;
    call.Y = y;
    call.Rect = source;
    call.DibId = dib.GetId();
    call.Palette = dib.Palette();
    call.Rop = op;
}

std::vector<TFontFamilyReport> THeadlessDC::EnumFontFamilies() const { return THeadlessDesktop::Current().ScreenFonts; }

namespace {

// Gives the screen context's log a place before the context.
struct TScreenLog {
    TDrawLog ScreenLog;
};

class THeadlessScreenDC : private TScreenLog, public THeadlessDC {
public:
    THeadlessScreenDC() : THeadlessDC(ScreenLog, {HeadlessScreen.right, HeadlessScreen.bottom}, false) {}
};

}  // namespace

std::unique_ptr<TDC> CreateScreenDC() { return std::make_unique<THeadlessScreenDC>(); }
