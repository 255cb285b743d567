#include "tests/conformance/ConformanceSupport.h"

#include "framework/Platform.h"

#include <QCoreApplication>
#include <QDeadlineTimer>

bool RunUntil(const std::function<bool()>& done)
{
    Platform::PumpWaitingMessages();
    QDeadlineTimer limit(10000);
    while (!done() && !limit.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    return done();
}
