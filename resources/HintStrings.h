// The program's string table of hints, keyed by command identifier (or, for
// a drop-down menu, by its first item's identifier minus 1). A string may
// hold a newline: before it the status-bar hint, after it the tool tip.
#pragma once

#include <optional>
#include <string_view>

std::optional<std::string_view> FindHintString(unsigned id);
