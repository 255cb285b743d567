// THeadlessDesktop: the desktop double behind the headless platform, and
// the control panel of tests. It is deterministic and has no threads: input
// is dispatched when a test asks for it, and a message queue runs only when
// something pumps it.
//
// A test makes one (THeadlessDesktop desktop;) before its windows; while it
// lives it is the desktop that the platform functions use. Windows must be
// destroyed before their desktop.
//
// Input goes through DispatchMsg, so the application's pre-processing
// (accelerators) sees it first. Keys go to the focused window, else to the
// application's main window. Mouse input goes to the window holding the
// capture, else to the window named; points are in the named window's
// client coordinates and move the pointer there.
//
// The capture loop of a drag waits with WaitAndDispatch: it dispatches what
// is queued; when nothing is queued, the pointer's stream of moves (see
// StreamPointerMoves) goes on, else the next SetQuietWaits waits pass with
// nothing arriving, and after them the input has run dry: the button is
// released (WM_LBUTTONUP to the capture window at the pointer), so the loop
// always ends. The desktop's clock moves only while it waits.
#pragma once

#include "framework/Window.h"
#include "framework/headless/HeadlessCaret.h"
#include "framework/headless/HeadlessDialogs.h"
#include "framework/headless/HeadlessFindReplace.h"
#include "framework/headless/HeadlessFonts.h"
#include "framework/headless/HeadlessKeyboard.h"
#include "framework/headless/HeadlessPeer.h"
#include "framework/headless/HeadlessPrinting.h"
#include "framework/headless/HeadlessServices.h"

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class TApplication;

class THeadlessDesktop {
public:
    THeadlessDesktop();
    ~THeadlessDesktop();
    THeadlessDesktop(const THeadlessDesktop&) = delete;
    THeadlessDesktop& operator=(const THeadlessDesktop&) = delete;

    // The innermost live desktop, or a built-in one when none lives.
    static THeadlessDesktop& Current();

    // --- windows -----------------------------------------------------------------
    // The peer of a created window (std::logic_error when it has none).
    THeadlessPeer& Peer(const TWindow& window) const;
    // The user sizes the window's client area; WM_SIZE always follows.
    void Resize(TWindow& window, int cx, int cy, unsigned sizeType = SIZE_RESTORED);
    // The user drags a window to (x, y), keeping its size and state.
    void Move(TWindow& window, int x, int y);
    // The user maximises a top-level window (it fills HeadlessScreen) or
    // restores it to its normal placement.
    void Maximize(TWindow& window);
    void Restore(TWindow& window);
    // Paints every window that has an invalid area, as the system does
    // when the queue is empty.
    void PaintInvalidWindows();

    TWindow* Focus() const { return FocusWindow; }
    TWindow* Capture() const { return CaptureWindow; }
    // The window the pointer was last moved over; moving it to another
    // window sends this one WM_MOUSELEAVE.
    TWindow* Hover() const { return HoverWindow; }
    const THeadlessCaret& Caret() const { return CaretObject; }

    // --- keyboard --------------------------------------------------------------------
    THeadlessKeyboard& Keyboard() { return Keys; }
    enum : unsigned { ModShift = 1, ModCtrl = 2, ModAlt = 4 };
    // Press: WM_KEYDOWN (WM_SYSKEYDOWN with Alt or for F10), then WM_CHAR
    // for a key that types a character unless pre-processing consumed it.
    void KeyDown(unsigned virtualKey);
    void KeyUp(unsigned virtualKey);
    // KeyDown and KeyUp with the modifiers held (their state only).
    void SendKey(unsigned virtualKey, unsigned modifiers = 0);
    // WM_CHAR alone.
    void SendChar(unsigned char ch);
    // Each character as WM_CHAR, except '\n' (the Enter key) and '\b'
    // (the Backspace key).
    void TypeText(const std::string& text);

    // --- mouse -----------------------------------------------------------------------
    TPoint CursorPos() const { return Pointer; }
    void SetCursorPos(TPoint screen) { Pointer = screen; }
    // button: MK_LBUTTON or MK_RBUTTON.
    void MouseDown(TWindow& window, TPoint point, unsigned button = MK_LBUTTON);
    void MouseUp(TWindow& window, TPoint point, unsigned button = MK_LBUTTON);
    void MouseMove(TWindow& window, TPoint point);
    // Down, up, then WM_LBUTTONDBLCLK (a second WM_LBUTTONDOWN for a window
    // without CS_DBLCLKS), then up.
    void DoubleClick(TWindow& window, TPoint point);
    // Right button down and up, then WM_CONTEXTMENU at the screen point.
    void RightClick(TWindow& window, TPoint point);
    // WM_CONTEXTMENU (-1, -1) to the focused window: the menu key.
    void ContextMenuKey();
    // Queued pointer input, delivered (and routed to the capture) when the
    // queue is dispatched.
    void PostMouseMove(TWindow& window, TPoint point);
    void PostMouseUp(TWindow& window, TPoint point);
    // A left-button drag: the move to `to` and the release are queued, the
    // button goes down at `from` (the capture loop dispatches the rest).
    void Drag(TWindow& window, TPoint from, TPoint to);
    // Files dropped at a client point; they go to the nearest window (this
    // or a parent) that accepts files.
    void DropFiles(TWindow& window, const std::vector<std::string>& files, TPoint point);

