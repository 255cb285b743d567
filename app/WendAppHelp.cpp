// TWendApp's services that hand work to other programs: mail, the home
// page, the help book and its context-help mode, and the About box.
#include "app/WendApp.h"

#include "core/HugeEdit.h"
#include "dialogs/WendAboutDlg.h"
#include "framework/Dialogs.h"
#include "framework/Frame.h"
#include "framework/Platform.h"
#include "framework/ShellOpen.h"
#include "framework/SimpleMail.h"
#include "framework/WinHelp.h"
#include "resources/Author.h"
#include "resources/Cursors.h"

#include <algorithm>

namespace {

constexpr const char* HelpFile = "torvel.hlp";

bool IsKeyDown(int virtualKey) { return Platform::GetKeyState(virtualKey) < 0; }

}  // namespace

void TWendApp::Report(const char* text)
{
    if (GetMainWindow())
        MessageBox(Editor, text, GetName(), MB_OK);
}

// --- mail and the home page ----------------------------------------------------

void TWendApp::CmFileMail()
{
    // GetTextLength counts the terminator too.
    const auto size = size_t(std::max<int64_t>(Editor->GetTextLength(), 1));
    auto text = [this, size] {
        std::string buffer(size, '\0');
        buffer.resize(Editor->GetText(buffer.data(), buffer.size()));
        return buffer;
    };
    const TMailStart start = SendMailText(size - 1, text, [this](bool sent) {
        if (!sent)
            Report("Unable to send message");
    });
    if (start == TMailStart::Unavailable)
        Report("Messaging API unavailable");
    else if (start == TMailStart::Refused)
        Report("Unable to send message");
}

void TWendApp::CmWebPage()
{
    auto failed = [this] { Report("Unable to locate Web Browser"); };
    if (!ShellOpen(Author::HomePage, [failed](bool opened) {
            if (!opened)
                failed();
        }))
        failed();
}

// --- help ----------------------------------------------------------------------------

bool TWendApp::Help(unsigned command, uintptr_t data)
{
    TFrameWindow* main = GetMainWindow();
    return main && WinHelp(main, HelpFile, command, data);
}

void TWendApp::CmHelpContents() { HelpUsed = Help(HELP_CONTENTS, 0); }
void TWendApp::CmHelpUsing() { HelpUsed = Help(HELP_HELPONHELP, 0); }

void TWendApp::CmHelpAbout()
{
    TWendAboutDlg about(GetMainWindow());
    about.Execute();
}

bool TWendApp::CanClose()
{
    const bool canClose = TApplication::CanClose();
    if (canClose && HelpUsed)
        Help(HELP_QUIT, 0);
    return canClose;
}

// --- context help ----------------------------------------------------------------------

void TWendApp::ShowHelpCursor()
{
    if (HelpCursor)
        Platform::SetAppCursor(&*HelpCursor);
}

// The toolkit keeps a cursor shown over the whole application until it is
// taken back, so leaving help mode also gives the windows their own again.
void TWendApp::EndHelpMode()
{
    HelpMode = false;
    HelpCursor.reset();
    Platform::SetAppCursor(nullptr);
}

// The first rule that applies decides; a consumed message goes no further.
bool TWendApp::ProcessAppMsg(const TMsg& msg)
{
    switch (msg.Message) {
    case WM_COMMAND:
        if (!HelpMode && !IsKeyDown(VK_F1))
            break;
        // The command shows its topic instead of running.
        EndHelpMode();
        Help(HELP_CONTEXTPOPUP, uintptr_t(uint32_t(msg.WParam)));
        return true;
    case WM_KEYDOWN:
        if (msg.WParam == VK_F1) {
            if (IsKeyDown(VK_SHIFT)) {
                HelpMode = true;
                HelpCursor = LoadCursorResource(IDC_HELPCURSOR);
                ShowHelpCursor();
            } else {
                Help(HELP_CONTENTS, 0);
            }
            return true;
        }
        if (msg.WParam == VK_ESCAPE && HelpMode) {
            EndHelpMode();
            if (TFrameWindow* main = GetMainWindow())
                main->SetCursor(TCursorKind::Arrow);
            return true;
        }
        break;
    case WM_MOUSEMOVE:
    case WM_NCMOUSEMOVE:
    case WM_INITMENU:
        if (!HelpMode)
            break;
        ShowHelpCursor();
        return true;
    case WM_ENTERIDLE:
        if (msg.WParam == MSGF_MENU) {
            if (!IsKeyDown(VK_F1))
                break;
            // Enter makes the menu choose the highlighted item, whose
            // command then shows its help.
            HelpMode = true;
            if (TFrameWindow* main = GetMainWindow())
                main->PostMessage(WM_KEYDOWN, VK_RETURN, 1);
            return true;
        }
        // Enabling goes on under a modal dialog box or a loading file.
        IdleAction(0);
        break;
    default: break;
    }
    return TApplication::ProcessAppMsg(msg);
}
