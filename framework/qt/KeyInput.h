// Sends one key event to a window as the window system would: WM_KEYDOWN
// (WM_SYSKEYDOWN with Alt), pre-processed first, then for a key that types
// a character its WM_CHAR; a release becomes WM_KEYUP (WM_SYSKEYUP).
#pragma once

#include "framework/qt/InputTarget.h"

class QKeyEvent;
class QString;

namespace KeyInput {

void Press(const InputTarget& target, const QKeyEvent& event);
void Release(const InputTarget& target, const QKeyEvent& event);
// Text an input method composed (a dead key and a letter): one WM_CHAR per
// character that has a Windows byte.
void Commit(const InputTarget& target, const QString& text);

}  // namespace KeyInput
