#include "framework/Profile.h"

int TProfile::GetInt(const std::string& key, int defaultValue) const
{
    return GetPrivateProfileInt(Section, key, defaultValue, FileName);
}

std::string TProfile::GetString(const std::string& key, const std::string& defaultValue, size_t size) const
{
    return GetPrivateProfileString(Section, key, defaultValue, size, FileName);
}

void TProfile::WriteInt(const std::string& key, int value) { WriteString(key, std::to_string(value)); }

void TProfile::WriteString(const std::string& key, const std::string& value) { Pending.push_back({key, value}); }

bool TProfile::Flush()
{
    if (Pending.empty())
        return true;
    const bool written = WritePrivateProfileStrings(Section, Pending, FileName);
    Pending.clear();
    return written;
}
