// TPopupMenu: a pop-up menu that is not part of a menu bar (a window's
// context menu), shown at a point of the screen with TrackPopupMenu.
#pragma once

#include "framework/CommandEnabler.h"
#include "framework/Menu.h"
#include "framework/Types.h"

#include <vector>

class TWindow;

// TrackPopupMenu flags: with TPM_RIGHTBUTTON the right button chooses
// items as well as the left.
enum : unsigned { TPM_LEFTBUTTON = 0x0000, TPM_RIGHTBUTTON = 0x0002 };

class TPopupMenu {
public:
    explicit TPopupMenu(std::vector<TMenuItem> items) : Items(std::move(items)) {}

    const std::vector<TMenuItem>& GetItems() const { return Items; }

    // Shows the menu at a screen point until an item is chosen or the menu
    // is dismissed. Before it opens, each command item is offered as an
    // enable query to the command route that starts at owner, so items are
    // greyed and checked as the menu bar's are; the chosen command is posted
    // to owner as WM_COMMAND.
    void TrackPopupMenu(unsigned flags, const TPoint& screenPoint, TWindow& owner) const;

private:
    std::vector<TMenuItem> Items;
};

// The platform's part of TrackPopupMenu: shows the items in the states
// given (one per item; a separator's is not looked at) and returns the
// chosen command, or 0 when the menu was dismissed. A greyed item cannot
// be chosen.
unsigned RunPopupMenu(const std::vector<TMenuItem>& items, const std::vector<TCommandEnabler>& states, unsigned flags,
                      const TPoint& screenPoint, TWindow& owner);
