#include "dialogs/FontCombo.h"

#include "framework/DC.h"
#include "framework/Font.h"
#include "framework/Printer.h"
#include "framework/Types.h"
#include "resources/Bitmaps.h"

namespace {

constexpr int ItemPoints = 14;
constexpr int TextIndent = 20;
constexpr int MarkSize = 16;
constexpr int MarkX = 2;
// Cells of the glyph strip.
constexpr int CellT = 0, CellLowT = 16, CellRaster = 32, CellDevice = 48;

// The strip with its black pixels in drawing and its white ones in back.
TDib Coloured(const TDib& strip, TColor drawing, TColor back)
{
    TDib dib = strip;
    for (size_t i = 0; i < dib.Palette().size(); ++i)
        dib.SetColor(i, (dib.Palette()[i] & 0xFFFFFF) == 0 ? drawing : back);
    return dib;
}

}  // namespace

TFontCombo::TFontCombo(TDialog& parent, int id)
    : TComboBox(parent, id), ItemHeight(MulDiv(ItemPoints, ScreenLogPixelsY(), 72)),
      Glyphs(LoadBitmapResource(ID_FONTGLYPH))
{
    Fonts.reserve(11);
}

void TFontCombo::SetupWindow()
{
    TComboBox::SetupWindow();
    Fill();
    SetSelIndex(0);
}

int32_t TFontCombo::KindOf(const TFontFamilyReport& report) const
{
    if ((Filter & ShowTrueType) && (report.FontType & TRUETYPE_FONTTYPE))
        return TRUETYPE_FONTTYPE;
    if ((Filter & ShowDevice) && (report.FontType & DEVICE_FONTTYPE))
        return DEVICE_FONTTYPE;
    if ((Filter & ShowRaster) && (report.FontType & RASTER_FONTTYPE))
        return RASTER_FONTTYPE;
    return 0;
}

void TFontCombo::Fill()
{
    if (!HasWindow())
        return;
    const std::string kept = GetText(255);
    ClearList();
    Fonts.clear();
    const std::unique_ptr<TDC> dc = Printer ? Printer->MakeInfoDC() : CreateScreenDC();
    for (const TFontFamilyReport& report : dc->EnumFontFamilies())
        AddFont(report);
    SetSelIndex(FindStringExact(kept));
}

void TFontCombo::AddFont(const TFontFamilyReport& report)
{
    const int32_t kind = KindOf(report);
    if (kind == 0)
        return;
    if ((Filter & FixedPitchOnly) && (report.LogFont.PitchAndFamily & 0x03) != FIXED_PITCH)
        return;
    TFontInfo info(report.LogFont, kind, report.StyleName);
    for (const TFontInfo& known : Fonts)
        if (known == info)
            return;
    const int index = AddString(info.LogFont.FaceName);
    if (index < 0)
        return;
    Fonts.push_back(std::move(info));
    SetItemData(index, uint32_t(Fonts.size() - 1));
}

void TFontCombo::MeasureItem(TMeasureItemStruct& measure) { measure.ItemHeight = ItemHeight + 2; }

void TFontCombo::DrawItem(TDrawItemStruct& draw)
{
    if (draw.ItemID < 0 || !draw.DC)
        return;
    const uint32_t index = GetItemData(draw.ItemID);
    if (index >= Fonts.size())
        return;
    TFontInfo& info = Fonts[index];
    const bool selected = draw.ItemState & ODS_SELECTED;
    const TColor fore = SysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT);
    const TColor back = SysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW);
    TDC& dc = *draw.DC;
    dc.FillRect(draw.ItemRect, back);
    info.LogFont.Height = ItemHeight;
    info.LogFont.Width = 0;
    const TFont font(info.LogFont.FaceName, info.LogFont.Height, info.LogFont.Weight);
    dc.SelectFont(font);
    dc.SetTextColor(fore);
    dc.SetBkColor(back);
    dc.SetTextAlign(0);
    dc.TabbedTextOut(draw.ItemRect.left + TextIndent, draw.ItemRect.top + 1, info.LogFont.FaceName, 0, 0);
    dc.RestoreObjects();
    DrawMark(dc, draw.ItemRect.top, info.FontType, selected, fore, back);
}

void TFontCombo::DrawMark(TDC& dc, int y, int32_t kind, bool selected, TColor fore, TColor back) const
{
    if (!Glyphs)
        return;
    const auto cell = [&](int x, TColor drawing, TRasterOp op) {
        dc.CombineDib(MarkX, y, Coloured(*Glyphs, drawing, back), {x, 0, x + MarkSize, MarkSize}, op);
    };
    switch (kind) {
    case TRUETYPE_FONTTYPE:
        cell(CellT, MakeRGB(192, 192, 192), TRasterOp::Copy);
        cell(CellLowT, fore, selected ? TRasterOp::Or : TRasterOp::And);
        break;
    case DEVICE_FONTTYPE: cell(CellDevice, fore, TRasterOp::Copy); break;
    case RASTER_FONTTYPE: cell(CellRaster, MakeRGB(255, 0, 0), TRasterOp::Copy); break;
    }
}
