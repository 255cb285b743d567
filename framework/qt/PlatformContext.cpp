#include "framework/qt/PlatformContext.h"

#include "framework/qt/SessionEnd.h"

#include <QEvent>

PlatformContext* PlatformContext::Instance = nullptr;

namespace {

// The arguments of a context made at first use, when the program never
// handed its own.
int DefaultArgc = 1;
char DefaultProgramName[] = "vantor";
char* DefaultArgv[] = {DefaultProgramName, nullptr};

}  // namespace

PlatformContext::PlatformContext(int& argc, char** argv)
{
    if (!QApplication::instance())
        OwnApplication = std::make_unique<QApplication>(argc, argv);
    // The program decides when it ends (TApplication closes its main window).
    QApplication::setQuitOnLastWindowClosed(false);
    Messages = std::make_unique<MessageQueue>();
    Pump = std::make_unique<MessageLoop>(*Messages);
    KeyState = std::make_unique<KeyboardState>();
    SystemCaret = std::make_unique<Caret>();
    ClipboardWatch = std::make_unique<ClipboardState>();
    Activation = std::make_unique<WindowActivation>();
    SessionWatch = WatchSessionEnd();
}

PlatformContext::~PlatformContext()
{
    // Windows whose deletion waited for the loop go before the toolkit.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

PlatformContext& PlatformContext::Get()
{
    if (!Instance)
        Start(DefaultArgc, DefaultArgv);
    return *Instance;
}

void PlatformContext::Start(int& argc, char** argv)
{
    if (!Instance)
        Instance = new PlatformContext(argc, argv);
}

void PlatformContext::Stop()
{
    delete Instance;
    Instance = nullptr;
}

const TFont& PlatformContext::SystemFont()
{
    if (!DefaultFont)
        DefaultFont = std::make_unique<TFont>("System", 16);
    return *DefaultFont;
}
