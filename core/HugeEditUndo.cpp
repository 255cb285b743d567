// The undo history: records of caret positions and of inserted and deleted
// text, replayed through the editing operations with recording suspended.
#include "core/HugeEdit.h"
#include "core/Reflow.h"

#include <algorithm>

namespace {

std::unique_ptr<THEUndoItem> MakeRecord(TOffset pos, TOffset anchor, TUndoText&& text)
{
    auto item = std::make_unique<THEUndoItem>();
    item->Pos = pos;
    item->Anchor = anchor;
    item->Text = std::move(text);
    return item;
}

// Restores SuspendRecording when a replay step ends.
class TSuspendRecording {
public:
    explicit TSuspendRecording(bool& flag) : Flag(flag), Saved(flag) { Flag = true; }
    ~TSuspendRecording() { Flag = Saved; }
    TSuspendRecording(const TSuspendRecording&) = delete;
    TSuspendRecording& operator=(const TSuspendRecording&) = delete;

private:
    bool& Flag;
    bool Saved;
};

}  // namespace

void THugeEdit::RecordPosition(TOffset caretOffset, TOffset anchorOffset)
{
    if (SuspendRecording || (caretOffset == CurrentRecord->Pos && anchorOffset == CurrentRecord->Anchor))
        return;
    UndoStack.Push(std::move(CurrentRecord));
    CurrentRecord = MakeRecord(caretOffset, anchorOffset, {});
    RedoStack.Clear();
}

void THugeEdit::RecordText(TOffset kind, const std::string& text, TOffset at)
{
    if (!SuspendRecording)
        RecordText(kind, TUndoText(text), at);
}

void THugeEdit::RecordText(TOffset kind, TUndoText&& text, TOffset at)
{
    if (SuspendRecording)
        return;
    UndoStack.Push(std::move(CurrentRecord));
    CurrentRecord = MakeRecord(kind, at, std::move(text));
    RedoStack.Clear();
}

void THugeEdit::SetUndoLimit(int32_t limit)
{
    const int32_t bounded = int32_t(std::min<uint32_t>(uint32_t(limit), MaxUndoLimit));
    UndoStack.Limit = bounded;
    RedoStack.Limit = bounded;
}

// When the limit has dropped the position record below a text record, a
// replay runs out on that text record: it goes to the other stack, and the
// caret's place becomes the current record, so that nothing replays it a
// second time.
void THugeEdit::EndReplayOnPosition(THEUndoStack& otherStack)
{
    if (CurrentRecord->IsPosition())
        return;
    otherStack.Push(std::move(CurrentRecord));
    CurrentRecord = MakeRecord(OffsetOf(CaretRow, CaretCol), HasSelection ? OffsetOf(AnchorRow, AnchorCol) : -1, {});
}

// One Undo command reverts the text records down to the next position
// record and restores that position.
void THugeEdit::Undo()
{
    EndDrag();
    for (bool again = true; again;) {
        if (UndoStack.Empty()) {
            // A deletion is redone forward from the caret: put it back at
            // the start of the text just restored.
            if (CurrentRecord->Pos == THEUndoItem::Deletion) {
                TSuspendRecording suspend(SuspendRecording);
                const int64_t start = int64_t(OffsetOf(CaretRow, CaretCol)) - int64_t(CurrentRecord->Text.size());
                SetCaretOffset(TOffset(std::max<int64_t>(0, start)));
            }
            EndReplayOnPosition(RedoStack);
            return;
        }
        if (HasSelection) {
            InvertRange(CaretRow, CaretCol, AnchorRow, AnchorCol);
            HasSelection = false;
        }
        RedoStack.Push(std::move(CurrentRecord));
        CurrentRecord = UndoStack.Pop();
        TSuspendRecording suspend(SuspendRecording);
        const THEUndoItem& record = *CurrentRecord;
        again = !record.IsPosition();
        if (record.Pos == THEUndoItem::Deletion) {
            if (CurrentRecord->Rows.Size() && CurrentRecord->RowsKey == ReflowKey({WordWrap, WindowCols, TabSize}))
                InsertKeptRows(*CurrentRecord);
            else
                InsertPieces(record.Text.Pieces());
        } else if (record.Pos == THEUndoItem::Insertion) {
            // Never below 0: a negative offset would mean the end of the
            // document.
            const TOffset b = OffsetOf(CaretRow, CaretCol);
            SetSelectionOffsets(b, TOffset(std::max<int64_t>(0, int64_t(b) - int64_t(record.Text.size()))));
            DeleteSelection();
        } else if (record.Anchor < 0) {
            SetCaretOffset(record.Pos);
        } else {
            SetSelectionOffsets(record.Pos, record.Anchor);
        }
    }
}

void THugeEdit::Redo()
{
    EndDrag();
    for (bool again = true; again;) {
        if (RedoStack.Empty()) {
            EndReplayOnPosition(UndoStack);
            return;
        }
        if (HasSelection) {
            InvertRange(CaretRow, CaretCol, AnchorRow, AnchorCol);
            HasSelection = false;
        }
        UndoStack.Push(std::move(CurrentRecord));
        CurrentRecord = RedoStack.Pop();
        TSuspendRecording suspend(SuspendRecording);
        const THEUndoItem& record = *CurrentRecord;
        again = !record.IsPosition();
        if (record.Pos == THEUndoItem::Insertion) {
            InsertPieces(record.Text.Pieces());
        } else if (record.Pos == THEUndoItem::Deletion) {
            // Where it started: the earlier end of a selection, wherever
            // the caret stood in it, or the caret of an overwrite.
            const TOffset b = record.Anchor;
            SetSelectionOffsets(b, TOffset(int64_t(b) + int64_t(record.Text.size())));
            KeepRowsIn = CurrentRecord.get();
            DeleteSelection();
            KeepRowsIn = nullptr;
        } else if (record.Anchor < 0) {
            SetCaretOffset(record.Pos);
        } else {
            SetSelectionOffsets(record.Pos, record.Anchor);
        }
    }
}
