#include "framework/Types.h"

#include <climits>

int MulDiv(int a, int b, int c)
{
    if (c == 0)
        return -1;
    const int64_t product = int64_t(a) * b;
    const bool negative = (product < 0) != (c < 0);
    const uint64_t magnitude = product < 0 ? uint64_t(-product) : uint64_t(product);
    const uint64_t divisor = c < 0 ? uint64_t(-int64_t(c)) : uint64_t(c);
    // Adding half the divisor before dividing rounds halves away from zero.
    const uint64_t quotient = (magnitude + divisor / 2) / divisor;
    const uint64_t limit = negative ? uint64_t(INT_MAX) + 1 : uint64_t(INT_MAX);
    if (quotient > limit)
        return -1;  // the window system's answer to an overflow
    return negative ? int(-int64_t(quotient)) : int(quotient);
}
