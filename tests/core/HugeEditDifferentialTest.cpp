// Random edits, caret moves, word-wrap toggles and resizes, checked after
// every step against a plain string model of the document; then everything
// is undone and redone.
#include "tests/support/EditorFixture.h"

#include "TextTestSupport.h"
#include "core/Reflow.h"

#include <random>

namespace {

class Differential : public TEditorFixture {
protected:
    std::mt19937 Random{20261208};
    std::string Model;
    std::string LastStep;  // what the last step did, for failure messages

    int Pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(Random); }

    std::string RandomText()
    {
        static const char* const pieces[] = {"a", "bc", " ", "\t", "-", "word", "x\n", "\r\n", "\n", "long-word ",
                                             "\xe9", "12", "  ", "q\r"};
        std::string text;
        for (int n = Pick(0, 6); n > 0; --n)
            text += pieces[Pick(0, int(std::size(pieces)) - 1)];
        return text;
    }

    static std::string WithoutCr(std::string s)
    {
        std::erase(s, '\r');
        return s;
    }

    TOffset CaretOffset() const { return Edit->OffsetOf(Edit->CaretRow, Edit->CaretCol); }

    void PlaceCaret() { Edit->SetCaretOffset(TOffset(Pick(0, int(Model.size())))); }

    void Select()
    {
        Edit->SetSelectionOffsets(TOffset(Pick(0, int(Model.size()))), TOffset(Pick(0, int(Model.size()))));
    }

    std::pair<size_t, size_t> Selection() const
    {
        const size_t a = size_t(Edit->OffsetOf(Edit->AnchorRow, Edit->AnchorCol)), c = size_t(CaretOffset());
        return {std::min(a, c), std::max(a, c)};
    }

    // The text states around the edit the last step made (Middle: after
    // the deletion of a replacement or an overwrite, else empty).
    struct TGroup {
        std::string Before, Middle, After;
        bool HasMiddle = false;
        int Kind = 0;
    };
    TGroup LastGroup;

    // Kinds 0 to 4 edit (each makes at least one text record), 5 and 6
    // rewrap, 7 to 9 move the caret. Returns the kind taken.
    int Step(int lo = 0, int hi = 9)
    {
        const std::string before = Model;
        LastGroup = {before, {}, {}, false};
        const int kind = Pick(lo, hi);
        LastStep = "kind " + std::to_string(kind) + " wrap " + std::to_string(Edit->WordWrap) + " cols " +
                   std::to_string(Edit->WindowCols) + " caret " + std::to_string(CaretOffset()) + " on \"" + before + "\"";
        switch (kind) {
        case 0: {  // typing or pasting at the caret
            PlaceCaret();
            const std::string text = RandomText();
            LastStep += " insert \"" + text + "\" at " + std::to_string(CaretOffset());
            Model.insert(size_t(CaretOffset()), WithoutCr(text));
            Edit->InsertText(text);
            break;
        }
        case 1: {  // replacing a selection
            Select();
            const auto [from, to] = Selection();
            const std::string text = RandomText();
            LastStep += " replace " + std::to_string(from) + ".." + std::to_string(to) + " by \"" + text + "\"";
            Model.erase(from, to - from);
            LastGroup.Middle = Model;
            LastGroup.HasMiddle = true;
            Model.insert(from, WithoutCr(text));
            Edit->InsertText(text);
            break;
        }
        case 2: {  // deleting a selection
            Select();
            const auto [from, to] = Selection();
            Model.erase(from, to - from);
            Edit->DeleteSelection();
            break;
        }
        case 3: {  // the Delete key
            PlaceCaret();
            const size_t at = size_t(CaretOffset());
            if (at < Model.size())
                Model.erase(at, 1);
            Key(VK_DELETE);
            break;
        }
        case 4: {  // overwriting
            PlaceCaret();
            const std::string text = WithoutCr(RandomText());
            const size_t at = size_t(CaretOffset());
            LastGroup.Middle = Model;
            LastGroup.Middle.erase(at, std::min(text.size(), Model.size() - at));
            LastGroup.HasMiddle = true;
            Model.replace(at, std::min(text.size(), Model.size() - at), text);
            Edit->OverwriteText(text);
            break;
        }
        case 5:
            Edit->SetWordWrap(!Edit->WordWrap);
            break;
        case 6:
            SizeInCells(Pick(-2, 30), Pick(1, 12));
            break;
        default: {  // caret moves, some with Shift and Ctrl
            static const unsigned keys[] = {VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN, VK_HOME, VK_END, VK_PRIOR, VK_NEXT};
            Key(keys[Pick(0, 7)], unsigned(Pick(0, 3)));
            break;
        }
        }
        return kind;
    }

