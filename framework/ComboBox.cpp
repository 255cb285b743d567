#include "framework/ComboBox.h"

#include <algorithm>
#include <cctype>

namespace {

int CompareNoCase(const std::string& a, const std::string& b)
{
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        const int ca = std::tolower(static_cast<unsigned char>(a[i]));
        const int cb = std::tolower(static_cast<unsigned char>(b[i]));
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

}  // namespace

int TComboBox::AddString(const std::string& text)
{
    if (Entries.size() >= MaxEntries)
        return CB_ERRSPACE;
    auto at = Entries.end();
    if (IsSorted())
        at = std::upper_bound(Entries.begin(), Entries.end(), text,
                              [](const std::string& t, const TEntry& e) { return CompareNoCase(t, e.Text) < 0; });
    const int index = int(at - Entries.begin());
    Entries.insert(at, TEntry{text, 0});
    if (Selection >= index)
        ++Selection;
    Changed();
    return index;
}

void TComboBox::ClearList()
{
    Entries.clear();
    Selection = -1;
    if (!HasEditField())
        Text.clear();
    Changed();
}

std::string TComboBox::GetString(int index) const
{
    return index >= 0 && index < GetCount() ? Entries[size_t(index)].Text : std::string();
}

uint32_t TComboBox::GetItemData(int index) const
{
    return index >= 0 && index < GetCount() ? Entries[size_t(index)].Data : uint32_t(CB_ERR);
}

void TComboBox::SetItemData(int index, uint32_t data)
{
    if (index >= 0 && index < GetCount())
        Entries[size_t(index)].Data = data;
}

int TComboBox::FindStringExact(const std::string& text) const
{
    for (size_t i = 0; i < Entries.size(); ++i)
        if (CompareNoCase(Entries[i].Text, text) == 0)
            return int(i);
    return CB_ERR;
}

void TComboBox::SetSelIndex(int index)
{
    Selection = index >= 0 && index < GetCount() ? index : -1;
    if (Selection >= 0 || !HasEditField())
        Text = GetString(Selection);
    Changed();
}

void TComboBox::SetText(const std::string& text)
{
    if (!HasEditField()) {
        SetSelIndex(FindStringExact(text));
        return;
    }
    Text = text;
    Selection = -1;
    Changed();
}

void TComboBox::UserSelect(int index)
{
    Selection = index >= 0 && index < GetCount() ? index : -1;
    Text = GetString(Selection);
    Notify(CBN_SELCHANGE);
}

void TComboBox::UserEdit(const std::string& text)
{
    if (!HasEditField())
        return;
    Text = text;
    Selection = -1;
    Notify(CBN_EDITCHANGE);
}
