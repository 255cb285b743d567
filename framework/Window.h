// TWindow: a window of the platform layer. Events arrive as messages with
// the window system's codes and reach the virtual Ev... handlers through
// WindowProc; the defaults of those handlers are the framework's "default
// processing". The drawing, caret, capture and scroll-bar services forward
// to a platform peer (the toolkit in the Qt layer, a recorder headless).
#pragma once

#include "framework/DC.h"
#include "framework/Icon.h"
#include "framework/Types.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class TApplication;
class TCommandEnabler;
class TPopupMenu;
class TScroller;
class TWindowPeer;

// One message as it travels through the queue and the dispatch.
struct TMsg {
    class TWindow* Window = nullptr;
    unsigned Message = 0;
    uintptr_t WParam = 0;
    intptr_t LParam = 0;
};

// The files dropped on a window (WM_DROPFILES carries a pointer to one).
struct TDropInfo {
    std::vector<std::string> Files;
    TPoint Point;
};

// Attributes fixed before the platform window is created.
struct TWindowAttr {
    uint32_t Style = 0;       // WS_HSCROLL, WS_VSCROLL
    uint32_t ExStyle = 0;     // WS_EX_ACCEPTFILES
    uint32_t ClassStyle = 0;  // CS_DBLCLKS
    TCursorKind Cursor = TCursorKind::Arrow;
    int X = 50, Y = 50, W = 400, H = 300;  // placement of a top-level window
    int Id = 0;  // a control's identifier within its dialog
};

class TWindow {
public:
    explicit TWindow(TWindow* parent = nullptr, const std::string& title = {});
    virtual ~TWindow();
    TWindow(const TWindow&) = delete;
    TWindow& operator=(const TWindow&) = delete;

    // --- life cycle ------------------------------------------------------
    // Creates the platform window, then the windows of the children.
    virtual void Create();
    bool IsCreated() const { return Peer != nullptr; }
    TWindow* GetParent() const { return Parent; }
    // Moves the window to another parent's children (before creation).
    void SetParent(TWindow* parent);
    const std::vector<TWindow*>& Children() const { return ChildList; }
    // The first child whose identifier (Attr.Id) is id; null when none.
    TWindow* ChildWithId(int id) const;
    virtual const char* GetClassName() const { return "TWindow"; }
    TApplication* GetApplication() const;
    TWindowPeer* GetPeer() const { return Peer.get(); }

    TWindowAttr Attr;
    std::unique_ptr<TScroller> Scroller;  // owned; may be empty

    // --- geometry and painting ------------------------------------------
    TRect GetClientRect() const;
    void Invalidate(bool erase = true);
    void InvalidateRect(const TRect& rect, bool erase = true);
    // Paints the invalid parts now instead of at the next idle moment.
    void UpdateWindow();
    // Moves the client contents by (dx, dy) pixels; the uncovered strip is
    // invalidated.
    void ScrollWindow(int dx, int dy);
    // While updates are deferred (the calls nest), UpdateWindow paints
    // nothing and ScrollWindow invalidates the client area instead of
    // moving it: a loop of many small changes is painted once, whenever
    // messages are next dispatched, not at each change.
    void DeferUpdates(bool defer);
    bool UpdatesDeferred() const { return DeferredUpdates > 0; }
    // A device context on the client area usable outside painting: what is
    // drawn on it shows at once. Empty before the window is created.
    std::unique_ptr<TDC> GetClientDC();

    // --- top-level placement and caption --------------------------------
    virtual void SetCaption(const std::string& caption);
    const std::string& GetCaption() const { return Title; }
    // Names the window after a document; the default hands it to the parent.
    virtual bool SetDocTitle(const std::string& docName, int index);
    void SetWindowPos(int x, int y, int w, int h);
    TRect GetWindowRect() const;
    // Where a top-level window was last while neither minimised nor
    // maximised: its frame as GetWindowRect gives it, position from the last
    // move and size from the last sizing in the normal state.
    TRect GetNormalPlacement() const;
    void Show(int cmdShow);
    // The large and the small icon of a top-level window.
    void SetIcon(const TIconImage& icon);

    // --- input ------------------------------------------------------------
    void SetFocus();
    bool HasFocus() const;
    void SetCapture();
    void ReleaseCapture();
    bool HasCapture() const;
    void SetCursor(TCursorKind kind);
    // Key state as GetKeyState gives it: negative (high bit) while the key
    // is down, bit 0 the toggle state (Insert's toggle is kept by the layer).
    static int16_t GetKeyState(int virtualKey);

    // --- caret (one per application, as with the window system's) --------
    // width 0: the thin system caret; otherwise a block of that width.
    void CreateCaret(int width, int height);
    void DestroyCaret();
    void SetCaretPos(int x, int y);
    void ShowCaret();
    void HideCaret();

