// Reads one named section of a program file (ELF, as the platform's
// programs are), the way the window system reads a program's resources
// from its file on disk.
#pragma once

#include <optional>
#include <string>

// The bytes of the section, or none when the file cannot be read, is not
// a well-formed ELF file or has no such section.
std::optional<std::string> ReadExecutableSection(const std::string& path, const std::string& sectionName);
