// The client area of a window: it shows the window's back buffer with the
// caret over it, and turns the user's input into the window's messages.
#pragma once

#include "framework/qt/InputTarget.h"
#include "framework/qt/MouseInput.h"

#include <QWidget>

class QHelpEvent;

class ChildWindowPeer;

class ClientWidget : public QWidget, public InputTarget {
public:
    ClientWidget(ChildWindowPeer& peer, QWidget* parent);

    // The window is gone: events no longer reach it.
    void Detach() { Peer = nullptr; }
    TWindow* TargetWindow() const override;
    bool IsFocused() const { return Focused; }
    bool ButtonHeld() const { return Held != Qt::NoButton; }

protected:
    bool event(QEvent* event) override;
    bool focusNextPrevChild(bool) override { return false; }
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    ChildWindowPeer* Peer;
    bool Focused = false;
    Qt::MouseButtons Held;
    MouseInput::WheelSteps Wheel;

    void SetFocused(bool focused);
    void FollowFocus(QWidget* now);
    void Press(QMouseEvent& event, bool doubleClick);
    // The toolkit asks for a tool tip once the pointer rests: the window
    // names the text and the area it belongs to.
    void ShowToolTip(const QHelpEvent& event);
};
