// The headless desktop's windows, focus, message queue and loops.
#include "framework/headless/HeadlessDesktop.h"

#include "framework/Application.h"
#include "framework/Platform.h"
#include "framework/headless/HeadlessMetrics.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>

namespace {

// The desktop that platform calls reach; only desktops set it, in their
// constructor and destructor.
THeadlessDesktop* Innermost = nullptr;

// Idle processing that keeps asking to be called again stops here.
constexpr long MaxIdleCalls = 100;

bool SameFace(const std::string& a, const std::string& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

}  // namespace

THeadlessDesktop::THeadlessDesktop() : Outer(Innermost) { Innermost = this; }

THeadlessDesktop::THeadlessDesktop(TBuiltIn) {}

THeadlessDesktop::~THeadlessDesktop()
{
    for (THeadlessPeer* peer : Peers)
        peer->Detach();
    for (THeadlessFindReplace* dialog : FindReplaceDialogs)
        dialog->Detach();
    if (Innermost == this)
        Innermost = Outer;
}

THeadlessDesktop& THeadlessDesktop::Current()
{
    static THeadlessDesktop builtIn{TBuiltIn{}};
    return Innermost ? *Innermost : builtIn;
}

// --- windows ---------------------------------------------------------------------

void THeadlessDesktop::Register(THeadlessPeer& peer) { Peers.push_back(&peer); }

void THeadlessDesktop::Forget(THeadlessPeer& peer)
{
    std::erase(Peers, &peer);
    const TWindow* window = &peer.Window();
    if (FocusWindow == window)
        FocusWindow = nullptr;
    if (CaptureWindow == window)
        CaptureWindow = nullptr;
    if (HoverWindow == window)
        HoverWindow = nullptr;
    CaretObject.Destroy(*window);
    std::erase_if(Queue, [window](const TQueued& q) { return q.Msg.Window == window; });
}

void THeadlessDesktop::Register(THeadlessFindReplace& dialog) { FindReplaceDialogs.push_back(&dialog); }

void THeadlessDesktop::Forget(THeadlessFindReplace& dialog) { std::erase(FindReplaceDialogs, &dialog); }

THeadlessFindReplace* THeadlessDesktop::FindReplace() const
{
    for (auto it = FindReplaceDialogs.rbegin(); it != FindReplaceDialogs.rend(); ++it)
        if ((*it)->IsVisible())
            return *it;
    return nullptr;
}

THeadlessPeer& THeadlessDesktop::Peer(const TWindow& window) const
{
    auto* peer = static_cast<THeadlessPeer*>(window.GetPeer());
    if (!peer)
        throw std::logic_error(std::string("window not created: ") + window.GetClassName());
    return *peer;
}

void THeadlessDesktop::Resize(TWindow& window, int cx, int cy, unsigned sizeType)
{
    THeadlessPeer& peer = Peer(window);
    const TRect& b = peer.Bounds();
    peer.SetBounds({b.left, b.top, b.left + cx, b.top + cy}, sizeType, true);
}

void THeadlessDesktop::Move(TWindow& window, int x, int y)
{
    THeadlessPeer& peer = Peer(window);
    const TRect& b = peer.Bounds();
    peer.SetBounds({x, y, x + b.Width(), y + b.Height()}, peer.SizeState(), false);
}

void THeadlessDesktop::Maximize(TWindow& window) { Peer(window).SetBounds(HeadlessScreen, SIZE_MAXIMIZED, true); }

void THeadlessDesktop::Restore(TWindow& window)
{
    THeadlessPeer& peer = Peer(window);
    peer.SetBounds(peer.GetNormalPlacement(), SIZE_RESTORED, true);
}

void THeadlessDesktop::PaintInvalidWindows()
{
    const std::vector<THeadlessPeer*> peers = Peers;
    for (THeadlessPeer* peer : peers)
        if (std::find(Peers.begin(), Peers.end(), peer) != Peers.end())
            peer->UpdateWindow();
}

void THeadlessDesktop::SetFocus(TWindow* window)
{
    if (window == FocusWindow)
        return;
    TWindow* old = FocusWindow;
    FocusWindow = window;
    if (old)
        Dispatch(TMsg{old, WM_KILLFOCUS});
    if (window && FocusWindow == window)
        Dispatch(TMsg{window, WM_SETFOCUS});
}

// --- fonts ---------------------------------------------------------------------------

void THeadlessDesktop::FailFontMetrics(const std::string& face, bool fail)
{
    std::erase_if(FailingFaces, [&face](const std::string& f) { return SameFace(f, face); });
    if (fail)
        FailingFaces.push_back(face);
}

bool THeadlessDesktop::FontMetricsFail(const std::string& face) const
{
    return std::any_of(FailingFaces.begin(), FailingFaces.end(), [&face](const std::string& f) { return SameFace(f, face); });
}

// --- the queue -------------------------------------------------------------------------

void THeadlessDesktop::Post(const TMsg& msg) { Queue.push_back({msg, false, {}, {}}); }

void THeadlessDesktop::PostInput(std::function<void()> action) { Queue.push_back({TMsg{}, false, {}, std::move(action)}); }

intptr_t THeadlessDesktop::Dispatch(const TMsg& msg) { return DispatchMsg(msg); }

void THeadlessDesktop::DispatchNext()
{
    const TQueued next = Queue.front();
    Queue.pop_front();
    if (next.Input)
        next.Input();
    else if (next.PointerInput)
        DeliverPointer(*next.Msg.Window, next.Msg.Message, next.Screen);
    else
        Dispatch(next.Msg);
}

void THeadlessDesktop::PumpWaitingMessages()
{
    while (CanDispatch())
        DispatchNext();
}

void THeadlessDesktop::WaitAndDispatch(int timeoutMs)
{
    if (CanDispatch()) {
        PumpWaitingMessages();
        return;
    }
    if (StreamMove(timeoutMs))
        return;
    if (QuietWaits > 0) {
        --QuietWaits;
        Now += std::max(0, timeoutMs);
        return;
    }
    ReleaseDrag();
}

void THeadlessDesktop::QuitMessageLoop(int exitCode)
{
    QuitPending = true;
    LastQuitCode = exitCode;
}

void THeadlessDesktop::RunIdle(TApplication& app)
{
    for (long count = 0; count < MaxIdleCalls && !CanDispatch() && !QuitPending; ++count)
        if (!app.IdleAction(count))
            break;
}

int THeadlessDesktop::RunMessageLoop(TApplication& app)
{
    while (!QuitPending) {
        PumpWaitingMessages();
        if (QuitPending)
            break;
        PaintInvalidWindows();
        RunIdle(app);
        // Nobody else can post: an empty queue stays empty.
        if (!CanDispatch())
            break;
    }
    const bool quit = QuitPending;
    QuitPending = false;
    return quit ? LastQuitCode.value_or(0) : 0;
}
