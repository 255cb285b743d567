// Menu and accelerator resources as data. An item's text holds "&" before
// its mnemonic and, after the right-alignment mark (character 8), the
// shortcut label shown right-aligned.
#pragma once

#include <string>
#include <vector>

struct TMenuItem {
    enum class TKind { Command, Separator, Popup };
    TKind Kind = TKind::Command;
    std::string Text;
    unsigned Id = 0;
    bool Grayed = false;          // the stored state before the first enable query
    std::vector<TMenuItem> Items; // the drop-down of a popup
};

struct TMenuResource {
    int ResourceId = 0;
    // Top-level entries: popups and the separators between menu groups
    // (the separators are not shown).
    std::vector<TMenuItem> Items;
};

// An accelerator keyed by virtual key and modifiers.
struct TAccelerator {
    unsigned Key = 0;
    bool Ctrl = false;
    bool Alt = false;
    bool Shift = false;
    unsigned Id = 0;
};

struct TAcceleratorTable {
    int ResourceId = 0;
    std::vector<TAccelerator> Entries;

    // The command of a key with the given modifiers, or 0.
    unsigned Find(unsigned key, bool ctrl, bool alt, bool shift) const
    {
        for (const TAccelerator& a : Entries)
            if (a.Key == key && a.Ctrl == ctrl && a.Alt == alt && a.Shift == shift)
                return a.Id;
        return 0;
    }
};

// The text an item shows before the right-alignment mark, and the label
// after it without the stored leading blanks.
std::string MenuItemLabel(const std::string& text);
std::string MenuItemShortcut(const std::string& text);

// The id a platform reports (WM_MENUSELECT) when the item is highlighted:
// a command's id, one less than the first item's for a drop-down, 0 for a
// separator.
unsigned MenuSelectId(const TMenuItem& item);
