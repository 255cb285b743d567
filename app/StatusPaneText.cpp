#include "app/StatusPaneText.h"

#include <cstdio>

namespace {

constexpr size_t BufferSize = 80;

}  // namespace

std::string LineCountText(int64_t rows)
{
    char text[BufferSize];
    std::snprintf(text, sizeof text, rows > 1 ? "%ld lines" : "%ld line", long(rows));
    return text;
}

std::string CaretPositionText(int32_t row, int32_t col)
{
    char text[BufferSize];
    std::snprintf(text, sizeof text, "row: %ld; col: %ld", long(row), long(col));
    return text;
}
