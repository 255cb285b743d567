// The benchmark's generated inputs: log-like lines of 20 to 140 printable
// characters (LF or CR LF), the same with the word "zebra" in front of
// every twelfth line (about 100,000 in 100 MiB, for Replace All), and
// paragraphs of 2,000 characters for wrapping, and one line of words
// without any line end (for the longest rows).
#pragma once

#include <cstdint>
#include <string>

enum class TInputKind { LogLf, LogCrLf, LogMarked, Paragraphs, OneLine };

// Writes about `bytes` bytes of the kind to path (reused when it exists
// with the right size).
void MakeInputFile(const std::string& path, TInputKind kind, int64_t bytes);
