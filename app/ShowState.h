// The show state the main window starts in: hidden and minimised-without-
// activation pass; every other request (maximised, too) opens a normal
// window, so the stored placement is what the user sees.
#pragma once

#include "framework/Types.h"

constexpr int NormaliseShowState(int cmdShow)
{
    return cmdShow == SW_HIDE || cmdShow == SW_SHOWMINNOACTIVE ? cmdShow : SW_SHOWNORMAL;
}
