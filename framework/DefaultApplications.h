// The user's choice of the application that opens each kind of file: the
// [Default Applications] section of mimeapps.list, where each MIME type
// names desktop entries in order of preference. Only the values named are
// changed; comments, other sections and every other line stay as they were.
#pragma once

#include <string>
#include <vector>

// One type to take over: Previous is the application the desktop opened it
// with until now (empty when none or unknown).
struct TDefaultChoice {
    std::string MimeType;
    std::string Previous;
};

// Puts desktopId first for each type, then the previous application, then
// the others in their order, so that removing desktopId later brings the
// earlier choice back even where it had been the desktop's own default.
std::string WithDefaultApplication(const std::string& listText, const std::vector<TDefaultChoice>& choices,
                                   const std::string& desktopId);

// Takes desktopId out of every default; a type left with no application
// loses its line.
std::string WithoutDefaultApplication(const std::string& listText, const std::string& desktopId);

// The same on the file itself ($XDG_CONFIG_HOME/mimeapps.list); the file is
// rewritten only when something changes. False when it could not be read
// or written.
bool SetDefaultApplication(const std::string& listFile, const std::vector<TDefaultChoice>& choices,
                           const std::string& desktopId);
bool RemoveDefaultApplication(const std::string& listFile, const std::string& desktopId);
