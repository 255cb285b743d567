// The private profile functions: settings files of sections and keys (see
// ProfileText.h for the format). Each call reads the file anew; a write
// replaces the file safely (ReplaceFile), so a failed write leaves the old
// file as it was.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

// Files larger than this are not read and not rewritten: a settings file
// is small, and a huge one must not exhaust memory.
constexpr size_t MaxProfileBytes = size_t(1) << 20;

// The key's integer (ParseProfileInt); the default when the file, the
// section or the key is missing, or the value is empty.
int GetPrivateProfileInt(const std::string& section, const std::string& key, int defaultValue,
                         const std::string& fileName);

// The key's value, or the default when it is missing; at most size - 1
// characters of either.
std::string GetPrivateProfileString(const std::string& section, const std::string& key,
                                    const std::string& defaultValue, size_t size, const std::string& fileName);

// Sets the key, keeping the rest of the file byte for byte; creates the
// file, and the folders on its way (readable by the owner only), when they
// are missing. False when the file could not be written.
bool WritePrivateProfileString(const std::string& section, const std::string& key, const std::string& value,
                               const std::string& fileName);

// The same for several keys of one section, in order, with one rewrite.
struct TProfileEntry {
    std::string Key;
    std::string Value;
};
bool WritePrivateProfileStrings(const std::string& section, const std::vector<TProfileEntry>& entries,
                                const std::string& fileName);
