// Replacing a file without ever destroying the old one: the new bytes go to
// a temporary file in the same folder, are flushed to disk and renamed over
// the target (keeping its owner and permissions; a symbolic link is
// followed and the file it names is replaced).
#pragma once

#include <cstddef>
#include <functional>
#include <string>

// Writes all n bytes to the descriptor, going on after interruptions;
// returns 0 or the errno of the write that failed.
int WriteAll(int fd, const char* data, size_t n);

// Fills an open descriptor with the new contents; returns 0 or an errno.
using TFileFiller = std::function<int(int fd)>;

// False when anything failed; the old file is then untouched and
// errorText says what failed and why.
bool ReplaceFile(const std::string& path, const TFileFiller& fill, std::string& errorText);
