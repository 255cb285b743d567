// A cursor as data: its picture and the point of the picture that stands
// for the pointer's position.
#pragma once

#include "framework/Icon.h"
#include "framework/Types.h"

struct TCursorImage {
    int ResourceId = 0;
    TIconImage Image;
    TPoint HotSpot;
};
