// Files dropped on a window that accepts them arrive as WM_DROPFILES, all
// of them in the order of the drop.
#include "tests/widget/WidgetTestSupport.h"

#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

#include <gtest/gtest.h>

#include <string>

namespace {

class FileDropTest : public ::testing::Test {
protected:
    TRecordingWindow Window;
    std::vector<std::string> Dropped;
    TPoint DropPoint;
    QMimeData Data;

    void SetUp() override
    {
        Window.OnMessage = [this](const TLogged& m) {
            if (m.Message != WM_DROPFILES)
                return;
            const auto& drop = *reinterpret_cast<const TDropInfo*>(m.WParam);
            Dropped = drop.Files;
            DropPoint = drop.Point;
        };
        Data.setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/one.txt")), QUrl(QStringLiteral("https://example.invalid/x")),
                      QUrl::fromLocalFile(QStringLiteral("/tmp/two words.txt")),
                      QUrl::fromLocalFile(QStringLiteral("/tmp/three.txt"))});
    }

    // Offers the drag and drops it; true when the window took the drag.
    bool Drop()
    {
        QWidget& client = ClientOf(Window);
        QDragEnterEvent enter(QPoint(30, 40), Qt::CopyAction, &Data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&client, &enter);
        QDropEvent drop(QPointF(30, 40), Qt::CopyAction, &Data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&client, &drop);
        return enter.isAccepted();
    }
};

TEST_F(FileDropTest, AWindowThatAcceptsFilesGetsTheLocalOnesInOrder)
{
    Window.Attr.ExStyle = WS_EX_ACCEPTFILES;
    ShowWindow(Window);
    EXPECT_TRUE(Drop());
    EXPECT_EQ(Dropped, (std::vector<std::string>{"/tmp/one.txt", "/tmp/two words.txt", "/tmp/three.txt"}));
    EXPECT_EQ(DropPoint, (TPoint{30, 40}));
}

TEST_F(FileDropTest, OtherWindowsRefuseTheDrag)
{
    ShowWindow(Window);
    EXPECT_FALSE(Drop());
    EXPECT_TRUE(Window.Only({WM_DROPFILES}).empty());
}

}  // namespace
