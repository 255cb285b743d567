#include "core/MappedFile.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <mutex>

namespace {

// The kernel announces a lease break with a signal, so the leases live in
// a table the signal handler can reach; it is the only process-wide state
// here, and the handler touches nothing else.
enum : int { LeaseFree, LeaseActive, LeaseCopying, LeaseCopied };

struct TLease {
    std::atomic<int> State{LeaseFree};
    int Fd = -1;
    char* Address = nullptr;
    size_t Mapped = 0;
};

constexpr int MaxLeases = 8;
TLease Leases[MaxLeases];

int LeaseSignal() { return SIGRTMIN + 4; }

// Runs when another program opens a leased file for writing or truncates
// it; the program waits until the lease is given up. The pages are copied
// into private memory, which then takes the mapping's place, and the lease
// is given up.
void OnLeaseBreak(int, siginfo_t* info, void*)
{
    const int saved = errno;
    for (TLease& lease : Leases) {
        int expected = LeaseActive;
        if (lease.Fd != info->si_fd || !lease.State.compare_exchange_strong(expected, LeaseCopying))
            continue;
        void* copy = mmap(nullptr, lease.Mapped, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (copy != MAP_FAILED) {
            std::memcpy(copy, lease.Address, lease.Mapped);
            mprotect(copy, lease.Mapped, PROT_READ);
            if (mremap(copy, lease.Mapped, lease.Mapped, MREMAP_MAYMOVE | MREMAP_FIXED, lease.Address) == MAP_FAILED)
                munmap(copy, lease.Mapped);
        }
        fcntl(lease.Fd, F_SETLEASE, F_UNLCK);
        lease.State.store(LeaseCopied);
    }
    errno = saved;
}

bool InstallHandler()
{
    static std::once_flag once;
    static bool installed = false;
    std::call_once(once, [] {
        struct sigaction action {};
        action.sa_sigaction = OnLeaseBreak;
        action.sa_flags = SA_SIGINFO | SA_RESTART;
        sigemptyset(&action.sa_mask);
        installed = sigaction(LeaseSignal(), &action, nullptr) == 0;
    });
    return installed;
}

// Local disk and memory file systems: their pages stay readable while the
// file is open, and they grant leases.
bool SafeFileSystem(int fd)
{
    struct statfs info {};
    if (fstatfs(fd, &info) != 0)
        return false;
    switch (uint32_t(info.f_type)) {
    case 0xEF53:      // ext2, ext3, ext4
    case 0x58465342:  // xfs
    case 0x9123683E:  // btrfs
    case 0x01021994:  // tmpfs
    case 0xF2F52010:  // f2fs
    case 0x2FC12FC1:  // zfs
        return true;
    default:
        return false;
    }
}

int TakeSlot()
{
    for (int i = 0; i < MaxLeases; ++i) {
        int expected = LeaseFree;
        // A slot being set up is marked Copied, which the handler leaves.
        if (Leases[i].State.compare_exchange_strong(expected, LeaseCopied))
            return i;
    }
    return -1;
}

void GiveBackSlot(int slot)
{
    TLease& lease = Leases[slot];
    int expected = LeaseActive;
    if (!lease.State.compare_exchange_strong(expected, LeaseCopied)) {
        // The handler may be copying right now: wait for it.
        while (lease.State.load() == LeaseCopying) {
        }
    }
    fcntl(lease.Fd, F_SETLEASE, F_UNLCK);
    close(lease.Fd);
    lease.Fd = -1;
    lease.Address = nullptr;
    lease.State.store(LeaseFree);
}

}  // namespace

std::unique_ptr<TMappedFile> TMappedFile::Map(int fd, size_t size)
{
    if (fd < 0 || size == 0 || !SafeFileSystem(fd) || !InstallHandler())
        return nullptr;
    const size_t page = size_t(sysconf(_SC_PAGESIZE));
    const size_t mapped = (size + page - 1) / page * page;
    const int slot = TakeSlot();
    if (slot < 0)
        return nullptr;
    TLease& lease = Leases[slot];
    lease.Fd = fcntl(fd, F_DUPFD_CLOEXEC, 0);
    void* address = MAP_FAILED;
    if (lease.Fd >= 0)
        address = mmap(nullptr, mapped, PROT_READ, MAP_PRIVATE, lease.Fd, 0);
    if (address != MAP_FAILED) {
        lease.Address = static_cast<char*>(address);
        lease.Mapped = mapped;
        lease.State.store(LeaseActive);
        struct stat info {};
        // The lease is granted only while nobody has the file open for
        // writing; the size is looked at again once it is held.
        if (fcntl(lease.Fd, F_SETSIG, LeaseSignal()) == 0 && fcntl(lease.Fd, F_SETLEASE, F_RDLCK) == 0 &&
            fstat(lease.Fd, &info) == 0 && size_t(info.st_size) == size)
            return std::unique_ptr<TMappedFile>(new TMappedFile(lease.Address, size, mapped, slot));
        munmap(address, mapped);
    }
    if (lease.Fd >= 0) {
        GiveBackSlot(slot);
    } else {
        lease.State.store(LeaseFree);
    }
    return nullptr;
}

TMappedFile::TMappedFile(char* address, size_t length, size_t mapped, int slot)
    : Address(address), Length(length), Mapped(mapped), Slot(slot)
{
}

TMappedFile::~TMappedFile()
{
    GiveBackSlot(Slot);
    munmap(Address, Mapped);
}

bool TMappedFile::Populate(size_t offset, size_t n) const noexcept
{
    if (offset >= Length)
        return true;
    n = std::min(n, Length - offset);
    const size_t page = size_t(sysconf(_SC_PAGESIZE));
    const size_t start = offset / page * page;
#ifdef MADV_POPULATE_READ
    if (madvise(Address + start, offset + n - start, MADV_POPULATE_READ) == 0)
        return true;
    return errno == EINVAL || errno == ENOSYS ? true : false;
#else
    (void)start;
    return true;
#endif
}

void TMappedFile::Release(size_t offset, size_t n) const noexcept
{
    const size_t page = size_t(sysconf(_SC_PAGESIZE));
    const size_t first = (offset + page - 1) / page * page;
    const size_t end = std::min(offset + n, Length) / page * page;
    if (end > first)
        madvise(Address + first, end - first, MADV_DONTNEED);
}

bool TMappedFile::Copied() const noexcept { return Leases[Slot].State.load() == LeaseCopied; }