    void ExpectInvariants(int step)
    {
        ASSERT_GE(Edit->Lines.Size(), 1);
        for (TRowIndex r = 0; r < Edit->Lines.Size(); ++r) {
            const std::string_view row = Edit->Lines[r].View();
            const size_t lineEnd = row.find('\n');
            ASSERT_TRUE(lineEnd == std::string_view::npos || lineEnd + 1 == row.size())
                << "step " << step << ": a line end inside row " << r;
            if (!Edit->WordWrap && r + 1 < Edit->Lines.Size())
                ASSERT_EQ(lineEnd + 1, row.size()) << "step " << step << ": unwrapped row " << r << " is soft";
            if (Edit->WordWrap && Edit->Lines.Size() > 1)
                ASSERT_FALSE(row.empty()) << "step " << step << ": empty row " << r;
        }
    }
};

TEST_F(Differential, RandomEditsMatchAStringModelAndUndoRedoRestoreBoth)
{
    for (int round = 0; round < 6; ++round) {
        MakeEditor();
        Edit->SetUndoLimit(1000000);
        Model = "alpha beta\ngamma-delta epsilon\n\n\tzeta eta theta iota\n";
        Load(Model);
        const std::string original = Model;
        for (int step = 0; step < 250; ++step) {
            Step();
            ASSERT_EQ(Text(), Model) << "round " << round << " step " << step << ": " << LastStep;
            ExpectInvariants(step);
            if (HasFatalFailure())
                return;
        }
        const std::string final = Model;
        while (!Edit->UndoStack.Empty())
            Edit->Undo();
        EXPECT_EQ(Text(), original) << "round " << round;
        while (!Edit->RedoStack.Empty())
            Edit->Redo();
        EXPECT_EQ(Text(), final) << "round " << round;
    }
}

// In a wrapped document without tabs, every edit the editor makes, pastes
// of three and of hundreds of lines into a paragraph among them, and its
// Undo and Redo, leave the rows a full rewrap of the text gives: the
// reflow stops early only where the rows agree with what follows.
TEST_F(Differential, WrappedRowsAfterEveryEditAreThoseOfAFullRewrap)
{
    auto fullRewrap = [&](const std::string& text) {
        THELineArray lines;
        texttest::SetViewRows(lines, texttest::LinesOf(text));
        ReflowRows(lines, 0, 0, true, TReflowParams{true, Edit->WindowCols, Edit->TabSize});
        return texttest::RowsOf(lines);
    };
    auto paragraphs = [&](int lines) {
        static const char* const words[] = {"a", "bc", "word", "long-word", "x", "quite-a-long-word", "  ", "-"};
        std::string text;
        for (int line = 0; line < lines; ++line) {
            for (int n = Pick(0, 14); n > 0; --n)
                text += std::string(words[Pick(0, 7)]) + (Pick(0, 3) ? " " : "");
            text += '\n';
        }
        return text;
    };
    auto check = [&](int round, int step, const std::string& what) {
        const std::string text = Text();
        // A last word without a break after it is never taken up.
        if (!text.empty() && text.back() == '\n')
            ASSERT_EQ(texttest::RowsOf(Edit->Lines), fullRewrap(text))
                << "round " << round << " step " << step << " " << what << " at width " << Edit->WindowCols;
    };
    for (int round = 0; round < 8; ++round) {
        MakeEditor();
        Load(paragraphs(40));
        SizeInCells(Pick(3, 30), 10);
        Edit->SetWordWrap(true);
        for (int step = 0; step < 120; ++step) {
            PlaceCaret();
            const int kind = Pick(0, 6);
            std::string what;
            switch (kind) {
            case 0: what = "paste of 3 lines"; Edit->InsertText(paragraphs(3)); break;
            case 1: what = "paste of 300 lines"; Edit->InsertText(paragraphs(300)); break;
            case 2: what = "Enter"; Edit->InsertText("\n"); break;
            case 3: what = "a word"; Edit->InsertText(Pick(0, 1) ? "word " : "x"); break;
            case 4: what = "Backspace"; Key(VK_BACK); break;
            case 5: what = "Delete"; Key(VK_DELETE); break;
            default:
                what = "Undo and Redo";
                Edit->Undo();
                check(round, step, "Undo");
                Edit->Redo();
                break;
            }
            check(round, step, what);
            if (HasFatalFailure())
                return;
        }
    }
}

