#include "framework/qt/MessageQueue.h"

#include "framework/Platform.h"
#include "framework/qt/MenuLoop.h"

#include <QCoreApplication>
#include <QEvent>

#include <algorithm>

namespace {

QEvent::Type WakeEventType()
{
    static const auto type = QEvent::Type(QEvent::registerEventType());
    return type;
}

bool SameMessage(const TMsg& a, const TMsg& b)
{
    return a.Window == b.Window && a.Message == b.Message && a.WParam == b.WParam && a.LParam == b.LParam;
}

}  // namespace

void MessageQueue::Post(const TMsg& msg)
{
    if (std::any_of(Waiting.begin(), Waiting.end(), [&msg](const TMsg& m) { return SameMessage(m, msg); }))
        return;
    Waiting.push_back(msg);
    Wake();
}

void MessageQueue::Wake()
{
    if (WakePosted)
        return;
    WakePosted = true;
    QCoreApplication::postEvent(this, new QEvent(WakeEventType()));
}

void MessageQueue::DispatchWaiting()
{
    for (size_t n = Waiting.size(); n > 0 && !Waiting.empty(); --n) {
        const TMsg msg = Waiting.front();
        Waiting.pop_front();
        if (!MenuLoop::DeliverKey(msg))
            DispatchMsg(msg);
    }
    if (!Waiting.empty())
        Wake();
}

void MessageQueue::Drop(const TWindow& window)
{
    std::erase_if(Waiting, [&window](const TMsg& m) { return m.Window == &window; });
}

bool MessageQueue::event(QEvent* event)
{
    if (event->type() != WakeEventType())
        return QObject::event(event);
    WakePosted = false;
    DispatchWaiting();
    return true;
}
