#include "framework/qt/ChildWatch.h"

#include "framework/ChildProcess.h"
#include "framework/Platform.h"
#include "framework/qt/GuardedCall.h"
#include "framework/qt/PlatformContext.h"

#include <QCoreApplication>

#include <sys/wait.h>

ChildWatch::ChildWatch(int pid, std::function<void(int)> done, QObject* parent)
    : QObject(parent), Pid(pid), Done(std::move(done))
{
    connect(&Poll, &QTimer::timeout, this, &ChildWatch::Look);
    Poll.start(PollMs);
}

void ChildWatch::Look()
{
    int status = 0;
    const pid_t ended = waitpid(Pid, &status, WNOHANG);
    if (ended == 0)
        return;
    Poll.stop();
    const int code = ended == Pid ? ChildProcess::ExitCodeOf(status) : -1;
    auto done = std::move(Done);
    deleteLater();
    if (done)
        GuardedCall([&] { done(code); });
}

namespace Platform {

void WatchChild(int pid, std::function<void(int exitCode)> done)
{
    PlatformContext::Get();
    new ChildWatch(pid, std::move(done), QCoreApplication::instance());
}

}  // namespace Platform
