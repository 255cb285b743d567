// The three operations through which every change of the text goes, and
// the double-click word selection.
#include "core/HugeEdit.h"
#include "core/Reflow.h"
#include "core/WordChar.h"

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

std::string WithoutCarriageReturns(const std::string& text)
{
    std::string copy;
    copy.reserve(text.size());
    for (char c : text)
        if (c != '\r')
            copy.push_back(c);
    return copy;
}

// The text without its carriage returns; the text itself when it has none,
// which spares a copy of a large paste or undo record.
std::string_view WithoutCarriageReturns(const std::string& text, std::string& storage)
{
    if (text.find('\r') == std::string::npos)
        return text;
    storage = WithoutCarriageReturns(text);
    return storage;
}

// Large multi-line insertions are copied once into the row array's text
// blocks, and the new rows view that copy instead of owning one each.
constexpr size_t ViewedInsertionLength = 64 * 1024;

}  // namespace

// Deleted text that loaded rows view is recorded as views of their bytes,
// the text of edited rows as a copy.
TUndoText THugeEdit::DeletedText(TRowIndex r1, TRowIndex c1, TRowIndex r2, TRowIndex c2) const
{
    if (r1 == r2)
        return TUndoText(std::string(Lines[r1].View().substr(c1, c2 - c1)));
    TUndoText text;
    text.Append(Lines[r1].View().substr(c1), Lines[r1].IsView());
    Lines.ForEachRun(r1 + 1, r2, [&](const TRow* rows, size_t n) {
        for (size_t i = 0; i < n; ++i)
            text.Append(rows[i].View(), rows[i].IsView());
    });
    text.Append(Lines[r2].View().substr(0, c2), Lines[r2].IsView());
    return text;
}

void THugeEdit::DeleteSelection()
{
    if (EditLocked)
        return;
    EndDrag();
    if (HasSelection) {
        TRowIndex sr = AnchorRow, sc = AnchorCol, er = CaretRow, ec = CaretCol;
        if (CaretRow < AnchorRow || (CaretRow == AnchorRow && CaretCol < AnchorCol))
            std::swap(sr, er), std::swap(sc, ec);
        const TOffset start = OffsetOf(sr, sc);
        TUndoText deleted = SuspendRecording ? TUndoText() : DeletedText(sr, sc, er, ec);
        // Many whole rows between the ends go to the record as they are, so
        // that Undo can put them back without making them again.
        THEUndoItem* keeper = SuspendRecording ? KeepRowsIn : nullptr;
        THELineArray::TDetachedRows kept;
        const int64_t keptAt = int64_t(Lines[sr].size()) - sc;
        if ((keeper || !SuspendRecording) && er - sr - 1 >= THELineArray::BlockRows)
            kept = Lines.Detach(sr + 1, er);
        const TRowIndex endRow = er - kept.Size();
        std::string tail(Lines[endRow].View().substr(ec));
        TRow& first = Lines.Edit(sr);
        first.Truncate(sc);
        first.Append(tail);
        if (endRow > sr) {
            Lines.Erase(sr + 1, endRow + 1);
            Invalidate();
        }
        const int64_t deletedSize = SuspendRecording ? 0 : int64_t(deleted.size());
        RecordText(THEUndoItem::Deletion, std::move(deleted), start);
        if (!SuspendRecording)
            keeper = CurrentRecord.get();
        if (keeper && kept.Size()) {
            keeper->RowsAt = keptAt;
            keeper->RowsEnd = (SuspendRecording ? int64_t(keeper->Text.size()) : deletedSize) - ec;
            keeper->RowsKey = ReflowKey({WordWrap, WindowCols, TabSize});
            keeper->Rows = std::move(kept);
        }
        HasSelection = false;
        CaretRow = sr;
        CaretCol = sc;
        Reflow(sr, sc, false);
        Modified = true;
        SetCaretOffset(start);
    } else {
        const TOffset at = OffsetOf(CaretRow, CaretCol);
        const TRow& row = Lines[CaretRow];
        std::string deleted;
        if (size_t(CaretCol) < row.size()) {
            deleted.assign(1, row[CaretCol]);
            Lines.Edit(CaretRow).Erase(CaretCol, 1);
        }
        RecordText(THEUndoItem::Deletion, deleted, at);
        Reflow(CaretRow, CaretCol, false);
        Modified = true;
        SetCaretOffset(at);
    }
    UpdateCaret(true);
}

