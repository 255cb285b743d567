// The running program's own executable file, as the kernel reports it
// (/proc/self/exe): a full path with every symbolic link resolved.
#pragma once

#include <string>

// Empty when the kernel does not say.
std::string ProgramFile();
