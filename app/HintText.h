// The two texts a command shows besides its menu item: the status-bar hint
// and the tool tip.
#pragma once

#include "framework/Menu.h"

#include <string>

// The hint string cut at its first newline; empty without a string.
std::string StatusHint(unsigned id);

// A command with a menu item: the item's text cut at the first tab or
// right-alignment mark, trailing dots and the first "&" removed ("&Open..."
// gives "Open"). Otherwise the hint string's part after its newline, or
// empty.
std::string ToolTipText(const TMenuResource& menu, unsigned id);
