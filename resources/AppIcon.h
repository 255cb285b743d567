// Icon 1001: a sheet of paper with a folded corner and lines of text,
// drawn in code at any size (32 and 16 are the sizes the desktop asks for).
#pragma once

#include "framework/Icon.h"

#include <array>
#include <string>

TIconImage AppIcon(int size = 32);

// The icon as the desktop's icon theme holds it: a PNG file per size, named
// after the program, in the hicolor theme's folder of that size.
inline constexpr const char* AppIconName = "vantor";
inline constexpr std::array<int, 8> AppIconSizes{16, 22, 24, 32, 48, 64, 128, 256};
// The file of one size, relative to an icons folder (share/icons).
std::string AppIconThemeFile(int size);
