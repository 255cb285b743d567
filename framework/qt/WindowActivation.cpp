#include "framework/qt/WindowActivation.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace {

// Activation waits until the window is shown; the toolkit defers it further
// until the window system has mapped it.
class ActivateOnShow : public QObject {
public:
    explicit ActivateOnShow(QWidget& window) : QObject(&window) { window.installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show)
            if (auto* window = qobject_cast<QWidget*>(watched))
                QTimer::singleShot(0, window, [window] { RaiseAndActivate(*window); });
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

void RaiseAndActivate(QWidget& window)
{
    window.raise();
    window.activateWindow();
}

void ActivateWhenShown(QWidget& window) { new ActivateOnShow(window); }
