// The main frame's tool bar and status bar, as the application builds them.
#pragma once

#include "app/FancyControlBar.h"
#include "framework/StatusBar.h"

#include <memory>

// The buttons, gaps, spacer and emblem of the tool bar, its caption, tool
// tips and hints as the mouse enters a button.
std::unique_ptr<TFancyControlBar> MakeToolBar(TWindow& frame);
// Row count and caret position, the hint pane, then CAPS, NUM and OVR.
std::unique_ptr<TStatusBar> MakeStatusBar(TWindow& frame);
