#include "framework/qt/QtDC.h"

#include "framework/Dib.h"
#include "framework/Platform.h"
#include "framework/qt/BackBuffer.h"
#include "framework/qt/FontFamilies.h"
#include "framework/qt/FontImpl.h"
#include "framework/qt/Geometry.h"
#include "framework/qt/PlatformContext.h"
#include "framework/qt/SystemColors.h"

#include <QGlyphRun>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <climits>
#include <vector>

namespace {

// Text alignment flags (SetTextAlign).
enum : unsigned { TA_RIGHT = 2, TA_CENTER = 6, TA_BOTTOM = 8, TA_BASELINE = 24 };

// The first tab stop strictly right of pen: origin plus a multiple of distance.
int64_t NextTabStop(int64_t pen, int64_t distance, int64_t origin)
{
    const int64_t offset = pen - origin;
    int64_t stops = offset / distance;
    if (offset % distance != 0 && offset < 0)
        --stops;  // rounds toward minus infinity
    return origin + (stops + 1) * distance;
}

// Calls draw(pen, run) for each run of text between tabs; returns the pen
// after the last run.
template <class TDraw>
int64_t ForEachRun(const TFont::TImpl& font, std::string_view text, int64_t x, int64_t distance, int64_t origin,
                   TDraw&& draw)
{
    int64_t pen = x;
    for (size_t start = 0;;) {
        const size_t tab = text.find('\t', start);
        const std::string_view run = text.substr(start, tab == std::string_view::npos ? tab : tab - start);
        if (!run.empty()) {
            draw(pen, run);
            pen += font.Width(run);
        }
        if (tab == std::string_view::npos)
            return pen;
        pen = NextTabStop(pen, distance, origin);
        start = tab + 1;
    }
}

// A 64-bit span cut to what a toolkit rectangle can hold.
int ToPixel(int64_t v) { return int(std::clamp<int64_t>(v, INT_MIN / 2, INT_MAX / 2)); }

}  // namespace

QtDC::QtDC(PaintSurface& surface, std::optional<QRegion> clip, bool reportDrawing)
    : Surface(surface), Clip(std::move(clip)), Reports(reportDrawing),
      Font(PlatformContext::Get().SystemFont().Impl())
{
}

QtDC::~QtDC() { Surface.Release(this); }

QPainter* QtDC::Painter()
{
    bool fresh = false;
    QPainter* painter = Surface.PainterFor(this, fresh);
    if (painter && fresh) {
        if (Clip)
            painter->setClipRegion(*Clip);
        PainterFont = nullptr;
    }
    return painter;
}

void QtDC::Drew(const QRect& rect)
{
    if (Reports)
        Surface.Touched(Clip ? (QRegion(rect) & *Clip).boundingRect() : rect);
}

void QtDC::FillRect(const TRect& rect, TColor colour)
{
    if (QPainter* p = Painter()) {
        p->fillRect(ToQRect(rect), ResolveColor(colour));
        Drew(ToQRect(rect));
    }
}

void QtDC::InvertRect(const TRect& rect)
{
    if (QPainter* p = Painter()) {
        p->setCompositionMode(QPainter::RasterOp_NotDestination);
        p->fillRect(ToQRect(rect), Qt::black);
        p->setCompositionMode(QPainter::CompositionMode_SourceOver);
        Drew(ToQRect(rect));
    }
}

void QtDC::SelectFont(const TFont& font)
{
    if (font.Impl())
        Font = font.Impl();
}

void QtDC::RestoreObjects() { Font = PlatformContext::Get().SystemFont().Impl(); }

std::pair<int64_t, int> QtDC::CellOrigin(int64_t x, int y, int64_t width) const
{
    if ((Align & TA_CENTER) == TA_CENTER)
        x -= width / 2;
    else if (Align & TA_RIGHT)
        x -= width;
    if ((Align & TA_BASELINE) == TA_BASELINE)
        y -= Font->Ascent;
    else if (Align & TA_BOTTOM)
        y -= Font->Ascent + Font->Descent;
    return {x, y};
}

std::pair<int64_t, int64_t> QtDC::DrawableSpan() const
{
    int64_t left = 0, right = Surface.Device().width();
    if (Clip) {
        const QRect bounds = Clip->boundingRect();
        left = std::max<int64_t>(left, bounds.left());
        right = std::min<int64_t>(right, int64_t(bounds.right()) + 1);
    }
    return {left, right};
}

