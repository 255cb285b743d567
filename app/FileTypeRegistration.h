// Vantor as the desktop's program for plain text files: a desktop entry
// that opens a file and prints it (the print option before the file name,
// as the command line reads it), and Vantor's place as the default
// application of the text types, taken or handed back.
#pragma once

#include "framework/DesktopEntry.h"

#include <string>
#include <vector>

// The entry's file name, by which the default-application list names it.
inline constexpr const char* EditorDesktopId = "vantor.desktop";

// The entry for program (a full path, or a name the launcher finds on
// PATH) handling mimeTypes, with the icon given (a theme name or a path).
TDesktopEntry EditorDesktopEntry(const std::string& program, const std::vector<std::string>& mimeTypes,
                                 const std::string& icon);

// text/plain, then what the desktop calls .ini and .inf files (asked of
// xdg-mime on sample files), each once. A type that would claim more than
// text (inode/..., application/octet-stream) is not taken.
std::vector<std::string> EditorMimeTypes();

// The icon for the program at programPath: the largest icon file beside it
// (icons/ in the build folder, share/icons/ of its installation), else the
// theme name.
std::string EditorIcon(const std::string& programPath);

// The user's entry ($XDG_DATA_HOME/applications) and default-application
// list ($XDG_CONFIG_HOME/mimeapps.list); empty when no home is known.
std::string UserEntryFile();
std::string DefaultApplicationsFile();

// install: writes the user's entry for programPath, makes Vantor the
// default of its types and refreshes the desktop's index of entries.
// Otherwise Vantor is taken out of every default; the entry stays, so
// Vantor remains among the programs a file can be opened with. Nothing is
// reported: a step that fails is skipped.
void RegisterFileTypes(bool install, const std::string& programPath);
