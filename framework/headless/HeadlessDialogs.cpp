#include "framework/headless/HeadlessDialogs.h"

#include "framework/Types.h"
#include "framework/headless/HeadlessDesktop.h"
#include "framework/headless/HeadlessPropertySheet.h"

namespace {

// The button Enter would press: the first, or the second with MB_DEFBUTTON2.
int DefaultButton(unsigned flags)
{
    const unsigned buttons = flags & 0x0F;
    const bool second = (flags & MB_DEFBUTTON2) != 0;
    if (buttons == MB_YESNO || buttons == MB_YESNOCANCEL)
        return second ? IDNO : IDYES;
    return second && buttons == MB_OKCANCEL ? IDCANCEL : IDOK;
}

// The button Escape presses.
int EscapeButton(unsigned flags)
{
    const unsigned buttons = flags & 0x0F;
    if (buttons == MB_OKCANCEL || buttons == MB_YESNOCANCEL)
        return IDCANCEL;
    return buttons == MB_YESNO ? IDNO : IDOK;
}

std::string WithDefaultExtension(const std::string& path, const std::string& ext)
{
    const size_t nameStart = path.find_last_of('/') == std::string::npos ? 0 : path.find_last_of('/') + 1;
    const bool hasExtension = path.find('.', nameStart) != std::string::npos;
    return ext.empty() || hasExtension ? path : path + "." + ext;
}

}  // namespace

void THeadlessDialogs::ClearRecords()
{
    Boxes.clear();
    Dialogs.clear();
    Popups.clear();
    Sheets.clear();
}

int THeadlessDialogs::RunMessageBox(const TWindow* owner, const std::string& text, const std::string& caption, unsigned flags)
{
    int answer = DefaultButton(flags);
    if (!BoxAnswers.empty()) {
        const TBoxAnswer given = BoxAnswers.front();
        BoxAnswers.pop_front();
        if (given.Button != 0)
            answer = given.Button;
        else if (given.Key == VK_ESCAPE)
            answer = EscapeButton(flags);
    }
    Boxes.push_back({owner, text, caption, flags, answer});
    return answer;
}

bool THeadlessDialogs::RunFileDialog(bool save, const TWindow* owner, TOpenSaveData& data)
{
    Dialogs.push_back({save, owner, data});
    TFileAnswer answer{TFileAnswer::TKind::Cancel, {}, 0};
    if (!FileAnswers.empty()) {
        answer = FileAnswers.front();
        FileAnswers.pop_front();
    }
    data.Error = answer.Kind == TFileAnswer::TKind::Fail ? answer.Error : 0;
    if (answer.Kind != TFileAnswer::TKind::Ok)
        return false;
    data.FileName = WithDefaultExtension(answer.Path, data.DefExt);
    return true;
}

unsigned THeadlessDialogs::RunPopupMenu(THeadlessPopupMenu popup)
{
    unsigned answer = 0;
    if (!PopupAnswers.empty()) {
        answer = PopupAnswers.front();
        PopupAnswers.pop_front();
    }
    for (size_t i = 0; i < popup.Items.size(); ++i) {
        const bool command = popup.Items[i].Kind == TMenuItem::TKind::Command;
        if (answer && popup.Items[i].Id == answer && command && popup.States[i].IsEnabled())
            popup.Chosen = answer;
    }
    Popups.push_back(std::move(popup));
    return Popups.back().Chosen;
}

void THeadlessDialogs::RunPropertySheet(THeadlessPropertySheet& sheet)
{
    Sheets.push_back(sheet.Sheet().GetCaption());
    if (SheetScripts.empty())
        return;
    const TSheetScript script = std::move(SheetScripts.front());
    SheetScripts.pop_front();
    script(sheet);
}

// --- the dialogs of Dialogs.h on the headless desktop ---------------------------

int MessageBox(TWindow* owner, const std::string& text, const std::string& caption, unsigned flags)
{
    return THeadlessDesktop::Current().Dialogs().RunMessageBox(owner, text, caption, flags);
}

bool RunFileOpenDialog(TWindow* owner, TOpenSaveData& data)
{
    return THeadlessDesktop::Current().Dialogs().RunFileDialog(false, owner, data);
}

bool RunFileSaveDialog(TWindow* owner, TOpenSaveData& data)
{
    return THeadlessDesktop::Current().Dialogs().RunFileDialog(true, owner, data);
}

unsigned RunPopupMenu(const std::vector<TMenuItem>& items, const std::vector<TCommandEnabler>& states, unsigned flags,
                      const TPoint& screenPoint, TWindow& owner)
{
    return THeadlessDesktop::Current().Dialogs().RunPopupMenu({&owner, screenPoint, flags, items, states, 0});
}
