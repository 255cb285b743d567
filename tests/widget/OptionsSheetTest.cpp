// The Options sheet's pages on Qt: the families the desktop reports, the
// controls placed by dialog units, the owner-drawn font list measured by
// its box, and OK kept open by a value out of range, with its message. The
// sheet's own mechanics are tested on both layers in tests/conformance.
#include "tests/widget/WidgetTestSupport.h"

#include "dialogs/GeneralPage.h"
#include "dialogs/HEPropertySheet.h"
#include "dialogs/StyleInfo.h"
#include "framework/Font.h"
#include "framework/qt/DialogRunner.h"
#include "framework/qt/FontFamilies.h"
#include "resources/OptionsDialogs.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>

#include <gtest/gtest.h>

#include <map>

namespace {

TEST(DesktopFonts, FixedPitchAndKindFollowTheFontsThemselves)
{
    std::map<std::string, TFontFamilyReport> families;
    for (const TFontFamilyReport& report : DesktopFontFamilies())
        families[report.LogFont.FaceName] = report;
    for (const char* face : {"Liberation Mono", "DejaVu Sans Mono", "Liberation Serif"})
        if (!families.count(face))
            GTEST_SKIP() << face << " is not installed (scripts/install-deps.sh installs it)";
    const auto pitch = [&](const char* face) { return families.at(face).LogFont.PitchAndFamily & 0x03; };
    EXPECT_EQ(pitch("Liberation Mono"), FIXED_PITCH);
    EXPECT_EQ(pitch("DejaVu Sans Mono"), FIXED_PITCH);
    EXPECT_EQ(pitch("Liberation Serif"), VARIABLE_PITCH);
    EXPECT_EQ(families.at("Liberation Mono").FontType, unsigned(TRUETYPE_FONTTYPE));
    EXPECT_EQ(families.at("Liberation Serif").StyleName, "Regular");
    // fontconfig's generic names are no families of their own.
    for (const char* alias : {"Monospace", "Sans Serif", "Serif"})
        EXPECT_FALSE(families.count(alias)) << alias;
    // The print system reports no printer-resident fonts here.
    for (const auto& [face, report] : families)
        EXPECT_FALSE(report.FontType & DEVICE_FONTTYPE) << face;
}

// Types text into a line edit as the keyboard does.
void TypeInto(QLineEdit& field, const QString& text)
{
    field.selectAll();
    for (const QChar ch : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(&field, &press);
    }
}

class OptionsSheetOnQt : public ::testing::Test {
protected:
    bool Wrap = false, Dos = false, Installed = false, AutoIndent = false;
    int32_t UndoLimit = 500;
    TTextStyle Style{0, 0, 0, 10, 10, 4, "Courier New", 12, 4};
    TTextStyle DosStyle{0, 0, 0, 10, 10, 4, "Terminal", 12, 0};
    TWindow Main{nullptr, "main"};
    THEPropertySheet Sheet{nullptr, "Options", 0};
    std::vector<bool> Registered;

    OptionsSheetOnQt()
    {
        Sheet.AddPage(std::make_unique<TGeneralPage>(
            Sheet, "General", TGeneralSettings{Wrap, Dos, Installed, AutoIndent, UndoLimit},
            [this](bool on) { Registered.push_back(on); }, Main));
        Sheet.AddPage(std::make_unique<TStyleInfo>(Sheet, "Text", Style, nullptr));
        Sheet.AddPage(std::make_unique<TStyleInfo>(Sheet, "Dos Text", DosStyle, nullptr));
    }

