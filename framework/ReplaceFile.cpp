#include "framework/ReplaceFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
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

// A temporary file beside the target; removed unless it was renamed.
class TTempFile {
public:
    explicit TTempFile(const std::string& target)
        : Path(FolderOf(target) + "/." + NameOf(target) + ".XXXXXX")
    {
        Fd = mkostemp(Path.data(), O_CLOEXEC);
        Created = Fd >= 0;
        if (!Created)
            Error = errno;
    }
    TTempFile(const TTempFile&) = delete;
    TTempFile& operator=(const TTempFile&) = delete;
    ~TTempFile()
    {
        if (Fd >= 0)
            close(Fd);
        if (Created && !Renamed)
            unlink(Path.c_str());
    }

    bool Close()
    {
        int fd = Fd;
        Fd = -1;
        if (close(fd) != 0) {
            Error = errno;
            return false;
        }
        return true;
    }

    bool RenameTo(const std::string& target)
    {
        if (rename(Path.c_str(), target.c_str()) != 0) {
            Error = errno;
            return false;
        }
        Renamed = true;
        return true;
    }

    std::string Path;
    int Fd = -1;
    int Error = 0;
    bool Created = false;
    bool Renamed = false;
};

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

}  // namespace

bool ReplaceFile(const std::string& path, const TFileFiller& fill, std::string& errorText)
{
    std::string target;
    int error = 0;
    if (!ResolveLinks(path, target, error)) {
        errorText = ErrorText("Cannot save", path, error);
        return false;
    }
    struct stat old;
    bool exists = stat(target.c_str(), &old) == 0;
    if (exists && !S_ISREG(old.st_mode)) {
        errorText = "Cannot save " + path + ": it is not a regular file";
        return false;
    }
    TTempFile temp(target);
    if (temp.Fd < 0) {
        errorText = ErrorText("Cannot create a temporary file in", FolderOf(target), temp.Error);
        return false;
    }
    if (const int failure = fill(temp.Fd)) {
        errorText = ErrorText("Cannot write", path, failure);
        return false;
    }
    TakeOverAttributes(temp.Fd, exists ? &old : nullptr);
    if (fsync(temp.Fd) != 0) {
        errorText = ErrorText("Cannot write", path, errno);
        return false;
    }
    if (!temp.Close()) {
        errorText = ErrorText("Cannot write", path, temp.Error);
        return false;
    }
    if (!temp.RenameTo(target)) {
        errorText = ErrorText("Cannot replace", path, temp.Error);
        return false;
    }
    SyncFolder(FolderOf(target));
    return true;
}
