// Where a program keeps its per-user settings, by the freedesktop
// base-directory rule: $XDG_CONFIG_HOME/<program>, with $XDG_CONFIG_HOME
// defaulting to ~/.config. The folder need not exist yet.
#pragma once

#include <string>

// Empty when neither $XDG_CONFIG_HOME nor a home folder is known.
std::string UserConfigFolder(const std::string& program);
