#include "framework/qt/SessionEnd.h"

#include "framework/Application.h"
#include "framework/Frame.h"
#include "framework/qt/GuardedCall.h"

#include <QGuiApplication>
#include <QSessionManager>

namespace {

void AskToEnd(QSessionManager& manager)
{
    TApplication* app = TApplication::Current();
    if (!app || !app->GetMainWindow())
        return;
    // Asking for interaction lets the close test show its save question.
    manager.allowsInteraction();
    GuardedCall([app] { app->CloseMainWindow(); });
    if (app->GetMainWindow())
        manager.cancel();
}

}  // namespace

std::unique_ptr<QObject> WatchSessionEnd()
{
    auto watch = std::make_unique<QObject>();
    if (auto* gui = qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        QObject::connect(gui, &QGuiApplication::commitDataRequest, watch.get(), &AskToEnd, Qt::DirectConnection);
    return watch;
}
