#include "framework/ChildProcess.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

extern char** environ;

namespace ChildProcess {
namespace {

bool IsExecutableFile(const std::string& path)
{
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && access(path.c_str(), X_OK) == 0;
}

size_t EnvironmentBytes()
{
    size_t total = 0;
    for (char** e = environ; e && *e; ++e)
        total += std::strlen(*e) + 1 + sizeof(char*);
    return total;
}

// Owns the spawn attributes and file actions for the length of one start.
class TSpawnSetup {
public:
    TSpawnSetup()
    {
        posix_spawnattr_init(&Attr);
        posix_spawn_file_actions_init(&Actions);
    }
    ~TSpawnSetup()
    {
        posix_spawn_file_actions_destroy(&Actions);
        posix_spawnattr_destroy(&Attr);
    }
    TSpawnSetup(const TSpawnSetup&) = delete;
    TSpawnSetup& operator=(const TSpawnSetup&) = delete;

    posix_spawnattr_t Attr;
    posix_spawn_file_actions_t Actions;
};

}  // namespace

// Linux refuses an argument of 32 pages or more with its null (MAX_ARG_STRLEN).
size_t MaxArgumentLength() { return size_t(sysconf(_SC_PAGESIZE)) * 32 - 1; }

std::string FindOnPath(const std::string& name)
{
    if (name.empty())
        return {};
    if (name.find('/') != std::string::npos)
        return IsExecutableFile(name) ? name : std::string();
    const char* path = std::getenv("PATH");
    const std::string dirs = path ? path : "/usr/local/bin:/usr/bin:/bin";
    size_t start = 0;
    while (start <= dirs.size()) {
        size_t end = dirs.find(':', start);
        if (end == std::string::npos)
            end = dirs.size();
        // An empty entry stands for the current folder.
        const std::string dir = end > start ? dirs.substr(start, end - start) : ".";
        const std::string candidate = dir + "/" + name;
        if (IsExecutableFile(candidate))
            return candidate;
        start = end + 1;
    }
    return {};
}

bool ArgumentsFit(const std::vector<std::string>& args)
{
    const size_t perArgument = MaxArgumentLength() + 1;
    size_t total = EnvironmentBytes();
    for (const std::string& a : args) {
        if (a.find('\0') != std::string::npos || a.size() + 1 > perArgument)
            return false;
        total += a.size() + 1 + sizeof(char*);
    }
    const long limit = sysconf(_SC_ARG_MAX);
    // Room for the program's path and the kernel's own bookkeeping.
    const size_t reserve = 4096;
    return limit <= 0 || total + reserve <= size_t(limit);
}

int Start(const std::string& path, const std::vector<std::string>& args, int stdinFd, int stdoutFd)
{
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(path.c_str()));
    for (const std::string& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);

    TSpawnSetup setup;
    sigset_t none, defaults;
    sigemptyset(&none);
    sigemptyset(&defaults);
    sigaddset(&defaults, SIGPIPE);
    sigaddset(&defaults, SIGINT);
    sigaddset(&defaults, SIGCHLD);
    posix_spawnattr_setsigmask(&setup.Attr, &none);
    posix_spawnattr_setsigdefault(&setup.Attr, &defaults);
    posix_spawnattr_setpgroup(&setup.Attr, 0);
    posix_spawnattr_setflags(&setup.Attr, POSIX_SPAWN_SETPGROUP | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
    if (stdinFd >= 0)
        posix_spawn_file_actions_adddup2(&setup.Actions, stdinFd, STDIN_FILENO);
    else
        posix_spawn_file_actions_addopen(&setup.Actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    if (stdoutFd >= 0) {
        posix_spawn_file_actions_adddup2(&setup.Actions, stdoutFd, STDOUT_FILENO);
        posix_spawn_file_actions_addopen(&setup.Actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    }

    pid_t pid = -1;
    if (posix_spawn(&pid, path.c_str(), &setup.Actions, &setup.Attr, argv.data(), environ) != 0)
        return -1;
    return pid;
}

int ExitCodeOf(int waitStatus) { return WIFEXITED(waitStatus) ? WEXITSTATUS(waitStatus) : -1; }

}  // namespace ChildProcess
