// Frames on Qt: accelerators before the window sees the key, the menu bar
// built from the menu resource, the layout of decorations and client, and
// the close box asking the program.
#include "framework/Application.h"
#include "framework/Frame.h"
#include "framework/qt/QtTestAccess.h"
#include "tests/widget/WidgetTestSupport.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr unsigned CmdNew = 101, CmdSave = 102, CmdWrap = 103, CmdNoHandler = 104, CmdExit = 105;

// An application that handles some commands, keeps one disabled and one
// checked, and notes what ran.
class TTestApp : public TApplication {
public:
    TTestApp() : TApplication("Test", TestArgc(), TestArgv()) {}

    bool EvCommand(unsigned id) override
    {
        if (id == CmdNoHandler)
            return false;
        Ran.push_back(id);
        return true;
    }
    bool HasCommandHandler(unsigned id) const override { return id != CmdNoHandler; }
    bool EvCommandEnable(TCommandEnabler& enabler) override
    {
        if (enabler.GetId() == CmdSave)
            enabler.Enable(SaveEnabled);
        if (enabler.GetId() == CmdWrap)
            enabler.SetCheck(true);
        return enabler.GetId() == CmdSave || enabler.GetId() == CmdWrap;
    }

    std::vector<unsigned> Ran;
    bool SaveEnabled = false;
};

class TSelectingFrame : public TDecoratedFrame {
public:
    TSelectingFrame(TWindow* client) : TDecoratedFrame(nullptr, "Frame", client, true) {}
    void EvMenuSelect(unsigned id) override
    {
        Selected.push_back(id);
        TDecoratedFrame::EvMenuSelect(id);
    }
    bool CanClose() override { return MayClose; }

    std::vector<unsigned> Selected;
    bool MayClose = false;
};

TMenuItem Command(const std::string& text, unsigned id, bool grayed = false)
{
    return TMenuItem{TMenuItem::TKind::Command, text, id, grayed, {}};
}

TMenuItem Popup(const std::string& text, std::vector<TMenuItem> items)
{
    return TMenuItem{TMenuItem::TKind::Popup, text, 0, false, std::move(items)};
}

TMenuItem Separator() { return TMenuItem{TMenuItem::TKind::Separator, {}, 0, false, {}}; }

TMenuResource TestMenu()
{
    TMenuResource menu;
    menu.Items = {
        Popup("&File", {Command("&New\bCtrl+N", CmdNew), Command("&Save\bCtrl+S", CmdSave, true), Separator(),
                        Command("E&xit\b       Alt+F4", CmdExit)}),
        Separator(),
        Popup("&Edit", {Command("&Word Wrap\b   Ctrl+W", CmdWrap), Command("&Nobody", CmdNoHandler)}),
    };
    return menu;
}

class FrameTest : public ::testing::Test {
protected:
    std::unique_ptr<TTestApp> App = std::make_unique<TTestApp>();
    TRecordingWindow* Client = new TRecordingWindow;
    TMessageBar* Status = nullptr;
    TSelectingFrame* Frame = nullptr;

    void SetUp() override
    {
        auto frame = std::make_unique<TSelectingFrame>(Client);
        Frame = frame.get();
        Status = new TMessageBar(Frame);
        Frame->Insert(*Status, TDecoratedFrame::TLocation::Bottom);
        Frame->AssignMenu(TestMenu());
        TAcceleratorTable table;
        table.Entries = {{'N', true, false, false, CmdNew}, {'S', true, false, false, CmdSave}};
        Frame->SetAccelerators(table);
        Frame->Attr.W = 500;
        Frame->Attr.H = 300;
        App->SetMainWindow(std::move(frame));
        Frame->Create();
        Frame->Show(SW_SHOWNORMAL);
        Settle();
        Client->Clear();
    }

    void TearDown() override
    {
        App.reset();
        delete Client;
        delete Status;
    }

    QMenuBar& Bar() const { return *QtTestAccess::MenuBar(*Frame); }
    QMenu& Menu(int index) const { return *Bar().actions().at(index)->menu(); }
    QAction& Item(int menu, int index) const { return *Menu(menu).actions().at(index); }
};

TEST_F(FrameTest, AnEnabledAcceleratorRunsItsCommandAndTheKeyTypesNothing)
{
    PressKey(*Client, Qt::Key_N, Qt::ControlModifier, QStringLiteral("\x0e"));
    EXPECT_EQ(App->Ran, (std::vector<unsigned>{CmdNew}));
    EXPECT_TRUE(Client->Only({WM_KEYDOWN, WM_CHAR}).empty());
}

