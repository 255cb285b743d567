// Where a program keeps its per-user settings, by the freedesktop
// base-directory rule: $XDG_CONFIG_HOME/<program>, with $XDG_CONFIG_HOME
// defaulting to ~/.config. The folders need not exist yet.
#pragma once

#include <string>

// Empty when neither $XDG_CONFIG_HOME nor a home folder is known.
std::string UserConfigFolder(const std::string& program);

// The bases themselves: $XDG_CONFIG_HOME (~/.config) and $XDG_DATA_HOME
// (~/.local/share); empty when neither the variable nor a home is known.
std::string UserConfigHome();
std::string UserDataHome();
