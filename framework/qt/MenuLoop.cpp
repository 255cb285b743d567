#include "framework/qt/MenuLoop.h"

#include "framework/Application.h"
#include "framework/Frame.h"
#include "framework/Platform.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPointer>
#include <QTimer>

namespace MenuLoop {
namespace {

int QtKeyOf(uintptr_t virtualKey)
{
    switch (virtualKey) {
    case VK_RETURN: return Qt::Key_Return;
    case VK_ESCAPE: return Qt::Key_Escape;
    case VK_UP: return Qt::Key_Up;
    case VK_DOWN: return Qt::Key_Down;
    case VK_LEFT: return Qt::Key_Left;
    case VK_RIGHT: return Qt::Key_Right;
    default: return 0;
    }
}

// Reports the idle menu loop once the menu has handled the key.
class IdleNotice : public QObject {
public:
    IdleNotice(QMenu& menu, TFrameWindow& frame) : QObject(&menu), Frame(&frame) { menu.installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress) {
            // A key the menu ignores would go on to the window under it;
            // F1 belongs to the menu's loop.
            const bool help = static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1;
            QPointer<QMenu> menu = qobject_cast<QMenu*>(watched);
            QTimer::singleShot(0, this, [this, menu] {
                // The frame may be gone while its menu's widgets linger.
                const TApplication* app = TApplication::Current();
                if (menu && menu->isVisible() && app && app->GetMainWindow() == Frame)
                    DispatchMsg(TMsg{Frame, WM_ENTERIDLE, MSGF_MENU, 0});
            });
            if (help)
                return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    TFrameWindow* Frame;
};

}  // namespace

bool DeliverKey(const TMsg& msg)
{
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    const int key = QtKeyOf(msg.WParam);
    if (!menu || msg.Message != WM_KEYDOWN || !key)
        return false;
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(menu, &press);
    return true;
}

void Watch(QMenu& menu, TFrameWindow& frame) { new IdleNotice(menu, frame); }

}  // namespace MenuLoop
