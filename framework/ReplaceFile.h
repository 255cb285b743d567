// Replacing a file without ever destroying the old one. Normally the new
// bytes go to a temporary file beside the target (named after it,
// ".NAME.vantor-save", so that a write killed midway leaves something
// recognisable, which the next replacement of the same target removes), are
// flushed to disk and renamed over the target, keeping its owner and
// permissions; a symbolic link is followed and the file it names is
// replaced. A target with several hard links, or in a folder where no file
// can be made, is written in place instead, after the new size has been
// reserved, so that a full disk is found before a byte of the old content
// changes. A read-only target is refused.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

// Writes all n bytes to the descriptor, going on after interruptions;
// returns 0 or the errno of the write that failed.
int WriteAll(int fd, const char* data, size_t n);

// Fills an open descriptor, from its start, with the new contents; returns
// 0 or an errno.
using TFileFiller = std::function<int(int fd)>;

// size: how many bytes fill writes (reserved before writing in place).
// False when anything failed; the old file is then untouched (but for a
// failed write in place after the space was reserved) and errorText names
// path and says what failed and why.
bool ReplaceFile(const std::string& path, const TFileFiller& fill, int64_t size, std::string& errorText);

// The temporary file a replacement of target uses.
std::string ReplaceTempPathFor(const std::string& target);
