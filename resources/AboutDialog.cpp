#include "resources/AboutDialog.h"

#include "resources/Author.h"
#include "resources/Bitmaps.h"

namespace {

using TKind = TDialogItem::TKind;

TDialogTemplate MakeAboutDialog()
{
    constexpr uint32_t centred = SS_CENTER | SS_NOPREFIX;
    TDialogTemplate t;
    t.ResourceId = IDD_ABOUT;
    t.Caption = "About Vantor";
    t.Style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    t.Rect = {12, 17, 217, 87};
    t.FontFace = "MS Sans Serif";
    t.FontPoints = 8;
    t.Items = {
        {TKind::Static, IDC_VERSION, "Version", {8, 14, 200, 8}, centred},
        {TKind::Static, -1, "Vantor Text Editor", {8, 4, 200, 8}, centred},
        {TKind::Static, IDC_COPYRIGHT, "", {8, 27, 200, 17}, centred},
        {TKind::Static, IDC_CONTACT, Author::EMailLine, {9, 56, 200, 8}, centred},
        {TKind::Picture, -1, "", {2, 2, 19, 17}, 0, IDB_LOGO, LoadBitmapPicture(IDB_LOGO)},
        {TKind::PushButton, 1, "OK", {88, 68, 40, 14}, BS_DEFPUSHBUTTON},
        {TKind::Static, -1, Author::HomePage, {6, 47, 204, 9}, SS_CENTER},
    };
    return t;
}

}  // namespace

const TDialogTemplate& AboutDialog()
{
    static const TDialogTemplate about = MakeAboutDialog();
    return about;
}
