// TComboBox: a combo box of a dialog, a drop-down list (CBS_DROPDOWNLIST)
// or a drop-down box with an edit field (CBS_DROPDOWN). Entries carry a
// text and a 32-bit value; a sorted box (CBS_SORT) puts each new entry at
// its place by text, without regard to case.
#pragma once

#include "framework/Control.h"

#include <cstdint>
#include <string>
#include <vector>

enum : int { CB_ERR = -1, CB_ERRSPACE = -2 };

class TComboBox : public TControl {
public:
    struct TEntry {
        std::string Text;
        uint32_t Data = 0;
        friend bool operator==(const TEntry&, const TEntry&) = default;
    };
    // The most entries a list holds.
    static constexpr size_t MaxEntries = 32767;

    TComboBox(TDialog& parent, int id) : TControl(parent, id) {}

    // The entry's position, or CB_ERRSPACE when the list is full.
    int AddString(const std::string& text);
    void ClearList();
    int GetCount() const { return int(Entries.size()); }
    std::string GetString(int index) const;
    uint32_t GetItemData(int index) const;
    void SetItemData(int index, uint32_t data);
    // The entry whose text equals text without regard to case; CB_ERR when none.
    int FindStringExact(const std::string& text) const;
    int GetSelIndex() const { return Selection; }
    // -1 (or any index out of range) selects nothing.
    void SetSelIndex(int index);

    // A list box's text is its selected entry's (empty when none is); a
    // box with an edit field has the field's. At most limit characters.
    std::string GetText(size_t limit) const { return Text.substr(0, limit); }
    // The edit field shows text; a list box selects the entry with text.
    void SetText(const std::string& text);

    bool HasEditField() const { return (GetStyle() & 0x03) == CBS_DROPDOWN; }
    bool IsSorted() const { return (GetStyle() & CBS_SORT) != 0; }
    bool IsOwnerDrawn() const { return (GetStyle() & CBS_OWNERDRAWVARIABLE) != 0; }
    const std::vector<TEntry>& List() const { return Entries; }

    // The user picks an entry from the list.
    void UserSelect(int index);
    // The user changed the edit field's text to this.
    void UserEdit(const std::string& text);

private:
    std::vector<TEntry> Entries;
    int Selection = -1;
    std::string Text;
};
