// The clipboard's plain text: 8-bit characters with CR LF line ends, as the
// window system's CF_TEXT format carries them.
#pragma once

#include <string>

void SetClipboardText(const std::string& text);
bool ClipboardHasText();
std::string GetClipboardText();
