// The lock keys' states as the X server keeps them: the toolkit reports
// key presses but not whether Caps Lock or Num Lock is locked, so the
// server's keyboard extension is asked.
#pragma once

#include <optional>

namespace LockKeys {

struct TState {
    bool Caps = false;
    bool Num = false;
};

// One request to the server; none without an X display (the offscreen
// platform).
std::optional<TState> Read();

}  // namespace LockKeys
