#include "core/FileSaver.h"

#include "core/TextWriter.h"
#include "framework/ReplaceFile.h"

namespace {

// The size WriteRows gives the rows: each hard line end grows by one.
int64_t SavedSize(const THELineArray& lines)
{
    int64_t size = 0;
    for (TRowIndex i = 0, n = lines.Size(); i < n; ++i)
        size += int64_t(lines[i].size()) + (lines[i].EndsWithLineEnd() ? 1 : 0);
    return size;
}

}  // namespace

bool SaveRowsToFile(const THELineArray& lines, const std::string& path, std::string& errorText)
{
    const auto fill = [&](int fd) {
        TDescriptorOutput output(fd);
        return WriteRows(lines, output) ? 0 : output.Error();
    };
    return ReplaceFile(path, fill, SavedSize(lines), errorText);
}
