// The undo history: position and text records, one Undo per edit, Redo,
// the limit, and records that survive re-wrapping.
#include "tests/support/EditorFixture.h"

namespace {

using TRows = std::vector<std::string>;

class UndoRedo : public TEditorFixture {};

TEST_F(UndoRedo, NewDocumentStartsWithTheInitialRecord)
{
    Edit->NewDocument();
    ASSERT_EQ(Edit->UndoStack.Count(), 1u);
    EXPECT_EQ(Edit->CurrentRecord->Pos, 0);
    EXPECT_EQ(Edit->CurrentRecord->Anchor, -1);
    Edit->Undo();
    EXPECT_TRUE(Edit->HasSelection) << "the first record selects the empty range at 0";
    EXPECT_EQ(Caret(), Anchor());
    EXPECT_TRUE(Edit->UndoStack.Empty());
    EXPECT_FALSE(Edit->RedoStack.Empty());
}

TEST_F(UndoRedo, EachTypedCharacterIsOneUndo)
{
    Edit->NewDocument();
    Type("abc");
    for (const char* expected : {"ab\n", "a\n", "\n"}) {
        Edit->Undo();
        EXPECT_EQ(Rows(), TRows{expected});
    }
    for (const char* expected : {"a\n", "ab\n", "abc\n"}) {
        Edit->Redo();
        EXPECT_EQ(Rows(), TRows{expected});
    }
    EXPECT_EQ(Caret(), (TPos{0, 3}));
    EXPECT_TRUE(Edit->RedoStack.Empty());
}

TEST_F(UndoRedo, WorkedOrderOfOneCharacter)
{
    Load("hello\n");
    Edit->SetCaret(0, 5);
    Type("x");
    ASSERT_TRUE(Edit->CurrentRecord->IsPosition());
    EXPECT_EQ(Edit->CurrentRecord->Pos, 6);
    ASSERT_NE(Edit->UndoStack.Top(), nullptr);
    EXPECT_EQ(Edit->UndoStack.Top()->Pos, THEUndoItem::Insertion);
    EXPECT_EQ(Edit->UndoStack.Top()->Text.str(), "x");
    Edit->Undo();
    EXPECT_EQ(Caret(), (TPos{0, 5}));
    Edit->Redo();
    EXPECT_EQ(Caret(), (TPos{0, 6}));
    EXPECT_EQ(Rows(), TRows{"hellox\n"});
}

TEST_F(UndoRedo, AMoveAfterUndoEmptiesRedo)
{
    Load("abc\n");
    Edit->SetCaret(0, 1);
    Type("x");
    Edit->Undo();
    ASSERT_FALSE(Edit->RedoStack.Empty());
    Key(VK_RIGHT);
    EXPECT_TRUE(Edit->RedoStack.Empty());
}

TEST_F(UndoRedo, UndoAndRedoSetModified)
{
    Load("abc\n");
    Type("x");
    Edit->Modified = false;
    Edit->Undo();
    EXPECT_TRUE(Edit->Modified) << "undoing every change does not clear Modified";
}

TEST_F(UndoRedo, LimitKeepsTheNewestRecords)
{
    Edit->NewDocument();
    Edit->SetUndoLimit(4);
    Type("abcde");
    EXPECT_EQ(Edit->UndoStack.Count(), 4u);
    Edit->Undo();
    Edit->Undo();
    EXPECT_EQ(Rows(), TRows{"abc\n"});
    EXPECT_TRUE(Edit->UndoStack.Empty());
    Edit->Undo();
    EXPECT_EQ(Rows(), TRows{"abc\n"});
}

// The limit drops the position record below the oldest text record: Undo
// reverts that record once and then rests on a position record, so a caret
// move and one more Undo never replay it (which once emptied the document).
TEST_F(UndoRedo, HistoryRunningOutOnATextRecordNeverReplaysIt)
{
    Load("first\nsecond\n");
    Key(VK_END);
    Type(std::string(150, 'x'));
    Key(VK_LEFT);
    Type(std::string(150, 'y'));
    while (!Edit->UndoStack.Empty())
        Edit->Undo();
    ASSERT_TRUE(Edit->CurrentRecord->IsPosition());
    const TRows afterUndo = Rows();
    EXPECT_EQ(afterUndo.size(), 2u);
    Key(VK_HOME);
    Edit->Undo();
    EXPECT_EQ(Rows(), afterUndo);
}

TEST_F(UndoRedo, LimitZeroKeepsNoHistory)
{
    Edit->NewDocument();
    Edit->SetUndoLimit(0);
    Type("ab");
    EXPECT_TRUE(Edit->UndoStack.Empty());
    Edit->Undo();
    EXPECT_EQ(Rows(), TRows{"ab\n"});
}

// Clear All of many rows and its Undo give back the same bytes and the same
// rows, wrapped or not, again after a Redo, and also when the window width
// changed in between.
TEST_F(UndoRedo, ClearAllIsOneUndoThatGivesBackTheExactRows)
{
    std::string text;
    for (int i = 0; i < 3 * THELineArray::BlockRows; ++i)
        text += "line " + std::to_string(i) + (i % 7 ? " of some words to wrap\n" : "\n");
    for (const bool wrap : {false, true}) {
        SCOPED_TRACE(wrap ? "wrapped" : "unwrapped");
        SizeInCells(12, 10);
        Load(text);
        Edit->SetWordWrap(wrap);
        const TRows rows = Rows();
        for (int round = 0; round < 2; ++round) {
            Edit->SetSelectionOffsets(0, EndOfDocument);
            Edit->DeleteSelection();
            EXPECT_EQ(Rows(), TRows{"\n"});
            Edit->Undo();
            ASSERT_TRUE(Text() == text);
            ASSERT_TRUE(Rows() == rows);
            Edit->Redo();
            EXPECT_EQ(Rows(), TRows{"\n"});
            Edit->Undo();
            ASSERT_TRUE(Rows() == rows);
        }
        Edit->SetSelectionOffsets(0, EndOfDocument);
        Edit->DeleteSelection();
        SizeInCells(15, 10);
        Edit->Undo();
        ASSERT_TRUE(Text() == text);
        Edit->SetWordWrap(false);
    }
}

// A large deletion of loaded rows records the loaded bytes themselves, and
// undoing it lets the rows view them again; only rows that were edited
// first are copied. Either way Undo and Redo give back exactly the text.
TEST_F(UndoRedo, LargeDeletionsAndPastesKeepTheirTextOnceOnly)
{
    std::string text;
    for (int i = 0; text.size() < 300000; ++i)
        text += "line " + std::to_string(i) + " of a loaded file\n";
    struct TCase {
        const char* name;
        bool editFirst;
        bool wrap;
        size_t maxCopied;
    };
    for (const TCase c : {TCase{"loaded", false, false, 0}, TCase{"wrapped", false, true, 0},
                          TCase{"edited", true, false, 100}}) {
        SCOPED_TRACE(c.name);
        Load(text);
        std::string expected = text;
        if (c.editFirst) {
            for (TOffset at : {TOffset(100000), TOffset(text.size() - 3)}) {
                Edit->SetCaretOffset(at);
                Edit->InsertText("#");
                expected.insert(size_t(at), "#");
            }
        }
        Edit->SetWordWrap(c.wrap);
        Edit->SetSelectionOffsets(7, TOffset(expected.size() - 9));
        Edit->DeleteSelection();
        const THEUndoItem* deletion =
            Edit->CurrentRecord->IsPosition() ? Edit->UndoStack.Top() : Edit->CurrentRecord.get();
        ASSERT_EQ(deletion->Pos, THEUndoItem::Deletion);
        EXPECT_LE(deletion->Text.CopiedBytes(), c.maxCopied);
        EXPECT_TRUE(deletion->Text.str() == expected.substr(7, expected.size() - 16));
        EXPECT_TRUE(Text() == expected.substr(0, 7) + expected.substr(expected.size() - 9));
        for (int round = 0; round < 2; ++round) {
            Edit->Undo();
            ASSERT_TRUE(Text() == expected);
            EXPECT_TRUE(Edit->Lines[Edit->Lines.Size() / 2].IsView());
            Edit->Redo();
            ASSERT_TRUE(Text() == expected.substr(0, 7) + expected.substr(expected.size() - 9));
        }
        Edit->SetWordWrap(false);
    }

    // A large paste is stored once, and its record views that copy.
    Load("ab\n");
    Edit->SetCaretOffset(1);
    Edit->InsertText(text);
    const THEUndoItem* insertion =
        Edit->CurrentRecord->IsPosition() ? Edit->UndoStack.Top() : Edit->CurrentRecord.get();
    ASSERT_EQ(insertion->Pos, THEUndoItem::Insertion);
    EXPECT_EQ(insertion->Text.CopiedBytes(), 0u);
    Edit->Undo();
    EXPECT_EQ(Text(), "ab\n");
    Edit->Redo();
    EXPECT_TRUE(Text() == "a" + text + "b\n");
    // A new document drops the records with the rows they viewed.
    Edit->Modified = false;
    Edit->NewDocument();
    EXPECT_EQ(Edit->UndoStack.Count(), 1u);
    EXPECT_EQ(Edit->RedoStack.Count(), 0u);
}

TEST_F(UndoRedo, RecordsSurviveRewrapping)
{
    SizeInCells(20, 10);
    Load("one two three four five six seven eight nine ten\n");
    Edit->SetWordWrap(true);
    Edit->SetCaretOffset(14);
    Edit->InsertText("XYZ ");  // one edit
    const std::string edited = Text();
    SizeInCells(12, 10);
    Edit->Undo();
    EXPECT_EQ(Text(), "one two three four five six seven eight nine ten\n");
    SizeInCells(30, 10);
    Edit->Redo();
    EXPECT_EQ(Text(), edited);
}

TEST_F(UndoRedo, SuspendedRecordingRecordsNothing)
{
    Load("abc\n");
    const size_t count = Edit->UndoStack.Count();
    Edit->SuspendRecording = true;
    Edit->SetCaret(0, 2);
    Edit->InsertText("x");
    Edit->SuspendRecording = false;
    EXPECT_EQ(Edit->UndoStack.Count(), count);
}

}  // namespace

