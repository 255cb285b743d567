// Runs program code from a toolkit callback that does not come through
// DispatchMsg (painting, menu commands, the session's end): an exception
// must not cross Qt's event loop, so it goes to the application's handler.
#pragma once

#include <exception>

void ReportHandlerError(const std::exception& error);

template <class TCall>
void GuardedCall(TCall&& call)
{
    try {
        call();
    } catch (const std::exception& error) {
        ReportHandlerError(error);
    }
}
