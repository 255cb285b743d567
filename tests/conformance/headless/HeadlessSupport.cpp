#include "tests/conformance/ConformanceSupport.h"

#include "framework/headless/HeadlessDesktop.h"

// The headless desktop waits for its children only when asked.
bool RunUntil(const std::function<bool()>& done)
{
    THeadlessDesktop::Current().Services().WaitForChildren();
    THeadlessDesktop::Current().PumpWaitingMessages();
    return done();
}
