#include "framework/Windows1252.h"

namespace Windows1252 {

std::string ToUtf8(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size());
    for (const char b : bytes) {
        const char16_t ch = CharacterOf(static_cast<unsigned char>(b));
        if (ch < 0x80) {
            out += char(ch);
        } else if (ch < 0x800) {
            out += char(0xC0 | (ch >> 6));
            out += char(0x80 | (ch & 0x3F));
        } else {
            out += char(0xE0 | (ch >> 12));
            out += char(0x80 | ((ch >> 6) & 0x3F));
            out += char(0x80 | (ch & 0x3F));
        }
    }
    return out;
}

}  // namespace Windows1252
