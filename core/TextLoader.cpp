#include "core/TextLoader.h"

#include "core/DisplayColumn.h"
#include "core/Reflow.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <limits>
#include <optional>

#ifdef __SSE2__
#include <emmintrin.h>
#include <xmmintrin.h>
#endif

// --- input ----------------------------------------------------------------------

namespace {

TFileStamp StampOf(const struct stat& info)
{
    TFileStamp stamp;
    stamp.Exists = true;
    stamp.Size = info.st_size;
    stamp.ModifiedNs = int64_t(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
    stamp.Device = info.st_dev;
    stamp.Inode = info.st_ino;
    return stamp;
}

}  // namespace

TFileStamp TFileStamp::Of(const std::string& path)
{
    struct stat info;
    return stat(path.c_str(), &info) == 0 ? StampOf(info) : TFileStamp();
}

TTextInput TTextInput::FromDescriptor(int fd)
{
    TTextInput input;
    input.Fd = fd;
    struct stat info;
    if (fd >= 0 && fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
        input.Size = info.st_size;
        input.FileStamp = StampOf(info);
        posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);
    }
    return input;
}

TTextInput TTextInput::FromFile(const std::string& path)
{
    // Non-blocking, so that a FIFO named by mistake cannot hang the open;
    // anything but a regular file is refused before a byte is read.
    int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    TTextInput input;
    if (fd < 0) {
        input.Errno = errno;
        return input;
    }
    struct stat info {};
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        input.Errno = S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
        close(fd);
        return input;
    }
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return FromDescriptor(fd);
}

TTextInput TTextInput::FromMemory(std::string_view text)
{
    TTextInput input;
    input.IsMemory = true;
    input.Memory = text;
    input.Size = int64_t(text.size());
    return input;
}

TTextInput TTextInput::FromReader(TReader reader, int64_t sizeHint)
{
    TTextInput input;
    input.Reader = std::move(reader);
    input.Size = sizeHint;
    return input;
}

TTextInput::TTextInput(TTextInput&& other) noexcept
    : Fd(other.Fd),
      IsMemory(other.IsMemory),
      Memory(other.Memory),
      MemoryPos(other.MemoryPos),
      Size(other.Size),
      Errno(other.Errno),
      Reader(std::move(other.Reader)),
      FileStamp(other.FileStamp)
{
    other.Fd = -1;
}

TTextInput::~TTextInput()
{
    if (Fd >= 0)
        close(Fd);
}

long TTextInput::Read(char* buffer, size_t n)
{
    if (IsMemory) {
        size_t count = std::min(n, Memory.size() - MemoryPos);
        std::memcpy(buffer, Memory.data() + MemoryPos, count);
        MemoryPos += count;
        return long(count);
    }
    if (Fd < 0 && !Reader)
        return 0;
    n = std::min<size_t>(n, size_t(1) << 30);
    for (;;) {
        ssize_t got = Reader ? Reader(buffer, n) : read(Fd, buffer, n);
        if (got >= 0)
            return long(got);
        if (errno != EINTR) {
            Errno = errno;
            return -1;
        }
    }
}

bool TTextInput::SeekTo(int64_t offset)
{
    return Fd >= 0 && lseek(Fd, off_t(offset), SEEK_SET) == off_t(offset);
}

// --- the wrapped reading rule -------------------------------------------------------

