#include "resources/OptionsDialogs.h"

namespace {

using TKind = TDialogItem::TKind;

constexpr uint32_t PageStyle = WS_CHILD;
constexpr uint32_t PlainCheck = BS_CHECKBOX | WS_TABSTOP;
constexpr uint32_t EditBox = ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP;
constexpr uint32_t SuggestBox = CBS_DROPDOWN | WS_TABSTOP;
constexpr uint32_t FontList = CBS_DROPDOWNLIST | CBS_SORT | CBS_OWNERDRAWVARIABLE | CBS_HASSTRINGS | WS_TABSTOP;
// The vertical scroll bar of a combo box's list (WS_VSCROLL).
constexpr uint32_t ListScrollBar = 0x00200000u;

TDialogTemplate MakeGeneralInfo()
{
    TDialogTemplate t;
    t.ResourceId = IDD_GENERAL_INFO;
    t.Style = PageStyle;
    t.Rect = {0, 0, 119, 85};
    t.FontFace = "MS Sans Serif";
    t.FontPoints = 8;
    t.Items = {
        {TKind::CheckBox, IDC_WORDWRAP, "Word Wrap", {12, 9, 96, 12}, PlainCheck},
        {TKind::CheckBox, IDC_DOSTEXT, "Display As Dos Text", {12, 23, 116, 12}, PlainCheck},
        {TKind::CheckBox, IDC_DEFAULTEDITOR, "Use As Default Text Editor", {12, 36, 112, 12}, PlainCheck},
        {TKind::Edit, IDC_UNDOLIMIT, "", {12, 64, 32, 12}, EditBox},
        {TKind::Static, -1, "Undo Limit", {48, 64, 68, 12}, 0},
        {TKind::CheckBox, IDC_AUTOINDENT, "Auto Indent Text", {12, 50, 108, 12}, PlainCheck},
    };
    return t;
}

TDialogTemplate MakeStyleInfo()
{
    TDialogTemplate t;
    t.ResourceId = IDD_STYLEINFO;
    t.Style = PageStyle;
    t.Rect = {0, 0, 179, 89};
    t.FontFace = "MS Sans Serif";
    t.FontPoints = 8;
    t.Items = {
        {TKind::ComboBox, IDC_FONTFACE, "Fonts", {8, 8, 112, 95}, FontList | ListScrollBar},
        {TKind::ComboBox, IDC_FONTSIZE, "Size", {124, 8, 50, 58}, SuggestBox},
        {TKind::ComboBox, IDC_TABSIZE, "Tabs", {72, 32, 48, 54}, SuggestBox},
        {TKind::ComboBox, IDC_LINESPACING, "Tabs", {72, 52, 48, 54}, SuggestBox},
        {TKind::ComboBox, IDC_MARGIN, "Tabs", {72, 72, 48, 54}, SuggestBox},
        {TKind::Static, -1, "Tab spacing:", {12, 32, 52, 10}, SS_RIGHT},
        {TKind::Static, -1, "Line spacing:", {12, 52, 52, 12}, SS_RIGHT},
        {TKind::Static, -1, "Margin size:", {20, 72, 44, 10}, SS_RIGHT},
        {TKind::Static, -1, "Characters", {124, 32, 60, 10}, 0},
        {TKind::Static, -1, "pt", {124, 72, 16, 12}, 0},
        {TKind::Static, -1, "pt", {124, 52, 20, 12}, 0},
    };
    return t;
}

}  // namespace

const TDialogTemplate& GeneralInfoDialog()
{
    static const TDialogTemplate page = MakeGeneralInfo();
    return page;
}

const TDialogTemplate& StyleInfoDialog()
{
    static const TDialogTemplate page = MakeStyleInfo();
    return page;
}
