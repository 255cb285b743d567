// Preloaded into the program by end-to-end tests: read(2) from the file
// named by VANTOR_SLOW_READ waits VANTOR_SLOW_READ_MS milliseconds first,
// so that a test can act while a file is still loading. Its file system is
// reported as unknown, so that the program reads the file rather than
// mapping it (a mapping is not paced).
#include <dlfcn.h>
#include <sys/vfs.h>
#include <time.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <string>

namespace {

using TRead = ssize_t (*)(int, void*, size_t);

bool ReadsTheSlowFile(int fd)
{
    const char* slow = std::getenv("VANTOR_SLOW_READ");
    if (!slow || !*slow)
        return false;
    char link[64];
    char target[4096];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    const ssize_t n = readlink(link, target, sizeof target - 1);
    if (n <= 0)
        return false;
    target[n] = '\0';
    return std::strcmp(target, slow) == 0;
}

void Pause()
{
    const char* ms = std::getenv("VANTOR_SLOW_READ_MS");
    const long wait = ms ? std::atol(ms) : 50;
    const timespec pause{wait / 1000, (wait % 1000) * 1000000};
    nanosleep(&pause, nullptr);
}

}  // namespace

extern "C" ssize_t read(int fd, void* buffer, size_t count)
{
    static const TRead real = reinterpret_cast<TRead>(dlsym(RTLD_NEXT, "read"));
    if (ReadsTheSlowFile(fd))
        Pause();
    return real(fd, buffer, count);
}

extern "C" int fstatfs(int fd, struct statfs* info)
{
    using TFstatfs = int (*)(int, struct statfs*);
    static const TFstatfs real = reinterpret_cast<TFstatfs>(dlsym(RTLD_NEXT, "fstatfs"));
    const int result = real(fd, info);
    if (result == 0 && ReadsTheSlowFile(fd))
        info->f_type = 0;
    return result;
}
