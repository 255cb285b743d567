#include "framework/headless/HeadlessFindReplace.h"

#include "framework/Types.h"
#include "framework/headless/HeadlessDesktop.h"

namespace {

std::string AsTyped(const std::string& text) { return text.substr(0, TFindReplaceDialog::TextLimit); }

}  // namespace

THeadlessFindReplace::THeadlessFindReplace(THeadlessDesktop& desktop, TFindReplaceDialog& dialog)
    : Desktop(&desktop), Dialog(dialog), State(dialog.InitialControls())
{
    State.FindWhat = AsTyped(State.FindWhat);
    State.ReplaceWith = AsTyped(State.ReplaceWith);
    Desktop->Register(*this);
}

THeadlessFindReplace::~THeadlessFindReplace()
{
    if (Desktop)
        Desktop->Forget(*this);
}

bool THeadlessFindReplace::IsEnabled(TAction button) const
{
    if (!Visible)
        return false;
    if (button == TAction::Close)
        return true;
    const bool exists = button == TAction::FindNext || Kind() == TFindReplaceDialog::TKind::Replace;
    return exists && !State.FindWhat.empty();
}

void THeadlessFindReplace::TypeFind(const std::string& text) { State.FindWhat = AsTyped(text); }

void THeadlessFindReplace::TypeReplace(const std::string& text)
{
    if (Kind() == TFindReplaceDialog::TKind::Replace)
        State.ReplaceWith = AsTyped(text);
}

void THeadlessFindReplace::SetDown(bool down)
{
    if (Kind() == TFindReplaceDialog::TKind::Find)
        State.Down = down;
}

void THeadlessFindReplace::Click(TAction button)
{
    if (!IsEnabled(button))
        return;
    if (button == TAction::Close)
        Visible = false;
    // The dialog may be deleted by its owner in here: nothing follows.
    Dialog.Act(button, State);
}

void THeadlessFindReplace::PressKey(unsigned virtualKey)
{
    if (virtualKey == VK_RETURN)
        Click(TAction::FindNext);
    else if (virtualKey == VK_ESCAPE)
        Click(TAction::Close);
}

void THeadlessFindReplace::Hide() { Visible = false; }

std::unique_ptr<TFindReplacePeer> Platform::CreateFindReplacePeer(TFindReplaceDialog& dialog)
{
    return std::make_unique<THeadlessFindReplace>(THeadlessDesktop::Current(), dialog);
}
