#include "framework/headless/HeadlessKeyboard.h"

#include "framework/Types.h"

namespace {

constexpr char ShiftedDigits[] = ")!@#$%^&*(";

bool IsLetter(unsigned vk) { return vk >= 'A' && vk <= 'Z'; }
bool IsDigit(unsigned vk) { return vk >= '0' && vk <= '9'; }

}  // namespace

int16_t THeadlessKeyboard::State(int virtualKey) const
{
    const uint8_t key = Key(virtualKey);
    return int16_t(((key & DownBit) ? 0x8000 : 0) | ((key & ToggleBit) ? 1 : 0));
}

bool THeadlessKeyboard::IsDown(int virtualKey) const { return (Key(virtualKey) & DownBit) != 0; }

bool THeadlessKeyboard::IsToggled(int virtualKey) const { return (Key(virtualKey) & ToggleBit) != 0; }

void THeadlessKeyboard::SetDown(int virtualKey, bool down)
{
    Key(virtualKey) = uint8_t(down ? Key(virtualKey) | DownBit : Key(virtualKey) & ~DownBit);
}

void THeadlessKeyboard::SetToggled(int virtualKey, bool on)
{
    Key(virtualKey) = uint8_t(on ? Key(virtualKey) | ToggleBit : Key(virtualKey) & ~ToggleBit);
}

void THeadlessKeyboard::Press(int virtualKey)
{
    SetDown(virtualKey, true);
    Key(virtualKey) ^= ToggleBit;
}

std::optional<unsigned char> THeadlessKeyboard::ControlCharacterOf(unsigned vk) const
{
    if (IsLetter(vk))
        return static_cast<unsigned char>(vk - 'A' + 1);
    switch (vk) {
    case VK_RETURN: return '\n';
    case VK_BACK: return 127;
    case VK_SPACE: return ' ';
    case VK_ESCAPE: return 27;
    default: return std::nullopt;
    }
}

std::optional<unsigned char> THeadlessKeyboard::CharacterOf(unsigned vk) const
{
    if (IsDown(VK_MENU))
        return std::nullopt;
    if (IsDown(VK_CONTROL))
        return ControlCharacterOf(vk);
    const bool shift = IsDown(VK_SHIFT);
    if (IsLetter(vk))
        return static_cast<unsigned char>(shift != IsToggled(VK_CAPITAL) ? vk : vk - 'A' + 'a');
    if (IsDigit(vk))
        return static_cast<unsigned char>(shift ? ShiftedDigits[vk - '0'] : vk);
    switch (vk) {
    case VK_BACK: return '\b';
    case VK_TAB: return '\t';
    case VK_RETURN: return '\r';
    case VK_ESCAPE: return 27;
    case VK_SPACE: return ' ';
    default: return std::nullopt;
    }
}
