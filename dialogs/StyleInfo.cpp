#include "dialogs/StyleInfo.h"

#include "dialogs/IntegerText.h"
#include "framework/Font.h"
#include "framework/Dialogs.h"
#include "framework/OwnerDraw.h"
#include "resources/OptionsDialogs.h"

#include <initializer_list>

namespace {

// The boxes are read through buffers of 256 and 30 characters.
constexpr size_t FaceText = 255;
constexpr size_t NumberText = 29;

void Suggest(TComboBox& box, std::initializer_list<const char*> items, int32_t value)
{
    for (const char* item : items)
        box.AddString(item);
    box.SetText(std::to_string(value));
}

}  // namespace

TStyleInfo::TStyleInfo(TPropertySheet& sheet, const std::string& title, TTextStyle& style, TPrinter* printer)
    : TPropertyPage(sheet, StyleInfoDialog(), title), Style(style), Printer(printer), FontBox(*this, IDC_FONTFACE),
      SizeBox(*this, IDC_FONTSIZE), TabBox(*this, IDC_TABSIZE), LineSpacingBox(*this, IDC_LINESPACING),
      MarginBox(*this, IDC_MARGIN)
{
    FontBox.SetPrinter(Printer);
}

void TStyleInfo::SetupWindow()
{
    TPropertyPage::SetupWindow();
    FontBox.SetFilter(TFontCombo::ShowTrueType | TFontCombo::ShowDevice | TFontCombo::ShowRaster |
                      TFontCombo::FixedPitchOnly);
    FontBox.Fill();
    // A face that is not installed shows as the stand-in it is drawn with,
    // unless choosing that stand-in would change the style's code page
    // (the OEM faces).
    int face = FontBox.FindStringExact(Style.FaceName);
    const std::string standIn = DrawnFaceName(Style.FaceName);
    if (face < 0 && CodePageOfFace(standIn) == CodePageOfFace(Style.FaceName))
        face = FontBox.FindStringExact(standIn);
    if (face >= 0)
        FontBox.SetSelIndex(face);
    Suggest(SizeBox, {"8", "9", "10", "12", "14"}, Style.FontSize);
    Suggest(TabBox, {"2", "3", "4", "8"}, Style.TabSize);
    Suggest(LineSpacingBox, {"0", "2", "4", "8", "10"}, Style.LineSpacing);
    Suggest(MarginBox, {"0", "2", "5", "10", "15"}, Style.MarginX);
}

void TStyleInfo::EvChildNotify(int id, unsigned code)
{
    if (code == CBN_SELCHANGE || (code == CBN_EDITCHANGE && id != IDC_FONTFACE))
        PageChanged();
}

intptr_t TStyleInfo::DefWindowProc(unsigned message, uintptr_t wParam, intptr_t lParam)
{
    if (message == WM_MEASUREITEM && lParam != 0) {
        auto& measure = *reinterpret_cast<TMeasureItemStruct*>(lParam);
        if (TControl* control = Control(measure.CtlID)) {
            control->MeasureItem(measure);
            return 1;
        }
    }
    return TPropertyPage::DefWindowProc(message, wParam, lParam);
}

std::optional<int32_t> TStyleInfo::Checked(const TComboBox& box, int32_t low, int32_t high, const char* message)
{
    const int32_t value = TextToInt32(box.GetText(NumberText));
    if (value >= low && value <= high)
        return value;
    MessageBox(this, message, "Error", MB_OK);
    return std::nullopt;
}

int TStyleInfo::Apply()
{
    const std::string face = FontBox.GetText(FaceText);
    if (!face.empty())
        Style.FaceName = face;
    // Each value is stored as soon as it passes, in the order of the page.
    const struct {
        const TComboBox& Box;
        int32_t Low, High;
        const char* Message;
        int32_t& Field;
    } fields[] = {
        {SizeBox, 8, 18, "The fontsize must be a value between 8 and 18 pts", Style.FontSize},
        {TabBox, 0, 10, "The tab spacing must be a value between 0 and 10 characters", Style.TabSize},
        {LineSpacingBox, 0, 18, "The line spacing must be a value between 0 and 18 pts", Style.LineSpacing},
        {MarginBox, 0, 18, "The margin must be a value between 0 and 18 pts", Style.MarginX},
    };
    for (const auto& field : fields) {
        const auto value = Checked(field.Box, field.Low, field.High, field.Message);
        if (!value)
            return PSNRET_INVALID;
        field.Field = *value;
    }
    Style.MarginY = Style.MarginX;
    return PSNRET_NOERROR;
}
