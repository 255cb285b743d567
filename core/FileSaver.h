// Saving rows as a text file without ever destroying the old one (see
// ReplaceFile for how).
#pragma once

#include "core/LineArray.h"

#include <string>

// On failure errorText names path and says why.
bool SaveRowsToFile(const THELineArray& lines, const std::string& path, std::string& errorText);
