#include "core/TextLoader.h"

#include "TextTestSupport.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <fstream>
#include <random>
#include <thread>

namespace {

using namespace texttest;
using namespace std::string_literals;

struct TLoaded {
    TLoadResult Result;
    std::vector<std::string> Rows;
};

TLoaded LoadFile(const std::string& path, const TLoadOptions& options = {}, int windowRows = 25,
                 const TLoadProgress& progress = {})
{
    THELineArray lines;
    TTextInput input = TTextInput::FromFile(path);
    TLoadResult result = LoadText(lines, input, options, windowRows, progress);
    return {result, RowsOf(lines)};
}

TLoaded LoadMemory(const std::string& text, const TLoadOptions& options = {})
{
    THELineArray lines;
    TTextInput input = TTextInput::FromMemory(text);
    TLoadResult result = LoadText(lines, input, options, 25, {});
    return {result, RowsOf(lines)};
}

struct FormatCase {
    const char* name;
    std::string file;
    std::vector<std::string> rows;
};

const FormatCase FormatCases[] = {
    {"two letters without a line feed", "ab", {"ab\n"}},
    {"two letters and a line feed", "ab\n", {"ab\n"}},
    {"an empty line at the end", "ab\n\n", {"ab\n", "\n"}},
    {"an empty file", "", {"\n"}},
    {"a lone carriage return is dropped", "a\rb\n", {"ab\n"}},
    {"CR LF ends a line", "a\r\nb", {"a\n", "b\n"}},
    {"Ctrl-Z ends the input", "ab\x1a" "cd\nef\n", {"ab\n"}},
    {"Ctrl-Z first", "\x1a" "abc", {"\n"}},
    {"only carriage returns", "\r\r\r", {"\n"}},
    {"a single line feed", "\n", {"\n"}},
    {"a carriage return at the end", "ab\r", {"ab\n"}},
    {"NUL characters are kept", "a\0b\n\0"s, {"a\0b\n"s, "\0\n"s}},
    {"other control and high characters are kept", "\t\x01\xff\xa0\x7f\n", {"\t\x01\xff\xa0\x7f\n"}},
    {"several lines with mixed ends", "one\r\ntwo\nthree\r\n\r\nfour", {"one\n", "two\n", "three\n", "\n", "four\n"}},
};

// Every case at block sizes from one byte up, so that lines, CR LF pairs
// and Ctrl-Z fall across block boundaries, and with small text blocks,
// so that unfinished lines are carried into new blocks.
TEST(TextLoaderTest, ReadsTheFileFormatAtAnyBlockSize)
{
    TTempDir dir;
    for (const FormatCase& c : FormatCases) {
        std::string path = dir / "case.txt";
        WriteFile(path, c.file);
        for (size_t block : {size_t(1), size_t(2), size_t(3), size_t(7), size_t(4) << 20}) {
            for (size_t textBlock : {size_t(0), size_t(1)}) {
                TLoadOptions options;
                options.ReadBlockSize = block;
                options.TextBlockSize = textBlock;
                TLoaded loaded = LoadFile(path, options);
                EXPECT_EQ(loaded.Result, TLoadResult::Ok) << c.name;
                EXPECT_EQ(loaded.Rows, c.rows) << c.name << ", block " << block << ", text block " << textBlock;
            }
        }
    }
}

TEST(TextLoaderTest, LongTextCrossesManyBlocks)
{
    std::string file, expected;
    for (int i = 0; i < 3000; ++i) {
        std::string line = "line " + std::to_string(i) + std::string(size_t(i % 50), '.');
        file += line + (i % 3 ? "\r\n" : "\n");
        expected += line + "\n";
    }
    file += "\x1a" "ignored\n";
    for (size_t block : {size_t(5), size_t(64), size_t(4093), size_t(1) << 16}) {
        TLoadOptions options;
        options.ReadBlockSize = block;
        options.TextBlockSize = 1;
        TLoaded loaded = LoadMemory(file, options);
        ASSERT_EQ(loaded.Rows.size(), 3000u) << block;
        std::string text;
        for (const std::string& row : loaded.Rows)
            text += row;
        EXPECT_EQ(text, expected) << block;
    }
}

TEST(TextLoaderTest, RowsAreViewsOfContiguousText)
{
    std::string file;
    for (int i = 0; i < 1000; ++i)
        file += std::string(80, char('a' + i % 26)) + "\n";
    THELineArray lines;
    TTextInput input = TTextInput::FromMemory(file);
    ASSERT_EQ(LoadText(lines, input, {}, 25, {}), TLoadResult::Ok);
    ASSERT_EQ(lines.Size(), 1000);
    for (TRowIndex i = 0; i < lines.Size(); ++i) {
        ASSERT_TRUE(lines[i].IsView()) << i;
        if (i > 0) {
            ASSERT_TRUE(TRow::Adjacent(lines[i - 1], lines[i])) << i;
        }
    }
}

TEST(TextLoaderTest, LinesLongerThanAViewBecomeOwnedRows)
{
    std::string big(TRow::MaxViewLength * 3 + 5, 'x');
    std::string file = "a\n" + big + "\r\nbc\n" + big;
    for (size_t block : {size_t(1000), size_t(4) << 20}) {
        for (bool wrap : {false, true}) {
            THELineArray lines;
            TTextInput input = TTextInput::FromMemory(file);
            TLoadOptions options;
            options.ReadBlockSize = block;
            options.WordWrap = wrap;
            options.WindowCols = 100000000;
            ASSERT_EQ(LoadText(lines, input, options, 25, {}), TLoadResult::Ok);
            EXPECT_EQ(RowsOf(lines), (std::vector<std::string>{"a\n", big + "\n", "bc\n", big + "\n"}))
                << block << " " << wrap;
            EXPECT_FALSE(lines[1].IsView());
            EXPECT_TRUE(lines[2].IsView());
        }
    }
}

TEST(TextLoaderTest, InputThatCannotBeOpenedGivesTheEmptyDocument)
{
    TTempDir dir;
    TLoaded missing = LoadFile(dir / "missing.txt");
    EXPECT_EQ(missing.Result, TLoadResult::CannotOpen);
    EXPECT_EQ(missing.Rows, (std::vector<std::string>{"\n"}));
    TLoaded folder = LoadFile(dir.Path);
    EXPECT_EQ(folder.Result, TLoadResult::CannotOpen);
    EXPECT_EQ(folder.Rows, (std::vector<std::string>{"\n"}));
}

TEST(TextLoaderTest, AReadErrorKeepsWhatWasRead)
{
    TTempDir dir;
    THELineArray lines;
    TTextInput input = TTextInput::FromDescriptor(open(dir.Path.c_str(), O_RDONLY | O_DIRECTORY));
    EXPECT_EQ(LoadText(lines, input, {}, 25, {}), TLoadResult::ReadError);
    EXPECT_EQ(RowsOf(lines), (std::vector<std::string>{"\n"}));
    EXPECT_EQ(input.Error(), EISDIR);
}

// Feeds text through a pipe, so that the loader knows no size in advance.
TLoadResult LoadThroughPipe(const std::string& text, const TLoadOptions& options, std::vector<std::string>& rows)
{
    int ends[2];
    EXPECT_EQ(pipe(ends), 0);
    std::thread writer([&] {
        size_t done = 0;
        while (done < text.size()) {
            ssize_t n = write(ends[1], text.data() + done, text.size() - done);
            if (n <= 0)
                break;
            done += size_t(n);
        }
        close(ends[1]);
    });
    THELineArray lines;
    TTextInput input = TTextInput::FromDescriptor(ends[0]);
    EXPECT_EQ(input.SizeHint(), -1);
    TLoadResult result = LoadText(lines, input, options, 25, {});
    // Drain the pipe if the loader stopped early.
    char sink[4096];
    while (input.Read(sink, sizeof sink) > 0) {
    }
    writer.join();
    rows = RowsOf(lines);
    return result;
}

TEST(TextLoaderTest, TextOverTheLimitIsRefusedWholly)
{
    struct LimitCase {
        const char* name;
        std::string text;
        int64_t limit;
        TLoadResult expected;
    };
    const LimitCase cases[] = {
        {"exactly the limit", "abcd", 5, TLoadResult::Ok},  // four letters and the added line feed
        {"the added line feed exceeds it", "abcde", 5, TLoadResult::TooLarge},
        {"carriage returns do not count", "ab\r\r\r\n", 3, TLoadResult::Ok},
        {"many lines over it", "ab\ncd\nef\ngh\n", 7, TLoadResult::TooLarge},
    };
    for (const LimitCase& c : cases) {
        TLoadOptions options;
        options.MaxLength = c.limit;
        options.ReadBlockSize = 2;
        std::vector<std::string> rows;
        EXPECT_EQ(LoadThroughPipe(c.text, options, rows), c.expected) << c.name;
        if (c.expected == TLoadResult::TooLarge) {
            EXPECT_EQ(rows, (std::vector<std::string>{"\n"})) << c.name;
        }
    }
    // With a known size the file is refused before anything is read.
    TLoadOptions options;
    options.MaxLength = 5;
    TLoaded known = LoadMemory("abcdef\n", options);
    EXPECT_EQ(known.Result, TLoadResult::TooLarge);
    EXPECT_EQ(known.Rows, (std::vector<std::string>{"\n"}));
}

struct TProgressLog {
    std::vector<TRowIndex> Calls;
    std::vector<int> Answers;  // what to return, call by call; the last one repeats
    TLoadProgress Callback()
    {
        return [this](TRowIndex stored) {
            int answer = Answers[std::min(Calls.size(), Answers.size() - 1)];
            Calls.push_back(stored);
            return answer;
        };
    }
};

std::string NumberedLines(int n)
{
    std::string text;
    for (int i = 0; i < n; ++i)
        text += std::to_string(i) + "\n";
    return text;
}

TEST(TextLoaderTest, ProgressIsCalledAtMultiplesOfTheWindowRows)
{
    struct ProgressCase {
        const char* name;
        int lines;
        std::vector<int> answers;
        std::vector<TRowIndex> calls;
        TLoadResult result;
        size_t rows;
    };
    const ProgressCase cases[] = {
        {"every third row", 10, {3}, {0, 3, 6, 9}, TLoadResult::Ok, 10},
        {"the window grows", 10, {3, 4}, {0, 3, 4, 8}, TLoadResult::Ok, 10},
        {"a multiple of the new count right away", 9, {2, 4}, {0, 2, 4, 8}, TLoadResult::Ok, 9},
        {"stopping at the second step", 10, {3, 0}, {0, 3}, TLoadResult::Abandoned, 3},
        {"stopping at once keeps the empty document", 10, {-1}, {0}, TLoadResult::Abandoned, 1},
        {"an empty input asks nothing", 0, {3}, {}, TLoadResult::Ok, 1},
    };
    TTempDir dir;
    for (const ProgressCase& c : cases) {
        std::string path = dir / "progress.txt";
        WriteFile(path, NumberedLines(c.lines));
        TProgressLog log;
        log.Answers = c.answers;
        TLoadOptions options;
        options.ReadBlockSize = 3;
        TLoaded loaded = LoadFile(path, options, 3, log.Callback());
        EXPECT_EQ(log.Calls, c.calls) << c.name;
        EXPECT_EQ(loaded.Result, c.result) << c.name;
        EXPECT_EQ(loaded.Rows.size(), c.rows) << c.name;
    }
}

TEST(TextLoaderTest, ProgressCountsRowsNotLinesWhenWrapping)
{
    TProgressLog log;
    log.Answers = {2};
    THELineArray lines;
    TTextInput input = TTextInput::FromMemory("aaaa bbbb cccc dddd\n");
    TLoadOptions options;
    options.WordWrap = true;
    options.WindowCols = 6;
    EXPECT_EQ(LoadText(lines, input, options, 2, log.Callback()), TLoadResult::Ok);
    EXPECT_EQ(RowsOf(lines), (std::vector<std::string>{"aaaa ", "bbbb ", "cccc ", "dddd\n"}));
    EXPECT_EQ(log.Calls, (std::vector<TRowIndex>{0, 2}));
}

// What the format rules make of a text, written as plainly as possible.
std::vector<std::string> ReferenceRows(const std::string& file)
{
    std::string text;
    for (char c : file) {
        if (c == '\x1a')
            break;
        if (c != '\r')
            text += c;
    }
    if (!text.empty() && text.back() != '\n')
        text += '\n';
    return LinesOf(text.empty() ? "\n" : text);
}

TEST(TextLoaderTest, RandomInputsAgreeWithTheFormatRules)
{
    std::mt19937 random(77);
    const char alphabet[] = {'a', 'b', ' ', '\r', '\n', '\n', '\0', '\x1a'};
    for (int round = 0; round < 300; ++round) {
        std::string file;
        size_t length = random() % 200;
        for (size_t i = 0; i < length; ++i)
            file += alphabet[random() % (round % 2 ? 8 : 7)];  // every other round has no Ctrl-Z
        TLoadOptions options;
        options.ReadBlockSize = 1 + random() % 40;
        options.TextBlockSize = random() % 2;
        EXPECT_EQ(LoadMemory(file, options).Rows, ReferenceRows(file)) << "round " << round;
    }
}

// The same through a file, read as a mapping where the system allows it
// and read into memory otherwise: carriage returns first, later or never,
// lines too long to be views, parts of any size.
TEST(TextLoaderTest, RandomFilesAgreeWithTheFormatRulesMappedOrRead)
{
    TTempDir dir;
    const std::string path = dir / "random.txt";
    std::mt19937 random(78);
    const char alphabet[] = {'a', 'b', ' ', '\n', '\n', '\0', '\r', '\x1a'};
    for (int round = 0; round < 120; ++round) {
        std::string file;
        const size_t length = 1 + random() % (round % 10 == 0 ? 3 * TRow::MaxViewLength : 300);
        const size_t crFrom = round % 3 == 0 ? 0 : round % 3 == 1 ? length / 2 : length;
        for (size_t i = 0; i < length; ++i)
            file += alphabet[random() % (i >= crFrom ? (round % 4 ? 7 : 8) : 6)];
        if (round % 10 == 5)
            file += std::string(TRow::MaxViewLength + random() % 3 - 1, 'w');  // a long last line, no line feed
        WriteFile(path, file);
        for (bool map : {true, false}) {
            TLoadOptions options;
            options.MapFile = map;
            // Parts smaller than the file: carriage returns and Ctrl-Z after
            // the first part, lines across parts.
            if (round % 2)
                options.ReadBlockSize = 1 + random() % 200;
            EXPECT_EQ(LoadFile(path, options).Rows, ReferenceRows(file)) << "round " << round << " map " << map;
        }
    }
}

// --- the wrapped reading rule ------------------------------------------------------

std::vector<std::string> Cut(const std::string& line, int windowCols, int tabSize = 3)
{
    std::vector<std::string> rows;
    CutLineForReading(line, windowCols, tabSize,
                      [&](size_t start, size_t length) { rows.push_back(line.substr(start, length)); });
    return rows;
}

TEST(CutLineForReadingTest, CutsLinesAsTheyAreRead)
{
    struct CutCase {
        const char* name;
        std::string line;
        int windowCols;
        int tabSize;
        std::vector<std::string> rows;
    };
    const CutCase cases[] = {
        {"two rows", "abcd efghij kl\n", 10, 3, {"abcd ", "efghij kl\n"}},
        {"fifteen letters stay one row", "abcdefghijklmno\n", 10, 3, {"abcdefghijklmno\n"}},
        {"cut after a hyphen", "well-known words\n", 10, 3, {"well-", "known ", "words\n"}},
        {"a short line", "abc\n", 10, 3, {"abc\n"}},
        {"nine letters and the line feed", "abcdefghi\n", 10, 3, {"abcdefghi\n"}},
        {"ten letters and the line feed", "abcdefghij\n", 10, 3, {"abcdefghij\n"}},
        {"a long word ends after the next break", "abcdefghijklmno pq\n", 10, 3, {"abcdefghijklmno ", "pq\n"}},
        {"a vertical tab breaks", "abcd\vefghijk\n", 10, 3, {"abcd\v", "efghijk\n"}},
        {"a form feed breaks", "abcd\fefghijk\n", 10, 3, {"abcd\f", "efghijk\n"}},
        {"a carriage return breaks", "abcd\refghijk\n", 10, 3, {"abcd\r", "efghijk\n"}},
        {"high characters never break", "abcd\xa0" "efghijkl\n", 10, 3, {"abcd\xa0" "efghijkl\n"}},
        {"a tab is measured to its stop", "ab\tcdefgh ij\n", 10, 4, {"ab\t", "cdefgh ij\n"}},
        {"the break may stand in column W", "          x\n", 10, 3, {"          ", "x\n"}},
        {"an empty line", "\n", 10, 3, {"\n"}},
        {"no line feed", "abc", 10, 3, {"abc"}},
        {"width 1", "a b\n", 1, 3, {"a ", "b\n"}},
        {"width 0 counts as 1", "a b\n", 0, 3, {"a ", "b\n"}},
        {"negative width counts as 1", "ab-c\n", -7, 3, {"ab-", "c\n"}},
        {"text after a line feed is not looked at", "ab\ncd\n", 10, 3, {"ab\n"}},
    };
    for (const CutCase& c : cases)
        EXPECT_EQ(Cut(c.line, c.windowCols, c.tabSize), c.rows) << c.name;
}

TEST(CutLineForReadingTest, RowsCoverTheLineInOrder)
{
    std::string line;
    for (int i = 0; i < 5000; ++i)
        line += (i % 7 == 0 ? std::string(30, 'w') : "ab") + (i % 5 ? " " : "\t") + (i % 11 ? "" : "-");
    line += "\n";
    for (int width : {1, 2, 9, 40, 200}) {
        size_t next = 0;
        CutLineForReading(line, width, 4, [&](size_t start, size_t length) {
            ASSERT_EQ(start, next);
            ASSERT_GT(length, 0u);
            next = start + length;
        });
        EXPECT_EQ(next, line.size()) << width;
    }
}

TEST(TextLoaderTest, WordWrapReadingCutsEveryLine)
{
    TTempDir dir;
    std::string path = dir / "wrapped.txt";
    WriteFile(path, "abcd efghij kl\r\nabcdefghijklmno\nwell-known words");
    for (size_t block : {size_t(1), size_t(4), size_t(4) << 20}) {
        TLoadOptions options;
        options.WordWrap = true;
        options.WindowCols = 10;
        options.ReadBlockSize = block;
        TLoaded loaded = LoadFile(path, options);
        EXPECT_EQ(loaded.Result, TLoadResult::Ok);
        // The final line gets its line feed before it is cut.
        EXPECT_EQ(loaded.Rows, (std::vector<std::string>{"abcd ", "efghij kl\n", "abcdefghijklmno\n", "well-",
                                                         "known ", "words\n"}))
            << block;
    }
}

TEST(TextLoaderTest, WordWrapReadingMatchesTheRuleLineByLine)
{
    std::string file;
    for (int i = 0; i < 400; ++i)
        file += std::string(size_t(i % 13), 'x') + " y\tz-" + std::string(size_t(i % 31), 'q') + (i % 4 ? "\r\n" : "\n");
    std::vector<std::string> expected;
    std::string clean;
    for (char c : file)
        if (c != '\r')
            clean += c;
    for (const std::string& line : LinesOf(clean))
        for (const std::string& row : Cut(line, 12, 4))
            expected.push_back(row);
    TLoadOptions options;
    options.WordWrap = true;
    options.WindowCols = 12;
    options.TabSize = 4;
    options.ReadBlockSize = 17;
    options.TextBlockSize = 1;
    EXPECT_EQ(LoadMemory(file, options).Rows, expected);
}

}  // namespace
