// The measured operations, each run in a process of its own so that its
// peak memory is its own. A case prints "key value" lines.
#pragma once

#include <string>

// full: load, memory, save, typing at the end, find, Clear All and Undo,
// paint; load: load and save only; wrap: word wrap on and off; clipboard:
// Copy of everything and its Paste; replace: Replace All of a word on about
// one line in twelve.
int RunBenchCase(const std::string& kind, const std::string& file, const std::string& scratchDir, int& argc,
                 char** argv);

// idle: the application's idle pass (tool-bar and status-bar enabling)
// after keystrokes in the file.
int RunIdleCase(const std::string& file, const std::string& scratchDir);

class TBenchEditor;
// print: pages 1 to 3 of the file, word wrap on, into a PDF file.
void MeasurePrint(TBenchEditor& edit, const std::string& scratchDir);
