// The About box on Qt: the template's dialog units as pixels of the dialog
// font, the texts set up from this program's version record, and the
// buttons' answers.
#include "tests/widget/WidgetTestSupport.h"

#include "dialogs/WendAboutDlg.h"
#include "framework/Types.h"
#include "framework/qt/DialogRunner.h"
#include "resources/AboutDialog.h"
#include "resources/VersionSection.h"

#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// Runs the box and hands it, once shown, to look; look ends it.
int RunAbout(const std::function<void(QDialog&)>& look)
{
    TWendAboutDlg about(nullptr);
    QTimer::singleShot(0, [&look] {
        auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!box) {
            ADD_FAILURE() << "no modal box";
            QApplication::exit(1);
            return;
        }
        look(*box);
    });
    return about.Execute();
}

TEST(AboutBoxOnQt, ControlsSitAtTheirRectanglesInDialogUnits)
{
    const int answer = RunAbout([](QDialog& box) {
        const QSize base = DialogRunner::BaseUnits(box.font());
        EXPECT_GE(base.width(), 4);
        EXPECT_GE(base.height(), 8);
        std::cout << "dialog font: " << QFontInfo(box.font()).family().toStdString() << ", base units " << base.width()
                  << " x " << base.height() << "\n";
        EXPECT_EQ(box.size(), DialogRunner::PixelRect({12, 17, 217, 87}, base).size());
        EXPECT_EQ(box.windowTitle(), "About Vantor");
        std::map<std::string, QRect> labels;
        for (const QLabel* label : box.findChildren<QLabel*>())
            labels[label->text().toStdString()] = label->geometry();
        EXPECT_EQ(labels.at("Version 1.0"), DialogRunner::PixelRect({8, 14, 200, 8}, base));
        EXPECT_EQ(labels.at("Vantor Text Editor"), DialogRunner::PixelRect({8, 4, 200, 8}, base));
        EXPECT_TRUE(labels.count("Copyright \u00A9 2026 The Vantor developers"));
        const auto buttons = box.findChildren<QPushButton*>();
        ASSERT_EQ(buttons.size(), 1);
        EXPECT_EQ(buttons[0]->geometry(), DialogRunner::PixelRect({88, 68, 40, 14}, base));
        EXPECT_TRUE(buttons[0]->isDefault());
        buttons[0]->click();
    });
    EXPECT_EQ(answer, IDOK);
}

TEST(AboutBoxOnQt, EscapeCancels)
{
    EXPECT_EQ(RunAbout([](QDialog& box) {
                  QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
                  QApplication::sendEvent(&box, &escape);
              }),
              IDCANCEL);
}

}  // namespace