    // Runs the sheet; user acts once it shows and must close it.
    int Run(const std::function<void(QDialog&, QTabWidget&)>& user)
    {
        QTimer::singleShot(0, [&user] {
            auto* sheet = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            QTabWidget* tabs = sheet ? sheet->findChild<QTabWidget*>() : nullptr;
            if (!tabs) {
                ADD_FAILURE() << "no sheet shown";
                QApplication::exit(1);
                return;
            }
            user(*sheet, *tabs);
        });
        return Sheet.Execute();
    }
};

QPushButton& Button(QDialog& sheet, QDialogButtonBox::StandardButton which)
{
    return *sheet.findChild<QDialogButtonBox*>()->button(which);
}

TEST_F(OptionsSheetOnQt, PagesAreBuiltWhenShownAndOkWaitsForValuesInRange)
{
    std::string message;
    int itemHeight = 0, fieldHeight = 0, faces = 0;
    std::string shownFace, shownDosFace = "unset";
    QRect tabLabel, tabBox;
    Qt::Alignment tabAlign;
    bool stillOpen = false;
    const int answer = Run([&](QDialog& sheet, QTabWidget& tabs) {
        tabs.widget(0)->findChild<QAbstractButton*>("301")->click();
        tabs.setCurrentIndex(2);
        shownDosFace = tabs.widget(2)->findChild<QComboBox*>("101")->currentText().toStdString();

        tabs.setCurrentIndex(1);
        QWidget& page = *tabs.widget(1);
        auto& fonts = *page.findChild<QComboBox*>("101");
        faces = fonts.count();
        shownFace = fonts.currentText().toStdString();
        itemHeight = fonts.view()->sizeHintForRow(0);
        fieldHeight = fonts.height();
        for (QLabel* label : page.findChildren<QLabel*>())
            if (label->text() == "Tab spacing:") {
                tabLabel = label->geometry();
                tabAlign = label->alignment();
            }
        tabBox = page.findChild<QComboBox*>("103")->geometry();
        TypeInto(*page.findChild<QComboBox*>("102")->lineEdit(), "7");
        QTimer::singleShot(0, [&message] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                message = (box->windowTitle() + ": " + box->text()).toStdString();
                box->accept();
            }
        });
        Button(sheet, QDialogButtonBox::Ok).click();
        stillOpen = sheet.isVisible() && tabs.currentIndex() == 1;
        TypeInto(*page.findChild<QComboBox*>("102")->lineEdit(), "0x10");
        Button(sheet, QDialogButtonBox::Ok).click();
    });
    EXPECT_EQ(answer, IDOK);
    EXPECT_EQ(message, "Error: The fontsize must be a value between 8 and 18 pts");
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(Style.FontSize, 16);
    // A face the desktop lacks shows as the family drawn in its place.
    EXPECT_FALSE(shownFace.empty());
    EXPECT_EQ(shownFace, DrawnFaceName("Courier New"));
    EXPECT_EQ(Style.FaceName, shownFace);
    // The OEM face's stand-in would draw another code page: nothing shows,
    // and the face stays.
    EXPECT_EQ(shownDosFace, "");
    EXPECT_EQ(DosStyle.FaceName, "Terminal");
    EXPECT_TRUE(Wrap);
    EXPECT_TRUE(Registered.empty());

    // Fixed-pitch families of the screen, each measured by the box.
    EXPECT_GT(faces, 0);
    EXPECT_EQ(itemHeight, MulDiv(14, ScreenLogPixelsY(), 72) + 2);
    EXPECT_GE(fieldHeight, itemHeight);
    const QSize base = DialogRunner::BaseUnits(DialogRunner::DialogFont(StyleInfoDialog()));
    EXPECT_EQ(tabLabel, DialogRunner::PixelRect({12, 32, 52, 10}, base));
    EXPECT_TRUE(tabAlign & Qt::AlignRight);
    EXPECT_EQ(tabBox.topLeft(), DialogRunner::PixelRect({72, 32, 48, 54}, base).topLeft());
}

