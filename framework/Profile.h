// TProfile: one section of a settings file, read and written through the
// private profile functions. Writes are gathered and reach the file in one
// safe rewrite at Flush, or when the object goes.
#pragma once

#include "framework/PrivateProfile.h"

#include <cstddef>
#include <string>
#include <vector>

class TProfile {
public:
    TProfile(std::string section, std::string fileName)
        : Section(std::move(section)), FileName(std::move(fileName))
    {
    }
    ~TProfile() { Flush(); }
    TProfile(const TProfile&) = delete;
    TProfile& operator=(const TProfile&) = delete;

    // What the file holds (writes not yet flushed are not seen).
    int GetInt(const std::string& key, int defaultValue = 0) const;
    // At most size - 1 characters.
    std::string GetString(const std::string& key, const std::string& defaultValue, size_t size) const;

    void WriteInt(const std::string& key, int value);
    void WriteString(const std::string& key, const std::string& value);
    // False when the file could not be written (the writes are dropped).
    bool Flush();

private:
    std::string Section;
    std::string FileName;
    std::vector<TProfileEntry> Pending;
};
