// Programs of the desktop (mail composer, browser, help viewer) started
// directly, never through a shell: each argument reaches the program
// exactly as given, whatever characters it holds.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace ChildProcess {

// The full path of an executable file that PATH names, looked up now;
// empty when there is none. A name holding '/' is a path of its own.
std::string FindOnPath(const std::string& name);

// The longest single argument a started program can receive, in bytes.
size_t MaxArgumentLength();

// Whether the arguments can reach a started program: none holds a null
// character, each fits the kernel's limit for one argument, and together
// with the environment they fit its limit for all of them.
bool ArgumentsFit(const std::vector<std::string>& args);

// Starts path with args (argv[0] is path) in a process group of its own,
// so a Ctrl+C meant for the editor's terminal leaves it alone. Standard
// input is stdinFd, or /dev/null when it is -1. When stdoutFd is given, the
// program's output goes there and its complaints to /dev/null: its output
// is read, not shown. Returns the process id, or -1 when the program could
// not be started.
int Start(const std::string& path, const std::vector<std::string>& args, int stdinFd = -1, int stdoutFd = -1);

// The exit code a wait status stands for; -1 when a signal ended it.
int ExitCodeOf(int waitStatus);

}  // namespace ChildProcess
