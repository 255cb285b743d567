// What GetKeyState reports: an application-wide event filter follows the
// keys going down and up, and the modifiers and mouse buttons of every
// input event, so the state is that of the event being handled, as with
// the window system's queue. The Insert toggle is kept here since X11 has
// no Insert lock. Caps Lock's and Num Lock's toggles are the X server's,
// asked again after one of those keys or an activation.
#pragma once

#include "framework/qt/LockKeys.h"

#include <QObject>

#include <bitset>
#include <cstdint>

class KeyboardState : public QObject {
public:
    KeyboardState();
    ~KeyboardState() override;

    int16_t State(int virtualKey) const;
    // Flipped at every Insert key press, before the key is dispatched.
    void ToggleInsert() { InsertToggled = !InsertToggled; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::bitset<256> Down;
    bool InsertToggled = false;
    mutable LockKeys::TState Locks;
    mutable bool LocksStale = true;

    void Follow(const QEvent& event);
    bool Locked(int virtualKey) const;
};
