// DoSearch: the continue question, Replace and Replace All, and input that
// arrives while a Replace All runs.
#include "SearchFixture.h"

#include <functional>
#include <stdexcept>

namespace {

class DoSearch : public TSearchFixture {
protected:
    void Request(uint32_t flags, const std::string& find, const std::string& replace = {})
    {
        Search().SearchData.Flags = flags;
        Search().SearchData.SetFindText(find);
        Search().SearchData.SetReplaceText(replace);
        Search().DoSearch();
    }
};

struct TContinueCase {
    const char* Name;
    std::string Find;
    bool Down;
    TOffset Caret;
    std::vector<int> Answers;
    size_t Questions;
    std::string Where;  // in the question
    TOffset Found;      // -1: nothing selected at the end
};

void PrintTo(const TContinueCase& c, std::ostream* os) { *os << c.Name; }

class ContinueQuestion : public DoSearch, public testing::WithParamInterface<TContinueCase> {};

// "bar foo bar": down from after the match wraps to the beginning, up from
// before it wraps to the end; "qqq" is nowhere and asks after every pass.
const TContinueCase ContinueCases[] = {
    {"DownYesStartsAtTheBeginning", "foo", true, 5, {IDYES}, 1, "beginning", 4},
    {"UpYesStartsAtTheEnd", "foo", false, 3, {IDYES}, 1, "end", 4},
    {"NoEndsTheRequest", "foo", true, 5, {IDNO}, 1, "beginning", -1},
    {"NowhereAsksAfterEveryPass", "qqq", true, 0, {IDYES, IDYES, IDNO}, 3, "beginning", -1},
};

TEST_P(ContinueQuestion, AsksAndGoesOnAtTheOtherEnd)
{
    const TContinueCase& c = GetParam();
    Load("bar foo bar\n");
    Edit->SetCaretOffset(c.Caret);
    for (int answer : c.Answers)
        Desktop.Dialogs().AnswerMessageBox(answer);
    Request(FR_FINDNEXT | (c.Down ? FR_DOWN : 0), c.Find);
    ASSERT_EQ(Questions().size(), c.Questions);
    const THeadlessMessageBox& box = Questions().front();
    EXPECT_EQ(box.Text, "String \"" + c.Find + "\" not found.  Continue search at " + c.Where + " of document?");
    EXPECT_EQ(box.Caption, "Vantor");
    EXPECT_EQ(box.Flags, unsigned(MB_YESNO | MB_ICONQUESTION | MB_TASKMODAL));
    EXPECT_EQ(box.Owner, nullptr);
    if (c.Found >= 0) {
        EXPECT_EQ(Selected(), c.Find);
        EXPECT_EQ(CaretOffset(), c.Found);
    } else {
        EXPECT_FALSE(Edit->HasSelection);
        EXPECT_EQ(CaretOffset(), c.Caret);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, ContinueQuestion, testing::ValuesIn(ContinueCases),
                         [](const auto& info) { return std::string(info.param.Name); });

// Rows that view one shared block make a text longer than 256 MiB without
// needing the memory; the only match is in the last row.
TEST_F(DoSearch, YesSearchingUpStartsAtTheEndOfALongDocument)
{
    const std::string block = std::string(TRow::MaxViewLength - 1, 'x') + "\n";
    const TRowIndex rows = TRowIndex((int64_t(1) << 28) / int64_t(block.size()) + 16);
    Edit->Lines.Clear();
    for (TRowIndex r = 0; r < rows; ++r)
        Edit->Lines.Append(TRow::ViewOf(block.data(), block.size()));
    Edit->Lines.Append(TRow("needle\n"));
    Edit->SetCaretOffset(0);
    Desktop.Dialogs().AnswerMessageBox(IDYES);
    Desktop.Dialogs().AnswerMessageBox(IDNO);
    Request(FR_FINDNEXT, "needle");
    EXPECT_EQ(Questions().size(), 1u);
    EXPECT_EQ(CaretOffset(), TOffset(int64_t(rows) * int64_t(block.size())));
    EXPECT_EQ(Selected(), "needle");
    Edit->Lines.Clear();
}

TEST_F(DoSearch, ReplaceWithNothingSelectedOnlyFindsThenReplaces)
{
    Load("foo foo\n");
    Desktop.Dialogs().AnswerMessageBox(IDNO);
    Request(FR_REPLACE | FR_DOWN, "foo", "bar");
    EXPECT_EQ(Text(), "foo foo\n");
    EXPECT_EQ(CaretOffset(), 0);
    EXPECT_EQ(Selected(), "foo");
    Search().DoSearch();
    EXPECT_EQ(Text(), "bar foo\n");
    EXPECT_EQ(CaretOffset(), 4);
    Search().DoSearch();
    EXPECT_EQ(Text(), "bar bar\n");
    EXPECT_EQ(Questions().size(), 1u) << "the last Replace found no further match";
}

// Searching up, the text a Replace put in is not searched: the next match
// before it is selected, not the find text inside the replacement.
TEST_F(DoSearch, ReplaceUpGoesOnBeforeTheReplacement)
{
    Load("foo foo\n");
    Edit->SetCaretOffset(7);
    Request(FR_REPLACE, "foo", "xfoo");
    EXPECT_EQ(CaretOffset(), 4);
    Search().DoSearch();
    EXPECT_EQ(Text(), "foo xfoo\n");
    EXPECT_EQ(CaretOffset(), 0);
    EXPECT_EQ(Selected(), "foo");
    EXPECT_TRUE(Questions().empty());
}

struct TReplaceAllCase {
    const char* Name;
    std::string Document;
    TOffset Caret;  // EndOfDocument for the end
    bool Down;
    std::string Find;
    std::string Replace;
    std::string Expected;
};

void PrintTo(const TReplaceAllCase& c, std::ostream* os) { *os << c.Name; }

// The view follows the matches without moving pixels or painting at each;
// what changed is painted once, at the end.
TEST_F(DoSearch, ReplaceAllPaintsOnceAtTheEnd)
{
    std::string text;
    for (int i = 0; i < 100; ++i)
        text += "line foo\n";
    Load(text);
    Desktop.PaintInvalidWindows();
    Peer().ClearLogs();
    const int paints = Peer().PaintCount();
    Request(FR_REPLACEALL | FR_DOWN, "foo", "bar");
    EXPECT_EQ(Text().find("foo"), std::string::npos);
    EXPECT_GT(Edit->Scroller->YPos, 0);
    EXPECT_TRUE(Peer().Scrolls().empty());
    EXPECT_EQ(Peer().PaintCount(), paints + 1);
    EXPECT_FALSE(Peer().HasInvalidArea());
}

// Counts the replacements; a loop that does not end fails instead of hanging.
class TCountingEditor : public THugeEditSearch {
public:
    int Inserted = 0;
    std::function<void(int)> AfterInsert;
    void InsertText(const std::string& text) override
    {
        THugeEditSearch::InsertText(text);
        if (++Inserted > 1000)
            throw std::runtime_error("the loop does not end");
        if (AfterInsert)
            AfterInsert(Inserted);
    }
};

class ReplaceAll : public DoSearch, public testing::WithParamInterface<TReplaceAllCase> {
protected:
    std::unique_ptr<THugeEdit> NewEditor() override { return std::make_unique<TCountingEditor>(); }
};

const TReplaceAllCase ReplaceAllCases[] = {
    {"DownFromTheCaretLeavesEarlierMatches", "foo foo foo foo\n", 5, true, "foo", "bar", "foo foo bar bar\n"},
    {"UpFromTheCaretLeavesLaterMatches", "foo foo foo foo\n", 9, false, "foo", "bar", "bar bar bar foo\n"},
    {"AnEmptyReplacementDeletes", "foo bar foo\n", 0, true, "foo", "", " bar \n"},
    {"DownWithTheFindTextInTheReplacement", "a a\na\n", 0, true, "a", "ba", "ba ba\nba\n"},
    {"UpWithTheFindTextInTheReplacementEnds", "a a\na\n", EndOfDocument, false, "a", "ba", "ba ba\nba\n"},
    {"UpWithAMatchAtTheVeryStart", "aa", EndOfDocument, false, "a", "aa", "aaaa"},
};

TEST_P(ReplaceAll, ReplacesEachMatchOnceWithoutAsking)
{
    const TReplaceAllCase& c = GetParam();
    LoadExact(c.Document);
    Edit->SetCaretOffset(c.Caret);
    Request(FR_REPLACEALL | (c.Down ? FR_DOWN : 0), c.Find, c.Replace);
    EXPECT_EQ(Text(), c.Expected);
    EXPECT_TRUE(Questions().empty());
}

INSTANTIATE_TEST_SUITE_P(Cases, ReplaceAll, testing::ValuesIn(ReplaceAllCases),
                         [](const auto& info) { return std::string(info.param.Name); });

// Undo also steps back through the selections of the matches; the texts it
// passes through show one replacement undone at a time.
TEST_F(DoSearch, EachReplacementIsUndoneOnItsOwn)
{
    Load("foo foo foo\n");
    Request(FR_REPLACEALL | FR_DOWN, "foo", "x");
    std::vector<std::string> texts{Text()};
    while (!Edit->UndoStack.Empty()) {
        Edit->Undo();
        if (Text() != texts.back())
            texts.push_back(Text());
    }
    EXPECT_EQ(texts, (std::vector<std::string>{"x x x\n", "x x foo\n", "x foo foo\n", "foo foo foo\n"}));
}

// A Replace All that would take the document past its longest length ends
// at the first replacement refused: one message, not one per match left.
TEST_F(DoSearch, ReplaceAllEndsAtTheFirstReplacementPastTheLengthLimit)
{
    Load("foo foo foo foo\n");
    Edit->LengthLimit = 20;
    Request(FR_REPLACEALL | FR_DOWN, "foo", "fooo!");
    EXPECT_EQ(Text(), "fooo! fooo! foo foo\n");
    ASSERT_EQ(Questions().size(), 1u);
    EXPECT_EQ(Questions()[0].Text, "The document cannot hold more than 20 characters.\nThe text was not inserted.");
}

struct TInterruptCase {
    const char* Name;
    std::function<void(DoSearch&)> Act;
};

void PrintTo(const TInterruptCase& c, std::ostream* os) { *os << c.Name; }

// After the third replacement something happens as if the user did it
// while the loop runs.
class ReplaceAllInterrupted : public DoSearch, public testing::WithParamInterface<TInterruptCase> {
protected:
    int Inserted = 0;
    std::unique_ptr<THugeEdit> NewEditor() override
    {
        auto editor = std::make_unique<TCountingEditor>();
        editor->AfterInsert = [this](int count) {
            Inserted = count;
            if (count == 3)
                Desktop.PostInput([this] { GetParam().Act(*this); });
        };
        return editor;
    }

public:
    void CloseDialog() { Desktop.FindReplace()->PressKey(VK_ESCAPE); }
    void PressHome() { Desktop.SendKey(VK_HOME); }
    void DestroyEditor() { Edit.reset(); }
};

const TInterruptCase InterruptCases[] = {
    {"DialogClosed", [](DoSearch& t) { static_cast<ReplaceAllInterrupted&>(t).CloseDialog(); }},
    {"CaretMovedByTheUser", [](DoSearch& t) { static_cast<ReplaceAllInterrupted&>(t).PressHome(); }},
    {"WindowDestroyed", [](DoSearch& t) { static_cast<ReplaceAllInterrupted&>(t).DestroyEditor(); }},
};

TEST_P(ReplaceAllInterrupted, EndsTheLoop)
{
    Load("foo foo foo foo foo foo\n");
    THeadlessFindReplace& dialog = OpenDialog(CM_EDITREPLACE);
    dialog.TypeFind("foo");
    dialog.TypeReplace("x");
    dialog.Click(TFindReplaceDialog::TAction::ReplaceAll);
    EXPECT_EQ(Inserted, 3);
    if (Edit) {
        EXPECT_EQ(Text(), "x x x foo foo foo\n");
    }
    EXPECT_TRUE(Questions().empty());
}

INSTANTIATE_TEST_SUITE_P(Cases, ReplaceAllInterrupted, testing::ValuesIn(InterruptCases),
                         [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
