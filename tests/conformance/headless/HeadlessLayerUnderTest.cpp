// The headless layer under test: a desktop double for each test, acted on
// directly.
#include "tests/conformance/LayerUnderTest.h"

#include "framework/Window.h"
#include "framework/headless/HeadlessDesktop.h"

struct TLayerUnderTest::TImpl {
    THeadlessDesktop Desktop;
};

TLayerUnderTest::TLayerUnderTest() : Impl(std::make_unique<TImpl>()) {}
TLayerUnderTest::~TLayerUnderTest() = default;

void TLayerUnderTest::DispatchPosted() { Impl->Desktop.PumpWaitingMessages(); }

void TLayerUnderTest::Settle() { Impl->Desktop.PumpWaitingMessages(); }

// The headless desktop waits for its children only when asked.
bool TLayerUnderTest::RunUntil(const std::function<bool()>& done)
{
    Impl->Desktop.Services().WaitForChildren();
    Impl->Desktop.PumpWaitingMessages();
    return done();
}

void TLayerUnderTest::ShowTopLevel(TWindow& window)
{
    window.Create();
    window.Show(SW_SHOWNORMAL);
}

void TLayerUnderTest::UserMove(TWindow& window, int x, int y) { Impl->Desktop.Move(window, x, y); }
void TLayerUnderTest::UserMaximize(TWindow& window) { Impl->Desktop.Maximize(window); }
void TLayerUnderTest::UserRestore(TWindow& window) { Impl->Desktop.Restore(window); }

void TLayerUnderTest::UserKey(TWindow& window, unsigned virtualKey, bool down)
{
    window.SetFocus();
    if (down)
        Impl->Desktop.KeyDown(virtualKey);
    else
        Impl->Desktop.KeyUp(virtualKey);
}

// The window system sends the step, then the end of the scroll; a dragged
// thumb reports where it goes, then where it was let go.
void TLayerUnderTest::UserScroll(TWindow& window, int bar, unsigned code, int thumb)
{
    const unsigned message = bar == SB_HORZ ? WM_HSCROLL : WM_VSCROLL;
    if (code == SB_THUMBPOSITION)
        window.SendMessage(message, MakeLParam(SB_THUMBTRACK, thumb));
    window.SendMessage(message, MakeLParam(int(code), thumb));
    window.SendMessage(message, SB_ENDSCROLL);
}

bool TLayerUnderTest::CaretShownIn(const TWindow& window) const
{
    const THeadlessCaret& caret = Impl->Desktop.Caret();
    return caret.Owner() == &window && caret.Visible();
}

TPoint TLayerUnderTest::CaretPos() const { return Impl->Desktop.Caret().Pos(); }

void TLayerUnderTest::PutImageOnClipboard() { Impl->Desktop.PutClipboardOther(); }

void TLayerUnderTest::ClickInNextMessageBox(int answer) { Impl->Desktop.Dialogs().AnswerMessageBox(answer); }

void TLayerUnderTest::PressInNextMessageBox(unsigned virtualKey)
{
    Impl->Desktop.Dialogs().PressInMessageBox(virtualKey);
}

TLayerUnderTest::TShownBox TLayerUnderTest::LastMessageBox() const
{
    const THeadlessMessageBox& box = Impl->Desktop.Dialogs().MessageBoxes().back();
    return {box.Text, box.Caption};
}

void TLayerUnderTest::AnswerNextPopupMenu(unsigned id) { Impl->Desktop.Dialogs().ChoosePopupItem(id); }

TLayerUnderTest::TShownMenu TLayerUnderTest::LastPopupMenu() const
{
    const THeadlessPopupMenu& popup = Impl->Desktop.Dialogs().PopupMenus().back();
    TShownMenu shown{popup.Point, {}};
    for (size_t i = 0; i < popup.Items.size(); ++i) {
        const bool command = popup.Items[i].Kind == TMenuItem::TKind::Command;
        shown.Items.push_back({popup.Items[i].Text, command && popup.States[i].IsEnabled(),
                               command && popup.States[i].IsChecked()});
    }
    return shown;
}

void TLayerUnderTest::PrintIntoScratch(TPrinter&) {}

void TLayerUnderTest::AnswerNextPrintDialog(bool print)
{
    if (print)
        Impl->Desktop.Printing().PrintAll();
    else
        Impl->Desktop.Printing().CancelPrint();
}

int TLayerUnderTest::PrintedPages() const
{
    const auto& jobs = Impl->Desktop.Printing().Jobs;
    return jobs.empty() || !jobs.back().Finished ? 0 : int(jobs.back().Pages.size());
}
