// The page set-up dialog's "Printer..." button on Qt: the chooser it opens,
// and a printer chosen there through a print server of the test's own
// (two PDF queues), kept on OK and dropped on Cancel.
#include "tests/widget/WidgetTestSupport.h"

#include "core/HugeEdit.h"
#include "framework/qt/PrinterChooser.h"
#include "framework/qt/QtTestAccess.h"
#include "print/HugeEditPrinter.h"
#include "tests/support/ScratchDir.h"
#include "tests/widget/DialogSteps.h"

#include <QApplication>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <fstream>
#include <functional>
#include <optional>
#include <thread>

namespace {

constexpr auto Chooser = &Is<PrinterChooser>;
constexpr auto PageSetup = &Is<QPageSetupDialog>;

QPushButton* PrinterButton(QDialog& dialog)
{
    for (QPushButton* button : dialog.findChild<QDialogButtonBox*>()->findChildren<QPushButton*>())
        if (button->text() == "P&rinter...")
            return button;
    return nullptr;
}

TEST(PrinterChooserOnQt, ListsTheNamesGivenWithTheCurrentOneSelected)
{
    const QStringList names{"office", "lab", "hall"};
    struct Case {
        QString Current;
        int Selected;
    };
    for (const Case& c : {Case{"lab", 1}, Case{"gone", 0}}) {
        DialogSteps steps({{Chooser, [&](QDialog& chooser) {
                                auto* list = chooser.findChild<QComboBox*>();
                                EXPECT_EQ(chooser.windowTitle(), "Printer");
                                EXPECT_EQ(chooser.findChild<QLabel*>()->text(), "&Name:");
                                EXPECT_EQ(chooser.findChild<QLabel*>()->buddy(), list);
                                EXPECT_EQ(list->count(), 3);
                                EXPECT_EQ(list->currentIndex(), c.Selected) << c.Current.toStdString();
                                list->setCurrentIndex(2);
                                chooser.accept();
                            }}});
        EXPECT_EQ(PrinterChooser::Choose(names, c.Current, nullptr), std::optional<QString>("hall"));
    }
    DialogSteps cancel({{Chooser, [](QDialog& chooser) { chooser.reject(); }}});
    EXPECT_EQ(PrinterChooser::Choose(names, "lab", nullptr), std::nullopt);
}

// libcups reads CUPS_SERVER once per process, before the first printer:
// each test runs in a process of its own under ctest.
class PageSetupWithQueues : public ::testing::Test {
protected:
    TScratchDir Dir;
    THugeEdit Editor;
    std::optional<THugeEditPrinter> Printer;
    long CupsdPid = 0;

    void UseServer(const std::string& socket)
    {
        setenv("CUPS_SERVER", socket.c_str(), 1);
        ShowWindow(Editor, 400, 300);
        Printer.emplace();
        Printer->GetSetupData().Margins = {1000, 500, 2500, 750};
    }

    void StartQueues()
    {
        const std::string command = "bash '" VANTOR_SOURCE_DIR "/tests/support/private-cups.sh' '" +
                                    Dir.PathOf("cups") + "' vantor-first vantor-second";
        char socket[4096] = {};
        if (FILE* pipe = popen(command.c_str(), "r")) {
            if (fscanf(pipe, "%ld %4095s", &CupsdPid, socket) != 2)
                CupsdPid = 0;
            pclose(pipe);
        }
        if (!CupsdPid)
            GTEST_SKIP() << "no print server of the test's own (cupsd and its PDF filter are needed)";
        UseServer(socket);
        if (QPrinterInfo::availablePrinterNames() != QStringList{"vantor-first", "vantor-second"})
            GTEST_SKIP() << "this process already spoke to another print server";
    }

    QPrinter& Device() { return QtTestAccess::Printer(*Printer); }

