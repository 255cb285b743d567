// The measured operations, each run in a process of its own so that its
// peak memory is its own. A case prints "key value" lines, a key once per
// sample.
#pragma once

#include <cstdint>
#include <string>

class TBenchEditor;

// load: load, memory, first screenful; write: WriteText and its fsync;
// full: paint, find, progress step, typing at the end; keys-off, keys-on:
// every keystroke kind at three places with word wrap off (on); paste:
// pastes into a wrapped paragraph; wrap: word wrap on and off; clear: Clear
// All and Undo; longline: a file of one line; clipboard: Copy of
// everything and its Paste; replace: Replace All of a word on about one
// line in twelve.
int RunBenchCase(const std::string& kind, const std::string& file, const std::string& scratchDir, int runs, int& argc,
                 char** argv);

// idle: the application's idle pass (tool-bar and status-bar enabling)
// after keystrokes in the file.
int RunIdleCase(const std::string& file, const std::string& scratchDir);

int RunKeystrokeCase(TBenchEditor& edit, bool wrapped, int runs);
int RunPasteCase(TBenchEditor& edit, int runs);
int RunLongLineCase(TBenchEditor& edit, int runs, int64_t baseline);
// print: pages 1 to 3 of the file, word wrap on, into a PDF file.
void MeasurePrint(TBenchEditor& edit, const std::string& scratchDir);
