// TMappedFile: a read-only mapping of a whole regular file that stays what
// the file held when it was mapped. The mapping holds a read lease on the
// file: before another program may open the file for writing or truncate
// it, the kernel tells us, and the mapping is replaced, at the same
// address, by a private copy of its pages; only then may the other program
// go on. Rows may therefore view the file's pages for as long as the
// mapping lives.
//
// Mapping is refused (Map returns null) where this cannot be promised: a
// file system that leases or local pages are not sure on, a file someone
// has open for writing, a lease the system does not grant (a file of
// another user, for one). The caller reads the file instead.
#pragma once

#include <cstddef>
#include <memory>

class TMappedFile {
public:
    // fd: a regular file open for reading, of size bytes (size > 0). The
    // descriptor stays the caller's.
    static std::unique_ptr<TMappedFile> Map(int fd, size_t size);
    ~TMappedFile();
    TMappedFile(const TMappedFile&) = delete;
    TMappedFile& operator=(const TMappedFile&) = delete;

    const char* Data() const noexcept { return Address; }
    size_t Size() const noexcept { return Length; }

    // Makes [offset, offset + n) resident; false when part of it cannot be
    // read (a read error, or a file shorter than it was).
    bool Populate(size_t offset, size_t n) const noexcept;
    // The pages wholly inside [offset, offset + n) are no longer needed:
    // they leave the resident memory (they come back if read again).
    void Release(size_t offset, size_t n) const noexcept;
    // True once the pages were replaced by a private copy.
    bool Copied() const noexcept;

private:
    TMappedFile(char* address, size_t length, size_t mapped, int slot);
    char* Address;
    size_t Length;
    size_t Mapped;  // the length rounded up to whole pages
    int Slot;       // the lease's entry (see MappedFile.cpp)
};
