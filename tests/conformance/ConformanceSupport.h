// What each platform layer provides to the conformance tests: letting its
// message loop run until a condition holds.
#pragma once

#include <functional>

// Runs the layer's loop until done() holds or a generous limit passes;
// returns done().
bool RunUntil(const std::function<bool()>& done);
