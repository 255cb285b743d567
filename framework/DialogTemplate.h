// A dialog box as data: caption, placement and font, and its controls with
// their ids, kinds, texts and rectangles, all in dialog units (a quarter of
// the dialog font's average character width across, an eighth of its
// height down).
#pragma once

#include "framework/Icon.h"

#include <cstdint>
#include <string>
#include <vector>

// Window and dialog styles a template names.
enum : uint32_t {
    WS_POPUP = 0x80000000u, WS_CAPTION = 0x00C00000u, WS_SYSMENU = 0x00080000u,
    DS_MODALFRAME = 0x00000080u, WS_CHILD = 0x40000000u, WS_BORDER = 0x00800000u, WS_TABSTOP = 0x00010000u,
};
// Control styles.
enum : uint32_t {
    SS_CENTER = 0x0001u, SS_RIGHT = 0x0002u, SS_NOPREFIX = 0x0080u,
    BS_DEFPUSHBUTTON = 0x0001u, BS_CHECKBOX = 0x0002u,
    ES_AUTOHSCROLL = 0x0080u,
    CBS_DROPDOWN = 0x0002u, CBS_DROPDOWNLIST = 0x0003u, CBS_OWNERDRAWVARIABLE = 0x0020u, CBS_SORT = 0x0100u,
    CBS_HASSTRINGS = 0x0200u,
};

struct TDialogUnits {
    int X = 0, Y = 0, Cx = 0, Cy = 0;
    friend bool operator==(const TDialogUnits&, const TDialogUnits&) = default;
};

struct TDialogItem {
    // CheckBox: BS_CHECKBOX (the dialog toggles it) or an automatic one;
    // ComboBox: CBS_DROPDOWN (with an edit field) or CBS_DROPDOWNLIST.
    enum class TKind { Static, Picture, PushButton, CheckBox, Edit, ComboBox };
    TKind Kind = TKind::Static;
    int Id = -1;  // -1: a control the program never addresses
    std::string Text;
    TDialogUnits Rect;
    uint32_t Style = 0;
    int BitmapId = 0;                     // a picture's bitmap resource
    const TIconImage* Picture = nullptr;  // that bitmap, loaded
};

struct TDialogTemplate {
    int ResourceId = 0;
    std::string Caption;
    uint32_t Style = 0;
    TDialogUnits Rect;
    std::string FontFace;
    int FontPoints = 0;
    std::vector<TDialogItem> Items;

    const TDialogItem* Item(int id) const
    {
        for (const TDialogItem& item : Items)
            if (id != -1 && item.Id == id)
                return &item;
        return nullptr;
    }
};
