// The headless desktop's key state: which keys are down and the toggle bit
// that every press flips (the Insert key's is what the editor reads), and
// the character a key press makes with the current modifiers.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

class THeadlessKeyboard {
public:
    // As GetKeyState: negative while down, bit 0 the toggle.
    int16_t State(int virtualKey) const;
    bool IsDown(int virtualKey) const;
    bool IsToggled(int virtualKey) const;

    // State only, no message.
    void SetDown(int virtualKey, bool down);
    void SetToggled(int virtualKey, bool on);
    // A real press: down, and the toggle flipped.
    void Press(int virtualKey);
    void Release(int virtualKey) { SetDown(virtualKey, false); }

    // The WM_CHAR character of a press of this key (US layout), none for
    // keys that type nothing or while Alt is down.
    std::optional<unsigned char> CharacterOf(unsigned virtualKey) const;

private:
    static constexpr uint8_t DownBit = 0x80;
    static constexpr uint8_t ToggleBit = 0x01;
    std::array<uint8_t, 256> Keys{};

    uint8_t& Key(int virtualKey) { return Keys[size_t(virtualKey) & 0xFF]; }
    uint8_t Key(int virtualKey) const { return Keys[size_t(virtualKey) & 0xFF]; }
    std::optional<unsigned char> ControlCharacterOf(unsigned virtualKey) const;
};
