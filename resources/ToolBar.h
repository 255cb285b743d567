// The tool bar as data: its gadgets from left to right and its caption.
#pragma once

#include <span>

struct TToolBarItem {
    enum class TKind { Button, Toggle, Separator, Spacer, Emblem };
    TKind Kind;
    // Buttons: the command, whose id also names the glyph (and + 1000 the
    // grey image); the emblem: its bitmap.
    unsigned Id = 0;
    // Separators: the gap in pixels.
    int Width = 0;
};

std::span<const TToolBarItem> ToolBarItems();

constexpr const char* ToolBarCaption = "Toolbar";
