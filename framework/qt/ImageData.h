// Pictures kept as data (icons, cursors, bitmaps) as the toolkit's images.
#pragma once

#include "framework/Icon.h"

#include <QImage>

#include <string>

// A deep copy: the image does not refer to the data afterwards.
QImage ImageOf(const TIconImage& picture);

// Writes the picture as a PNG file; false when it could not be written.
bool SavePng(const TIconImage& picture, const std::string& path);
