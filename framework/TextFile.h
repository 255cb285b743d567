// Small text files the program keeps for the desktop (settings, desktop
// entries, lists of default applications): read whole, written safely.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

// The file's bytes; none when it is missing, unreadable, not a regular
// file (a pipe would keep the reader waiting) or larger than maxBytes (a
// huge one must not exhaust memory).
std::optional<std::string> ReadTextFile(const std::string& fileName, size_t maxBytes);

// Replaces the file with text (ReplaceFile), making the folders on its way
// when they are missing (readable by the owner only, as the base-directory
// rule asks). False when it could not be written.
bool WriteTextFile(const std::string& fileName, const std::string& text);
