// The Find and Replace dialogs as their owner sees them: what they show,
// which buttons they grey, what each button, key and way of closing tells
// the owner, and how long their texts may be.
#include "FindReplaceDriver.h"

#include "framework/Application.h"
#include "framework/RegisteredMessage.h"
#include "framework/Types.h"
#include "framework/Window.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using TAction = TFindReplaceDialog::TAction;
using TKind = TFindReplaceDialog::TKind;

struct TNotification {
    uint32_t Flags;
    std::string FindWhat;
    std::string ReplaceWith;
    friend bool operator==(const TNotification&, const TNotification&) = default;
};

std::ostream& operator<<(std::ostream& os, const TNotification& n)
{
    return os << "{" << n.Flags << ", \"" << n.FindWhat << "\", \"" << n.ReplaceWith << "\"}";
}

// An owner that keeps every notification with the texts it pointed to.
class TOwner : public TWindow {
public:
    std::vector<TNotification> Heard;

    intptr_t WindowProc(unsigned message, uintptr_t wParam, intptr_t lParam) override
    {
        if (message != TFindReplaceDialog::NotifyMessage())
            return TWindow::WindowProc(message, wParam, lParam);
        const auto* record = reinterpret_cast<const TFindReplaceRecord*>(lParam);
        EXPECT_EQ(record->Owner, this);
        Heard.push_back({record->Flags, record->FindWhat, record->ReplaceWith});
        return 0;
    }
};

class FindReplaceDialog : public testing::Test {
protected:
    TOwner Owner;
    TFindReplaceDialog::TData Data{FR_DOWN};
    std::unique_ptr<TFindReplaceDialog> Dialog;
    std::unique_ptr<TFindReplaceDriver> Driver;

    TFindReplaceDriver& Make(TKind kind)
    {
        if (kind == TKind::Find)
            Dialog = std::make_unique<TFindDialog>(&Owner, Data);
        else
            Dialog = std::make_unique<TReplaceDialog>(&Owner, Data);
        Dialog->Create();
        Driver = TFindReplaceDriver::For(*Dialog);
        return *Driver;
    }
};

TEST_F(FindReplaceDialog, TheMessageIsTheRegisteredOne)
{
    EXPECT_GE(TFindReplaceDialog::NotifyMessage(), FirstRegisteredMessage);
    EXPECT_EQ(TFindReplaceDialog::NotifyMessage(), RegisterWindowMessage("COMMDLG_FINDREPLACE"));
    EXPECT_NE(TFindReplaceDialog::NotifyMessage(), RegisterWindowMessage("another message"));
}

struct TOpenCase {
    const char* Name;
    TKind Kind;
    uint32_t Flags;
    std::string Find;
    std::string Replace;
    TFindReplaceDialog::TControls Shown;
};

void PrintTo(const TOpenCase& c, std::ostream* os) { *os << c.Name; }

class FindReplaceOpening : public FindReplaceDialog, public testing::WithParamInterface<TOpenCase> {};

TEST_P(FindReplaceOpening, ShowsTheRecordsTextsAndOptions)
{
    const TOpenCase& c = GetParam();
    Data.Flags = c.Flags;
    Data.SetFindText(c.Find);
    Data.SetReplaceText(c.Replace);
    TFindReplaceDriver& driver = Make(c.Kind);
    EXPECT_TRUE(driver.Visible());
    EXPECT_TRUE(Dialog->IsOpen());
    EXPECT_EQ(driver.Controls(), c.Shown);
    EXPECT_TRUE(Owner.Heard.empty());
}

const TOpenCase OpenCases[] = {
    {"EmptyFind", TKind::Find, FR_DOWN, "", "", {"", "", false, false, true}},
    {"FindUpWholeWord", TKind::Find, FR_WHOLEWORD, "caf\xe9", "", {"caf\xe9", "", true, false, false}},
    {"ReplaceMatchCase", TKind::Replace, FR_DOWN | FR_MATCHCASE, "a", "b", {"a", "b", false, true, true}},
};

template <class TCase>
std::string CaseName(const testing::TestParamInfo<TCase>& info)
{
    return info.param.Name;
}

INSTANTIATE_TEST_SUITE_P(Cases, FindReplaceOpening, testing::ValuesIn(OpenCases), CaseName<TOpenCase>);

struct TButtonCase {
    const char* Name;
    TKind Kind;
    TAction Button;
    bool WholeWord, MatchCase, Down;
    TNotification Expected;
};

void PrintTo(const TButtonCase& c, std::ostream* os) { *os << c.Name; }

class FindReplaceButtons : public FindReplaceDialog, public testing::WithParamInterface<TButtonCase> {};

// The texts reach the buffers with every button but Cancel.
TEST_P(FindReplaceButtons, TellTheOwnerTheOptionsAndTheAction)
{
    const TButtonCase& c = GetParam();
    Data.SetReplaceText("old");
    TFindReplaceDriver& driver = Make(c.Kind);
    driver.TypeFind("abc");
    driver.TypeReplace("xyz");
    driver.SetOptions(c.WholeWord, c.MatchCase, c.Down);
    driver.Click(c.Button);
    EXPECT_EQ(Owner.Heard, std::vector<TNotification>{c.Expected});
    Dialog->UpdateData();
    EXPECT_EQ(Data.Flags, c.Expected.Flags);
    EXPECT_EQ(driver.Visible(), c.Button != TAction::Close);
}

