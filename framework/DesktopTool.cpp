#include "framework/DesktopTool.h"

#include "framework/ChildProcess.h"
#include "framework/FileDescriptor.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <thread>

namespace DesktopTool {
namespace {

using TClock = std::chrono::steady_clock;

int MillisecondsLeft(TClock::time_point deadline)
{
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - TClock::now()).count();
    return left > 0 ? int(left) : 0;
}

// Reads until the tool closes its output or the time is up; false then.
bool ReadAll(int fd, TClock::time_point deadline, std::string& output)
{
    char block[4096];
    for (;;) {
        pollfd wait{fd, POLLIN, 0};
        const int ready = poll(&wait, 1, MillisecondsLeft(deadline));
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0)
            return false;
        const ssize_t got = read(fd, block, sizeof block);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return got == 0;
        const size_t room = MaxOutput - std::min(MaxOutput, output.size());
        output.append(block, std::min(size_t(got), room));
    }
}

// The tool's exit status once it has ended; none when the time ran out.
std::optional<int> WaitEnd(int pid, TClock::time_point deadline)
{
    for (;;) {
        int status = 0;
        const pid_t ended = waitpid(pid, &status, WNOHANG);
        if (ended == pid)
            return status;
        if (ended < 0 && errno != EINTR)
            return std::nullopt;
        if (TClock::now() >= deadline)
            return std::nullopt;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

}  // namespace

std::optional<std::string> Output(const std::string& name, const std::vector<std::string>& args, int timeoutMs)
{
    const std::string path = ChildProcess::FindOnPath(name);
    int ends[2];
    if (path.empty() || !ChildProcess::ArgumentsFit(args) || pipe2(ends, O_CLOEXEC) != 0)
        return std::nullopt;
    TFd readEnd(ends[0]), writeEnd(ends[1]);
    const int pid = ChildProcess::Start(path, args, -1, writeEnd.Get());
    writeEnd.Close();
    if (pid < 0)
        return std::nullopt;
    const TClock::time_point deadline = TClock::now() + std::chrono::milliseconds(timeoutMs);
    std::string output;
    const bool read = ReadAll(readEnd.Get(), deadline, output);
    const std::optional<int> status = read ? WaitEnd(pid, deadline) : std::nullopt;
    if (!status) {
        // The tool has a process group of its own: whatever it started goes too.
        kill(-pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        return std::nullopt;
    }
    return ChildProcess::ExitCodeOf(*status) == 0 ? std::optional<std::string>(std::move(output)) : std::nullopt;
}

bool Run(const std::string& name, const std::vector<std::string>& args, int timeoutMs)
{
    return Output(name, args, timeoutMs).has_value();
}

}  // namespace DesktopTool
