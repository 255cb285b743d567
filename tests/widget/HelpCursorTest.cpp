// The context-help cursor on Qt: resource 24000 shown over the whole
// application, with its hot spot at the arrow's tip, and taken back.
#include "tests/widget/WidgetTestSupport.h"

#include "framework/Platform.h"
#include "resources/Cursors.h"

#include <QCursor>
#include <QGuiApplication>
#include <QPixmap>

#include <gtest/gtest.h>

namespace {

TEST(HelpCursorOnQt, ShowsOverTheApplicationUntilTakenBack)
{
    const auto cursor = LoadCursorResource(IDC_HELPCURSOR);
    ASSERT_TRUE(cursor);
    ASSERT_EQ(QGuiApplication::overrideCursor(), nullptr);
    Platform::SetAppCursor(&*cursor);
    Platform::SetAppCursor(&*cursor);  // shown again on a mouse move: still one level
    const QCursor* shown = QGuiApplication::overrideCursor();
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown->pixmap().size(), QSize(32, 32));
    EXPECT_EQ(shown->hotSpot(), QPoint(0, 0));
    EXPECT_EQ(shown->pixmap().toImage().pixelColor(0, 0), QColor(Qt::black)) << "the arrow's tip";
    Platform::SetAppCursor(nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

}  // namespace
