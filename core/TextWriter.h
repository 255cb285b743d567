// Writing rows as a text file: each row exactly as stored, every line feed
// written as carriage return and line feed, nothing else converted (a NUL
// character is written as a NUL character).
#pragma once

#include "core/LineArray.h"

#include <cstddef>
#include <string>
#include <string_view>

// A byte sink. WriteRows hands it large blocks whose line ends are
// converted already.
class TTextOutput {
public:
    virtual ~TTextOutput() = default;
    // False once a write failed.
    virtual bool Write(const char* data, size_t n) = 0;
};

// Writes to an open descriptor, which stays the caller's.
class TDescriptorOutput : public TTextOutput {
public:
    explicit TDescriptorOutput(int fd) : Fd(fd) {}
    bool Write(const char* data, size_t n) override;
    // The errno of the failed write, or 0.
    int Error() const { return Errno; }

private:
    int Fd;
    int Errno = 0;
};

// Collects the bytes in a string.
class TStringOutput : public TTextOutput {
public:
    bool Write(const char* data, size_t n) override
    {
        Text.append(data, n);
        return true;
    }
    std::string Text;
};

// Writes every row to output; false when a write failed. With crlf false
// line feeds are written as they are.
bool WriteRows(const THELineArray& lines, TTextOutput& output, bool crlf = true);


// Copies the text (line ends as single line feeds) into buffer of size
// characters and terminates it; returns the characters written before the
// terminator. Text that does not fit is cut; nothing is written when size
// is 0.
size_t CopyRowsToBuffer(const THELineArray& lines, char* buffer, size_t size);
