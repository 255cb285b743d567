// Cursor resources, kept as XPM files under resources/cursors/.
#pragma once

#include "framework/Cursor.h"

#include <optional>

constexpr int IDC_HELPCURSOR = 24000;  // the context-help cursor

std::optional<TCursorImage> LoadCursorResource(int id);
