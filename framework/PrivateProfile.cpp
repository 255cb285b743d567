#include "framework/PrivateProfile.h"

#include "framework/ProfileText.h"
#include "framework/ReplaceFile.h"

#include <filesystem>
#include <fstream>
#include <optional>
#include <system_error>

namespace {

// The file's bytes; none when it is missing, unreadable or too large.
std::optional<std::string> ReadProfileFile(const std::string& fileName)
{
    std::ifstream in(fileName, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string bytes;
    char block[4096];
    while (in.read(block, sizeof block) || in.gcount() > 0) {
        bytes.append(block, size_t(in.gcount()));
        if (bytes.size() > MaxProfileBytes)
            return std::nullopt;
    }
    return in.bad() ? std::nullopt : std::optional<std::string>(std::move(bytes));
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

// The folders on the way to the file, made as the base-directory rule asks
// (owner only).
bool MakeFolders(const std::filesystem::path& folder)
{
    namespace fs = std::filesystem;
    std::error_code error;
    if (folder.empty() || fs::is_directory(folder, error))
        return true;
    if (!MakeFolders(folder.parent_path()))
        return false;
    if (!fs::create_directory(folder, error) && !fs::is_directory(folder))
        return false;
    fs::permissions(folder, fs::perms::owner_all, error);
    return true;
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
    if (!bytes || !MakeFolders(std::filesystem::path(fileName).parent_path()))
        return false;
    TProfileText text(std::move(*bytes));
    for (const TProfileEntry& entry : entries)
        if (!text.Set(section, entry.Key, entry.Value))
            return false;
    std::string errorText;
    const std::string& newText = text.Bytes();
    return ReplaceFile(fileName, [&](int fd) { return WriteAll(fd, newText.data(), newText.size()); },
                       int64_t(newText.size()), errorText);
}
