// An icon image as data (the program's icon resource is drawn in code).
#pragma once

#include <cstdint>
#include <vector>

struct TIconImage {
    int Width = 0;
    int Height = 0;
    std::vector<uint32_t> Pixels;  // 0xAARRGGBB, row by row from the top
};
