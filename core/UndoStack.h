// Undo records and the bounded stacks that hold them.
#pragma once

#include "core/LineArray.h"
#include "core/Offset.h"
#include "core/UndoText.h"

#include <cstdint>
#include <deque>
#include <memory>
#include <string>

struct THEUndoItem {
    static constexpr TOffset Insertion = -1;
    static constexpr TOffset Deletion = -2;

    // >= 0: a position record and the caret offset; -1 insertion; -2 deletion.
    TOffset Pos = 0;
    // Position records: the anchor offset, or -1 without a selection.
    // Deletion records: the offset the deleted text started at (the caret
    // alone does not tell: a selection may end there, or an overwrite of a
    // selection start there).
    TOffset Anchor = 0;
    // Text records: the text inserted or deleted at the caret.
    TUndoText Text;
    // A deletion of many rows may keep them, whole: Text from RowsAt up to
    // RowsEnd holds their text, and they can be put back while the rows are
    // wrapped as RowsKey says (the reflow key of the time).
    THELineArray::TDetachedRows Rows;
    int64_t RowsAt = 0;
    int64_t RowsEnd = 0;
    uint64_t RowsKey = 0;

    bool IsPosition() const { return Pos >= 0; }
};

// Newest record at the front; pushing trims the oldest records while the
// count exceeds Limit (compared as an unsigned count).
class THEUndoStack {
public:
    void Push(std::unique_ptr<THEUndoItem> item);
    std::unique_ptr<THEUndoItem> Pop();  // null when empty
    const THEUndoItem* Top() const { return Items.empty() ? nullptr : Items.front().get(); }
    bool Empty() const { return Items.empty(); }
    size_t Count() const { return Items.size(); }
    void Clear() { Items.clear(); }

    int32_t Limit = 500;

private:
    std::deque<std::unique_ptr<THEUndoItem>> Items;
};
