#include "framework/TextFile.h"

#include "framework/FileDescriptor.h"
#include "framework/ReplaceFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
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
    // Opened without waiting: a named pipe in the file's place would
    // otherwise hold the program until something writes to it.
    const TFd file(open(fileName.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    const int fd = file.Get();
    if (fd < 0)
        return std::nullopt;
    struct stat info {};
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    std::string bytes;
    char block[4096];
    for (;;) {
        const ssize_t n = read(fd, block, sizeof block);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return std::nullopt;
        if (n == 0)
            return bytes;
        bytes.append(block, size_t(n));
        if (bytes.size() > maxBytes)
            return std::nullopt;
    }
}

bool WriteTextFile(const std::string& fileName, const std::string& text)
{
    if (fileName.empty() || !MakeFolders(std::filesystem::path(fileName).parent_path()))
        return false;
    std::string errorText;
    return ReplaceFile(fileName, [&](int fd) { return WriteAll(fd, text.data(), text.size()); },
                       int64_t(text.size()), errorText);
}
