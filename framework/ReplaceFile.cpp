#include "framework/ReplaceFile.h"

#include "framework/FileDescriptor.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <vector>

int WriteAll(int fd, const char* data, size_t n)
{
    while (n > 0) {
        const ssize_t done = write(fd, data, std::min<size_t>(n, size_t(1) << 30));
        if (done < 0) {
            if (errno != EINTR)
                return errno;
            continue;
        }
        data += done;
        n -= size_t(done);
    }
    return 0;
}

namespace {

std::string ErrorText(const char* what, const std::string& path, int error)
{
    return std::string(what) + " " + path + ": " + std::strerror(error);
}

std::string FolderOf(const std::string& path)
{
    size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path)
{
    size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Follows symbolic links to the file they name, which need not exist yet.
bool ResolveLinks(const std::string& path, std::string& target, int& error)
{
    target = path;
    for (int hops = 0; hops < 40; ++hops) {
        struct stat info;
        if (lstat(target.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
            return true;
        std::vector<char> link(size_t(std::max<off_t>(info.st_size, 255)) + 1);
        ssize_t n = readlink(target.c_str(), link.data(), link.size());
        if (n < 0) {
            error = errno;
            return false;
        }
        std::string name(link.data(), size_t(n));
        target = name.front() == '/' ? name : FolderOf(target) + "/" + name;
    }
    error = ELOOP;
    return false;
}

mode_t CurrentUmask()
{
    // Read without changing it; the fallback sets it back at once.
    if (FILE* status = std::fopen("/proc/self/status", "r")) {
        char line[256];
        unsigned mask = 0;
        bool found = false;
        while (!found && std::fgets(line, sizeof line, status))
            found = std::sscanf(line, "Umask: %o", &mask) == 1;
        std::fclose(status);
        if (found)
            return mode_t(mask);
    }
    mode_t mask = umask(022);
    umask(mask);
    return mask;
}

// Gives the new file the old one's owner and permissions, or the default
// permissions of a new file; as far as the file system allows.
bool TakeOverAttributes(int fd, const struct stat* old)
{
    if (!old)
        return fchmod(fd, 0666 & ~CurrentUmask()) == 0;
    bool owner = fchown(fd, old->st_uid, old->st_gid) == 0;
    return fchmod(fd, old->st_mode & 07777) == 0 && owner;
}

void SyncFolder(const std::string& folder)
{
    int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        fsync(fd);
        close(fd);
    }
}

// Opens the temporary file anew: what a save killed midway left behind
// goes first.
int OpenFresh(const std::string& path)
{
    struct stat stale;
    if (lstat(path.c_str(), &stale) == 0 && !S_ISDIR(stale.st_mode))
        unlink(path.c_str());
    return open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
}

// The temporary file beside the target; removed unless it was renamed.
class TTempFile {
public:
    explicit TTempFile(const std::string& target)
        : Path(ReplaceTempPathFor(target)), File(OpenFresh(Path)), Error(File.Get() < 0 ? errno : 0)
    {
    }
    TTempFile(const TTempFile&) = delete;
    TTempFile& operator=(const TTempFile&) = delete;
    ~TTempFile()
    {
        if (Created() && !Renamed)
            unlink(Path.c_str());
    }

    bool Created() const { return Error == 0; }

    bool RenameTo(const std::string& target)
    {
        Renamed = rename(Path.c_str(), target.c_str()) == 0;
        return Renamed;
    }

    std::string Path;
    TFd File;
    int Error = 0;
    bool Renamed = false;
};

// A file the user may not write, or one marked read-only for everyone.
bool IsReadOnly(const std::string& target, const struct stat& info)
{
    return (info.st_mode & 0222) == 0 || access(target.c_str(), W_OK) != 0;
}

bool FillAndSync(const TFileFiller& fill, int fd, const std::string& path, std::string& errorText)
{
    if (const int failure = fill(fd)) {
        errorText = ErrorText("Cannot write", path, failure);
        return false;
    }
    if (fsync(fd) != 0) {
        errorText = ErrorText("Cannot write", path, errno);
        return false;
    }
    return true;
}

// Every hard link sees the new text. The space is reserved before the old
// text is touched.
bool ReplaceInPlace(const TFileFiller& fill, int64_t size, const std::string& target, const std::string& path,
                    std::string& errorText)
{
    TFd fd(open(target.c_str(), O_WRONLY | O_CLOEXEC | O_NOFOLLOW));
    if (fd.Get() < 0) {
        errorText = ErrorText("Cannot save", path, errno);
        return false;
    }
    if (size > 0) {
        if (const int error = posix_fallocate(fd.Get(), 0, off_t(size)); error != 0) {
            errorText = ErrorText("Cannot save", path, error);
            return false;
        }
    }
    if (!FillAndSync(fill, fd.Get(), path, errorText))
        return false;
    // The old text may have been longer than the new.
    const off_t written = lseek(fd.Get(), 0, SEEK_CUR);
    if (written < 0 || ftruncate(fd.Get(), written) != 0 || fsync(fd.Get()) != 0 || !fd.Close()) {
        errorText = ErrorText("Cannot write", path, errno);
        return false;
    }
    return true;
}

bool ReplaceByRename(const TFileFiller& fill, TTempFile& temp, const std::string& target, const struct stat* old,
                     const std::string& path, std::string& errorText)
{
    if (!FillAndSync(fill, temp.File.Get(), path, errorText))
        return false;
    TakeOverAttributes(temp.File.Get(), old);
    if (fsync(temp.File.Get()) != 0 || !temp.File.Close()) {
        errorText = ErrorText("Cannot write", path, errno);
        return false;
    }
    if (!temp.RenameTo(target)) {
        errorText = ErrorText("Cannot replace", path, errno);
        return false;
    }
    SyncFolder(FolderOf(target));
    return true;
}

}  // namespace

std::string ReplaceTempPathFor(const std::string& target)
{
    static constexpr const char* Suffix = ".vantor-save";
    // The name must stay a legal file name however long the target's is.
    const size_t room = NAME_MAX - 1 - std::strlen(Suffix);
    return FolderOf(target) + "/." + NameOf(target).substr(0, room) + Suffix;
}

bool ReplaceFile(const std::string& path, const TFileFiller& fill, int64_t size, std::string& errorText)
{
    std::string target;
    int error = 0;
    if (!ResolveLinks(path, target, error)) {
        errorText = ErrorText("Cannot save", path, error);
        return false;
    }
    struct stat old;
    const bool exists = stat(target.c_str(), &old) == 0;
    if (exists && !S_ISREG(old.st_mode)) {
        errorText = "Cannot save " + path + ": it is not a regular file";
        return false;
    }
    if (exists && IsReadOnly(target, old)) {
        errorText = "Cannot save " + path + ": the file is read-only";
        return false;
    }
    if (exists && old.st_nlink > 1)
        return ReplaceInPlace(fill, size, target, path, errorText);
    TTempFile temp(target);
    if (!temp.Created()) {
        // A folder where no new file can be made: the file itself may
        // still be writable.
        if (exists)
            return ReplaceInPlace(fill, size, target, path, errorText);
        errorText = ErrorText("Cannot save", path, temp.Error);
        return false;
    }
    return ReplaceByRename(fill, temp, target, exists ? &old : nullptr, path, errorText);
}
