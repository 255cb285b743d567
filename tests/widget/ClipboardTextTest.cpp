// The clipboard at the Qt boundary: the program's block against the UTF-8,
// LF text that other programs exchange, and what counts as text (the round
// trip of every byte and an image: tests/conformance).
#include "tests/widget/WidgetTestSupport.h"

#include "framework/Clipboard.h"
#include "framework/qt/ClipboardText.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QUrl>

#include <gtest/gtest.h>

namespace {

using namespace std::string_literals;

QByteArray Utf8(const char* text) { return QByteArray(text); }

TEST(ClipboardTextTest, ExportGivesUtf8WithLineFeeds)
{
    struct {
        const char* name;
        std::string block;
        QByteArray utf8;
    } cases[] = {
        {"ASCII", "abc\0"s, Utf8("abc")},
        {"CR LF", "a\r\nb\r\n\0"s, Utf8("a\nb\n")},
        {"lone CR and LF", "a\rb\nc\r\r\n\0"s, Utf8("a\rb\nc\r\n")},
        {"CR at the end", "a\r\0"s, Utf8("a\r")},
        {"high bytes", "caf\xe9 \x80 \x99 \x9f \xff\0"s, Utf8("caf\u00e9 \u20ac \u2122 \u0178 \u00ff")},
        {"bytes the code page lacks", "\x81\x8d\x8f\x90\x9d\0"s, Utf8("\u0081\u008d\u008f\u0090\u009d")},
        {"controls", "\x01\x1a\x7f\0"s, QByteArray("\x01\x1a\x7f")},
        {"ends at the NUL", "ab\0cd\0"s, Utf8("ab")},
        {"block without a NUL", "ab"s, Utf8("ab")},
        {"empty", "\0"s, Utf8("")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ClipboardText::Export(c.block), c.utf8) << c.name;
}

TEST(ClipboardTextTest, ImportGivesWindowsBytesEndedByANul)
{
    struct {
        const char* name;
        QByteArray utf8;
        std::string block;
    } cases[] = {
        {"ASCII", Utf8("abc"), "abc\0"s},
        {"LF stays", Utf8("a\nb\n"), "a\nb\n\0"s},
        {"CR LF and lone CR stay", Utf8("a\r\nb\rc"), "a\r\nb\rc\0"s},
        {"Latin-1 and code page characters", Utf8("caf\u00e9 \u20ac \u2122 \u017e"), "caf\xe9 \x80 \x99 \x9e\0"s},
        {"bytes the code page lacks", Utf8("\u0081\u008d\u008f\u0090\u009d"), "\x81\x8d\x8f\x90\x9d\0"s},
        {"characters it lacks", Utf8("\u0080\u0142\u2500\U0001F600x"), "????x\0"s},
        {"not UTF-8", QByteArray("a\xe9z\xc3"), "a?z?\0"s},
        {"overlong and surrogate", QByteArray("\xc0\xaf\xed\xa0\x80!"), "?????!\0"s},
        {"ends at a NUL", QByteArray("ab\0cd", 5), "ab\0"s},
        {"empty", Utf8(""), "\0"s},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ClipboardText::Import(c.utf8), c.block) << c.name;
}

class QtClipboardTest : public testing::Test {
protected:
    QClipboard& Desktop() { return *QGuiApplication::clipboard(); }
};

TEST_F(QtClipboardTest, OtherProgramsReadUtf8WithLineFeeds)
{
    SetClipboardText("caf\xe9\r\nx\0"s);
    EXPECT_EQ(Desktop().text(), QString::fromUtf8("caf\u00e9\nx"));
    EXPECT_EQ(Desktop().mimeData()->data("text/plain;charset=utf-8"), Utf8("caf\u00e9\nx"));
}

TEST_F(QtClipboardTest, TextOfAnotherProgramIsTextAFileListIsNot)
{
    Desktop().setText(QString::fromUtf8("\u00e9t\u00e9\n"));
    EXPECT_TRUE(ClipboardHasText());
    EXPECT_EQ(GetClipboardText(), "\xe9t\xe9\n\0"s);

    auto* files = new QMimeData;
    files->setUrls({QUrl::fromLocalFile("/tmp/a.txt")});
    Desktop().setMimeData(files);
    EXPECT_FALSE(ClipboardHasText());
    EXPECT_EQ(GetClipboardText(), "");

    Desktop().clear();
    EXPECT_FALSE(ClipboardHasText());
}

}  // namespace
