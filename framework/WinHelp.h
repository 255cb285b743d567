// The help system as the window system offers it: one call that shows the
// contents of a help book, the page on using help or one topic in a pop-up,
// or closes the book's viewer. The viewer is a program of its own, one per
// owner window, that goes on running when the program that started it ends
// unless HELP_QUIT closes it.
#pragma once

#include <cstdint>
#include <string>

class TWindow;

enum : unsigned {
    HELP_CONTEXT = 0x0001,
    HELP_QUIT = 0x0002,
    HELP_CONTENTS = 0x0003,
    HELP_HELPONHELP = 0x0004,
    HELP_CONTEXTPOPUP = 0x0008,
};

// helpFile names the book's index (THelpBook). data is the context number
// for HELP_CONTEXT and HELP_CONTEXTPOPUP, all 32 bits of it. False when the
// book or the topic is missing or the viewer cannot be started; nothing is
// reported to the user.
bool WinHelp(TWindow* owner, const std::string& helpFile, unsigned command, uintptr_t data);
