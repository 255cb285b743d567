// What the Qt peers of all windows share: the TWindow they serve, the
// widget that stands for it, the widget that is its client area, the two
// scroll bars' values, and the services that need no more than those:
// placement, caption, icon, capture, cursor, caret and coordinates.
#pragma once

#include "framework/WindowPeer.h"
#include "framework/qt/Caret.h"
#include "framework/qt/ScrollBarLink.h"

#include <array>
#include <memory>

class HelpViewerLink;
class QWidget;
class TopLevelPlacement;

class QtWindowPeer : public TWindowPeer, public Caret::Host {
public:
    explicit QtWindowPeer(TWindow& window);
    ~QtWindowPeer() override;

    TWindow& Window() const { return Target; }
    // The widget that stands for the window (a top-level one for frames).
    virtual QWidget& Widget() const = 0;
    // The widget whose area is the client area.
    virtual QWidget& ClientArea() const = 0;

    // The peer of a created window, else null.
    static QtWindowPeer* Of(const TWindow* window);
    // The top-level widget of a window, as the owner of a dialog.
    static QWidget* TopLevelOf(const TWindow* window);

    // A child window made its peer in this window's client area.
    virtual void ChildAdded() {}

    // The help viewer this window starts (one per window; made when first
    // asked for).
    HelpViewerLink& HelpViewer();

    TRect GetClientRect() const override;
    void SetCaption(const std::string& caption) override;
    void SetWindowPos(int x, int y, int w, int h) override;
    TRect GetWindowRect() const override;
    TRect GetNormalPlacement() const override;
    void Show(int cmdShow) override;
    void SetIcon(const TIconImage& icon) override;

    void SetCapture() override;
    void ReleaseCapture() override;
    bool HasCapture() const override { return Captured; }
    void SetCursor(TCursorKind kind) override;

    void CreateCaret(int width, int height) override;
    void DestroyCaret() override;
    void SetCaretPos(int x, int y) override;
    void ShowCaret() override;
    void HideCaret() override;

    void SetScrollRange(int bar, int minPos, int maxPos, bool redraw) override;
    void SetScrollPos(int bar, int pos, bool redraw) override;
    int GetScrollPos(int bar) const override;
    void SetScrollPage(int bar, int page) override;

    TPoint ClientToScreen(TPoint p) const override;
    TPoint ScreenToClient(TPoint p) const override;

protected:
    // Placement and look taken from the window's attributes at creation.
    void ApplyAttributes();
    // The bars; bar widgets may be null (the values are kept all the same).
    void LinkScrollBars(QScrollBar* horizontal, QScrollBar* vertical, QWidget* wheelTarget);
    // WM_SIZE's type: a top-level window may be minimised or maximised.
    unsigned SizeType() const;
    // True while a button pressed in the window holds Qt's implicit grab,
    // which serves as the capture.
    virtual bool ButtonHeld() const;

private:
    TWindow& Target;
    std::array<std::unique_ptr<ScrollBarLink>, 2> Bars;
    bool Captured = false;
    bool Grabbed = false;
    std::unique_ptr<TopLevelPlacement> Placement;  // top-level windows only
    std::unique_ptr<HelpViewerLink> Help;

    ScrollBarLink* Bar(int bar) const;
};
