// Writing rows as a text file: each row exactly as stored, every line feed
// written as carriage return and line feed, nothing else converted.
#pragma once

#include "core/LineArray.h"

#include <cstddef>
#include <string>

// A buffered byte sink that turns each line feed into CR LF.
class TTextOutput {
public:
    virtual ~TTextOutput() = default;
    // False once a write failed.
    virtual bool Write(const char* data, size_t n) = 0;
};

// Writes every row to output; false when a write failed.
bool WriteRows(const THELineArray& lines, TTextOutput& output, bool crlf = true);

// Saves rows to path without ever destroying the old file: the text goes to
// a temporary file in the same folder, is flushed to disk and renamed over
// the target (keeping its permissions; a symbolic link is followed). On
// failure the old file is untouched and errorText says why.
bool SaveRowsToFile(const THELineArray& lines, const std::string& path, std::string& errorText);

// Copies the text (line ends as single line feeds) into buffer of size
// characters and terminates it; returns the characters written before the
// terminator. Text that does not fit is cut.
size_t CopyRowsToBuffer(const THELineArray& lines, char* buffer, size_t size);