TEST_F(FrameTest, ADisabledAcceleratorDoesNothingAndSendsNoCharacter)
{
    PressKey(*Client, Qt::Key_S, Qt::ControlModifier, QStringLiteral("\x13"));
    EXPECT_TRUE(App->Ran.empty());
    EXPECT_TRUE(Client->Only({WM_KEYDOWN, WM_CHAR}).empty());
    // Without Ctrl the same letter is plain typing.
    PressKey(*Client, Qt::Key_S, Qt::NoModifier, QStringLiteral("s"));
    EXPECT_EQ(Client->Only({WM_KEYDOWN, WM_CHAR}).size(), 2u);
}

TEST_F(FrameTest, TheMenuBarShowsThePopupsWithRightAlignedLabelsAndNoShortcuts)
{
    ASSERT_EQ(Bar().actions().size(), 2);  // the group separator is not shown
    EXPECT_EQ(Bar().actions().at(0)->text(), QStringLiteral("&File"));
    EXPECT_EQ(Bar().actions().at(1)->text(), QStringLiteral("&Edit"));
    EXPECT_EQ(Item(0, 0).text(), QStringLiteral("&New\tCtrl+N"));
    EXPECT_EQ(Item(0, 3).text(), QStringLiteral("E&xit\tAlt+F4"));
    EXPECT_EQ(Item(1, 0).text(), QStringLiteral("&Word Wrap\tCtrl+W"));
    EXPECT_TRUE(Item(0, 2).isSeparator());
    for (int m = 0; m < 2; ++m)
        for (QAction* action : Menu(m).actions())
            EXPECT_TRUE(action->shortcut().isEmpty()) << action->text().toStdString();
}

TEST_F(FrameTest, ItemsKeepTheirStoredGreyUntilTheDropDownAsksTheRoute)
{
    EXPECT_TRUE(Item(0, 0).isEnabled());
    EXPECT_FALSE(Item(0, 1).isEnabled());
    EXPECT_TRUE(Item(1, 1).isEnabled());  // stored enabled, though nobody handles it

    App->SaveEnabled = true;
    emit Menu(0).aboutToShow();
    EXPECT_TRUE(Item(0, 1).isEnabled());
    emit Menu(1).aboutToShow();
    EXPECT_FALSE(Item(1, 1).isEnabled());
    EXPECT_TRUE(Item(1, 0).isCheckable());
    EXPECT_TRUE(Item(1, 0).isChecked());
}

TEST_F(FrameTest, HighlightingReportsItemsAndTitlesAndChoosingRunsTheCommand)
{
    emit Bar().hovered(Bar().actions().at(1));
    emit Menu(0).hovered(&Item(0, 0));
    EXPECT_EQ(Frame->Selected, (std::vector<unsigned>{CmdWrap - 1, CmdNew}));

    Item(0, 0).trigger();
    EXPECT_EQ(App->Ran, (std::vector<unsigned>{CmdNew}));
    EXPECT_EQ(Frame->Selected.back(), 0xFFFFu);  // the menu closed before the command ran
}

TEST_F(FrameTest, TheClientFillsWhatTheBarsLeave)
{
    const QWidget& client = *QtTestAccess::ClientWidget(*Client);
    const QWidget& status = *QtTestAccess::ClientWidget(*Status);
    const QWidget& body = *QtTestAccess::ClientWidget(*Frame);
    const QPoint clientTop = client.mapTo(&body, QPoint(0, 0));
    const QPoint statusTop = status.mapTo(&body, QPoint(0, 0));
    EXPECT_EQ(clientTop, QPoint(0, 0));
    EXPECT_EQ(client.width(), body.width());
    EXPECT_EQ(status.height(), Status->Attr.H);
    EXPECT_EQ(statusTop.y(), clientTop.y() + client.height());
    EXPECT_EQ(statusTop.y() + status.height(), body.height());
    EXPECT_TRUE(Client->HasFocus());  // the frame passed its focus on
}

TEST_F(FrameTest, TheCloseBoxAsksTheProgramWhichDecides)
{
    QWidget* top = QtTestAccess::TopLevelWidget(*Frame);
    top->close();
    Settle();
    EXPECT_EQ(App->GetMainWindow(), Frame);
    EXPECT_TRUE(top->isVisible());

    Frame->MayClose = true;
    top->close();
    EXPECT_EQ(App->GetMainWindow(), nullptr);
    Settle();
}

}  // namespace
