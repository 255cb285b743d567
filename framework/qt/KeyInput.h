// Sends one key event to a window as the window system would: WM_KEYDOWN
// (WM_SYSKEYDOWN with Alt), pre-processed first, then for a key that types
// a character its WM_CHAR; a release becomes WM_KEYUP (WM_SYSKEYUP).
#pragma once

#include "framework/qt/InputTarget.h"

class QKeyEvent;

namespace KeyInput {

void Press(const InputTarget& target, const QKeyEvent& event);
void Release(const InputTarget& target, const QKeyEvent& event);

}  // namespace KeyInput
