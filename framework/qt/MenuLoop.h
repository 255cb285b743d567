// While a drop-down menu is open it runs the window system's menu loop:
// keys taken from the program's queue go to the menu (so a posted Enter
// chooses the highlighted item), and after each key the menu is handled
// the loop reports itself idle to the frame (WM_ENTERIDLE with MSGF_MENU),
// where F1 held down asks for the highlighted item's help.
#pragma once

#include "framework/Window.h"

class QMenu;
class TFrameWindow;

namespace MenuLoop {

// True when a menu is open and took the queued key message.
bool DeliverKey(const TMsg& msg);
// Follows the menu's keys to send the idle notice to frame.
void Watch(QMenu& menu, TFrameWindow& frame);

}  // namespace MenuLoop
