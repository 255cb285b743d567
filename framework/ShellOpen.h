// Opening an address with the desktop's preferred program (xdg-open, the
// freedesktop opener), started directly so the address is never read by a
// shell.
#pragma once

#include <functional>
#include <string>

// False at once when the opener cannot be started; otherwise done(opened)
// runs from the message loop once the opener has ended, false when it
// reported a failure. Success is known only then: the opener answers after
// the browser has taken the address or refused it.
bool ShellOpen(const std::string& address, std::function<void(bool opened)> done);

inline constexpr const char* OpenProgram = "xdg-open";