namespace {

class UndoRedoEnds : public TEditorFixture {};

TEST_F(UndoRedoEnds, RedoDeletesASelectionMadeForwards)
{
    Load("abcdef\n");
    Edit->SetSelection(0, 4, 0, 1);  // anchor before, caret after
    Edit->DeleteSelection();
    EXPECT_EQ(Text(), "aef\n");
    Edit->Undo();
    EXPECT_EQ(Text(), "abcdef\n");
    Edit->Redo();
    EXPECT_EQ(Text(), "aef\n") << "not the characters after the selection";
}

// Typing over a selection in overwrite mode replaces the character at the
// caret, not the selection: Redo must do the same.
TEST_F(UndoRedoEnds, RedoOverwritesAtTheCaretOfASelection)
{
    for (const bool forwards : {true, false}) {
        Load("abcdef\n");
        Edit->Overwrite = true;
        if (forwards)
            Edit->SetSelection(0, 3, 0, 1);
        else
            Edit->SetSelection(0, 1, 0, 3);
        Type("X");
        const std::string typed = forwards ? "abcXef\n" : "aXcdef\n";
        ASSERT_EQ(Text(), typed);
        Edit->Undo();
        EXPECT_EQ(Text(), "abcdef\n");
        Edit->Redo();
        EXPECT_EQ(Text(), typed) << (forwards ? "caret after the anchor" : "caret before the anchor");
    }
}

TEST_F(UndoRedoEnds, TextAfterTheFinalLineEndComesBackInPlace)
{
    LoadExact("ab\ncd");
    Edit->SetSelectionOffsets(3, 5);
    Edit->DeleteSelection();
    EXPECT_EQ(Text(), "ab\n");
    Edit->Undo();
    EXPECT_EQ(Text(), "ab\ncd");
    Edit->SetCaretOffset(5);
    Edit->InsertText("x\n");
    EXPECT_EQ(Text(), "ab\ncdx\n");
    Edit->Undo();
    EXPECT_EQ(Text(), "ab\ncd");
}

}  // namespace