namespace {

bool IsReadBreak(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r' || c == '-';
}

// Whether the display width of text stays below limit; if not, k is the
// largest index with width(text, k) below it.
bool FitsBelow(const char* text, size_t length, size_t limit, int tabSize, size_t& k)
{
    if (!std::memchr(text, '\t', length)) {
        k = limit - 1;
        return length < limit;
    }
    const size_t tab = size_t(EffectiveTabSize(tabSize));
    size_t width = 0;
    for (size_t i = 0; i < length; ++i) {
        size_t next = text[i] == '\t' ? (width + tab) / tab * tab : width + 1;
        if (next >= limit) {
            k = i;
            return false;
        }
        width = next;
    }
    return true;
}

// The rule for a line whose only line feed, if any, is its last character.
// P, the pending text, is always line[start, end).
template <class TEmit>
void CutLine(std::string_view line, int windowCols, int tabSize, TEmit&& emit)
{
    const size_t width = size_t(std::max(1, windowCols));
    const char* text = line.data();
    const size_t n = line.size();
    size_t start = 0;
    size_t end = 0;
    while (end < n || start < end) {
        if (end == start || text[end - 1] != '\n')
            end = std::min(n, std::max(end, start + width));
        size_t k = 0;
        if (FitsBelow(text + start, end - start, width, tabSize, k)) {
            emit(start, end - start);
            start = end;
            continue;
        }
        size_t keep = k + 1;
        while (keep > 0 && !IsReadBreak(text[start + keep - 1]))
            --keep;
        if (keep == 0) {
            // A word wider than the window: the row runs on to the break
            // character after it.
            if (text[end - 1] != '\n') {
                while (end < n && !IsReadBreak(text[end]))
                    ++end;
                end = std::min(n, end + 1);
            }
            keep = end - start;
        }
        emit(start, keep);
        start += keep;
        end = std::max(end, start);
    }
}

}  // namespace

void CutLineForReading(std::string_view line, int windowCols, int tabSize,
                       const std::function<void(size_t start, size_t length)>& emit)
{
    size_t lineEnd = line.find('\n');
    if (lineEnd != std::string_view::npos)
        line = line.substr(0, lineEnd + 1);
    CutLine(line, windowCols, tabSize, emit);
}

// --- the loader ---------------------------------------------------------------------

namespace {

// Calls each(offset) for every line feed in text[from, to), in order, up to
// the first Ctrl-Z, or carriage return if crToo, and returns where that is
// (to if none); stops early when each returns false. Sixty-four bytes are
// compared at a time, in one pass: a call per line to memchr, or a pass per
// character looked for, costs more than the search on lines of usual length.
template <class TEach>
size_t ScanLineFeeds(const char* text, size_t from, size_t to, bool crToo, TEach&& each)
{
#ifdef __SSE2__
    const __m128i lineFeed = _mm_set1_epi8('\n'), endMark = _mm_set1_epi8(0x1A);
    const __m128i carriageReturn = _mm_set1_epi8(crToo ? '\r' : 0x1A);
    auto masks = [&](size_t at, int shift, uint64_t& lineFeeds, uint64_t& specials) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text + at));
        lineFeeds |= uint64_t(uint32_t(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, lineFeed)))) << shift;
        const __m128i special = _mm_or_si128(_mm_cmpeq_epi8(bytes, endMark), _mm_cmpeq_epi8(bytes, carriageReturn));
        specials |= uint64_t(uint32_t(_mm_movemask_epi8(special))) << shift;
    };
    for (; from + 64 <= to; from += 64) {
        // The processor's own prefetching stops at page boundaries.
        _mm_prefetch(text + std::min(from + 4096, to - 1), _MM_HINT_T0);
        uint64_t lineFeeds = 0, specials = 0;
        for (int shift = 0; shift < 64; shift += 16)
            masks(from + size_t(shift), shift, lineFeeds, specials);
        if (specials)
            lineFeeds &= (specials & -specials) - 1;  // those before the first special
        for (; lineFeeds; lineFeeds &= lineFeeds - 1)
            if (!each(from + size_t(__builtin_ctzll(lineFeeds))))
                return to;
        if (specials)
            return from + size_t(__builtin_ctzll(specials));
    }
#endif
    for (; from < to; ++from) {
        const char c = text[from];
        if (c == 0x1A || (crToo && c == '\r'))
            return from;
        if (c == '\n' && !each(from))
            return to;
    }
    return to;
}

class TLoader {
public:
    TLoader(THELineArray& lines, TTextInput& input, const TLoadOptions& options, int windowRows,
            const TLoadProgress& progress, TLoadFacts& facts)
        : Facts(facts),
          Lines(lines),
          Arena(lines.Arena()),
          Input(input),
          Options(options),
          Progress(progress),
          ReadBlock(std::max<size_t>(options.ReadBlockSize, 1)),
          WindowRows(std::max(windowRows, 1)),
          Countdown(progress ? 0 : std::numeric_limits<int64_t>::max())
    {
        int64_t known = input.SizeHint();
        TextBlock = options.TextBlockSize ? options.TextBlockSize
                    : known >= 0          ? size_t(known) + ReadBlock + 1
                                          : size_t(64) << 20;
    }