void THugeEdit::InsertText(const std::string& text)
{
    if (EditLocked)
        return;
    EndDrag();
    std::string storage;
    const std::string_view clean = WithoutCarriageReturns(text, storage);
    const int64_t selected =
        HasSelection ? std::abs(int64_t(OffsetOf(CaretRow, CaretCol)) - int64_t(OffsetOf(AnchorRow, AnchorCol))) : 0;
    if (!RoomFor(int64_t(clean.size()), selected))
        return;
    InsertPieces({{clean, false}});
}

bool THugeEdit::RoomFor(int64_t inserted, int64_t replaced)
{
    if (LengthBound + inserted - replaced <= LengthLimit)
        return true;
    LengthBound = Lines.TextLength();
    if (LengthBound + inserted - replaced <= LengthLimit)
        return true;
    MessageBox(this,
               "The document cannot hold more than " + std::to_string(LengthLimit) +
                   " characters.\nThe text was not inserted.",
               "WARNING", MB_ICONSTOP | MB_OK);
    return false;
}

void THugeEdit::InsertPieces(const std::vector<TUndoText::TPiece>& pieces)
{
    if (EditLocked)
        return;
    size_t size = 0;
    int64_t lineEnds = 0;
    for (const TUndoText::TPiece& piece : pieces) {
        size += piece.Text.size();
        lineEnds += std::count(piece.Text.begin(), piece.Text.end(), '\n');
    }
    LengthBound += int64_t(size);
    if (HasSelection) {
        DeleteSelection();
        HasSelection = false;
        // The deletion and the insertion follow each other directly in the
        // history: drop the caret record the deletion made.
        if (!SuspendRecording && !UndoStack.Empty())
            CurrentRecord = UndoStack.Pop();
    }
    const TOffset at = OffsetOf(CaretRow, CaretCol);
    const TRowIndex row = CaretRow, col = CaretCol;
    const char* stored = nullptr;
    if (lineEnds >= 2) {
        stored = InsertRowWise(pieces, lineEnds);
    } else if (pieces.size() == 1) {
        Lines.Edit(CaretRow).Insert(CaretCol, pieces[0].Text);
    } else {
        std::string joined;
        for (const TUndoText::TPiece& piece : pieces)
            joined.append(piece.Text);
        Lines.Edit(CaretRow).Insert(CaretCol, joined);
    }
    // A text copied into the blocks is recorded as a view of that copy.
    if (!SuspendRecording)
        RecordText(THEUndoItem::Insertion, stored ? TUndoText::ViewOf({stored, size}) : TUndoText::Of(pieces));
    Reflow(row, col, lineEnds >= 2);
    SetCaretOffset(TOffset(int64_t(at) + int64_t(size)));
    Modified = true;
}

// Undo of a deletion that kept its rows: the rows go back whole between the
// first and the last line of the text.
void THugeEdit::InsertKeptRows(THEUndoItem& record)
{
    if (EditLocked)
        return;
    const int64_t size = int64_t(record.Text.size());
    LengthBound += size;
    const TOffset at = OffsetOf(CaretRow, CaretCol);
    const TRowIndex row = CaretRow, col = CaretCol;
    const TRowIndex rows = record.Rows.Size();
    const std::string head = record.Text.Substr(0, size_t(record.RowsAt));
    std::string last = record.Text.Substr(size_t(record.RowsEnd), size_t(size - record.RowsEnd));
    last.append(Lines[row].View().substr(size_t(col)));
    TRow& first = Lines.Edit(row);
    first.Truncate(size_t(col));
    first.Append(head);
    Lines.Attach(row + 1, std::move(record.Rows));
    Lines.Insert(row + 1 + rows, TRow(last));
    Invalidate();
    Reflow(row, col, true);
    SetCaretOffset(TOffset(int64_t(at) + size));
    Modified = true;
}

