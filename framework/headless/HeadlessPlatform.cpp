// The desktop services of Platform.h on the headless desktop.
#include "framework/Platform.h"

#include "framework/headless/HeadlessDesktop.h"
#include "framework/headless/HeadlessMetrics.h"

namespace Platform {

void Initialise(int& argc, char** argv) {}

void Shutdown() {}

std::unique_ptr<TWindowPeer> CreateWindowPeer(TWindow& window)
{
    return std::make_unique<THeadlessPeer>(THeadlessDesktop::Current(), window);
}

void PostMessage(const TMsg& msg) { THeadlessDesktop::Current().Post(msg); }

void PumpWaitingMessages() { THeadlessDesktop::Current().PumpWaitingMessages(); }

void WaitAndDispatch(int timeoutMs) { THeadlessDesktop::Current().WaitAndDispatch(timeoutMs); }

int64_t TickCount() { return THeadlessDesktop::Current().Clock(); }

int RunMessageLoop(TApplication& app) { return THeadlessDesktop::Current().RunMessageLoop(app); }

void QuitMessageLoop(int exitCode) { THeadlessDesktop::Current().QuitMessageLoop(exitCode); }

int16_t GetKeyState(int virtualKey) { return THeadlessDesktop::Current().GetKeyState(virtualKey); }

TPoint GetCursorPos() { return THeadlessDesktop::Current().CursorPos(); }

int ScreenLogPixelsY() { return HeadlessLogPixels; }

}  // namespace Platform
