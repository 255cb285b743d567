// The text of an undo record, as pieces: views of the row array's text
// blocks, which never move or change while the document lives, and copies
// of its own. Deleting a large loaded range records the loaded bytes
// without copying them, and undoing the deletion lets the new rows view
// the same bytes again.
#pragma once

#include <string>
#include <string_view>
#include <vector>

class TUndoText {
public:
    struct TPiece {
        std::string_view Text;
        bool InBlocks = false;  // the bytes live in the row array's blocks
    };

    TUndoText() = default;
    TUndoText(std::string text) : Owned(std::move(text)), Size(Owned.size())
    {
        if (Size)
            Parts.push_back({0, Size, nullptr});
    }
    TUndoText(const char* text) : TUndoText(std::string(text)) {}

    // Text that lives in the row array's blocks (the caller's guarantee).
    static TUndoText ViewOf(std::string_view text)
    {
        TUndoText viewed;
        viewed.AppendView(text);
        return viewed;
    }

    static TUndoText Of(const std::vector<TPiece>& pieces)
    {
        TUndoText text;
        for (const TPiece& piece : pieces)
            text.Append(piece.Text, piece.InBlocks);
        return text;
    }

    // Appends bytes of the blocks; a view that continues the last one
    // widens it.
    void AppendView(std::string_view text);
    void AppendCopy(std::string_view text);
    void Append(std::string_view text, bool inBlocks) { inBlocks ? AppendView(text) : AppendCopy(text); }

    std::vector<TPiece> Pieces() const;
    std::string str() const;
    // count characters from pos on.
    std::string Substr(size_t pos, size_t count) const;
    size_t size() const { return Size; }
    bool empty() const { return Size == 0; }
    // Bytes held as a copy of the record's own.
    size_t CopiedBytes() const { return Owned.size(); }

private:
    // A view (Viewed set) or the range [Begin, Begin + Length) of Owned.
    struct TPart {
        size_t Begin;
        size_t Length;
        const char* Viewed;
    };
    std::string Owned;
    std::vector<TPart> Parts;
    size_t Size = 0;
};
