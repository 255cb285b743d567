// Reading a number the user typed into a box: leading blanks, one sign,
// 0x/0X for hexadecimal, a leading 0 for octal, else decimal; reading
// stops at the first character outside the base, no digits give 0, and
// values beyond 32 bits are clamped to the nearest end.
#pragma once

#include <cstdint>
#include <string_view>

int32_t TextToInt32(std::string_view text);