const TButtonCase ButtonCases[] = {
    {"FindNextDownWholeWord", TKind::Find, TAction::FindNext, true, false, true,
     {FR_FINDNEXT | FR_WHOLEWORD | FR_DOWN, "abc", "old"}},
    {"FindNextUpMatchCase", TKind::Find, TAction::FindNext, false, true, false, {FR_FINDNEXT | FR_MATCHCASE, "abc", "old"}},
    {"FindNextInReplace", TKind::Replace, TAction::FindNext, false, false, true, {FR_FINDNEXT | FR_DOWN, "abc", "oldxyz"}},
    {"Replace", TKind::Replace, TAction::Replace, true, true, true,
     {FR_REPLACE | FR_WHOLEWORD | FR_MATCHCASE | FR_DOWN, "abc", "oldxyz"}},
    // The Replace dialog has no direction buttons: it keeps the record's.
    {"ReplaceAllKeepsTheDirection", TKind::Replace, TAction::ReplaceAll, false, false, false,
     {FR_REPLACEALL | FR_DOWN, "abc", "oldxyz"}},
    {"Cancel", TKind::Find, TAction::Close, false, true, true, {FR_DIALOGTERM | FR_MATCHCASE | FR_DOWN, "", "old"}},
};

INSTANTIATE_TEST_SUITE_P(Cases, FindReplaceButtons, testing::ValuesIn(ButtonCases), CaseName<TButtonCase>);

TEST_F(FindReplaceDialog, FindNextIsGreyedWhileTheFindTextIsEmptyAndEnterPressesIt)
{
    TFindReplaceDriver& driver = Make(TKind::Replace);
    for (TAction button : {TAction::FindNext, TAction::Replace, TAction::ReplaceAll})
        EXPECT_FALSE(driver.Enabled(button));
    EXPECT_TRUE(driver.Enabled(TAction::Close));
    driver.Key(VK_RETURN);
    EXPECT_TRUE(Owner.Heard.empty());
    driver.TypeFind("a");
    for (TAction button : {TAction::FindNext, TAction::Replace, TAction::ReplaceAll})
        EXPECT_TRUE(driver.Enabled(button));
    driver.Key(VK_RETURN);
    ASSERT_EQ(Owner.Heard.size(), 1u);
    EXPECT_EQ(Owner.Heard.front().Flags, FR_FINDNEXT | FR_DOWN);
    driver.ClearFind();
    EXPECT_FALSE(driver.Enabled(TAction::FindNext));
    TFindReplaceDriver& find = Make(TKind::Find);
    find.TypeFind("a");
    EXPECT_FALSE(find.Enabled(TAction::Replace) || find.Enabled(TAction::ReplaceAll)) << "not in the Find dialog";
}

enum class TClosing { EscapeKey, CancelButton, CloseBox, Deleted };

std::string ClosingName(const testing::TestParamInfo<TClosing>& info)
{
    static const char* const names[] = {"EscapeKey", "CancelButton", "CloseBox", "Deleted"};
    return names[int(info.param)];
}

class FindReplaceClosing : public FindReplaceDialog, public testing::WithParamInterface<TClosing> {};

TEST_P(FindReplaceClosing, EveryWayTellsTheOwnerOnce)
{
    TFindReplaceDriver& driver = Make(TKind::Find);
    driver.SetOptions(false, false, true);
    switch (GetParam()) {
    case TClosing::EscapeKey: driver.Key(VK_ESCAPE); break;
    case TClosing::CancelButton: driver.Click(TAction::Close); break;
    case TClosing::CloseBox: driver.CloseBox(); break;
    case TClosing::Deleted:
        Driver.reset();
        Dialog.reset();
        break;
    }
    EXPECT_EQ(Owner.Heard, (std::vector<TNotification>{{FR_DIALOGTERM | FR_DOWN, "", ""}}));
    if (Dialog) {
        EXPECT_FALSE(Dialog->IsOpen());
        Dialog.reset();
        EXPECT_EQ(Owner.Heard.size(), 1u) << "a closed dialog says nothing when deleted";
    }
}

INSTANTIATE_TEST_SUITE_P(Ways, FindReplaceClosing,
                         testing::Values(TClosing::EscapeKey, TClosing::CancelButton, TClosing::CloseBox,
                                         TClosing::Deleted),
                         ClosingName);

TEST_F(FindReplaceDialog, TextsStopAtEightyCharacters)
{
    TFindReplaceDriver& driver = Make(TKind::Replace);
    const std::string typed(100, 'q');
    driver.TypeFind(typed);
    driver.TypeReplace(typed);
    EXPECT_EQ(driver.Controls().FindWhat, typed.substr(0, 80));
    driver.Click(TAction::FindNext);
    EXPECT_EQ(Data.FindText(), typed.substr(0, 80));
    EXPECT_EQ(Data.ReplaceText(), typed.substr(0, 80));
}

}  // namespace
