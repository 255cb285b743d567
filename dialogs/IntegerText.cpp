#include "dialogs/IntegerText.h"

#include <cctype>
#include <limits>

namespace {

int DigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    const int lower = std::tolower(static_cast<unsigned char>(c));
    return lower >= 'a' && lower <= 'z' ? lower - 'a' + 10 : 99;
}

}  // namespace

int32_t TextToInt32(std::string_view text)
{
    size_t at = 0;
    while (at < text.size() && std::isspace(static_cast<unsigned char>(text[at])))
        ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-'))
        negative = text[at++] == '-';
    int base = 10;
    if (at + 1 < text.size() && text[at] == '0' && (text[at + 1] == 'x' || text[at + 1] == 'X') &&
        at + 2 < text.size() && DigitValue(text[at + 2]) < 16) {
        base = 16;
        at += 2;
    } else if (at < text.size() && text[at] == '0') {
        base = 8;
    }
    // Past 2^32 the clamped answer cannot change, so stop growing there.
    constexpr int64_t Ceiling = int64_t(1) << 32;
    int64_t magnitude = 0;
    for (; at < text.size() && DigitValue(text[at]) < base; ++at)
        magnitude = std::min(Ceiling, magnitude * base + DigitValue(text[at]));
    const int64_t value = negative ? -magnitude : magnitude;
    if (value > std::numeric_limits<int32_t>::max())
        return std::numeric_limits<int32_t>::max();
    if (value < std::numeric_limits<int32_t>::min())
        return std::numeric_limits<int32_t>::min();
    return int32_t(value);
}