int64_t QtDC::TabbedTextOut(int64_t x, int y, std::string_view text, int64_t tabDistance, int64_t tabOrigin)
{
    const TFont::TImpl& font = *Font;
    const int64_t distance = tabDistance > 0 ? tabDistance : 8 * std::max(1, font.AverageCharWidth);
    const int64_t width = ForEachRun(font, text, x, distance, tabOrigin, [](int64_t, std::string_view) {}) - x;
    QPainter* p = width > 0 ? Painter() : nullptr;
    if (!p)
        return width;
    const auto [cellX, cellY] = CellOrigin(x, y, width);
    // Only what lands on the device is drawn: a long row may start far
    // left of it and end far right.
    const auto span = DrawableSpan();
    const int64_t left = std::max(cellX, span.first), right = std::min(cellX + width, span.second);
    if (left >= right)
        return width;
    const QRect extent(ToPixel(left), cellY, ToPixel(right - left), font.Ascent + font.Descent);
    p->fillRect(extent, ResolveColor(BackColour));
    if (PainterFont != &font) {
        p->setFont(font.Font);
        PainterFont = &font;
    }
    p->setPen(ResolveColor(TextColour));
    const int baseline = cellY + font.Ascent;
    ForEachRun(font, text, cellX, distance, tabOrigin + (cellX - x),
               [&](int64_t pen, std::string_view run) { DrawRun(*p, font, pen, baseline, run, span); });
    Drew(extent);
    return width;
}

// Each glyph goes at its whole-pixel pen position; a character the face
// lacks is drawn alone, with the toolkit's fallback fonts. Glyphs wholly
// outside span are passed over.
void QtDC::DrawRun(QPainter& p, const TFont::TImpl& font, int64_t pen, int baseline, std::string_view run,
                   std::pair<int64_t, int64_t> span)
{
    if (pen >= span.second)
        return;
    Indexes.clear();
    Positions.clear();
    for (const char c : run) {
        const unsigned char byte = static_cast<unsigned char>(c);
        const int advance = font.Advance(byte);
        // A glyph may overhang its advance; one cell of slack keeps it whole.
        if (pen + 2 * std::max(advance, 1) > span.first) {
            if (pen >= span.second + std::max(advance, 1))
                break;
            const QPointF at(double(pen), baseline);
            if (font.GlyphOf[byte] != 0) {
                Indexes.push_back(font.GlyphOf[byte]);
                Positions.push_back(at);
            } else {
                CodePage::Decode(std::string_view(&c, 1), *font.Glyphs, Run);
                p.drawText(at, Run);
            }
        }
        pen += advance;
    }
    if (Indexes.isEmpty())
        return;
    QGlyphRun glyphs;
    glyphs.setRawFont(font.Raw);
    glyphs.setGlyphIndexes(Indexes);
    glyphs.setPositions(Positions);
    p.drawGlyphRun(QPointF(0, 0), glyphs);
}

int QtDC::GetDeviceCaps(int index) const
{
    const QPaintDevice& device = Surface.Device();
    switch (index) {
    case LOGPIXELSX: return device.logicalDpiX();
    case LOGPIXELSY: return device.logicalDpiY();
    case HORZRES: return device.width();
    case VERTRES: return device.height();
    default: return 0;
    }
}

// The palette is resolved once, so system colours take the desktop's
// scheme as it is now.
void QtDC::DrawDib(int x, int y, const TDib& dib, const TRect& source)
{
    CombineDib(x, y, dib, source, TRasterOp::Copy);
}

std::vector<TFontFamilyReport> QtDC::EnumFontFamilies() const { return DesktopFontFamilies(); }

void QtDC::CombineDib(int x, int y, const TDib& dib, const TRect& source, TRasterOp op)
{
    const TRect area = source.Intersection({0, 0, dib.Width(), dib.Height()});
    QPainter* p = area.IsEmpty() ? nullptr : Painter();
    if (!p)
        return;
    std::vector<QRgb> colours;
    for (size_t i = 0; i < dib.Palette().size(); ++i)
        colours.push_back(int(i) == dib.TransparentIndex() ? qRgba(0, 0, 0, 0) : ResolveColor(dib.Palette()[i]).rgba());
    QImage image(area.Width(), area.Height(), QImage::Format_ARGB32_Premultiplied);
    for (int sy = area.top; sy < area.bottom; ++sy) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(sy - area.top));
        for (int sx = area.left; sx < area.right; ++sx)
            line[sx - area.left] = dib.Index(sx, sy) < colours.size() ? colours[dib.Index(sx, sy)] : qRgba(0, 0, 0, 0);
    }
    const QPoint at(x + area.left - source.left, y + area.top - source.top);
    if (op != TRasterOp::Copy)
        p->setCompositionMode(op == TRasterOp::And ? QPainter::RasterOp_SourceAndDestination
                                                   : QPainter::RasterOp_SourceOrDestination);
    p->drawImage(at, image);
    p->setCompositionMode(QPainter::CompositionMode_SourceOver);
    Drew(QRect(at, image.size()));
}

namespace {

// Gives the screen context's image a place before the context.
struct ScreenImage {
    ScreenImage() : Pixels([](const QRect&) {}) { Pixels.Resize(QSize(1, 1), Platform::ScreenLogPixelsY()); }
    BackBuffer Pixels;
};

class ScreenDC : private ScreenImage, public QtDC {
public:
    ScreenDC() : QtDC(Pixels, std::nullopt, false) {}
};

}  // namespace

std::unique_ptr<TDC> CreateScreenDC() { return std::make_unique<ScreenDC>(); }