// The number boxes keep what is typed, as a plain edit field does: typing 1
// where the list holds 10 is 1, not 10 completed behind the caret. Leaving
// a box unchanged (the field's editing finishes) is no change for Apply.
TEST_F(OptionsSheetOnQt, NumberBoxesKeepTheTypedTextAndLeavingThemChangesNothing)
{
    bool applyAfterLeaving = true;
    std::vector<QString> typed;
    Run([&](QDialog& sheet, QTabWidget& tabs) {
        tabs.setCurrentIndex(1);
        QWidget& page = *tabs.widget(1);
        for (const char* id : {"102", "103", "104", "105"})
            emit page.findChild<QComboBox*>(id)->lineEdit()->editingFinished();
        applyAfterLeaving = Button(sheet, QDialogButtonBox::Apply).isEnabled();
        for (const char* id : {"102", "104", "105"}) {
            QLineEdit& field = *page.findChild<QComboBox*>(id)->lineEdit();
            // The completer works only in the field that has the focus.
            field.setFocus();
            QApplication::processEvents();
            TypeInto(field, "1");
            typed.push_back(field.text());
        }
        TypeInto(*page.findChild<QComboBox*>("102")->lineEdit(), "9");
        Button(sheet, QDialogButtonBox::Ok).click();
    });
    EXPECT_FALSE(applyAfterLeaving);
    EXPECT_EQ(typed, (std::vector<QString>{"1", "1", "1"}));
    EXPECT_EQ(Style.LineSpacing, 1);
    EXPECT_EQ(Style.MarginX, 1);
}

// Ctrl+Tab turns the page wherever the focus is, the font list included;
// the tabs and buttons are written in the pages' dialog font.
TEST_F(OptionsSheetOnQt, CtrlTabTurnsThePageFromTheFontListAndTheSheetUsesTheDialogFont)
{
    std::vector<int> pages;
    QFont tabFont, okFont;
    // As the keyboard sends it: with its tab character.
    const auto pageKey = [](QWidget& target, int key, Qt::KeyboardModifiers modifiers) {
        QKeyEvent press(QEvent::KeyPress, key, modifiers, QStringLiteral("\t"));
        QApplication::sendEvent(&target, &press);
    };
    Run([&](QDialog& sheet, QTabWidget& tabs) {
        tabs.setCurrentIndex(1);
        pageKey(*tabs.widget(1)->findChild<QComboBox*>("101"), Qt::Key_Tab, Qt::ControlModifier);
        pages.push_back(tabs.currentIndex());
        // The Dos Text page's controls exist once it has been shown.
        if (auto* dosFonts = tabs.widget(2)->findChild<QComboBox*>("101"))
            pageKey(*dosFonts, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
        pages.push_back(tabs.currentIndex());
        tabFont = tabs.tabBar()->font();
        okFont = Button(sheet, QDialogButtonBox::Ok).font();
        Button(sheet, QDialogButtonBox::Cancel).click();
    });
    EXPECT_EQ(pages, (std::vector<int>{2, 1}));
    const QFont dialogFont = DialogRunner::DialogFont(GeneralInfoDialog());
    for (const QFont& font : {tabFont, okFont}) {
        EXPECT_EQ(font.family(), dialogFont.family());
        EXPECT_EQ(font.pointSize(), dialogFont.pointSize());
    }
}

}  // namespace

namespace {

// A page that cannot be built, as one whose printer gives no context.
class TBrokenPage : public TPropertyPage {
public:
    using TPropertyPage::TPropertyPage;
    void SetupWindow() override { throw std::runtime_error("no context for the printer"); }
};

TEST_F(OptionsSheetOnQt, AFailureWhileAPageIsBuiltEndsTheSheetAndReachesTheCaller)
{
    Sheet.AddPage(std::make_unique<TBrokenPage>(Sheet, StyleInfoDialog(), "Broken"));
    bool closed = false;
    try {
        Run([](QDialog&, QTabWidget& tabs) { tabs.setCurrentIndex(tabs.count() - 1); });
    } catch (const std::runtime_error& error) {
        closed = std::string(error.what()) == "no context for the printer";
    }
    EXPECT_TRUE(closed);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

}  // namespace
