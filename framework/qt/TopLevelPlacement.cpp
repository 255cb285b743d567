#include "framework/qt/TopLevelPlacement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace {

// Window positions travel as 16-bit numbers; this leaves room for a frame.
constexpr int MaxCoordinate = 30000;

QMargins FrameMargins(const QWidget& widget)
{
    const QRect outer = widget.frameGeometry();
    const QRect inner = widget.geometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

bool Framed(const QWidget& widget) { return !FrameMargins(widget).isNull(); }

// As the window system does, a window is never larger than the desktop
// (a size beyond it would only cost memory) nor smaller than one pixel.
QSize LargestSize(const QWidget& widget)
{
    const QScreen* screen = widget.screen() ? widget.screen() : QGuiApplication::primaryScreen();
    return screen ? screen->virtualGeometry().size() : QSize(MaxCoordinate, MaxCoordinate);
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
    const QSize largest = LargestSize(Widget);
    const QRect bounded(std::clamp(x, -MaxCoordinate, MaxCoordinate), std::clamp(y, -MaxCoordinate, MaxCoordinate),
                        std::clamp(w, 1, std::max(1, largest.width())), std::clamp(h, 1, std::max(1, largest.height())));
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
