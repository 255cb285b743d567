// The program's bitmap resources, one XPM file each under bitmaps/: the
// tool-bar buttons' glyphs (by command id), their grey images (command id
// + 1000) and the emblem 206 at the tool bar's end. 16-colour images.
#pragma once

#include "framework/Dib.h"

#include <optional>

std::optional<TDib> LoadBitmapResource(int id);
