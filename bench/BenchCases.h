// The measured operations, each run in a process of its own so that its
// peak memory is its own. A case prints "key value" lines.
#pragma once

#include <string>

// full: load, memory, save, typing at the end, find, Clear All and Undo,
// paint; load: load and save only; wrap: word wrap on and off; replace:
// Replace All of a word on about one line in twelve.
int RunBenchCase(const std::string& kind, const std::string& file, const std::string& scratchDir, int& argc,
                 char** argv);
