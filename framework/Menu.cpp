#include "framework/Menu.h"

namespace {

// The right-alignment mark, or a tab, starts an item's shortcut label.
size_t LabelEnd(const std::string& text) { return text.find_first_of("\b\t"); }

}  // namespace

std::string MenuItemLabel(const std::string& text) { return text.substr(0, LabelEnd(text)); }

std::string MenuItemShortcut(const std::string& text)
{
    const size_t mark = LabelEnd(text);
    if (mark == std::string::npos)
        return {};
    const size_t start = text.find_first_not_of(' ', mark + 1);
    return start == std::string::npos ? std::string() : text.substr(start);
}

unsigned MenuSelectId(const TMenuItem& item)
{
    switch (item.Kind) {
    case TMenuItem::TKind::Command: return item.Id;
    case TMenuItem::TKind::Popup: {
        const unsigned first = item.Items.empty() ? 0 : MenuSelectId(item.Items.front());
        return first ? first - 1 : 0;
    }
    case TMenuItem::TKind::Separator: break;
    }
    return 0;
}
