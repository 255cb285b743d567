#include "framework/PrivateProfile.h"

#include "framework/ProfileText.h"
#include "framework/TextFile.h"

#include <filesystem>
#include <optional>
#include <system_error>

namespace {

std::optional<std::string> ReadProfileFile(const std::string& fileName)
{
    return ReadTextFile(fileName, MaxProfileBytes);
}

std::optional<std::string> ReadValue(const std::string& section, const std::string& key, const std::string& fileName)
{
    const std::optional<std::string> bytes = ReadProfileFile(fileName);
    if (!bytes)
        return std::nullopt;
    const TProfileText text(*bytes);
    const std::optional<std::string_view> value = text.Find(section, key);
    return value ? std::optional<std::string>(std::string(*value)) : std::nullopt;
}

}  // namespace

int GetPrivateProfileInt(const std::string& section, const std::string& key, int defaultValue,
                         const std::string& fileName)
{
    const std::optional<std::string> value = ReadValue(section, key, fileName);
    return value && !value->empty() ? ParseProfileInt(*value) : defaultValue;
}

std::string GetPrivateProfileString(const std::string& section, const std::string& key,
                                    const std::string& defaultValue, size_t size, const std::string& fileName)
{
    const std::string value = ReadValue(section, key, fileName).value_or(defaultValue);
    return value.substr(0, size > 0 ? size - 1 : 0);
}

bool WritePrivateProfileString(const std::string& section, const std::string& key, const std::string& value,
                               const std::string& fileName)
{
    return WritePrivateProfileStrings(section, {{key, value}}, fileName);
}

bool WritePrivateProfileStrings(const std::string& section, const std::vector<TProfileEntry>& entries,
                                const std::string& fileName)
{
    if (fileName.empty())
        return false;
    std::error_code error;
    const bool exists = std::filesystem::exists(fileName, error);
    std::optional<std::string> bytes = exists ? ReadProfileFile(fileName) : std::string();
    if (!bytes)
        return false;
    TProfileText text(std::move(*bytes));
    for (const TProfileEntry& entry : entries)
        if (!text.Set(section, entry.Key, entry.Value))
            return false;
    return WriteTextFile(fileName, text.Bytes());
}
