// The value of every setting that the settings file does not hold.
#pragma once

#include <cstdint>

struct TPlacementDefaults {
    int X = 50;
    int Y = 50;
    int Right = 450;   // left + width
    int Bottom = 350;  // top + height
};

struct TGeneralDefaults {
    bool Wrap = false;
    bool Dos = false;
    bool Installed = false;
    bool AutoIndent = false;
    int32_t UndoLimit = 500;
};

struct TStyleDefaults {
    const char* Section;
    int32_t Margin;  // both MarginX and MarginY
    int32_t TabSize;
    const char* FaceName;
    int32_t FontSize;
    int32_t LineSpacing;
};

constexpr TStyleDefaults WinTextDefaults{"WinText", 10, 4, "Courier New", 12, 4};
constexpr TStyleDefaults DosTextDefaults{"DosText", 10, 4, "Terminal", 12, 0};
