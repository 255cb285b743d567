#include "framework/qt/KeyboardState.h"

#include "framework/Types.h"
#include "framework/qt/KeyTranslation.h"

#include <QCoreApplication>
#include <QEventPoint>
#include <QKeyEvent>

namespace {

// The mouse buttons' virtual keys.
enum : unsigned { VK_LBUTTON = 1, VK_RBUTTON = 2, VK_MBUTTON = 4 };

}  // namespace

KeyboardState::KeyboardState() { QCoreApplication::instance()->installEventFilter(this); }

KeyboardState::~KeyboardState()
{
    if (QCoreApplication* app = QCoreApplication::instance())
        app->removeEventFilter(this);
}

int16_t KeyboardState::State(int virtualKey) const
{
    if (virtualKey < 0 || virtualKey >= int(Down.size()))
        return 0;
    const bool down = Down.test(size_t(virtualKey));
    const bool toggled = virtualKey == int(VK_INSERT) ? InsertToggled : Locked(virtualKey);
    return int16_t((down ? 0x8000u : 0u) | (toggled ? 1u : 0u));
}

bool KeyboardState::Locked(int virtualKey) const
{
    if (virtualKey != int(VK_CAPITAL) && virtualKey != int(VK_NUMLOCK))
        return false;
    if (LocksStale) {
        Locks = LockKeys::Read().value_or(LockKeys::TState{});
        LocksStale = false;
    }
    return virtualKey == int(VK_CAPITAL) ? Locks.Caps : Locks.Num;
}

bool KeyboardState::eventFilter(QObject* watched, QEvent* event)
{
    Follow(*event);
    return QObject::eventFilter(watched, event);
}

void KeyboardState::Follow(const QEvent& event)
{
    const QEvent::Type type = event.type();
    // Keys released while another program had the keyboard (a help viewer
    // raised by F1) never report it: nothing counts as held any more.
    if (type == QEvent::ApplicationDeactivate) {
        Down.reset();
        return;
    }
    const bool key = type == QEvent::KeyPress || type == QEvent::KeyRelease;
    // A lock changes with its own key, or while another program has the
    // keyboard; other keys cost no request to the server.
    if (type == QEvent::WindowActivate || type == QEvent::ApplicationStateChange)
        LocksStale = true;
    if (key) {
        const int qtKey = static_cast<const QKeyEvent&>(event).key();
        if (qtKey == Qt::Key_CapsLock || qtKey == Qt::Key_NumLock)
            LocksStale = true;
    }
    const bool pointer = type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease ||
                         type == QEvent::MouseMove || type == QEvent::MouseButtonDblClick || type == QEvent::Wheel;
    if (!key && !pointer)
        return;
    const Qt::KeyboardModifiers modifiers = static_cast<const QInputEvent&>(event).modifiers();
    Down.set(VK_SHIFT, modifiers & Qt::ShiftModifier);
    Down.set(VK_CONTROL, modifiers & Qt::ControlModifier);
    Down.set(VK_MENU, modifiers & Qt::AltModifier);
    if (!key) {
        const Qt::MouseButtons buttons = static_cast<const QSinglePointEvent&>(event).buttons();
        Down.set(VK_LBUTTON, buttons & Qt::LeftButton);
        Down.set(VK_RBUTTON, buttons & Qt::RightButton);
        Down.set(VK_MBUTTON, buttons & Qt::MiddleButton);
        return;
    }
    // The modifier keys' own events may carry the state from before them.
    const auto& k = static_cast<const QKeyEvent&>(event);
    const unsigned vk = KeyTranslation::VirtualKey(k.key());
    if (vk != 0 && vk < Down.size() && !(type == QEvent::KeyRelease && k.isAutoRepeat()))
        Down.set(vk, type == QEvent::KeyPress);
}
