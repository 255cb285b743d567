// Pictures kept as data (icons, cursors, bitmaps) as the toolkit's images.
#pragma once

#include "framework/Icon.h"

#include <QImage>

// A deep copy: the image does not refer to the data afterwards.
QImage ImageOf(const TIconImage& picture);
