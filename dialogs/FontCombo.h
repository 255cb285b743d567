// TFontCombo: the drop-down list of font families on a style page. It lists
// the families of the printer (or of the screen, without a printer),
// filtered by kind and pitch, and draws each entry itself: the family's
// name in its own typeface behind a mark of its kind. An entry's item
// value is the index of its TFontInfo in Fonts; the list's own sorting
// fixes the order shown.
#pragma once

#include "dialogs/FontInfo.h"
#include "framework/ComboBox.h"
#include "framework/Dib.h"

#include <cstdint>
#include <optional>
#include <vector>

class TPrinter;

class TFontCombo : public TComboBox {
public:
    // Filter bits.
    enum : uint16_t { ShowTrueType = 1, ShowRaster = 2, ShowDevice = 4, FixedPitchOnly = 16 };

    TFontCombo(TDialog& parent, int id);

    void SetFilter(uint16_t filter) { Filter = filter; }
    uint16_t GetFilter() const { return Filter; }
    // The printer whose families are listed; null lists the screen's.
    void SetPrinter(TPrinter* printer) { Printer = printer; }
    // Rebuilds the list, keeping the family selected if it is still
    // offered. Nothing happens while the box has no window.
    void Fill();
    const std::vector<TFontInfo>& GetFonts() const { return Fonts; }
    int GetItemHeight() const { return ItemHeight; }

    void SetupWindow() override;
    void MeasureItem(TMeasureItemStruct& measure) override;
    void DrawItem(TDrawItemStruct& draw) override;

private:
    uint16_t Filter = ShowTrueType;
    TPrinter* Printer = nullptr;
    std::vector<TFontInfo> Fonts;
    int ItemHeight;
    std::optional<TDib> Glyphs;

    void AddFont(const TFontFamilyReport& report);
    // The report's kind under the filter; 0 when it is not listed.
    int32_t KindOf(const TFontFamilyReport& report) const;
    void DrawMark(TDC& dc, int y, int32_t kind, bool selected, TColor fore, TColor back) const;
};
