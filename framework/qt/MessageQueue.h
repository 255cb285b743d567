// The program's own queue of posted messages. The first message into an
// empty queue wakes Qt's loop with one posted event; a message identical to
// one still waiting is not queued twice (the loader posts WM_ENTERIDLE once
// per screenful).
#pragma once

#include "framework/Window.h"

#include <QObject>

#include <deque>

class MessageQueue : public QObject {
public:
    void Post(const TMsg& msg);
    // Dispatches the messages waiting now; those they post wait for the
    // next round, so a message that posts itself cannot starve Qt's events.
    void DispatchWaiting();
    // The window goes away: its messages are dropped.
    void Drop(const TWindow& window);
    bool IsEmpty() const { return Waiting.empty(); }

protected:
    bool event(QEvent* event) override;

private:
    std::deque<TMsg> Waiting;
    bool WakePosted = false;

    void Wake();
};
