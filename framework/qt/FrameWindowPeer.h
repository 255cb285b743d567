// The peer of a frame window: a top-level widget with the menu bar built
// from the frame's menu, and below it the body: the decorations inserted
// at the top, the client window filling the rest, the decorations inserted
// at the bottom. The frame's client area is the body.
#pragma once

#include "framework/qt/BackBuffer.h"
#include "framework/qt/DeferredWidget.h"
#include "framework/qt/FrameWidget.h"
#include "framework/qt/QtWindowPeer.h"

#include <QObject>

class FrameMenu;
struct TMenuResource;
class QMenuBar;
class QVBoxLayout;
class TFrameWindow;

class FrameWindowPeer final : public QtWindowPeer {
public:
    explicit FrameWindowPeer(TFrameWindow& frame);
    ~FrameWindowPeer() override;

    QWidget& Widget() const override { return *Top; }
    QWidget& ClientArea() const override { return *Body; }
    QMenuBar& MenuBar() const { return *Bar; }

    void Invalidate(const TRect* rect, bool erase) override;
    void UpdateWindow() override {}
    void ScrollWindow(int dx, int dy) override {}
    std::unique_ptr<TDC> GetClientDC() override;
    void Show(int cmdShow) override;
    void SetFocus() override;
    bool HasFocus() const override { return false; }
    void ChildrenCreated() override;
    void ChildAdded() override;

    // From the frame widget.
    void CloseRequested();
    void SizeChanged();

protected:
    void RefreshCaretArea(const QRect&) override {}

private:
    TFrameWindow& Frame;
    DeferredWidget<FrameWidget> Top;
    QMenuBar* Bar;
    QWidget* Body;
    QVBoxLayout* Layout;
    FrameMenu* Menu;
    const TMenuResource* BuiltMenu = nullptr;
    bool LaidOut = false;
    BackBuffer Scratch;  // where a client context of the frame itself draws
    QObject Lifetime;    // ends the peer's pending calls with it

    void LayOut();
    void BuildMenu();
};
