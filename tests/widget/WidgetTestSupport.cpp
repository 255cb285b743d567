#include "tests/widget/WidgetTestSupport.h"

#include "framework/Platform.h"
#include "framework/qt/QtTestAccess.h"

#include <QApplication>
#include <QCoreApplication>
#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace {

// The tests share one application object, made before the first test, so
// that an application's shutdown ends only the layer's own state.
class QtEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        if (!QApplication::instance())
            App = std::make_unique<QApplication>(TestArgc(), TestArgv());
    }
    void TearDown() override
    {
        Platform::Shutdown();
        App.reset();
    }

private:
    std::unique_ptr<QApplication> App;
};

[[maybe_unused]] const auto* const Environment = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

}  // namespace

int& TestArgc()
{
    static int argc = 1;
    return argc;
}

char** TestArgv()
{
    static char name[] = "test_widget";
    static char* argv[] = {name, nullptr};
    return argv;
}

intptr_t TRecordingWindow::WindowProc(unsigned message, uintptr_t wParam, intptr_t lParam)
{
    Log.push_back(TLogged{message, wParam, lParam});
    if (OnMessage)
        OnMessage(Log.back());
    return TWindow::WindowProc(message, wParam, lParam);
}

void TRecordingWindow::Paint(TDC& dc, bool erase, TRect& rect)
{
    PaintRects.push_back(rect);
    if (OnPaint)
        OnPaint(dc, rect);
}

std::vector<TLogged> TRecordingWindow::Only(std::initializer_list<unsigned> messages) const
{
    std::vector<TLogged> kept;
    for (const TLogged& m : Log)
        if (std::find(messages.begin(), messages.end(), m.Message) != messages.end())
            kept.push_back(m);
    return kept;
}

void Settle() { QtTestAccess::FlushEvents(); }

void ShowWindow(TWindow& window, int width, int height)
{
    window.Attr.X = 10;
    window.Attr.Y = 10;
    window.Attr.W = width;
    window.Attr.H = height;
    window.Create();
    window.Show(SW_SHOWNORMAL);
    Settle();
}

QWidget& ClientOf(const TWindow& window) { return *QtTestAccess::ClientWidget(window); }

void SendKey(const TWindow& window, QEvent::Type type, int key, Qt::KeyboardModifiers modifiers, const QString& text)
{
    QKeyEvent event(type, key, modifiers, text);
    QCoreApplication::sendEvent(&ClientOf(window), &event);
}

void PressKey(const TWindow& window, int key, Qt::KeyboardModifiers modifiers, const QString& text)
{
    SendKey(window, QEvent::KeyPress, key, modifiers, text);
    SendKey(window, QEvent::KeyRelease, key, modifiers, text);
}

unsigned RgbAt(const QImage& image, int x, int y) { return image.pixel(x, y) & 0xFFFFFFu; }

bool SamePixels(const QImage& a, const QImage& b, const QRect& rect)
{
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            if (RgbAt(a, x, y) != RgbAt(b, x, y))
                return false;
    return true;
}
