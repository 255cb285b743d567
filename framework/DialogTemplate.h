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
    DS_MODALFRAME = 0x00000080u,
};
// Control styles.
enum : uint32_t { SS_CENTER = 0x0001u, SS_NOPREFIX = 0x0080u, BS_DEFPUSHBUTTON = 0x0001u };

struct TDialogUnits {
    int X = 0, Y = 0, Cx = 0, Cy = 0;
    friend bool operator==(const TDialogUnits&, const TDialogUnits&) = default;
};

struct TDialogItem {
    enum class TKind { Static, Picture, PushButton };
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