    TLoadResult Run();

private:
    TLoadFacts& Facts;
    THELineArray& Lines;
    TTextArena& Arena;
    TTextInput& Input;
    const TLoadOptions& Options;
    const TLoadProgress& Progress;
    const size_t ReadBlock;
    size_t TextBlock;
    int WindowRows;
    // Rows still to store before the next progress step.
    int64_t Countdown;
    TRowIndex Stored = 0;
    bool Stopped = false;
    bool InputEnded = false;
    // The characters read so far, carriage returns left out.
    int64_t TextLength = 0;
    // The unfinished line: Pending characters at the arena's free area, or,
    // once it is longer than a view, LongLine.
    size_t Pending = 0;
    TRow LongLine;
    bool InLongLine = false;
    // The file being read through a mapping, while it is.
    TMappedFile* Mapped = nullptr;

    size_t Clean(char* text, size_t n);
    std::optional<TLoadResult> ReadMapped();
    void StoreMappedLine(const char* text, size_t length, bool checkCr);
    void StoreText(const char* text, size_t length);
    void TakeLines(char* base, size_t length, size_t searchFrom);
    void FinishLastLine();
    void StoreLine(const char* text, size_t length);
    void StoreLongLine();
    void StoreRow(TRow row);
    bool ProgressStep();
    TLoadResult TooLarge();
};

TLoadResult TLoader::Run()
{
    if (!Input.IsOpen()) {
        Lines.Append(TRow("\n"));
        return TLoadResult::CannotOpen;
    }
    if (Input.SizeHint() > Options.MaxLength)
        return TooLarge();
    if (const std::optional<TLoadResult> mapped = ReadMapped())
        return *mapped;
    TLoadResult result = TLoadResult::Ok;
    while (!InputEnded && !Stopped) {
        char* base = Arena.Reserve(ReadBlock, Pending, TextBlock);
        long got = Input.Read(base + Pending, ReadBlock);
        if (got <= 0) {
            if (got < 0) {
                result = TLoadResult::ReadError;
                Facts.ReadErrno = Input.Error();
            }
            break;
        }
        size_t length = Clean(base + Pending, size_t(got));
        Facts.BytesRead += got;
        TextLength += int64_t(length);
        if (TextLength > Options.MaxLength)
            return TooLarge();
        TakeLines(base, Pending + length, Pending);
    }
    if (!Stopped && (Pending || InLongLine)) {
        if (TextLength + 1 > Options.MaxLength)
            return TooLarge();
        FinishLastLine();
    }
    if (Lines.Size() == 0)
        Lines.Append(TRow("\n"));
    return Stopped ? TLoadResult::Abandoned : result;
}

