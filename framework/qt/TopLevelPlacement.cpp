#include "framework/qt/TopLevelPlacement.h"

#include "framework/Placement.h"
#include "framework/qt/Geometry.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace {

QMargins FrameMargins(const QWidget& widget)
{
    const QRect outer = widget.frameGeometry();
    const QRect inner = widget.geometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

bool Framed(const QWidget& widget) { return !FrameMargins(widget).isNull(); }

TSize DesktopSize(const QWidget& widget)
{
    const QScreen* screen = widget.screen() ? widget.screen() : QGuiApplication::primaryScreen();
    const QSize size = screen ? screen->virtualGeometry().size() : QSize(MaxWindowCoordinate, MaxWindowCoordinate);
    return {size.width(), size.height()};
}

bool InNormalState(const QWidget& widget)
{
    return !(widget.windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
}

}  // namespace

TopLevelPlacement::TopLevelPlacement(QWidget& widget) : Widget(widget), LastNormal(widget.geometry())
{
    Widget.installEventFilter(this);
}

void TopLevelPlacement::Place(int x, int y, int w, int h)
{
    const QRect bounded = ToQRect(BoundPlacement(x, y, w, h, DesktopSize(Widget)));
    // Until the window manager has framed the window, its frame's size is
    // unknown; the placement is applied again when it is.
    Pending = Framed(Widget) ? std::nullopt : std::optional<QRect>(bounded);
    Apply(bounded);
    if (InNormalState(Widget))
        LastNormal = bounded;
}

void TopLevelPlacement::Apply(const QRect& frame)
{
    const QMargins m = FrameMargins(Widget);
    Widget.move(frame.topLeft());
    Widget.resize(std::max(1, frame.width() - m.left() - m.right()), std::max(1, frame.height() - m.top() - m.bottom()));
}

// The window manager frames a window after it is shown without an event of
// its own; by the first paint of the framed window the frame is known.
bool TopLevelPlacement::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &Widget &&
        (event->type() == QEvent::Move || event->type() == QEvent::Resize ||
         event->type() == QEvent::WindowStateChange || event->type() == QEvent::Paint))
        GeometryChanged();
    return false;
}

void TopLevelPlacement::GeometryChanged()
{
    if (Pending && Framed(Widget)) {
        const QRect frame = *Pending;
        Pending.reset();
        Apply(frame);
        return;
    }
    if (InNormalState(Widget))
        LastNormal = Widget.frameGeometry();
}
