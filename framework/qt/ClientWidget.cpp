#include "framework/qt/ClientWidget.h"

#include "framework/Platform.h"
#include "framework/qt/ChildWindowPeer.h"
#include "framework/qt/CodePage.h"
#include "framework/qt/Geometry.h"
#include "framework/qt/KeyInput.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QHelpEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QToolTip>

namespace {

// A menu opening (a drop-down, the menu bar's keyboard mode, a context
// menu) takes the toolkit's focus, but on the window system the window
// keeps it.
bool IsMenuFocusReason(Qt::FocusReason reason)
{
    return reason == Qt::PopupFocusReason || reason == Qt::MenuBarFocusReason;
}

bool IsMenuWidget(const QWidget* widget) { return qobject_cast<const QMenu*>(widget) || qobject_cast<const QMenuBar*>(widget); }

}  // namespace

ClientWidget::ClientWidget(ChildWindowPeer& peer, QWidget* parent) : QWidget(parent), Peer(&peer)
{
    // The window takes the focus when the program gives it (the frame passes
    // its own on); a click does not take it.
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Dead keys and compose sequences arrive from the input method.
    setAttribute(Qt::WA_InputMethodEnabled, true);
    // Focus that went from a menu to another widget never comes back here.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { FollowFocus(now); });
}

TWindow* ClientWidget::TargetWindow() const { return Peer ? &Peer->Window() : nullptr; }

// Tab and Shift+Tab are the window's keys, not the focus chain's.
bool ClientWidget::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        ShowToolTip(*static_cast<QHelpEvent*>(event));
        return true;
    }
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
            keyPressEvent(static_cast<QKeyEvent*>(event));
            return true;
        }
    }
    return QWidget::event(event);
}

void ClientWidget::paintEvent(QPaintEvent* event)
{
    if (Peer)
        Peer->PaintClient(event->region());
}

void ClientWidget::resizeEvent(QResizeEvent*)
{
    if (Peer)
        Peer->ClientResized(size());
}

void ClientWidget::SetFocused(bool focused)
{
    if (focused == Focused)
        return;
    Focused = focused;
    if (!focused && Peer)
        Peer->FocusLost();
    if (TWindow* window = TargetWindow())
        DispatchMsg(TMsg{window, focused ? WM_SETFOCUS : WM_KILLFOCUS, 0, 0});
}

void ClientWidget::FollowFocus(QWidget* now)
{
    if (Focused && now && now != this && !IsMenuWidget(now))
        SetFocused(false);
}

void ClientWidget::focusInEvent(QFocusEvent*) { SetFocused(true); }

void ClientWidget::focusOutEvent(QFocusEvent* event)
{
    if (!IsMenuFocusReason(event->reason()))
        SetFocused(false);
}

void ClientWidget::keyPressEvent(QKeyEvent* event) { KeyInput::Press(*this, *event); }

void ClientWidget::keyReleaseEvent(QKeyEvent* event) { KeyInput::Release(*this, *event); }

void ClientWidget::inputMethodEvent(QInputMethodEvent* event) { KeyInput::Commit(*this, event->commitString()); }

QVariant ClientWidget::inputMethodQuery(Qt::InputMethodQuery query) const
{
    if (query == Qt::ImEnabled)
        return true;
    return QWidget::inputMethodQuery(query);
}

// The capture loop of a drag runs inside WM_LBUTTONDOWN; the toolkit's
// implicit grab sends it the moves and the release meanwhile.
void ClientWidget::Press(QMouseEvent& event, bool doubleClick)
{
    Held |= event.button();
    if (event.button() == Qt::LeftButton) {
        const bool dblClk = doubleClick && Peer && (Peer->Window().Attr.ClassStyle & CS_DBLCLKS);
        MouseInput::Send(*this, dblClk ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN, event);
    } else if (event.button() == Qt::RightButton) {
        MouseInput::Send(*this, WM_RBUTTONDOWN, event);
    }
}

void ClientWidget::mousePressEvent(QMouseEvent* event) { Press(*event, false); }

void ClientWidget::mouseDoubleClickEvent(QMouseEvent* event) { Press(*event, true); }

// The context menu follows the right button's release, as on the window
// system.
void ClientWidget::mouseReleaseEvent(QMouseEvent* event)
{
    Held &= ~event->button();
    if (event->button() == Qt::LeftButton) {
        MouseInput::Send(*this, WM_LBUTTONUP, *event);
    } else if (event->button() == Qt::RightButton) {
        MouseInput::Send(*this, WM_RBUTTONUP, *event);
        MouseInput::ContextMenu(*this, event->globalPosition().toPoint());
    }
}

void ClientWidget::mouseMoveEvent(QMouseEvent* event) { MouseInput::Send(*this, WM_MOUSEMOVE, *event); }

void ClientWidget::leaveEvent(QEvent*)
{
    if (TWindow* window = TargetWindow())
        DispatchMsg(TMsg{window, WM_MOUSELEAVE, 0, 0});
}

void ClientWidget::ShowToolTip(const QHelpEvent& event)
{
    TWindow* window = TargetWindow();
    std::string text;
    TRect area;
    if (window && window->GetToolTip(ToTPoint(event.pos()), text, area))
        QToolTip::showText(event.globalPos(), CodePage::UiText(text), this, ToQRect(area));
    else
        QToolTip::hideText();
}

void ClientWidget::wheelEvent(QWheelEvent* event) { Wheel.Send(*this, *event); }

// The toolkit's own context-menu events are not used: the right button and
// the context-menu key make WM_CONTEXTMENU themselves.
void ClientWidget::contextMenuEvent(QContextMenuEvent* event) { event->accept(); }
