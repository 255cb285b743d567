#include "framework/Frame.h"

#include "framework/GadgetWindow.h"

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
    SetHintCommand(-1);
}

void TDecoratedFrame::SetHintCommand(int id)
{
    if (id < 0) {
        HintText.clear();
        if (HintBar)
            HintBar->ClearHint();
        return;
    }
    HintText = HintLine(LoadHint(unsigned(id)));
    if (HintBar)
        HintBar->SetHintText(HintText);
}

std::string TDecoratedFrame::GetToolTipText(unsigned id) const
{
    const std::string hint = LoadHint(id);
    const size_t newline = hint.find('\n');
    return newline == std::string::npos ? std::string() : hint.substr(newline + 1);
}

void TDecoratedFrame::IdleAction(long idleCount)
{
    TFrameWindow::IdleAction(idleCount);
    const std::vector<TWindow*>& children = Children();
    for (const auto& [decoration, location] : DecorationList)
        if (auto* bar = dynamic_cast<TGadgetWindow*>(decoration);
            bar && std::find(children.begin(), children.end(), decoration) != children.end())
            bar->IdleAction(idleCount);
    if (!HintPending)
        return;
    HintPending = false;
    SetHintCommand(int(PendingHintId));
}
