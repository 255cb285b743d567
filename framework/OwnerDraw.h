// Owner-drawn controls ask their dialog for the height of an item
// (WM_MEASUREITEM) and for its drawing (WM_DRAWITEM); lParam points to the
// record below, wParam is the control's identifier.
#pragma once

#include "framework/Types.h"

#include <cstdint>

class TDC;
class TWindow;

enum : unsigned { WM_DRAWITEM = 0x002B, WM_MEASUREITEM = 0x002C };
enum : unsigned { ODT_COMBOBOX = 3 };
enum : unsigned { ODA_DRAWENTIRE = 1, ODA_SELECT = 2, ODA_FOCUS = 4 };
enum : unsigned { ODS_SELECTED = 0x0001, ODS_FOCUS = 0x0010, ODS_COMBOBOXEDIT = 0x1000 };

struct TMeasureItemStruct {
    unsigned CtlType = ODT_COMBOBOX;
    int CtlID = 0;
    int ItemID = -1;  // -1: the selection field of a combo box
    int ItemWidth = 0;
    int ItemHeight = 0;  // the answer, in pixels
    uintptr_t ItemData = 0;
};

struct TDrawItemStruct {
    unsigned CtlType = ODT_COMBOBOX;
    int CtlID = 0;
    int ItemID = -1;  // -1: nothing to draw (an empty selection field)
    unsigned ItemAction = ODA_DRAWENTIRE;
    unsigned ItemState = 0;  // ODS_...
    TWindow* ItemWindow = nullptr;  // the control
    TDC* DC = nullptr;
    TRect ItemRect;
    uintptr_t ItemData = 0;
};
