#include "framework/qt/MouseInput.h"

#include "framework/Platform.h"

#include <QMouseEvent>
#include <QWheelEvent>

#include <cstdlib>

namespace MouseInput {
namespace {

constexpr int AnglePerNotch = 120;  // eighths of a degree, as Qt counts
constexpr int LinesPerNotch = 3;

unsigned ModKeys(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers)
{
    unsigned keys = 0;
    if (buttons & Qt::LeftButton)
        keys |= MK_LBUTTON;
    if (buttons & Qt::RightButton)
        keys |= MK_RBUTTON;
    if (modifiers & Qt::ShiftModifier)
        keys |= MK_SHIFT;
    if (modifiers & Qt::ControlModifier)
        keys |= MK_CONTROL;
    return keys;
}

}  // namespace

void Send(const InputTarget& target, unsigned message, const QMouseEvent& event)
{
    TWindow* window = target.TargetWindow();
    if (!window)
        return;
    const QPoint p = event.position().toPoint();
    DispatchMsg(TMsg{window, message, ModKeys(event.buttons(), event.modifiers()), intptr_t(MakeLParam(p.x(), p.y()))});
}

void ContextMenu(const InputTarget& target, QPoint screenPos)
{
    if (TWindow* window = target.TargetWindow())
        DispatchMsg(TMsg{window, WM_CONTEXTMENU, 0, intptr_t(MakeLParam(screenPos.x(), screenPos.y()))});
}

void WheelSteps::Send(const InputTarget& target, const QWheelEvent& event)
{
    Remainder += event.angleDelta();
    // Whole notches only (QPoint's division would round).
    const QPoint notches(Remainder.x() / AnglePerNotch, Remainder.y() / AnglePerNotch);
    Remainder -= notches * AnglePerNotch;
    // Turning the wheel away from the user scrolls up (or left).
    Scroll(target, WM_VSCROLL, notches.y());
    Scroll(target, WM_HSCROLL, notches.x());
}

void WheelSteps::Scroll(const InputTarget& target, unsigned message, int notches)
{
    if (notches == 0)
        return;
    const unsigned code = notches > 0 ? SB_LINEUP : SB_LINEDOWN;
    for (int i = 0; i < std::abs(notches) * LinesPerNotch; ++i) {
        TWindow* window = target.TargetWindow();
        if (!window)
            return;
        DispatchMsg(TMsg{window, message, code, 0});
    }
    if (TWindow* window = target.TargetWindow())
        DispatchMsg(TMsg{window, message, SB_ENDSCROLL, 0});
}

}  // namespace MouseInput
