// Qt's keys in the window system's terms: virtual key codes, the 8-bit
// character a key press types, and the key messages' lParam.
#pragma once

#include <QString>
#include <Qt>

#include <cstdint>

namespace KeyTranslation {

// The virtual key of a Qt key, or 0 when it has none.
unsigned VirtualKey(int qtKey);

// The WM_CHAR code a key press types, or -1 when it types nothing: the
// text's Windows-1252 byte, the control codes of Ctrl+letter (1-26), Enter
// (13), Backspace (8), Tab (9) and Escape (27). Keys with Alt alone type
// nothing (they belong to the menu bar).
int CharCode(int qtKey, Qt::KeyboardModifiers modifiers, const QString& text);

// True when the key is pressed with Alt and without Ctrl, which makes its
// messages WM_SYSKEYDOWN and WM_SYSKEYUP.
bool IsSystemKey(Qt::KeyboardModifiers modifiers);

// lParam of a key message: repeat count 1, the context bit for Alt, the
// previous-state bit for repeats and key releases, the transition bit.
intptr_t KeyDownLParam(bool autoRepeat, bool alt);
intptr_t KeyUpLParam(bool alt);

}  // namespace KeyTranslation