    // --- scroll bars (0 ... 32767 as with the window system's) -----------
    void SetScrollRange(int bar, int minPos, int maxPos, bool redraw = true);
    void SetScrollPos(int bar, int pos, bool redraw = true);
    int GetScrollPos(int bar) const;
    void SetScrollPage(int bar, int page);

    // --- messages ---------------------------------------------------------
    // Queues a message for the window; ignored before it is created.
    void PostMessage(unsigned message, uintptr_t wParam = 0, intptr_t lParam = 0);
    // Runs WindowProc at once, without pre-processing.
    intptr_t SendMessage(unsigned message, uintptr_t wParam = 0, intptr_t lParam = 0);
    // Dispatches a message to the Ev... handlers; unknown ones go to
    // DefWindowProc.
    virtual intptr_t WindowProc(unsigned message, uintptr_t wParam, intptr_t lParam);
    virtual intptr_t DefWindowProc(unsigned message, uintptr_t wParam, intptr_t lParam);

    // --- commands -----------------------------------------------------------
    // The window's response table: true when it has an entry for the command
    // (and ran it).
    virtual bool EvCommand(unsigned id);
    virtual bool HasCommandHandler(unsigned id) const;
    // True when the window answered the enable query.
    virtual bool EvCommandEnable(TCommandEnabler& enabler);

    // --- context menu --------------------------------------------------------
    // The window owns the menu it is given (null: none).
    void AssignContextMenu(std::unique_ptr<TPopupMenu> menu);
    TPopupMenu* GetContextMenu() const { return ContextMenu.get(); }

    // --- closing ------------------------------------------------------------
    // The default asks every child in turn.
    virtual bool CanClose();

    // --- painting entry, called by the platform with the invalid rectangle --
    virtual void Paint(TDC& dc, bool erase, TRect& rect);

    // --- event handlers (the defaults are the default processing) ---------
    virtual void EvKeyDown(unsigned key, unsigned repeatCount, unsigned flags);
    virtual void EvKeyUp(unsigned key, unsigned repeatCount, unsigned flags);
    // Keys pressed with Alt (WM_SYSKEYDOWN, WM_SYSKEYUP) belong to the
    // menu bar; the defaults do nothing.
    virtual void EvSysKeyDown(unsigned key, unsigned repeatCount, unsigned flags);
    virtual void EvSysKeyUp(unsigned key, unsigned repeatCount, unsigned flags);
    virtual void EvChar(unsigned key, unsigned repeatCount, unsigned flags);
    // The default of a window whose scroller has automatic mode: take the
    // capture and dispatch messages, scrolling automatically, until the
    // left button is released.
    virtual void EvLButtonDown(unsigned modKeys, const TPoint& point);
    virtual void EvMouseMove(unsigned modKeys, const TPoint& point);
    // WM_MOUSELEAVE: the pointer left the window (without a capture).
    virtual void EvMouseLeave();
    virtual void EvLButtonUp(unsigned modKeys, const TPoint& point);
    virtual void EvLButtonDblClk(unsigned modKeys, const TPoint& point);
    virtual void EvRButtonDown(unsigned modKeys, const TPoint& point);
    // point in screen coordinates; (-1, -1) when asked for from the keyboard.
    virtual void EvContextMenu(const TPoint& screenPoint);
    // The default lets the scroller take the new page size and bar ranges.
    virtual void EvSize(unsigned sizeType, const TSize& size);
    // The defaults hand the scroll to the scroller.
    virtual void EvHScroll(unsigned scrollCode, unsigned thumbPos);
    virtual void EvVScroll(unsigned scrollCode, unsigned thumbPos);
    virtual void EvSetFocus();
    virtual void EvKillFocus();
    virtual void EvDropFiles(TDropInfo& drop);
    // WM_CLOSE: the application's main window closes through
    // TApplication::CloseMainWindow (which asks CanClose); other windows
    // ignore it.
    virtual void EvClose();

    // The tool tip of the thing under a client point and the area it
    // covers; false when there is none (the default).
    virtual bool GetToolTip(const TPoint& point, std::string& text, TRect& area);

    // Client point to screen point and back.
    TPoint ClientToScreen(TPoint p) const;
    TPoint ScreenToClient(TPoint p) const;

protected:
    // Releases the platform window (children first).
    void DestroyPeer();

private:
    TWindow* Parent = nullptr;
    std::vector<TWindow*> ChildList;
    std::string Title;
    std::unique_ptr<TWindowPeer> Peer;
    std::unique_ptr<TPopupMenu> ContextMenu;
    int DeferredUpdates = 0;
};
