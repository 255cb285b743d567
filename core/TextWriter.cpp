#include "core/TextWriter.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

bool TDescriptorOutput::Write(const char* data, size_t n)
{
    while (n > 0 && Errno == 0) {
        ssize_t done = write(Fd, data, std::min<size_t>(n, size_t(1) << 30));
        if (done < 0) {
            if (errno != EINTR)
                Errno = errno;
            continue;
        }
        data += done;
        n -= size_t(done);
    }
    return Errno == 0;
}

namespace {

// Gathers small pieces into large writes.
class TBufferedWriter {
public:
    explicit TBufferedWriter(TTextOutput& output) : Output(output), Buffer(new char[Capacity]) {}

    void Put(const char* data, size_t n)
    {
        if (n > Capacity - Used) {
            Flush();
            if (n >= Capacity) {
                Ok = Ok && Output.Write(data, n);
                return;
            }
        }
        std::memcpy(Buffer.get() + Used, data, n);
        Used += n;
    }

    bool Flush()
    {
        if (Used)
            Ok = Ok && Output.Write(Buffer.get(), Used);
        Used = 0;
        return Ok;
    }

private:
    static constexpr size_t Capacity = size_t(1) << 20;
    TTextOutput& Output;
    std::unique_ptr<char[]> Buffer;
    size_t Used = 0;
    bool Ok = true;
};

void PutWithCrLf(TBufferedWriter& writer, const char* text, size_t n)
{
    while (n > 0) {
        const char* lineFeed = static_cast<const char*>(std::memchr(text, '\n', n));
        if (!lineFeed) {
            writer.Put(text, n);
            return;
        }
        writer.Put(text, size_t(lineFeed - text));
        writer.Put("\r\n", 2);
        n -= size_t(lineFeed + 1 - text);
        text = lineFeed + 1;
    }
}

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

bool WriteRows(const THELineArray& lines, TTextOutput& output, bool crlf)
{
    TBufferedWriter writer(output);
    for (TRowIndex i = 0, n = lines.Size(); i < n; ++i) {
        const TRow& row = lines[i];
        if (crlf)
            PutWithCrLf(writer, row.data(), row.size());
        else
            writer.Put(row.data(), row.size());
    }
    return writer.Flush();
}

bool SaveRowsToFile(const THELineArray& lines, const std::string& path, std::string& errorText)
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
    TDescriptorOutput output(temp.Fd);
    if (!WriteRows(lines, output)) {
        errorText = ErrorText("Cannot write", path, output.Error());
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

size_t CopyRowsToBuffer(const THELineArray& lines, char* buffer, size_t size)
{
    if (!buffer || size == 0)
        return 0;
    const size_t room = size - 1;
    size_t used = 0;
    for (TRowIndex i = 0, n = lines.Size(); i < n && used < room; ++i) {
        size_t count = std::min(lines[i].size(), room - used);
        std::memcpy(buffer + used, lines[i].data(), count);
        used += count;
    }
    buffer[used] = '\0';
    return used;
}
