// Saving rows as a text file without ever destroying the old one.
#pragma once

#include "core/LineArray.h"

#include <string>

// Saves rows to path. A symbolic link is followed and the file it names is
// written; the link stays. Normally the text goes to a temporary file beside
// the target (named after it, ".NAME.vantor-save", so that a save killed
// midway leaves something recognisable, which the next save of the same
// target removes), is flushed to disk and renamed over the target, keeping
// its owner and permissions. A target with several hard links, or in a
// folder where no file can be made, is written in place instead, after its
// full size has been reserved, so that a full disk is found before a byte
// of the old text changes. A read-only target is refused. On failure
// errorText names path and says why.
bool SaveRowsToFile(const THELineArray& lines, const std::string& path, std::string& errorText);

// The name of the temporary file a save of target uses.
std::string SaveTempPathFor(const std::string& target);