// Reads a regular file through a mapping of it: rows view its pages. No
// result when the file is not mapped, or only partly read so (a part that
// cannot be read, carriage returns at its start): the rest is then read
// from Facts.BytesRead on.
std::optional<TLoadResult> TLoader::ReadMapped()
{
    const int fd = Input.FileDescriptor();
    if (!Options.MapFile || fd < 0 || Input.SizeHint() <= 0)
        return std::nullopt;
    std::unique_ptr<TMappedFile> file = TMappedFile::Map(fd, size_t(Input.SizeHint()));
    if (!file)
        return std::nullopt;
    Mapped = file.get();
    const char* const text = file->Data();
    const size_t size = file->Size();
    // Resident a part at a time, so that the first screenful comes quickly.
    const size_t Part = std::max<size_t>(1, Options.ReadBlockSize);
    size_t lineStart = 0, end = size;
    bool checkCr = false, complete = true;
    for (size_t part = 0; part < end && !Stopped; part += Part) {
        const size_t partEnd = std::min(end, part + Part);
        if (!file->Populate(part, partEnd - part)) {
            complete = false;
            break;
        }
        auto store = [&](size_t lineFeed) {
            StoreMappedLine(text + lineStart, lineFeed + 1 - lineStart, checkCr);
            lineStart = lineFeed + 1;
            return !Stopped;
        };
        for (size_t from = std::max(lineStart, part); from < partEnd && !Stopped;) {
            const size_t special = ScanLineFeeds(text, from, partEnd, !checkCr, store);
            if (special == partEnd)
                break;
            if (text[special] == 0x1A) {
                end = special;
                Facts.EndMarkAt = int64_t(end);
                break;
            }
            // Carriage returns near the start: every line would be a copy.
            if (part == 0) {
                complete = false;
                break;
            }
            checkCr = true;
            from = special + 1;
        }
        if (!complete)
            break;
    }
    if (!complete) {
        // What is left is read: the rows stored so far keep the mapping.
        Facts.BytesRead = int64_t(lineStart);
        Facts.EndMarkAt = -1;
        if (Stored > 0)
            Arena.Keep(std::move(file));
        Mapped = nullptr;
        if (Input.SeekTo(int64_t(lineStart)))
            return std::nullopt;
        Facts.ReadErrno = errno;
        return TLoadResult::ReadError;
    }
    const bool lastHasCr = checkCr && std::memchr(text + lineStart, '\r', end - lineStart);
    if (!Stopped && lineStart < end && !Options.WordWrap && !lastHasCr && end - lineStart >= TRow::MaxViewLength) {
        // A last line too long for a view, without a line feed: a row of its
        // own gets one, and room to type in; the mapped pages are let go.
        TextLength += int64_t(end - lineStart + 1);
        if (TextLength > Options.MaxLength)
            return TooLarge();
        TRow row(std::string_view(text + lineStart, end - lineStart));
        row.Append("\n");
        StoreRow(std::move(row));
        file->Release(lineStart, end - lineStart);
    } else if (!Stopped && lineStart < end) {
        // The last line has no line feed: it gets one, in a copy.
        char* copy = Arena.Reserve(end - lineStart + 1);
        size_t length = 0;
        for (size_t i = lineStart; i < end; ++i)
            if (text[i] != '\r')
                copy[length++] = text[i];
        // Carriage returns alone after the last line feed make no line.
        if (length > 0) {
            copy[length++] = '\n';
            Arena.Commit(length);
            TextLength += int64_t(length);
            if (TextLength > Options.MaxLength)
                return TooLarge();
            StoreText(copy, length);
        }
    }
    Facts.BytesRead = int64_t(size);
    Arena.Keep(std::move(file));
    Mapped = nullptr;
    if (Lines.Size() == 0)
        Lines.Append(TRow("\n"));
    return Stopped ? TLoadResult::Abandoned : TLoadResult::Ok;
}

void TLoader::StoreMappedLine(const char* text, size_t length, bool checkCr)
{
    if (checkCr && std::memchr(text, '\r', length)) {
        char* copy = Arena.Reserve(length);
        size_t kept = 0;
        for (size_t i = 0; i < length; ++i)
            if (text[i] != '\r')
                copy[kept++] = text[i];
        Arena.Commit(kept);
        text = copy;
        length = kept;
    }
    TextLength += int64_t(length);
    StoreText(text, length);
}

// Stores a line that lives where it stays (the mapping or the arena).
void TLoader::StoreText(const char* text, size_t length)
{
    if (Options.WordWrap || length <= TRow::MaxViewLength) {
        StoreLine(text, length);
        return;
    }
    StoreRow(TRow({text, length}));
    // The row holds its own copy: the mapped pages under it are not needed.
    if (Mapped && text >= Mapped->Data() && text < Mapped->Data() + Mapped->Size())
        Mapped->Release(size_t(text - Mapped->Data()), length);
}

TLoadResult TLoader::TooLarge()
{
    LongLine = TRow();
    Lines.Clear();
    Lines.Append(TRow("\n"));
    return TLoadResult::TooLarge;
}

