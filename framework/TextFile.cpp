#include "framework/TextFile.h"

#include "framework/ReplaceFile.h"

#include <filesystem>
#include <fstream>
#include <system_error>

namespace {

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

std::optional<std::string> ReadTextFile(const std::string& fileName, size_t maxBytes)
{
    std::ifstream in(fileName, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string bytes;
    char block[4096];
    while (in.read(block, sizeof block) || in.gcount() > 0) {
        bytes.append(block, size_t(in.gcount()));
        if (bytes.size() > maxBytes)
            return std::nullopt;
    }
    return in.bad() ? std::nullopt : std::optional<std::string>(std::move(bytes));
}

bool WriteTextFile(const std::string& fileName, const std::string& text)
{
    if (fileName.empty() || !MakeFolders(std::filesystem::path(fileName).parent_path()))
        return false;
    std::string errorText;
    return ReplaceFile(fileName, [&](int fd) { return WriteAll(fd, text.data(), text.size()); },
                       int64_t(text.size()), errorText);
}
