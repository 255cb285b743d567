// The Windows-1252 code page the document's bytes are shown in, for text
// that leaves the program as UTF-8 (the mail body).
#pragma once

#include <string>
#include <string_view>

namespace Windows1252 {

// 0x80-0x9F; 0 marks the five bytes the code page leaves out.
inline constexpr char16_t High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

// The character a byte stands for; the five unassigned bytes keep their
// own value, as the toolkit's decoders do.
constexpr char16_t CharacterOf(unsigned char byte)
{
    return byte >= 0x80 && byte < 0xA0 && High[byte - 0x80] ? High[byte - 0x80] : char16_t(byte);
}

std::string ToUtf8(std::string_view bytes);

}  // namespace Windows1252