// Ends the text at the first Ctrl-Z and drops every carriage return, in
// place; returns the length left.
size_t TLoader::Clean(char* text, size_t n)
{
    if (const void* eof = std::memchr(text, 0x1A, n)) {
        n = size_t(static_cast<const char*>(eof) - text);
        Facts.EndMarkAt = Facts.BytesRead + int64_t(n);
        InputEnded = true;
    }
    char* out = static_cast<char*>(std::memchr(text, '\r', n));
    if (!out)
        return n;
    const char* end = text + n;
    const char* in = out + 1;
    for (;;) {
        const char* cr = static_cast<const char*>(std::memchr(in, '\r', size_t(end - in)));
        const char* stop = cr ? cr : end;
        std::memmove(out, in, size_t(stop - in));
        out += stop - in;
        if (!cr)
            break;
        in = cr + 1;
    }
    return size_t(out - text);
}

// Stores the complete lines of base[0, length); the characters before
// searchFrom hold no line feed. Lines that are stored as views are moved
// together at the front, so that their text is committed without gaps.
void TLoader::TakeLines(char* base, size_t length, size_t searchFrom)
{
    char* line = base;
    char* out = base;
    char* const end = base + length;
    char* search = base + searchFrom;
    while (!Stopped) {
        char* lineFeed = static_cast<char*>(std::memchr(search, '\n', size_t(end - search)));
        if (!lineFeed)
            break;
        size_t size = size_t(lineFeed + 1 - line);
        if (InLongLine) {
            LongLine.Append({line, size});
            InLongLine = false;
            StoreLongLine();
        } else if (!Options.WordWrap && size > TRow::MaxViewLength) {
            StoreRow(TRow({line, size}));
        } else {
            if (out != line)
                std::memmove(out, line, size);
            StoreLine(out, size);
            out += size;
        }
        line = search = lineFeed + 1;
    }
    Arena.Commit(size_t(out - base));
    size_t rest = size_t(end - line);
    Pending = 0;
    if (Stopped)
        return;
    if (InLongLine || rest > TRow::MaxViewLength) {
        LongLine.Append({line, rest});
        InLongLine = true;
        return;
    }
    if (out != line)
        std::memmove(out, line, rest);
    Pending = rest;
}

// The last line has no line feed: it gets one.
void TLoader::FinishLastLine()
{
    ++TextLength;
    if (InLongLine) {
        LongLine.Append("\n");
        InLongLine = false;
        StoreLongLine();
        return;
    }
    char* base = Arena.Reserve(1, Pending, TextBlock);
    base[Pending] = '\n';
    TakeLines(base, Pending + 1, Pending);
}

void TLoader::StoreLine(const char* text, size_t length)
{
    if (!Options.WordWrap) {
        StoreRow(TRow::ViewOf(text, length));
        return;
    }
    CutLine({text, length}, Options.WindowCols, Options.TabSize, [&](size_t start, size_t size) {
        if (!Stopped)
            StoreRow(TRow::ViewOf(text + start, size));
    });
}

void TLoader::StoreLongLine()
{
    if (!Options.WordWrap) {
        StoreRow(std::move(LongLine));
        return;
    }
    // Its rows are views like any other, of a block of its own.
    const char* text = Arena.StoreApart(LongLine.data(), LongLine.size());
    size_t length = LongLine.size();
    LongLine = TRow();
    StoreLine(text, length);
}

void TLoader::StoreRow(TRow row)
{
    if (Countdown == 0 && !ProgressStep())
        return;
    Lines.Append(std::move(row));
    ++Stored;
    --Countdown;
}

// Taken when the rows stored are a multiple of the window row count.
bool TLoader::ProgressStep()
{
    int rows = Progress(Stored);
    if (rows <= 0) {
        Stopped = true;
        return false;
    }
    WindowRows = rows;
    Countdown = rows - Stored % rows;
    return true;
}

}  // namespace

TLoadResult LoadText(THELineArray& lines, TTextInput& input, const TLoadOptions& options, int windowRows,
                     const TLoadProgress& progress, TLoadFacts* facts)
{
    TLoadFacts ignored;
    const TLoadResult result = TLoader(lines, input, options, windowRows, progress, facts ? *facts : ignored).Run();
    // The rows read are wrapped as the options ask, and edits reflow only
    // what they change.
    lines.ForgetChanges();
    lines.SetSettledFor(ReflowKey({options.WordWrap, options.WindowCols, options.TabSize}));
    return result;
}
