// Random edits, caret moves, word-wrap toggles and resizes, checked after
// every step against a plain string model of the document; then everything
// is undone and redone.
#include "tests/support/EditorFixture.h"

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

    void Step()
    {
        const std::string before = Model;
        const int kind = Pick(0, 9);
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

}  // namespace
