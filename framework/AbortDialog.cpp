#include "framework/AbortDialog.h"

namespace {

using TKind = TDialogItem::TKind;

TDialogTemplate MakeAbortDialog()
{
    constexpr uint32_t centred = SS_CENTER | SS_NOPREFIX;
    TDialogTemplate t;
    t.ResourceId = IDD_ABORTDIALOG;
    t.Caption = "Printing";
    t.Style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    t.Rect = {40, 40, 160, 78};
    t.FontFace = "MS Sans Serif";
    t.FontPoints = 8;
    t.Items = {
        {TKind::Static, IDC_PRINTPAGE, "", {4, 6, 152, 9}, centred},
        {TKind::Static, IDC_PRINTTITLE, "", {4, 18, 152, 9}, centred},
        {TKind::Static, IDC_PRINTDEVICE, "", {4, 30, 152, 9}, centred},
        {TKind::PushButton, 2, "Cancel", {60, 56, 40, 14}, BS_DEFPUSHBUTTON},
    };
    return t;
}

}  // namespace

const TDialogTemplate& AbortDialogTemplate()
{
    static const TDialogTemplate dialog = MakeAbortDialog();
    return dialog;
}

TAbortDialog::TAbortDialog(TWindow* owner, const std::string& title, const std::string& device)
    : TDialog(owner, AbortDialogTemplate()), Title(title), Device(device)
{
}

void TAbortDialog::SetupWindow()
{
    TDialog::SetupWindow();
    SetItemText(IDC_PRINTTITLE, "\"" + Title + "\"");
    SetItemText(IDC_PRINTDEVICE, "on " + Device);
}

void TAbortDialog::SetPage(int page) { SetItemText(IDC_PRINTPAGE, "Now printing page " + std::to_string(page) + " of"); }
