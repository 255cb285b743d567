#include "core/FileSaver.h"
#include "core/TextWriter.h"

#include "core/TextLoader.h"

#include "TextTestSupport.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstring>
#include <fstream>
#include <iterator>

namespace {

using namespace texttest;
using namespace std::string_literals;

std::string Written(const std::vector<std::string>& rows, bool crlf = true)
{
    THELineArray lines;
    SetRows(lines, rows);
    TStringOutput output;
    EXPECT_TRUE(WriteRows(lines, output, crlf));
    return output.Text;
}

TEST(TextWriterTest, WritesRowsAsStoredWithCrLfLineEnds)
{
    EXPECT_EQ(Written({"ab\n"}), "ab\r\n");
    EXPECT_EQ(Written({"\n"}), "\r\n");
    EXPECT_EQ(Written({"aaa ", "bbb\n", "c"}), "aaa bbb\r\nc");  // soft rows write nothing between them
    EXPECT_EQ(Written({"a\0b\n"s, "\0\n"s}), "a\0b\r\n\0\r\n"s);
    EXPECT_EQ(Written({"a\nb\n"}), "a\r\nb\r\n");
    EXPECT_EQ(Written({"ab\n", "c"}, false), "ab\nc");
    EXPECT_EQ(Written({""}), "");
}

TEST(TextWriterTest, RowsLargerThanTheBufferAreWrittenWhole)
{
    std::string big(3 << 20, 'x');
    big[12345] = '\n';
    std::string expected = big;
    expected.replace(12345, 1, "\r\n");
    EXPECT_EQ(Written({"a\n", big, "b\n"}), "a\r\n" + expected + "b\r\n");
}

class TFailingOutput : public TTextOutput {
public:
    bool Write(const char*, size_t) override { return false; }
};

TEST(TextWriterTest, AFailedWriteIsReported)
{
    THELineArray lines;
    SetRows(lines, {"ab\n"});
    TFailingOutput output;
    EXPECT_FALSE(WriteRows(lines, output));
}

TEST(TextWriterTest, ReadAndSavedFilesFollowTheFormat)
{
    struct RoundTrip {
        const char* name;
        std::string file;
        std::string saved;
    };
    const RoundTrip cases[] = {
        {"two letters", "ab", "ab\r\n"},
        {"an empty file", "", "\r\n"},
        {"carriage returns", "a\rb\r\nc\n", "ab\r\nc\r\n"},
        {"Ctrl-Z", "ab\x1a" "cd", "ab\r\n"},
        {"NUL characters", "a\0b\n\0"s, "a\0b\r\n\0\r\n"s},
    };
    TTempDir dir;
    for (const RoundTrip& c : cases) {
        std::string path = dir / "round.txt";
        WriteFile(path, c.file);
        THELineArray lines;
        TTextInput input = TTextInput::FromFile(path);
        ASSERT_EQ(LoadText(lines, input, {}, 25, {}), TLoadResult::Ok) << c.name;
        std::string error;
        ASSERT_TRUE(SaveRowsToFile(lines, path, error)) << c.name << ": " << error;
        EXPECT_EQ(ReadFile(path), c.saved) << c.name;
    }
}

TEST(CopyRowsToBufferTest, CopiesTheTextWithSingleLineFeeds)
{
    THELineArray lines;
    SetRows(lines, {"ab\n", "cd", "e\n"});
    char buffer[16];
    std::memset(buffer, '#', sizeof buffer);
    EXPECT_EQ(CopyRowsToBuffer(lines, buffer, sizeof buffer), 7u);
    EXPECT_STREQ(buffer, "ab\ncde\n");

    struct CutCase {
        size_t size;
        const char* text;
    };
    for (CutCase c : {CutCase{7, "ab\ncde"}, CutCase{4, "ab\n"}, CutCase{2, "a"}, CutCase{1, ""}}) {
        std::memset(buffer, '#', sizeof buffer);
        EXPECT_EQ(CopyRowsToBuffer(lines, buffer, c.size), std::strlen(c.text)) << c.size;
        EXPECT_STREQ(buffer, c.text) << c.size;
        EXPECT_EQ(buffer[c.size], '#') << c.size;  // nothing written past the buffer
    }
    buffer[0] = '#';
    EXPECT_EQ(CopyRowsToBuffer(lines, buffer, 0), 0u);
    EXPECT_EQ(buffer[0], '#');
}

}  // namespace
