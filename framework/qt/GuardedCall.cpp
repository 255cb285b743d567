#include "framework/qt/GuardedCall.h"

#include "framework/Application.h"

#include <QtGlobal>

void ReportHandlerError(const std::exception& error)
{
    if (TApplication* app = TApplication::Current())
        app->HandleError(error);
    else
        qWarning("Unhandled error: %s", error.what());
}
