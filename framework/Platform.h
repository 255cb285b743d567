// Services of the desktop that are not tied to one window. Each platform
// library (framework/qt, framework/headless) implements these functions;
// a program links exactly one of them.
#pragma once

#include "framework/Cursor.h"
#include "framework/Window.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class TApplication;

namespace Platform {

// Starts the toolkit for this process (the Qt layer makes its application
// object here). argc/argv are the program's own.
void Initialise(int& argc, char** argv);
void Shutdown();

std::unique_ptr<TWindowPeer> CreateWindowPeer(TWindow& window);

// Queues a message for the window; it is dispatched by the message loop or
// by PumpWaitingMessages, never inside PostMessage.
void PostMessage(const TMsg& msg);

// Dispatches the messages that are waiting and returns at once when none
// waits. Cheap when nothing waits: the loader calls it once per screenful.
void PumpWaitingMessages();

// Waits up to timeoutMs for messages and dispatches those that arrived
// (the mouse-capture loop paces its automatic scrolling with it).
void WaitAndDispatch(int timeoutMs);

// Milliseconds from an arbitrary start, never going back.
int64_t TickCount();

// Runs the message loop until QuitMessageLoop; idle processing
// (TApplication::IdleAction) runs each time the loop is about to block.
int RunMessageLoop(TApplication& app);
void QuitMessageLoop(int exitCode);

// Key state as GetKeyState reports it; the layer keeps the Insert toggle
// (flipped at every Insert key press, before the key is dispatched).
int16_t GetKeyState(int virtualKey);

// The pointer position in screen coordinates.
TPoint GetCursorPos();

int ScreenLogPixelsY();

// Calls done with the child's exit code (ChildProcess::ExitCodeOf) from
// the message loop once the child process has ended, and reaps it.
void WatchChild(int pid, std::function<void(int exitCode)> done);

// The help viewer that owner started: started now, or raised, and turned
// to page (contents is the page its Contents button shows). False when it
// cannot be started.
bool ShowHelpViewer(TWindow& owner, const std::string& contents, const std::string& page);
// Closes the viewer owner started, if it still runs.
void CloseHelpViewer(TWindow& owner);
// A help page in a small pop-up window near the pointer, above owner's
// window, closed by a click or a key. False when it cannot be shown.
bool ShowHelpPopup(TWindow& owner, const std::string& page);

// A cursor that shows over all of the application's windows and menus
// until it is taken back (null): the context-help cursor.
void SetAppCursor(const TCursorImage* cursor);

}  // namespace Platform

// The application's pre-processing of a message (accelerators, help mode);
// true when it consumed the message. A platform that turns one key press
// into WM_KEYDOWN and WM_CHAR sends no WM_CHAR for a consumed key.
bool PreProcessMsg(const TMsg& msg);

// The one entry of every platform event into the program: PreProcessMsg,
// then the window's WindowProc. Ends a mouse capture loop when the left
// button is released (WM_LBUTTONUP, or WM_MOUSEMOVE without MK_LBUTTON).
// An exception that escapes a handler goes to TApplication::HandleError
// (it propagates when there is no application).
intptr_t DispatchMsg(const TMsg& msg);
// The same; consumed tells whether pre-processing took the message, so a
// platform knows not to follow a consumed key press with its WM_CHAR.
intptr_t DispatchMsg(const TMsg& msg, bool& consumed);
