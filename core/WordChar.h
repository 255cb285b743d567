// The characters that make words for the word moves and the double-click
// selection: letters A-Z, a-z and digits; characters 128-255 are not.
#pragma once

inline bool IsWordChar(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}
