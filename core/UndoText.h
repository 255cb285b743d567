// The text of an undo record: a copy of its own, or a view of text in the
// row array's text blocks, which never move or change while the document
// lives. Deleting a large loaded range then records it without a copy, and
// undoing the deletion lets the new rows view the same bytes again.
#pragma once

#include <string>
#include <string_view>

class TUndoText {
public:
    TUndoText() = default;
    TUndoText(std::string text) : Owned(std::move(text)) {}
    TUndoText(const char* text) : Owned(text) {}

    // Text that lives in the row array's blocks (the caller's guarantee).
    static TUndoText ViewOf(std::string_view text)
    {
        TUndoText viewed;
        viewed.Viewed = text;
        viewed.Viewing = true;
        return viewed;
    }

    std::string_view View() const { return Viewing ? Viewed : std::string_view(Owned); }
    size_t size() const { return View().size(); }
    bool empty() const { return size() == 0; }
    bool IsView() const { return Viewing; }

private:
    std::string Owned;
    std::string_view Viewed;
    bool Viewing = false;
};
