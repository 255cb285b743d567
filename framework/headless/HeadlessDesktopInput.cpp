// The headless desktop's keyboard and mouse input.
#include "framework/headless/HeadlessDesktop.h"

#include "framework/Application.h"
#include "framework/Frame.h"
#include "framework/Platform.h"

#include <algorithm>
#include <utility>

namespace {

constexpr intptr_t KeyUpBits = (intptr_t(1) << 30) | (intptr_t(1) << 31);
constexpr intptr_t AltContextBit = intptr_t(1) << 29;

intptr_t ScreenLParam(TPoint p) { return intptr_t(MakeLParam(p.x, p.y)); }

}  // namespace

// --- keyboard ---------------------------------------------------------------------

TWindow* THeadlessDesktop::KeyTarget() const
{
    if (FocusWindow)
        return FocusWindow;
    TApplication* app = TApplication::Current();
    return app ? app->GetMainWindow() : nullptr;
}

void THeadlessDesktop::KeyDown(unsigned virtualKey)
{
    Keys.Press(int(virtualKey));
    TWindow* target = KeyTarget();
    if (!target)
        return;
    const bool alt = Keys.IsDown(VK_MENU);
    const bool system = alt || virtualKey == VK_F10;
    bool consumed = false;
    DispatchMsg(TMsg{target, system ? WM_SYSKEYDOWN : WM_KEYDOWN, virtualKey, 1 | (alt ? AltContextBit : 0)}, consumed);
    if (consumed || system)
        return;
    // The handler may have moved the focus or closed the window.
    if (const auto ch = Keys.CharacterOf(virtualKey))
        if (TWindow* now = KeyTarget())
            Dispatch(TMsg{now, WM_CHAR, *ch, 1});
}

void THeadlessDesktop::KeyUp(unsigned virtualKey)
{
    const bool alt = Keys.IsDown(VK_MENU);
    Keys.Release(int(virtualKey));
    TWindow* target = KeyTarget();
    if (!target)
        return;
    const bool system = alt || virtualKey == VK_F10;
    Dispatch(TMsg{target, system ? WM_SYSKEYUP : WM_KEYUP, virtualKey, 1 | KeyUpBits | (alt ? AltContextBit : 0)});
}

void THeadlessDesktop::SendKey(unsigned virtualKey, unsigned modifiers)
{
    const std::pair<unsigned, int> modifierKeys[] = {{ModShift, VK_SHIFT}, {ModCtrl, VK_CONTROL}, {ModAlt, VK_MENU}};
    std::vector<int> held;
    for (const auto& [flag, key] : modifierKeys)
        if ((modifiers & flag) && !Keys.IsDown(key)) {
            Keys.SetDown(key, true);
            held.push_back(key);
        }
    KeyDown(virtualKey);
    KeyUp(virtualKey);
    for (int key : held)
        Keys.SetDown(key, false);
}

void THeadlessDesktop::SendChar(unsigned char ch)
{
    if (TWindow* target = KeyTarget())
        Dispatch(TMsg{target, WM_CHAR, ch, 1});
}

void THeadlessDesktop::TypeText(const std::string& text)
{
    for (char c : text) {
        if (c == '\n')
            SendKey(VK_RETURN);
        else if (c == '\b')
            SendKey(VK_BACK);
        else
            SendChar(static_cast<unsigned char>(c));
    }
}

// --- mouse ------------------------------------------------------------------------------

unsigned THeadlessDesktop::MouseFlags() const
{
    unsigned flags = 0;
    if (LeftDown)
        flags |= MK_LBUTTON;
    if (RightDown)
        flags |= MK_RBUTTON;
    if (Keys.IsDown(VK_SHIFT))
        flags |= MK_SHIFT;
    if (Keys.IsDown(VK_CONTROL))
        flags |= MK_CONTROL;
    return flags;
}

void THeadlessDesktop::NoteButtons(unsigned message)
{
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: LeftDown = true; break;
    case WM_LBUTTONUP: LeftDown = false; break;
    case WM_RBUTTONDOWN: RightDown = true; break;
    case WM_RBUTTONUP: RightDown = false; break;
    default: break;
    }
}

void THeadlessDesktop::FollowHover(TWindow& window)
{
    if (CaptureWindow || HoverWindow == &window)
        return;
    if (TWindow* left = std::exchange(HoverWindow, &window))
        Dispatch(TMsg{left, WM_MOUSELEAVE});
}

