// Message numbers handed out by name, as the window system registers
// messages that cooperating windows agree on: the same name (in any case)
// always gets the same number, and numbers start at 0xC000, above every
// fixed message.
#pragma once

#include <string_view>

constexpr unsigned FirstRegisteredMessage = 0xC000;

unsigned RegisterWindowMessage(std::string_view name);
