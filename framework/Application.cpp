#include "framework/Application.h"

#include "framework/CommandRoute.h"
#include "framework/Dialogs.h"
#include "framework/Frame.h"
#include "framework/Platform.h"

namespace {

// The one live application; only its own constructor and destructor set it.
TApplication* CurrentApplication = nullptr;

std::string JoinArguments(int argc, char** argv)
{
    std::string line;
    for (int i = 1; i < argc; ++i) {
        if (i > 1)
            line += ' ';
        line += argv[i];
    }
    return line;
}

bool IsInside(const TWindow* window, const TWindow* ancestor)
{
    for (; window; window = window->GetParent())
        if (window == ancestor)
            return true;
    return false;
}

bool IsKeyDown(int virtualKey) { return Platform::GetKeyState(virtualKey) < 0; }

}  // namespace

TApplication::TApplication(const std::string& name, int& argc, char** argv) : Name(name)
{
    Platform::Initialise(argc, argv);
    CmdLine = JoinArguments(argc, argv);
    CurrentApplication = this;
}

TApplication::~TApplication()
{
    DestroyMainWindow();
    Platform::Shutdown();
    if (CurrentApplication == this)
        CurrentApplication = nullptr;
}

TApplication* TApplication::Current() { return CurrentApplication; }

int TApplication::Run()
{
    InitInstance();
    const int exitCode = Platform::RunMessageLoop(*this);
    DestroyMainWindow();
    return exitCode;
}

void TApplication::SetMainWindow(std::unique_ptr<TFrameWindow> window) { MainWindow = std::move(window); }

void TApplication::DestroyMainWindow() { MainWindow.reset(); }

void TApplication::PumpWaitingMessages() { Platform::PumpWaitingMessages(); }

void TApplication::InitMainWindow()
{
    if (!MainWindow)
        SetMainWindow(std::make_unique<TFrameWindow>(nullptr, Name, nullptr));
}

void TApplication::InitInstance()
{
    InitMainWindow();
    if (!MainWindow)
        return;
    MainWindow->Create();
    MainWindow->Show(CmdShow);
}

bool TApplication::CanClose() { return !MainWindow || MainWindow->CanClose(); }

bool TApplication::IdleAction(long idleCount)
{
    if (MainWindow)
        MainWindow->IdleAction(idleCount);
    return false;
}

// Accelerators are translated before the window sees the key; a key whose
// command is disabled is swallowed and does nothing.
bool TApplication::ProcessAppMsg(const TMsg& msg)
{
    if (msg.Message != WM_KEYDOWN && msg.Message != WM_SYSKEYDOWN)
        return false;
    const TAcceleratorTable* table = MainWindow ? MainWindow->GetAccelerators() : nullptr;
    if (!table || !IsInside(msg.Window, MainWindow.get()))
        return false;
    const unsigned id = table->Find(unsigned(msg.WParam), IsKeyDown(VK_CONTROL), IsKeyDown(VK_MENU), IsKeyDown(VK_SHIFT));
    if (!id)
        return false;
    TCommandEnabler enabler(id);
    RouteEnable(enabler);
    if (enabler.IsEnabled())
        RouteCommand(id);
    return true;
}

bool TApplication::EvCommand(unsigned id)
{
    if (id != CM_EXIT)
        return false;
    CloseMainWindow();
    return true;
}

bool TApplication::HasCommandHandler(unsigned id) const { return id == CM_EXIT; }

bool TApplication::EvCommandEnable(TCommandEnabler& enabler) { return false; }

intptr_t TApplication::EvAppMessage(const TMsg& msg) { return 0; }

void TApplication::HandleError(const std::exception& error)
{
    MessageBox(MainWindow.get(), error.what(), Name, MB_OK | MB_ICONSTOP);
}

TWindow* TApplication::RouteStart() const { return MainWindow ? MainWindow->CommandTarget() : nullptr; }

bool TApplication::RouteCommand(unsigned id) { return TCommandRoute(RouteStart(), this).Run(id); }

void TApplication::RouteEnable(TCommandEnabler& enabler) { TCommandRoute(RouteStart(), this).Enable(enabler); }

void TApplication::CloseMainWindow()
{
    if (!CanClose())
        return;
    DestroyMainWindow();
    Platform::QuitMessageLoop(0);
}
