#include "framework/qt/WindowActivation.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace {

bool IsOwnWindow(const QWidget& widget)
{
    const Qt::WindowType type = widget.windowType();
    return widget.isWindow() && (type == Qt::Window || type == Qt::Dialog);
}

// Activation waits for the event loop; the toolkit defers it further until
// the window system has mapped the window.
void ActivateSoon(QWidget& window)
{
    QTimer::singleShot(0, &window, [w = &window] {
        if (w->isVisible())
            RaiseAndActivate(*w);
    });
}

}  // namespace

void RaiseAndActivate(QWidget& window)
{
    window.raise();
    window.activateWindow();
}

WindowActivation::WindowActivation() { QCoreApplication::instance()->installEventFilter(this); }

WindowActivation::~WindowActivation()
{
    if (QCoreApplication* app = QCoreApplication::instance())
        app->removeEventFilter(this);
}

bool WindowActivation::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::Show && type != QEvent::Hide)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || !IsOwnWindow(*widget))
        return false;
    if (type == QEvent::Show)
        ActivateSoon(*widget);
    else if (QWidget* owner = widget->parentWidget())
        ActivateSoon(*owner->window());
    return false;
}
