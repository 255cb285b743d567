#include "framework/ShellOpen.h"

#include "framework/ChildProcess.h"
#include "framework/Platform.h"

bool ShellOpen(const std::string& address, std::function<void(bool opened)> done)
{
    const std::string program = ChildProcess::FindOnPath(OpenProgram);
    const std::vector<std::string> args{address};
    if (program.empty() || !ChildProcess::ArgumentsFit(args))
        return false;
    const int pid = ChildProcess::Start(program, args);
    if (pid < 0)
        return false;
    Platform::WatchChild(pid, [done = std::move(done)](int exitCode) { done(exitCode == 0); });
    return true;
}
