#include "framework/qt/ScrollBarLink.h"

#include "framework/Platform.h"

#include <QCoreApplication>
#include <QEvent>
#include <QScrollBar>
#include <QSignalBlocker>

#include <algorithm>
#include <utility>

ScrollBarLink::ScrollBarLink(TWindow& window, unsigned message, QScrollBar* bar, QWidget* wheelTarget)
    : Window(window), Message(message), Bar(bar), WheelTarget(wheelTarget)
{
    if (!Bar)
        return;
    Bar->setFocusPolicy(Qt::NoFocus);
    Bar->setContextMenuPolicy(Qt::PreventContextMenu);
    Bar->installEventFilter(this);
    connect(Bar, &QAbstractSlider::actionTriggered, this, &ScrollBarLink::OnAction);
    Apply();
}

void ScrollBarLink::SetRange(int minPos, int maxPos)
{
    Min = minPos;
    Max = std::max(minPos, maxPos);
    Position = std::clamp(Position, Min, Max);
    Apply();
}

void ScrollBarLink::SetPos(int pos)
{
    Position = std::clamp(pos, Min, Max);
    Apply();
}

void ScrollBarLink::SetPage(int page)
{
    Page = std::max(page, 0);
    Apply();
}

// With a page the window system's last position is max - page + 1; an
// empty range leaves the bar disabled (not hidden, so the client area keeps
// its size).
void ScrollBarLink::Apply()
{
    if (!Bar)
        return;
    const QSignalBlocker quiet(Bar);
    Bar->setRange(Min, std::max(Min, Max - std::max(Page - 1, 0)));
    Bar->setPageStep(Page);
    Bar->setValue(Position);
    Bar->setEnabled(Max > Min);
}

// The bar shows what the program set, not where the toolkit would move it.
void ScrollBarLink::Restore()
{
    if (!Bar)
        return;
    const QSignalBlocker quiet(Bar);
    Bar->setValue(Position);
}

bool ScrollBarLink::Send(unsigned code, int thumb)
{
    QPointer<ScrollBarLink> alive(this);
    DispatchMsg(TMsg{&Window, Message, uintptr_t(MakeLParam(int(code), thumb)), 0});
    return !alive.isNull();
}

void ScrollBarLink::OnAction(int action)
{
    unsigned code = 0;
    switch (action) {
    case QAbstractSlider::SliderSingleStepAdd: code = SB_LINEDOWN; break;
    case QAbstractSlider::SliderSingleStepSub: code = SB_LINEUP; break;
    case QAbstractSlider::SliderPageStepAdd: code = SB_PAGEDOWN; break;
    case QAbstractSlider::SliderPageStepSub: code = SB_PAGEUP; break;
    case QAbstractSlider::SliderToMinimum: code = SB_TOP; break;
    case QAbstractSlider::SliderToMaximum: code = SB_BOTTOM; break;
    case QAbstractSlider::SliderMove:
        // The thumb follows the pointer while it is dragged.
        Acted = true;
        Send(SB_THUMBTRACK, Bar->sliderPosition());
        return;
    default: return;
    }
    Acted = true;
    if (Send(code))
        Restore();
}

void ScrollBarLink::OnRelease()
{
    const bool dragged = Bar->isSliderDown();
    const int thumb = Bar->sliderPosition();
    if (!std::exchange(Acted, false))
        return;
    if (dragged && !Send(SB_THUMBPOSITION, thumb))
        return;
    if (Send(SB_ENDSCROLL))
        Restore();
}

bool ScrollBarLink::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress: Acted = false; break;
    case QEvent::MouseButtonRelease: OnRelease(); break;
    case QEvent::Wheel:
        // The wheel scrolls the window by lines, wherever the pointer is.
        if (WheelTarget)
            QCoreApplication::sendEvent(WheelTarget, event);
        return true;
    default: break;
    }
    return QObject::eventFilter(watched, event);
}
