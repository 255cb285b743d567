// The application's idle pass while typing in a large document: after each
// keystroke the tool bar's thirteen buttons and the status bar's two panes
// ask the command route for their state (what the program does every time
// its queue runs empty).
#include "bench/BenchCases.h"

#include "app/WendApp.h"
#include "bench/BenchEditor.h"
#include "bench/Measure.h"
#include "core/HugeEdit.h"
#include "framework/Frame.h"
#include "framework/qt/LockKeys.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

int RunIdleCase(const std::string& file, const std::string& scratchDir)
{
    // The program's own settings stay untouched.
    setenv("HOME", scratchDir.c_str(), 1);
    setenv("XDG_CONFIG_HOME", scratchDir.c_str(), 1);
    int argc = 1;
    char name[] = "vantor";
    char* argv[] = {name, nullptr};
    TWendApp app(argc, argv);
    app.InitInstance();
    app.GetMainWindow()->SetWindowPos(0, 0, 1000, 800);
    Settle();
    app.Editor->Open(file);
    app.Editor->MoveDocumentEnd();
    Settle(30);
    Report("idle_rows", app.Editor->GetNumLines());

    for (int i = 0; i < 200; ++i) {
        app.Editor->SendMessage(WM_CHAR, i % 10 == 9 ? ' ' : 'x');
        TStopwatch watch;
        app.IdleAction(0);
        Report("idle_pass_us", watch.Millis() * 1000.0);
    }

    // The lock keys' states cost one request to the X server, made after a
    // key event (none on the offscreen platform).
    constexpr int reads = 200;
    TStopwatch locks;
    for (int i = 0; i < reads; ++i)
        LockKeys::Read();
    Report("lock_read_us", locks.Millis() * 1000.0 / reads);
    std::fflush(stdout);
    app.Editor->Modified = false;  // no save question on the way out
    return 0;
}