    // The server goes before its folder does.
    void TearDown() override
    {
        if (!CupsdPid || kill(pid_t(CupsdPid), SIGTERM) != 0)
            return;
        const std::string stat = "/proc/" + std::to_string(CupsdPid) + "/stat";
        for (int i = 0; i < 500 && Running(stat); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }

    // True while the process lives: not gone, and not a zombie (the server
    // is not this process's child).
    static bool Running(const std::string& stat)
    {
        std::ifstream in(stat);
        std::string pid, name, state;
        return in >> pid >> name >> state && state != "Z";
    }

    // The boxes show the set-up margins, 1000, 500, 2500 and 750 of 2500ths
    // of an inch, in the dialog's millimetres.
    static void ExpectMarginsShown(QDialog& setup)
    {
        const std::pair<const char*, double> boxes[] = {
            {"leftMargin", 10.16}, {"topMargin", 5.08}, {"rightMargin", 25.4}, {"bottomMargin", 7.62}};
        for (const auto& [name, millimetres] : boxes) {
            auto* box = setup.findChild<QDoubleSpinBox*>(name);
            ASSERT_NE(box, nullptr) << name;
            EXPECT_NEAR(box->value(), millimetres, 0.01) << name;
        }
    }

    // Presses "Printer...", picks vantor-second and ends the reopened
    // dialog with end, once it has checked the printer and margins.
    void ChooseTheSecondThen(void (QDialog::*end)())
    {
        DialogSteps steps({{PageSetup,
                            [](QDialog& setup) {
                                ExpectMarginsShown(setup);
                                QPushButton* button = PrinterButton(setup);
                                ASSERT_TRUE(button && button->isEnabled());
                                button->click();
                            }},
                           {Chooser,
                            [](QDialog& chooser) {
                                auto* list = chooser.findChild<QComboBox*>();
                                EXPECT_EQ(list->currentText(), "vantor-first");
                                list->setCurrentText("vantor-second");
                                chooser.accept();
                            }},
                           {PageSetup, [this, end](QDialog& setup) {
                                EXPECT_EQ(Device().printerName(), "vantor-second");
                                ExpectMarginsShown(setup);
                                const QMarginsF m = Device().pageLayout().margins(QPageLayout::Millimeter);
                                EXPECT_NEAR(m.left(), 10.16, 0.01);  // 1000 of 2500ths of an inch
                                EXPECT_NEAR(m.top(), 5.08, 0.01);
                                EXPECT_NEAR(m.right(), 25.4, 0.01);
                                EXPECT_NEAR(m.bottom(), 7.62, 0.01);
                                (setup.*end)();
                            }}});
        Printer->Setup(&Editor);
    }
};

TEST_F(PageSetupWithQueues, WithoutQueuesThePrinterButtonIsGreyed)
{
    UseServer(Dir.PathOf("no-server.sock"));
    if (!QPrinterInfo::availablePrinterNames().isEmpty())
        GTEST_SKIP() << "this process already spoke to a print server with queues";
    DialogSteps steps({{PageSetup, [](QDialog& setup) {
                            QPushButton* button = PrinterButton(setup);
                            ASSERT_NE(button, nullptr);
                            EXPECT_FALSE(button->isEnabled());
                            setup.accept();
                        }}});
    Printer->Setup(&Editor);
}

// The reopened dialog shows the printer chosen with the margins; Cancel
// there drops it, OK keeps it.
TEST_F(PageSetupWithQueues, APrinterChosenReopensTheDialogAndStaysOnlyOnOk)
{
    StartQueues();
    if (IsSkipped())
        return;
    const struct {
        void (QDialog::*End)();
        const char* Printer;
    } cases[] = {{&QDialog::reject, "vantor-first"}, {&QDialog::accept, "vantor-second"}};
    for (const auto& c : cases) {
        ChooseTheSecondThen(c.End);
        EXPECT_EQ(Device().printerName(), c.Printer);
        EXPECT_EQ(Printer->GetSetupData().Margins, (TRect{1000, 500, 2500, 750})) << c.Printer;
    }
}

}  // namespace
