// The Platform services for Qt; each hands over to the layer's application
// object.
#include "framework/Frame.h"
#include "framework/Platform.h"
#include "framework/qt/ChildWindowPeer.h"
#include "framework/qt/FrameWindowPeer.h"
#include "framework/qt/PlatformContext.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>

#include <chrono>
#include <cmath>

namespace Platform {

void Initialise(int& argc, char** argv) { PlatformContext::Start(argc, argv); }

void Shutdown() { PlatformContext::Stop(); }

// Frames are top-level windows with a menu bar; every other window is a
// client area with its scroll bars.
std::unique_ptr<TWindowPeer> CreateWindowPeer(TWindow& window)
{
    PlatformContext::Get();
    if (auto* frame = dynamic_cast<TFrameWindow*>(&window))
        return std::make_unique<FrameWindowPeer>(*frame);
    return std::make_unique<ChildWindowPeer>(window);
}

void PostMessage(const TMsg& msg) { PlatformContext::Get().Queue().Post(msg); }

void PumpWaitingMessages() { PlatformContext::Get().Loop().PumpWaiting(); }

void WaitAndDispatch(int timeoutMs) { PlatformContext::Get().Loop().WaitAndDispatch(timeoutMs); }

int64_t TickCount()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

int RunMessageLoop(TApplication& app) { return PlatformContext::Get().Loop().Run(app); }

void QuitMessageLoop(int exitCode) { PlatformContext::Get().Loop().Quit(exitCode); }

int16_t GetKeyState(int virtualKey) { return PlatformContext::Get().Keys().State(virtualKey); }

TPoint GetCursorPos()
{
    const QPoint p = QCursor::pos();
    return TPoint{p.x(), p.y()};
}

int ScreenLogPixelsY()
{
    PlatformContext::Get();
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? int(std::lround(screen->logicalDotsPerInchY())) : 96;
}

}  // namespace Platform
