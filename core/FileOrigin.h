// What the document knows of the file it was last loaded from or saved to:
// enough to warn before a save would lose text that lies in that file but
// not in the document, or text another program wrote there meanwhile.
#pragma once

#include "core/TextLoader.h"

#include <cstdint>
#include <string>

struct TFileOrigin {
    std::string Path;
    // The file as it was read or written.
    TFileStamp Stamp;
    // Bytes after the Ctrl-Z that ended the text, which the document does
    // not hold.
    int64_t BytesAfterEndMark = 0;
    // Why reading stopped before the end (empty: it did not), and how many
    // bytes were read.
    std::string ReadFailure;
    int64_t BytesRead = 0;

    // Whether path names this file (by name, or as the same file on disk).
    bool Names(const std::string& path) const
    {
        if (Path.empty())
            return false;
        if (path == Path)
            return true;
        const TFileStamp other = TFileStamp::Of(path);
        return Stamp.Exists && other.Exists && other.Device == Stamp.Device && other.Inode == Stamp.Inode;
    }
};
