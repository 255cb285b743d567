// Reading a text file into rows. The format: every carriage return is
// dropped, the first Ctrl-Z ends the input, line feeds end lines; every line
// becomes a row ending with one line feed (a final line without one gets
// one); an empty input is one row holding a line feed. Every other byte is
// kept. With word wrap on, lines are cut into rows as they are read.
//
// The file is read in large blocks straight into the row array's text
// blocks, and rows are views of that text.
#pragma once

#include "core/LineArray.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

struct TLoadOptions {
    bool WordWrap = false;
    int WindowCols = 80;  // below 1 counts as 1
    int TabSize = 3;
    // How much is read at a time, the size of the text blocks (0: sized
    // from the input), and the longest text accepted; tests make them small.
    size_t ReadBlockSize = size_t(4) << 20;
    size_t TextBlockSize = 0;
    int64_t MaxLength = MaxDocumentLength;
    // Rows may view the file's own pages (see TMappedFile) rather than a
    // copy read into memory.
    bool MapFile = true;
};

// What a file looked like when it was opened: enough to tell later whether
// another program has changed it.
struct TFileStamp {
    bool Exists = false;
    int64_t Size = 0;
    int64_t ModifiedNs = 0;  // modification time, nanoseconds since the epoch
    uint64_t Device = 0;
    uint64_t Inode = 0;

    // The file at path now, followed through symbolic links.
    static TFileStamp Of(const std::string& path);
    // The same content as far as size and modification time tell.
    bool SameAs(const TFileStamp& other) const
    {
        return Exists == other.Exists && (!Exists || (Size == other.Size && ModifiedNs == other.ModifiedNs));
    }
};

// Facts about a load beyond its result.
struct TLoadFacts {
    int64_t BytesRead = 0;       // bytes taken from the input, carriage returns included
    int64_t EndMarkAt = -1;      // where the Ctrl-Z that ended the text stood, or -1
    int ReadErrno = 0;           // the error of a failed read
};

enum class TLoadResult {
    Ok,
    CannotOpen,  // the input could not be opened: the rows are as for an empty file
    TooLarge,    // the text would exceed MaxDocumentLength: nothing of it was stored,
                 // the rows are as for an empty file
    ReadError,   // reading failed part-way: the rows read so far are kept
    Abandoned,   // the progress callback asked to stop: the rows read so far are kept
};

// An input character stream: a file (by descriptor or path), memory, or a
// function (tests use one to make reads fail).
class TTextInput {
public:
    using TReader = std::function<long(char* buffer, size_t n)>;

    // Only regular files are read: anything else (a FIFO, a device) is
    // refused without blocking, with Error() EINVAL.
    static TTextInput FromFile(const std::string& path);
    // Takes over an open descriptor (a pipe, for instance).
    static TTextInput FromDescriptor(int fd);
    static TTextInput FromMemory(std::string_view text);
    // reader returns what read(2) would: a count, 0 at the end, -1 with
    // errno set.
    static TTextInput FromReader(TReader reader, int64_t sizeHint = -1);
    TTextInput(TTextInput&& other) noexcept;
    TTextInput& operator=(TTextInput&&) = delete;
    ~TTextInput();

    bool IsOpen() const { return Fd >= 0 || IsMemory || Reader; }
    // The size of the underlying file or memory when known, else -1.
    int64_t SizeHint() const { return Size; }
    // Reads up to n bytes; 0 at the end, -1 on an error.
    long Read(char* buffer, size_t n);
    // A regular file's descriptor (rows may view the file mapped), or -1.
    int FileDescriptor() const { return FileStamp.Exists && !Reader ? Fd : -1; }
    // Reads on from offset in the file.
    bool SeekTo(int64_t offset);
    int Error() const { return Errno; }
    // The file as it was opened (Exists false for other inputs).
    const TFileStamp& Stamp() const { return FileStamp; }

private:
    TTextInput() = default;
    int Fd = -1;
    bool IsMemory = false;
    std::string_view Memory;
    size_t MemoryPos = 0;
    int64_t Size = -1;
    int Errno = 0;
    TReader Reader;
    TFileStamp FileStamp;
};

// Called before each row is read when the number of rows stored is a
// multiple of the current window row count; returns the window row count
// to use from then on (it can change while messages are dispatched); 0 or
// less asks the loader to stop reading (LoadText then returns Abandoned).
using TLoadProgress = std::function<int(TRowIndex rowsStored)>;

// Appends the rows read from input to lines (which the caller emptied).
// windowRows: the window row count at the start (below 1 counts as 1).
// Whatever the result, lines holds at least one row when LoadText returns.
TLoadResult LoadText(THELineArray& lines, TTextInput& input, const TLoadOptions& options, int windowRows,
                     const TLoadProgress& progress, TLoadFacts* facts = nullptr);

// The wrapped reading rule for one line (its line feed included when it
// has one): calls emit(start, length) for each row in order. Reading
// stops after a line feed, so text after one is not looked at.
void CutLineForReading(std::string_view line, int windowCols, int tabSize,
                       const std::function<void(size_t start, size_t length)>& emit);
