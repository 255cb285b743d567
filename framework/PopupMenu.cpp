#include "framework/PopupMenu.h"

#include "framework/CommandRoute.h"
#include "framework/Window.h"

void TPopupMenu::TrackPopupMenu(unsigned flags, const TPoint& screenPoint, TWindow& owner) const
{
    const TCommandRoute route(&owner, owner.GetApplication());
    std::vector<TCommandEnabler> states;
    states.reserve(Items.size());
    for (const TMenuItem& item : Items) {
        TCommandEnabler& state = states.emplace_back(item.Id);
        if (item.Kind == TMenuItem::TKind::Command)
            route.Enable(state);
    }
    if (const unsigned chosen = RunPopupMenu(Items, states, flags, screenPoint, owner))
        owner.PostMessage(WM_COMMAND, chosen);
}
