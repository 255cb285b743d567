// Icon 1001: a sheet of paper with a folded corner and lines of text,
// drawn in code at any size (32 and 16 are the sizes the desktop asks for).
#pragma once

#include "framework/Icon.h"

TIconImage AppIcon(int size = 32);