// With a small limit the history loses its oldest records. Each Undo
// either only moves the caret or takes the document back to the state
// before the newest edit still held (or, when the history runs out inside
// an edit, to the state between its deletion and insertion); Redo mirrors
// it. Caret moves after Undo must never replay a text record twice.
class SmallLimitDifferential : public Differential {
protected:
    std::vector<TGroup> Done, Undone;

    static bool IsText(const THEUndoItem* record) { return record && !record->IsPosition(); }

    void EditStep()
    {
        const int kind = Step(0, 6);
        LastGroup.Kind = kind;
        if (kind <= 4) {
            LastGroup.After = Model;
            Done.push_back(LastGroup);
            Undone.clear();
        }
    }

    void UndoStep()
    {
        const std::string before = Text();
        const bool possible = !Edit->UndoStack.Empty();
        Edit->Undo();
        LastStep = "undo on \"" + before + "\"";
        if (!possible || !IsText(Edit->RedoStack.Top()) || Done.empty()) {
            ASSERT_EQ(Text(), before) << "an undo that only moves the caret changed the text";
            return;
        }
        const TGroup group = Done.back();
        Done.pop_back();
        Undone.push_back(group);
        const bool ranOut = Edit->UndoStack.Empty() && group.HasMiddle && Text() == group.Middle;
        if (!ranOut)
            ASSERT_EQ(Text(), group.Before) << "undo did not restore the text before the edit";
        Model = Text();
    }

    void RedoStep()
    {
        const std::string before = Text();
        const bool possible = !Edit->RedoStack.Empty();
        Edit->Redo();
        LastStep = "redo on \"" + before + "\"";
        if (!possible || !IsText(Edit->UndoStack.Top()) || Undone.empty()) {
            ASSERT_EQ(Text(), before) << "a redo that only moves the caret changed the text";
            return;
        }
        const TGroup group = Undone.back();
        Undone.pop_back();
        Done.push_back(group);
        const bool ranOut = Edit->RedoStack.Empty() && group.HasMiddle && Text() == group.Middle;
        if (!ranOut)
            ASSERT_EQ(Text(), group.After) << "redo did not restore the text after the edit of kind " << group.Kind << " " << group.Before << "|" << group.Middle;
        Model = Text();
    }
};

TEST_F(SmallLimitDifferential, UndoAndRedoWithSmallLimitsNeverReplayATextRecordTwice)
{
    for (int limit : {1, 2, 3, 4, 5, 7, 10, 16, 30, 60}) {
        for (int round = 0; round < 3; ++round) {
            MakeEditor();
            Edit->SetUndoLimit(limit);
            Model = "alpha beta\ngamma-delta epsilon\n\n\tzeta eta theta iota\n";
            Load(Model);
            Done.clear();
            Undone.clear();
            for (int step = 0; step < 200; ++step) {
                const int action = Pick(0, 9);
                if (action < 5) {
                    EditStep();
                } else if (action < 7) {
                    // Caret moves, which drop the redo history.
                    Step(7, 9);
                } else if (action < 9) {
                    for (int n = Pick(1, 4); n > 0; --n)
                        UndoStep();
                } else {
                    RedoStep();
                }
                if (Edit->RedoStack.Empty())
                    Undone.clear();
                if (HasFatalFailure())
                    FAIL() << "limit " << limit << " round " << round << " step " << step << ": " << LastStep;
                ASSERT_EQ(Text(), Model) << "limit " << limit << " round " << round << " step " << step << ": "
                                         << LastStep;
                ExpectInvariants(step);
                ASSERT_TRUE(Edit->CurrentRecord->IsPosition())
                    << "limit " << limit << " step " << step << ": a text record is current after " << LastStep;
            }
        }
    }
}

}  // namespace
