// TDC for Qt: draws on a paint surface with the window system's semantics:
// opaque text cells, 8-bit text through the font's code page, tab stops
// counted from an origin, inverting that undoes itself.
#pragma once

#include "framework/DC.h"
#include "framework/Font.h"
#include "framework/qt/PaintSurface.h"

#include <QList>
#include <QPointF>
#include <QString>

#include <optional>
#include <utility>

class QtDC : public TDC {
public:
    // clip: what the context may touch (a paint's invalid region); a context
    // that reports tells the surface what it drew, so a window shows it.
    QtDC(PaintSurface& surface, std::optional<QRegion> clip, bool reportDrawing);
    ~QtDC() override;

    void FillRect(const TRect& rect, TColor colour) override;
    void InvertRect(const TRect& rect) override;
    void SelectFont(const TFont& font) override;
    void RestoreObjects() override;
    void SetTextColor(TColor colour) override { TextColour = colour; }
    void SetBkColor(TColor colour) override { BackColour = colour; }
    void SetTextAlign(unsigned flags) override { Align = flags; }
    int64_t TabbedTextOut(int64_t x, int y, std::string_view text, int64_t tabDistance, int64_t tabOrigin) override;
    int GetDeviceCaps(int index) const override;
    void DrawDib(int x, int y, const TDib& dib, const TRect& source) override;
    void CombineDib(int x, int y, const TDib& dib, const TRect& source, TRasterOp op) override;
    // The desktop's families (screen and printers print with the same).
    std::vector<TFontFamilyReport> EnumFontFamilies() const override;

private:
    PaintSurface& Surface;
    std::optional<QRegion> Clip;
    bool Reports;
    const TFont::TImpl* Font;
    const TFont::TImpl* PainterFont = nullptr;  // the font the painter has
    TColor TextColour = SysColor(COLOR_WINDOWTEXT);
    TColor BackColour = SysColor(COLOR_WINDOW);
    unsigned Align = 0;
    QString Run;  // reused for every run of text
    QList<quint32> Indexes;
    QList<QPointF> Positions;

    QPainter* Painter();
    void Drew(const QRect& rect);
    // The top-left of a text cell width wide drawn at (x, y).
    std::pair<int64_t, int> CellOrigin(int64_t x, int y, int64_t width) const;
    // The pixels across that drawing can reach: the device, cut by the clip.
    std::pair<int64_t, int64_t> DrawableSpan() const;
    void DrawRun(QPainter& p, const TFont::TImpl& font, int64_t pen, int baseline, std::string_view run,
                 std::pair<int64_t, int64_t> span);
};
