#include "core/TextWriter.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>

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