void THeadlessDesktop::DeliverPointer(TWindow& window, unsigned message, TPoint screen)
{
    FollowHover(window);
    TWindow& target = CaptureWindow ? *CaptureWindow : window;
    Pointer = screen;
    NoteButtons(message);
    const TPoint p = target.ScreenToClient(screen);
    Dispatch(TMsg{&target, message, MouseFlags(), intptr_t(MakeLParam(p.x, p.y))});
}

void THeadlessDesktop::StreamPointerMoves(int count, int intervalMs)
{
    StreamLeft = count;
    StreamInterval = std::max(1, intervalMs);
    StreamNext = Now + StreamInterval;
}

bool THeadlessDesktop::StreamMove(int timeoutMs)
{
    if (StreamLeft <= 0 || !CaptureWindow || !LeftDown)
        return false;
    if (StreamNext > Now + std::max(0, timeoutMs)) {
        Now += std::max(0, timeoutMs);
        return true;
    }
    Now = std::max(Now, StreamNext);
    StreamNext = Now + StreamInterval;
    --StreamLeft;
    DeliverPointer(*CaptureWindow, WM_MOUSEMOVE, Pointer);
    return true;
}

void THeadlessDesktop::ReleaseDrag()
{
    if (CaptureWindow)
        DeliverPointer(*CaptureWindow, WM_LBUTTONUP, Pointer);
}

void THeadlessDesktop::MouseDown(TWindow& window, TPoint point, unsigned button)
{
    DeliverPointer(window, button == MK_RBUTTON ? WM_RBUTTONDOWN : WM_LBUTTONDOWN, window.ClientToScreen(point));
}

void THeadlessDesktop::MouseUp(TWindow& window, TPoint point, unsigned button)
{
    DeliverPointer(window, button == MK_RBUTTON ? WM_RBUTTONUP : WM_LBUTTONUP, window.ClientToScreen(point));
}

void THeadlessDesktop::MouseMove(TWindow& window, TPoint point)
{
    DeliverPointer(window, WM_MOUSEMOVE, window.ClientToScreen(point));
}

void THeadlessDesktop::DoubleClick(TWindow& window, TPoint point)
{
    MouseDown(window, point);
    MouseUp(window, point);
    const bool doubleClicks = (window.Attr.ClassStyle & CS_DBLCLKS) != 0;
    DeliverPointer(window, doubleClicks ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN, window.ClientToScreen(point));
    MouseUp(window, point);
}

void THeadlessDesktop::RightClick(TWindow& window, TPoint point)
{
    MouseDown(window, point, MK_RBUTTON);
    MouseUp(window, point, MK_RBUTTON);
    Dispatch(TMsg{&window, WM_CONTEXTMENU, 0, ScreenLParam(window.ClientToScreen(point))});
}

void THeadlessDesktop::ContextMenuKey()
{
    if (TWindow* target = KeyTarget())
        Dispatch(TMsg{target, WM_CONTEXTMENU, 0, ScreenLParam({-1, -1})});
}

void THeadlessDesktop::PostPointer(TWindow& window, unsigned message, TPoint point)
{
    Queue.push_back({TMsg{&window, message}, true, window.ClientToScreen(point), {}});
}

void THeadlessDesktop::PostMouseMove(TWindow& window, TPoint point) { PostPointer(window, WM_MOUSEMOVE, point); }

void THeadlessDesktop::PostMouseUp(TWindow& window, TPoint point) { PostPointer(window, WM_LBUTTONUP, point); }

void THeadlessDesktop::Drag(TWindow& window, TPoint from, TPoint to)
{
    PostMouseMove(window, to);
    PostMouseUp(window, to);
    MouseDown(window, from);
    // A window without a capture loop leaves the rest queued.
    PumpWaitingMessages();
}

void THeadlessDesktop::DropFiles(TWindow& window, const std::vector<std::string>& files, TPoint point)
{
    TWindow* target = &window;
    while (target && !(target->Attr.ExStyle & WS_EX_ACCEPTFILES))
        target = target->GetParent();
    if (!target)
        return;
    TDropInfo drop{files, target->ScreenToClient(window.ClientToScreen(point))};
    Dispatch(TMsg{target, WM_DROPFILES, reinterpret_cast<uintptr_t>(&drop), 0});
}
