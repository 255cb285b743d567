// What GetKeyState reports: an application-wide event filter follows the
// keys going down and up, and the modifiers and mouse buttons of every
// input event, so the state is that of the event being handled, as with
// the window system's queue. The Insert toggle is kept here since X11 has
// no Insert lock.
#pragma once

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

    void Follow(const QEvent& event);
};
