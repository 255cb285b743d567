// TWindow's life cycle, its place among parent and children, and the
// services it forwards to its platform peer.
#include "framework/Window.h"

#include "framework/Application.h"
#include "framework/Platform.h"
#include "framework/PopupMenu.h"
#include "framework/Scroller.h"
#include "framework/WindowPeer.h"

#include <algorithm>

TWindow::TWindow(TWindow* parent, const std::string& title) : Title(title) { SetParent(parent); }

TWindow::~TWindow()
{
    DestroyPeer();
    // Children are owned elsewhere; they only forget this parent.
    for (TWindow* child : ChildList)
        child->Parent = nullptr;
    SetParent(nullptr);
}

void TWindow::SetParent(TWindow* parent)
{
    if (Parent)
        std::erase(Parent->ChildList, this);
    Parent = parent;
    if (Parent)
        Parent->ChildList.push_back(this);
}

TWindow* TWindow::ChildWithId(int id) const
{
    for (TWindow* child : ChildList)
        if (child->Attr.Id == id)
            return child;
    return nullptr;
}

void TWindow::Create()
{
    if (Peer)
        return;
    Peer = Platform::CreateWindowPeer(*this);
    const std::vector<TWindow*> children = ChildList;
    for (TWindow* child : children)
        child->Create();
    Peer->ChildrenCreated();
}

void TWindow::DestroyPeer()
{
    for (TWindow* child : ChildList)
        child->DestroyPeer();
    Peer.reset();
}

TApplication* TWindow::GetApplication() const { return TApplication::Current(); }

void TWindow::AssignContextMenu(std::unique_ptr<TPopupMenu> menu) { ContextMenu = std::move(menu); }

// --- geometry and painting --------------------------------------------------

TRect TWindow::GetClientRect() const { return Peer ? Peer->GetClientRect() : TRect{}; }

void TWindow::Invalidate(bool erase)
{
    if (Peer)
        Peer->Invalidate(nullptr, erase);
}

void TWindow::InvalidateRect(const TRect& rect, bool erase)
{
    if (Peer)
        Peer->Invalidate(&rect, erase);
}

void TWindow::UpdateWindow()
{
    if (Peer && DeferredUpdates == 0)
        Peer->UpdateWindow();
}

void TWindow::ScrollWindow(int dx, int dy)
{
    if (!Peer)
        return;
    if (DeferredUpdates > 0)
        Peer->Invalidate(nullptr, true);
    else
        Peer->ScrollWindow(dx, dy);
}

void TWindow::DeferUpdates(bool defer) { DeferredUpdates = std::max(0, DeferredUpdates + (defer ? 1 : -1)); }

std::unique_ptr<TDC> TWindow::GetClientDC() { return Peer ? Peer->GetClientDC() : nullptr; }

// --- placement and caption --------------------------------------------------

void TWindow::SetCaption(const std::string& caption)
{
    Title = caption;
    if (Peer)
        Peer->SetCaption(caption);
}

bool TWindow::SetDocTitle(const std::string& docName, int index)
{
    return Parent && Parent->SetDocTitle(docName, index);
}

void TWindow::SetWindowPos(int x, int y, int w, int h)
{
    if (Peer) {
        Peer->SetWindowPos(x, y, w, h);
        return;
    }
    Attr.X = x;
    Attr.Y = y;
    Attr.W = w;
    Attr.H = h;
}

TRect TWindow::GetWindowRect() const
{
    return Peer ? Peer->GetWindowRect() : TRect{Attr.X, Attr.Y, Attr.X + Attr.W, Attr.Y + Attr.H};
}

TRect TWindow::GetNormalPlacement() const { return Peer ? Peer->GetNormalPlacement() : GetWindowRect(); }

void TWindow::Show(int cmdShow)
{
    if (Peer)
        Peer->Show(cmdShow);
}

void TWindow::SetIcon(const TIconImage& icon)
{
    if (Peer)
        Peer->SetIcon(icon);
}

TPoint TWindow::ClientToScreen(TPoint p) const { return Peer ? Peer->ClientToScreen(p) : p; }

TPoint TWindow::ScreenToClient(TPoint p) const { return Peer ? Peer->ScreenToClient(p) : p; }

// --- input -------------------------------------------------------------------

void TWindow::SetFocus()
{
    if (Peer)
        Peer->SetFocus();
}

bool TWindow::HasFocus() const { return Peer && Peer->HasFocus(); }

void TWindow::SetCapture()
{
    if (Peer)
        Peer->SetCapture();
}

void TWindow::ReleaseCapture()
{
    if (Peer)
        Peer->ReleaseCapture();
}

bool TWindow::HasCapture() const { return Peer && Peer->HasCapture(); }

void TWindow::SetCursor(TCursorKind kind)
{
    Attr.Cursor = kind;
    if (Peer)
        Peer->SetCursor(kind);
}

int16_t TWindow::GetKeyState(int virtualKey) { return Platform::GetKeyState(virtualKey); }

// --- caret ---------------------------------------------------------------------

void TWindow::CreateCaret(int width, int height)
{
    if (Peer)
        Peer->CreateCaret(width, height);
}

void TWindow::DestroyCaret()
{
    if (Peer)
        Peer->DestroyCaret();
}

void TWindow::SetCaretPos(int x, int y)
{
    if (Peer)
        Peer->SetCaretPos(x, y);
}

void TWindow::ShowCaret()
{
    if (Peer)
        Peer->ShowCaret();
}

void TWindow::HideCaret()
{
    if (Peer)
        Peer->HideCaret();
}

// --- scroll bars -----------------------------------------------------------------

void TWindow::SetScrollRange(int bar, int minPos, int maxPos, bool redraw)
{
    if (Peer)
        Peer->SetScrollRange(bar, minPos, maxPos, redraw);
}

void TWindow::SetScrollPos(int bar, int pos, bool redraw)
{
    if (Peer)
        Peer->SetScrollPos(bar, pos, redraw);
}

int TWindow::GetScrollPos(int bar) const { return Peer ? Peer->GetScrollPos(bar) : 0; }

void TWindow::SetScrollPage(int bar, int page)
{
    if (Peer)
        Peer->SetScrollPage(bar, page);
}

// --- messages ----------------------------------------------------------------------

void TWindow::PostMessage(unsigned message, uintptr_t wParam, intptr_t lParam)
{
    // A queued message must not outlive its window; the peer's destruction
    // drops what is still queued for it.
    if (Peer)
        Platform::PostMessage(TMsg{this, message, wParam, lParam});
}

intptr_t TWindow::SendMessage(unsigned message, uintptr_t wParam, intptr_t lParam)
{
    return WindowProc(message, wParam, lParam);
}
