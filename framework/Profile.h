// TProfile: one section of a settings file, read and written through the
// private profile functions.
#pragma once

#include <cstddef>
#include <string>

class TProfile {
public:
    TProfile(std::string section, std::string fileName)
        : Section(std::move(section)), FileName(std::move(fileName))
    {
    }

    int GetInt(const std::string& key, int defaultValue = 0) const;
    // At most size - 1 characters.
    std::string GetString(const std::string& key, const std::string& defaultValue, size_t size) const;
    // False when the file could not be written.
    bool WriteInt(const std::string& key, int value);
    bool WriteString(const std::string& key, const std::string& value);

private:
    std::string Section;
    std::string FileName;
};
