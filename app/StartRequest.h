// What the command line asks of the starting program: register or
// unregister the editor, print, and which file to open.
#pragma once

#include <optional>
#include <string>

struct TStartRequest {
    enum class TRegistration { None, Register, Unregister };

    TRegistration Registration = TRegistration::None;
    bool Print = false;
    std::optional<std::string> FileName;
};

// Walks the tokens of the command text (the arguments after the program's
// name): options before the first name, then the rest of the text as the
// file name.
TStartRequest ReadStartRequest(const std::string& commandText);
