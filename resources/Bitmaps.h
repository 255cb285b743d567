// Bitmap resources, kept as XPM files under resources/bitmaps/ and
// compiled in.
#pragma once

#include "framework/Icon.h"

constexpr int IDB_LOGO = 206;  // the program's logo (About box, tool bar)

// The picture of a bitmap resource; null when there is none.
const TIconImage* LoadBitmapResource(int id);
