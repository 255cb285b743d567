// The program's bitmap resources, one XPM file each under bitmaps/: the
// tool-bar buttons' glyphs (by command id), their grey images (command id
// + 1000) and the emblem 206 at the tool bar's end. 16-colour images.
#pragma once

#include "framework/Dib.h"

#include <optional>

constexpr int IDB_LOGO = 206;  // the program's emblem (tool bar, About box)

std::optional<TDib> LoadBitmapResource(int id);

// A bitmap resource as a picture for a dialog; null when there is none.
const TIconImage* LoadBitmapPicture(int id);
