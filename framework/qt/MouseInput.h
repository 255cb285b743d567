// Sends pointer events to a window as the window system's mouse messages:
// client coordinates and MK_ flags, the context menu in screen
// coordinates, and the wheel as three line scrolls per notch.
#pragma once

#include "framework/qt/InputTarget.h"

#include <QPoint>

class QMouseEvent;
class QWheelEvent;

namespace MouseInput {

void Send(const InputTarget& target, unsigned message, const QMouseEvent& event);
void ContextMenu(const InputTarget& target, QPoint screenPos);

// Turns the wheel's angle into notches; a part of a notch is kept in
// remainder for the next event.
class WheelSteps {
public:
    void Send(const InputTarget& target, const QWheelEvent& event);

private:
    QPoint Remainder;

    static void Scroll(const InputTarget& target, unsigned message, int notches);
};

}  // namespace MouseInput
