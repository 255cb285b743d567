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

#include <vector>

namespace {

// Text alignment flags (SetTextAlign).
enum : unsigned { TA_RIGHT = 2, TA_CENTER = 6, TA_BOTTOM = 8, TA_BASELINE = 24 };

// The first tab stop strictly right of pen: origin plus a multiple of distance.
int NextTabStop(int pen, int distance, int origin)
{
    const int offset = pen - origin;
    int stops = offset / distance;
    if (offset % distance != 0 && offset < 0)
        --stops;  // rounds toward minus infinity
    return origin + (stops + 1) * distance;
}

// Calls draw(pen, run) for each run of text between tabs; returns the pen
// after the last run.
template <class TDraw>
int ForEachRun(const TFont::TImpl& font, std::string_view text, int x, int distance, int origin, TDraw&& draw)
{
    int pen = x;
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

QPoint QtDC::CellOrigin(int x, int y, int width) const
{
    if ((Align & TA_CENTER) == TA_CENTER)
        x -= width / 2;
    else if (Align & TA_RIGHT)
        x -= width;
    if ((Align & TA_BASELINE) == TA_BASELINE)
        y -= Font->Ascent;
    else if (Align & TA_BOTTOM)
        y -= Font->Ascent + Font->Descent;
    return QPoint(x, y);
}

int QtDC::TabbedTextOut(int x, int y, std::string_view text, int tabDistance, int tabOrigin)
{
    const TFont::TImpl& font = *Font;
    const int distance = tabDistance > 0 ? tabDistance : 8 * std::max(1, font.AverageCharWidth);
    const int width = ForEachRun(font, text, x, distance, tabOrigin, [](int, std::string_view) {}) - x;
    QPainter* p = width > 0 ? Painter() : nullptr;
    if (!p)
        return width;
    const QPoint cell = CellOrigin(x, y, width);
    const QRect extent(cell.x(), cell.y(), width, font.Ascent + font.Descent);
    p->fillRect(extent, ResolveColor(BackColour));
    if (PainterFont != &font) {
        p->setFont(font.Font);
        PainterFont = &font;
    }
    p->setPen(ResolveColor(TextColour));
    const int baseline = cell.y() + font.Ascent;
    ForEachRun(font, text, cell.x(), distance, tabOrigin + (cell.x() - x),
               [&](int pen, std::string_view run) { DrawRun(*p, font, pen, baseline, run); });
    Drew(extent);
    return width;
}

// Each glyph goes at its whole-pixel pen position; a character the face
// lacks is drawn alone, with the toolkit's fallback fonts.
void QtDC::DrawRun(QPainter& p, const TFont::TImpl& font, int pen, int baseline, std::string_view run)
{
    Indexes.clear();
    Positions.clear();
    for (const char c : run) {
        const unsigned char byte = static_cast<unsigned char>(c);
        if (font.GlyphOf[byte] != 0) {
            Indexes.push_back(font.GlyphOf[byte]);
            Positions.push_back(QPointF(pen, baseline));
        } else {
            CodePage::Decode(std::string_view(&c, 1), *font.Glyphs, Run);
            p.drawText(QPoint(pen, baseline), Run);
        }
        pen += font.Advance(byte);
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