const char* THugeEdit::InsertRowWise(const std::vector<TUndoText::TPiece>& pieces, int64_t lineEnds)
{
    // The length limit keeps the rows of the document, the new ones
    // included, countable by a row index.
    const bool lastRow = CaretRow == Lines.Size() - 1;
    const TRowIndex added = TRowIndex(lastRow ? lineEnds : lineEnds - 1);
    Lines.InsertN(CaretRow + 1, added, TRow());

    // The caret row's tail moves behind the last inserted line.
    const TRowIndex tailRow = TRowIndex(CaretRow + lineEnds);
    std::string tail(Lines[CaretRow].View().substr(CaretCol));
    Lines.Edit(CaretRow).Truncate(CaretCol);
    Lines.Edit(tailRow).Insert(0, tail);

    std::vector<TUndoText::TPiece> parts = pieces;
    const char* stored = nullptr;
    if (parts.size() == 1 && !parts[0].InBlocks && parts[0].Text.size() >= ViewedInsertionLength) {
        stored = Lines.Arena().Store(parts[0].Text.data(), parts[0].Text.size());
        parts[0] = {std::string_view(stored, parts[0].Text.size()), true};
    }
    TRowIndex line = 0;
    std::string straddling;  // a line that began in an earlier piece
    for (size_t p = 0; p < parts.size(); ++p) {
        const std::string_view text = parts[p].Text;
        for (size_t pos = 0; pos < text.size();) {
            const size_t lineEnd = text.find('\n', pos);
            const size_t end = lineEnd == std::string_view::npos ? text.size() : lineEnd + 1;
            const std::string_view piece = text.substr(pos, end - pos);
            pos = end;
            const bool complete = lineEnd != std::string_view::npos || p + 1 == parts.size();
            if (straddling.empty() && complete) {
                PlaceInsertedLine(line++, piece, parts[p].InBlocks);
            } else {
                straddling.append(piece);
                if (complete) {
                    PlaceInsertedLine(line++, straddling, false);
                    straddling.clear();
                }
            }
        }
    }
    return stored;
}

// The caret row keeps its head and takes the first line; an empty new row
// views bytes of the blocks; other rows get a copy.
void THugeEdit::PlaceInsertedLine(TRowIndex line, std::string_view text, bool inBlocks)
{
    const TRowIndex target = CaretRow + line;
    if (line == 0)
        Lines.Edit(target).Append(text);
    else if (Lines[target].empty() && inBlocks && text.size() <= TRow::MaxViewLength)
        Lines.Edit(target) = TRow::ViewOf(text.data(), text.size());
    else
        Lines.Edit(target).Insert(0, text);
}

void THugeEdit::OverwriteText(const std::string& text)
{
    if (EditLocked)
        return;
    EndDrag();
    const std::string copy = WithoutCarriageReturns(text);
    const size_t k = copy.size();
    // What the caret's row holds is replaced at least.
    if (!RoomFor(int64_t(k), std::min<int64_t>(int64_t(k), int64_t(Lines[CaretRow].size()) - CaretCol)))
        return;
    LengthBound += int64_t(k);
    const TOffset at = OffsetOf(CaretRow, CaretCol);
    while (Lines[CaretRow].size() - size_t(CaretCol) < k && CaretRow + 1 < Lines.Size())
        Lines.JoinNext(CaretRow);
    const TRow& row = Lines[CaretRow];
    const size_t count = std::min(k, row.size() - size_t(CaretCol));
    const std::string overwritten(row.View().substr(CaretCol, count));
    RecordText(THEUndoItem::Deletion, overwritten, at);
    RecordText(THEUndoItem::Insertion, copy);
    Lines.Edit(CaretRow).Replace(CaretCol, count, copy);
    Reflow(CaretRow, CaretCol, false);
    SetCaretOffset(TOffset(int64_t(at) + int64_t(k)));
    Modified = true;
}

void THugeEdit::SelectWord()
{
    if (Lines.Size() == 0)
        return;
    if (HasSelection) {
        HasSelection = false;
        InvertRange(CaretRow, CaretCol, AnchorRow, AnchorCol);
    }
    AnchorRow = CaretRow;
    AnchorCol = CaretCol;
    const TRow& row = Lines[CaretRow];
    while (CaretCol > 0 && IsWordChar(row[CaretCol - 1]))
        --CaretCol;
    while (size_t(AnchorCol) < row.size() && IsWordChar(row[AnchorCol]))
        ++AnchorCol;
    if (CaretCol != AnchorCol) {
        HasSelection = true;
        InvertRange(CaretRow, CaretCol, AnchorRow, AnchorCol);
    }
    UpdateCaret(true);
}