    // --- messages -----------------------------------------------------------------------
    void Post(const TMsg& msg);
    // Input that arrives while the program is busy: the action runs when
    // the queue is dispatched, in its turn (a click in a modeless dialog).
    void PostInput(std::function<void()> action);
    intptr_t Dispatch(const TMsg& msg);
    size_t QueuedCount() const { return Queue.size(); }
    void PumpWaitingMessages();
    void WaitAndDispatch(int timeoutMs = 0);
    void SetQuietWaits(int waits) { QuietWaits = waits; }
    // While the button is held, the pointer reports where it stands count
    // times, every intervalMs, as a real mouse does (a move to the capture
    // window for each).
    void StreamPointerMoves(int count, int intervalMs);
    // The desktop's clock (Platform::TickCount), in milliseconds.
    int64_t Clock() const { return Now; }
    // Dispatches, paints and runs idle processing until quit or until
    // nothing is left to do.
    int RunMessageLoop(TApplication& app);
    void QuitMessageLoop(int exitCode);
    // The code of the last QuitMessageLoop; none before one.
    std::optional<int> QuitCode() const { return LastQuitCode; }

    // --- dialogs and fonts ---------------------------------------------------------------
    THeadlessDialogs& Dialogs() { return DialogScript; }
    // The Find or Replace dialog shown last that is still shown, or null.
    THeadlessFindReplace* FindReplace() const;
    // Measuring fonts of this face fails (case-insensitive).
    void FailFontMetrics(const std::string& face, bool fail = true);
    bool FontMetricsFail(const std::string& face) const;
    // The families the screen's contexts list.
    std::vector<TFontFamilyReport> ScreenFonts = HeadlessScreenFonts();

    // --- child processes, help, the application's cursor ----------------------------
    THeadlessServices& Services() { return ServiceRecord; }

    // --- the printer --------------------------------------------------------------------
    THeadlessPrinting& Printing() { return PrinterRecord; }

    // --- clipboard -------------------------------------------------------------------------
    // The clipboard keeps a text block exactly as it was put there.
    void PutClipboardText(std::string block) { Clipboard = std::move(block); ClipboardContent = TClipboardContent::Text; }
    // Another program put something that is not text there (an image, a
    // file list).
    void PutClipboardOther() { Clipboard.clear(); ClipboardContent = TClipboardContent::Other; }
    void EmptyClipboard() { Clipboard.clear(); ClipboardContent = TClipboardContent::Nothing; }
    bool ClipboardHoldsText() const { return ClipboardContent == TClipboardContent::Text; }
    const std::string& ClipboardBlock() const { return Clipboard; }

    // --- for the peers ----------------------------------------------------------------------
    void Register(THeadlessPeer& peer);
    // The window is gone: drops its focus, capture, caret and queued messages.
    void Forget(THeadlessPeer& peer);
    void Register(THeadlessFindReplace& dialog);
    void Forget(THeadlessFindReplace& dialog);
    void SetFocus(TWindow* window);
    void SetCapture(TWindow* window) { CaptureWindow = window; }
    THeadlessCaret& CaretState() { return CaretObject; }
    int16_t GetKeyState(int virtualKey) const { return Keys.State(virtualKey); }

private:
    struct TQueued {
        TMsg Msg;
        bool PointerInput = false;
        TPoint Screen;  // pointer input: where the pointer is
        std::function<void()> Input;  // PostInput's action instead of a message
    };
    struct TBuiltIn {};
    explicit THeadlessDesktop(TBuiltIn);

    THeadlessDesktop* Outer = nullptr;
    std::vector<THeadlessPeer*> Peers;
    std::vector<THeadlessFindReplace*> FindReplaceDialogs;
    std::deque<TQueued> Queue;
    bool QuitPending = false;
    std::optional<int> LastQuitCode;
    int QuietWaits = 0;
    int64_t Now = 0;
    int StreamLeft = 0;
    int StreamInterval = 0;
    int64_t StreamNext = 0;
    TWindow* FocusWindow = nullptr;
    TWindow* CaptureWindow = nullptr;
    TWindow* HoverWindow = nullptr;
    THeadlessCaret CaretObject;
    THeadlessKeyboard Keys;
    TPoint Pointer;
    bool LeftDown = false;
    bool RightDown = false;
    THeadlessDialogs DialogScript;
    std::vector<std::string> FailingFaces;
    enum class TClipboardContent { Nothing, Text, Other };
    std::string Clipboard;
    TClipboardContent ClipboardContent = TClipboardContent::Nothing;
    THeadlessServices ServiceRecord;
    THeadlessPrinting PrinterRecord;

    bool CanDispatch() const { return !Queue.empty() && !QuitPending; }
    void DispatchNext();
    void RunIdle(TApplication& app);
    TWindow* KeyTarget() const;
    unsigned MouseFlags() const;
    void NoteButtons(unsigned message);
    void DeliverPointer(TWindow& window, unsigned message, TPoint screen);
    void FollowHover(TWindow& window);
    void PostPointer(TWindow& window, unsigned message, TPoint point);
    void ReleaseDrag();
    // One move of the pointer's stream when it comes within timeoutMs.
    bool StreamMove(int timeoutMs);
};
