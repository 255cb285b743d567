#include "framework/Profile.h"

#include "framework/PrivateProfile.h"

int TProfile::GetInt(const std::string& key, int defaultValue) const
{
    return GetPrivateProfileInt(Section, key, defaultValue, FileName);
}

std::string TProfile::GetString(const std::string& key, const std::string& defaultValue, size_t size) const
{
    return GetPrivateProfileString(Section, key, defaultValue, size, FileName);
}

bool TProfile::WriteInt(const std::string& key, int value) { return WriteString(key, std::to_string(value)); }

bool TProfile::WriteString(const std::string& key, const std::string& value)
{
    return WritePrivateProfileString(Section, key, value, FileName);
}
