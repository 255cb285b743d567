// The clipboard's text in the window system's CF_TEXT format: a block of
// 8-bit characters with CR LF line ends, ended by a NUL. A platform that
// exchanges text differently converts at its own boundary.
#pragma once

#include <string>

// Empties the clipboard and hands it the block, which it then owns.
void SetClipboardText(std::string&& block);
// True while the clipboard holds text, whichever program put it there
// (IsClipboardFormatAvailable(CF_TEXT)).
bool ClipboardHasText();
// The clipboard's text block (the text ends at its first NUL); empty when
// the clipboard holds no text.
std::string GetClipboardText();
