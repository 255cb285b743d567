#include "dialogs/GeneralPage.h"

#include "dialogs/IntegerText.h"
#include "resources/OptionsDialogs.h"
#include "view/CommandIds.h"

namespace {

// The undo limit is read through a buffer of 50 characters.
constexpr size_t UndoLimitText = 49;

bool Ticked(const TCheckBox& box) { return box.GetCheck() == BST_CHECKED; }
unsigned TickFor(bool on) { return on ? BST_CHECKED : BST_UNCHECKED; }

}  // namespace

TGeneralPage::TGeneralPage(TPropertySheet& sheet, const std::string& title, TGeneralSettings settings,
                           std::function<void(bool)> registerEditor, TWindow& mainWindow)
    : TPropertyPage(sheet, GeneralInfoDialog(), title), Settings(settings), RegisterEditor(std::move(registerEditor)),
      MainWindow(mainWindow), WordWrap(*this, IDC_WORDWRAP), DosText(*this, IDC_DOSTEXT),
      DefaultEditor(*this, IDC_DEFAULTEDITOR), AutoIndent(*this, IDC_AUTOINDENT), UndoLimit(*this, IDC_UNDOLIMIT)
{
}

void TGeneralPage::SetupWindow()
{
    TPropertyPage::SetupWindow();
    WordWrap.SetCheck(TickFor(Settings.Wrap));
    DosText.SetCheck(TickFor(Settings.Dos));
    DefaultEditor.SetCheck(TickFor(Settings.Installed));
    AutoIndent.SetCheck(TickFor(Settings.AutoIndent));
    UndoLimit.SetText(std::to_string(Settings.UndoLimit));
}

void TGeneralPage::EvChildNotify(int id, unsigned code)
{
    // The check boxes are plain ones: the page ticks them.
    if (code == BN_CLICKED) {
        if (auto* box = dynamic_cast<TCheckBox*>(Control(id))) {
            box->Toggle();
            PageChanged();
        }
    } else if (code == EN_CHANGE && id == IDC_UNDOLIMIT) {
        PageChanged();
    }
}

int TGeneralPage::Apply()
{
    Settings.Wrap = Ticked(WordWrap);
    Settings.Dos = Ticked(DosText);
    if (Ticked(DefaultEditor) != Settings.Installed) {
        Settings.Installed = Ticked(DefaultEditor);
        RegisterEditor(Settings.Installed);
    }
    Settings.AutoIndent = Ticked(AutoIndent);
    Settings.UndoLimit = TextToInt32(UndoLimit.GetText(UndoLimitText));
    MainWindow.PostMessage(WM_APPLYSETTINGS);
    return PSNRET_NOERROR;
}
