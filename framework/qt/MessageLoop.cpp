#include "framework/qt/MessageLoop.h"

#include "framework/Application.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QTimer>

#include <algorithm>
#include <ctime>
#include <exception>
#include <utility>

namespace {

// A monotonic clock read from the vDSO without a system call; its few
// milliseconds of resolution are plenty for pacing the pump.
int64_t CoarseMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC_COARSE, &now);
    return int64_t(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

// Counts a level of waiting for as long as it lives.
class DepthGuard {
public:
    explicit DepthGuard(int& depth) : Depth(depth) { ++Depth; }
    ~DepthGuard() { --Depth; }
    DepthGuard(const DepthGuard&) = delete;
    DepthGuard& operator=(const DepthGuard&) = delete;

private:
    int& Depth;
};

}  // namespace

MessageLoop::MessageLoop(MessageQueue& queue) : Queue(queue) {}

void MessageLoop::PumpWaiting()
{
    const int64_t now = CoarseMilliseconds();
    if (now - LastLook < LookIntervalMs)
        return;
    LastLook = now;
    PumpNow();
}

void MessageLoop::PumpNow()
{
    DepthGuard waiting(WaitDepth);
    Queue.DispatchWaiting();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void MessageLoop::WaitAndDispatch(int timeoutMs)
{
    DepthGuard waiting(WaitDepth);
    Queue.DispatchWaiting();
    // The timer's event ends the wait when nothing else arrives.
    QTimer limit;
    limit.setSingleShot(true);
    limit.start(std::max(timeoutMs, 0));
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

int MessageLoop::Run(TApplication& app)
{
    if (PendingQuit)
        return *std::exchange(PendingQuit, std::nullopt);
    QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance();
    const QMetaObject::Connection idle =
        connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this, &MessageLoop::AboutToBlock);
    IdleApp = &app;
    Running = true;
    const int exitCode = QApplication::exec();
    Running = false;
    IdleApp = nullptr;
    disconnect(idle);
    return exitCode;
}

// A quit asked for before the loop runs ends the loop as soon as it starts,
// as a quit message waiting in the queue would.
void MessageLoop::Quit(int exitCode)
{
    if (Running)
        QCoreApplication::exit(exitCode);
    else
        PendingQuit = exitCode;
}

// Idle processing runs while it asks for more, one call per turn of the
// loop, and never inside a pump or a timed wait.
void MessageLoop::AboutToBlock()
{
    if (!IdleApp || InIdle || WaitDepth > 0)
        return;
    InIdle = true;
    if (!MoreIdle)
        IdleCount = 0;
    try {
        MoreIdle = IdleApp->IdleAction(IdleCount);
    } catch (const std::exception& error) {
        MoreIdle = false;
        IdleApp->HandleError(error);
    }
    InIdle = false;
    if (MoreIdle) {
        ++IdleCount;
        QAbstractEventDispatcher::instance()->wakeUp();
    }
}
