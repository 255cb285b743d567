#include "app/HintText.h"

#include "resources/HintStrings.h"

#include <string_view>

namespace {

const TMenuItem* FindCommandItem(const std::vector<TMenuItem>& items, unsigned id)
{
    for (const TMenuItem& item : items) {
        if (item.Kind == TMenuItem::TKind::Command && item.Id == id)
            return &item;
        if (item.Kind == TMenuItem::TKind::Popup)
            if (const TMenuItem* found = FindCommandItem(item.Items, id))
                return found;
    }
    return nullptr;
}

std::string ToolTipOfItemText(std::string_view text)
{
    text = text.substr(0, text.find_first_of("\t\b"));
    while (!text.empty() && text.back() == '.')
        text.remove_suffix(1);
    std::string tip(text);
    if (size_t amp = tip.find('&'); amp != std::string::npos)
        tip.erase(amp, 1);
    return tip;
}

}  // namespace

std::string StatusHint(unsigned id)
{
    std::string_view hint = FindHintString(id).value_or(std::string_view{});
    return std::string(hint.substr(0, hint.find('\n')));
}

std::string ToolTipText(const TMenuResource& menu, unsigned id)
{
    if (const TMenuItem* item = FindCommandItem(menu.Items, id))
        return ToolTipOfItemText(item->Text);
    std::string_view hint = FindHintString(id).value_or(std::string_view{});
    size_t newline = hint.find('\n');
    return newline == std::string_view::npos ? std::string{} : std::string(hint.substr(newline + 1));
}
