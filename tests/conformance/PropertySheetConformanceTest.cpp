// A property sheet on either layer: Apply greyed until a page reports a
// change, pages set up when first shown, Apply asked of the shown pages in
// order, a refusing page shown with the sheet kept open.
#include "framework/CheckBox.h"
#include "framework/Edit.h"
#include "framework/PropertyPage.h"
#include "tests/conformance/LayerUnderTest.h"
#include "tests/conformance/PropertySheetDriver.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr int TickId = 10, FieldId = 11;

const TDialogTemplate& PageTemplate()
{
    static const TDialogTemplate page = [] {
        TDialogTemplate t;
        t.Style = WS_CHILD;
        t.Rect = {0, 0, 100, 40};
        t.FontFace = "MS Sans Serif";
        t.FontPoints = 8;
        t.Items = {
            {TDialogItem::TKind::CheckBox, TickId, "Tick", {4, 4, 80, 10}, BS_CHECKBOX | WS_TABSTOP},
            {TDialogItem::TKind::Edit, FieldId, "", {4, 18, 40, 12}, WS_BORDER | WS_TABSTOP},
        };
        return t;
    }();
    return page;
}

// Logs its set-up and its Apply; refuses to apply while its field says "bad".
class TLoggingPage : public TPropertyPage {
public:
    TLoggingPage(TPropertySheet& sheet, int number, std::vector<std::string>& log)
        : TPropertyPage(sheet, PageTemplate(), "Page " + std::to_string(number)), Number(number), Log(log),
          Tick(*this, TickId), Field(*this, FieldId)
    {
    }
    void SetupWindow() override
    {
        TPropertyPage::SetupWindow();
        Log.push_back("setup " + std::to_string(Number));
    }
    int Apply() override
    {
        Log.push_back("apply " + std::to_string(Number));
        return Field.GetText(50) == "bad" ? PSNRET_INVALID : PSNRET_NOERROR;
    }
    void EvChildNotify(int id, unsigned code) override
    {
        if (id == TickId && code == BN_CLICKED)
            Tick.Toggle();
        PageChanged();
    }

    int Number;
    std::vector<std::string>& Log;
    TCheckBox Tick;
    TEdit Field;
};

class PropertySheetConformance : public ::testing::Test {
protected:
    TLayerUnderTest Layer;
    std::vector<std::string> Log;
    TPropertySheet Sheet{nullptr, "Sheet", 0};
    std::vector<TLoggingPage*> Pages;

    PropertySheetConformance()
    {
        for (int i = 0; i < 3; ++i)
            Pages.push_back(static_cast<TLoggingPage*>(&Sheet.AddPage(std::make_unique<TLoggingPage>(Sheet, i, Log))));
    }
};

using TButton = TPropertySheet::TButton;
using TLog = std::vector<std::string>;

TEST_F(PropertySheetConformance, ApplyComesOnWithAChangeAndAsksTheShownPagesInOrder)
{
    std::vector<bool> applyOn;
    TLog afterApply, afterSecondShow;
    const int answer = TPropertySheetUser::Run(Sheet, [&](TPropertySheetUser& user) {
        applyOn.push_back(user.ApplyEnabled());
        user.Click(TickId);  // the page ticks its plain box
        applyOn.push_back(user.ApplyEnabled());
        user.ClickTab(2);
        user.Type(FieldId, "x");
        user.Press(TButton::Apply);
        applyOn.push_back(user.ApplyEnabled());
        afterApply = Log;
        user.ClickTab(0);
        afterSecondShow = Log;
        user.Press(TButton::Cancel);
    });
    EXPECT_EQ(answer, IDCANCEL);
    EXPECT_EQ(applyOn, (std::vector<bool>{false, true, false}));
    EXPECT_EQ(afterApply, (TLog{"setup 0", "setup 2", "apply 0", "apply 2"}));
    EXPECT_EQ(afterSecondShow, afterApply);
    EXPECT_EQ(Log, afterApply);  // Cancel asks nobody
    EXPECT_EQ(Pages[0]->Tick.GetCheck(), unsigned(BST_CHECKED));
    EXPECT_EQ(Pages[2]->Field.GetText(50), "x");
}

TEST_F(PropertySheetConformance, ARefusingPageIsShownAndOkWaitsForIt)
{
    bool openAfterRefusal = false;
    size_t shownAfterRefusal = 0;
    const int answer = TPropertySheetUser::Run(Sheet, [&](TPropertySheetUser& user) {
        user.ClickTab(1);
        user.Type(FieldId, "bad");
        user.ClickTab(0);
        user.Press(TButton::Ok);
        openAfterRefusal = user.Open();
        shownAfterRefusal = user.ShownPage();
        user.Type(FieldId, "good");
        user.Press(TButton::Ok);
    });
    EXPECT_TRUE(openAfterRefusal);
    EXPECT_EQ(shownAfterRefusal, 1u);
    EXPECT_EQ(answer, IDOK);
    EXPECT_EQ(Log, (TLog{"setup 0", "setup 1", "apply 0", "apply 1", "apply 0", "apply 1"}));
}

}  // namespace
