// The narrow interface between TWindow and the toolkit. One implementation
// per platform library (framework/qt, framework/headless); TWindow forwards
// its services here and the peer delivers events back as messages through
// DispatchMsg (framework/Platform.h).
#pragma once

#include "framework/DC.h"
#include "framework/Icon.h"
#include "framework/Types.h"

#include <memory>
#include <string>

class TWindow;

class TWindowPeer {
public:
    virtual ~TWindowPeer() = default;

    virtual TRect GetClientRect() const = 0;
    virtual void Invalidate(const TRect* rect, bool erase) = 0;  // null: all
    virtual void UpdateWindow() = 0;
    virtual void ScrollWindow(int dx, int dy) = 0;
    virtual std::unique_ptr<TDC> GetClientDC() = 0;

    virtual void SetCaption(const std::string& caption) = 0;
    virtual void SetWindowPos(int x, int y, int w, int h) = 0;
    virtual TRect GetWindowRect() const = 0;
    virtual TRect GetNormalPlacement() const = 0;
    virtual void Show(int cmdShow) = 0;
    virtual void SetIcon(const TIconImage& icon) = 0;

    virtual void SetFocus() = 0;
    virtual bool HasFocus() const = 0;
    virtual void SetCapture() = 0;
    virtual void ReleaseCapture() = 0;
    virtual bool HasCapture() const = 0;
    virtual void SetCursor(TCursorKind kind) = 0;

    virtual void CreateCaret(int width, int height) = 0;
    virtual void DestroyCaret() = 0;
    virtual void SetCaretPos(int x, int y) = 0;
    virtual void ShowCaret() = 0;
    virtual void HideCaret() = 0;

    virtual void SetScrollRange(int bar, int minPos, int maxPos, bool redraw) = 0;
    virtual void SetScrollPos(int bar, int pos, bool redraw) = 0;
    virtual int GetScrollPos(int bar) const = 0;
    virtual void SetScrollPage(int bar, int page) = 0;

    virtual TPoint ClientToScreen(TPoint p) const = 0;
    virtual TPoint ScreenToClient(TPoint p) const = 0;

    // Called once the window's children have their peers (a frame lays out
    // its client and decorations here).
    virtual void ChildrenCreated() {}
};
