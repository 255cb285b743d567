#include "framework/Frame.h"

namespace {

constexpr unsigned MenuClosed = 0xFFFF;

// The status-bar part of a hint string; a tool tip may follow a newline.
std::string HintLine(const std::string& hint) { return hint.substr(0, hint.find('\n')); }

}  // namespace

TDecoratedFrame::TDecoratedFrame(TWindow* parent, const std::string& title, TWindow* client, bool trackMenuSelection)
    : TFrameWindow(parent, title, client), TrackMenuSelection(trackMenuSelection)
{
}

void TDecoratedFrame::Insert(TWindow& decoration, TLocation location)
{
    decoration.SetParent(this);
    DecorationList.emplace_back(&decoration, location);
    if (IsCreated())
        decoration.Create();
}

void TDecoratedFrame::EvMenuSelect(unsigned id)
{
    if (!TrackMenuSelection)
        return;
    if (id != MenuClosed) {
        // Shown at the next idle moment, as the menu loop waits.
        PendingHintId = id;
        HintPending = true;
        return;
    }
    HintPending = false;
    HintText.clear();
    if (HintBar)
        HintBar->ClearHint();
}

void TDecoratedFrame::IdleAction(long idleCount)
{
    TFrameWindow::IdleAction(idleCount);
    if (!HintPending)
        return;
    HintPending = false;
    HintText = HintLine(LoadHint(PendingHintId));
    if (HintBar)
        HintBar->SetHintText(HintText);
}
