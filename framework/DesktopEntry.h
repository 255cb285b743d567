// Desktop entries: the .desktop files through which the desktop's menus and
// file managers learn of a program, what it opens and how to start it.
// Values are written as the format asks, so any program path (blanks,
// quotes, backslashes, "$", "%") reaches the launcher intact.
#pragma once

#include <string>
#include <vector>

// A command line of an entry: arguments taken literally (the program
// first), then a field code the launcher fills in ("%f": one file), if any.
struct TDesktopCommand {
    std::vector<std::string> Arguments;
    std::string FieldCode;
};

// An additional way of starting the program, such as printing a file.
struct TDesktopAction {
    std::string Id;
    std::string Name;
    TDesktopCommand Exec;
};

struct TDesktopEntry {
    std::string Name;
    std::string GenericName;
    std::string Comment;
    std::string Icon;
    TDesktopCommand Exec;
    std::vector<std::string> MimeTypes;
    std::vector<std::string> Categories;
    std::vector<TDesktopAction> Actions;

    // The file's text: an application entry, the program its TryExec.
    std::string Text() const;
};

// A command as the Exec key holds it, before the value's own escapes:
// each argument with a reserved character is put in double quotes (with ",
// `, $ and \ escaped inside), every % doubled.
std::string ExecLine(const TDesktopCommand& command);

// A string value as a key holds it: backslash, line ends and tabs escaped,
// a leading blank as \s.
std::string EscapeEntryValue(const std::string& value);
