#include "core/TextWriter.h"

#include "core/TextLoader.h"

#include "TextTestSupport.h"

#include <gtest/gtest.h>

#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <fstream>
#include <iterator>

namespace {

using namespace texttest;
using namespace std::string_literals;

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteFile(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

mode_t ModeOf(const std::string& path)
{
    struct stat info {};
    stat(path.c_str(), &info);
    return info.st_mode & 07777;
}

size_t FilesIn(const std::string& folder)
{
    size_t n = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder))
        ++n;
    return n;
}

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

struct SaveTest : ::testing::Test {
    TTempDir Dir;
    THELineArray Lines;
    std::string Error;
    void SetUp() override { SetRows(Lines, {"new\n", "text"}); }
};

TEST_F(SaveTest, ANewFileGetsTheDefaultPermissions)
{
    mode_t old = umask(027);
    std::string path = Dir / "new.txt";
    bool saved = SaveRowsToFile(Lines, path, Error);
    umask(old);
    ASSERT_TRUE(saved) << Error;
    EXPECT_EQ(ReadFile(path), "new\r\ntext");
    EXPECT_EQ(ModeOf(path), mode_t(0640));
    EXPECT_EQ(FilesIn(Dir.Path), 1u);  // no temporary file is left
}

TEST_F(SaveTest, AnExistingFileKeepsItsPermissions)
{
    std::string path = Dir / "old.txt";
    WriteFile(path, "old");
    chmod(path.c_str(), 0604);
    ASSERT_TRUE(SaveRowsToFile(Lines, path, Error)) << Error;
    EXPECT_EQ(ReadFile(path), "new\r\ntext");
    EXPECT_EQ(ModeOf(path), mode_t(0604));
}

TEST_F(SaveTest, ASymbolicLinkIsFollowedAndStays)
{
    std::filesystem::create_directory(Dir / "real");
    std::string target = Dir / "real/target.txt";
    WriteFile(target, "old");
    chmod(target.c_str(), 0600);
    std::string link = Dir / "link.txt";
    ASSERT_EQ(symlink("real/target.txt", link.c_str()), 0);  // relative to the link's folder
    std::string chain = Dir / "chain.txt";
    ASSERT_EQ(symlink(link.c_str(), chain.c_str()), 0);

    ASSERT_TRUE(SaveRowsToFile(Lines, chain, Error)) << Error;
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_TRUE(std::filesystem::is_symlink(chain));
    EXPECT_EQ(ReadFile(target), "new\r\ntext");
    EXPECT_EQ(ModeOf(target), mode_t(0600));
    EXPECT_EQ(FilesIn(Dir / "real"), 1u);
}

TEST_F(SaveTest, ADanglingLinkCreatesTheFileItNames)
{
    std::string link = Dir / "dangling.txt";
    ASSERT_EQ(symlink("made.txt", link.c_str()), 0);
    ASSERT_TRUE(SaveRowsToFile(Lines, link, Error)) << Error;
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(ReadFile(Dir / "made.txt"), "new\r\ntext");
}

TEST_F(SaveTest, AMissingFolderFailsWithAClearMessage)
{
    std::string path = Dir / "no/such/folder/file.txt";
    EXPECT_FALSE(SaveRowsToFile(Lines, path, Error));
    EXPECT_NE(Error.find(Dir / "no/such/folder"), std::string::npos) << Error;
    EXPECT_NE(Error.find(std::strerror(ENOENT)), std::string::npos) << Error;
}

TEST_F(SaveTest, AFolderIsNotReplaced)
{
    std::string path = Dir / "folder";
    std::filesystem::create_directory(path);
    EXPECT_FALSE(SaveRowsToFile(Lines, path, Error));
    EXPECT_TRUE(std::filesystem::is_directory(path));
    EXPECT_NE(Error.find(path), std::string::npos) << Error;
}

TEST_F(SaveTest, AReadOnlyFolderKeepsTheOldFile)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "permissions do not stop root";
    std::string path = Dir / "kept.txt";
    WriteFile(path, "old");
    chmod(Dir.Path.c_str(), 0500);
    EXPECT_FALSE(SaveRowsToFile(Lines, path, Error));
    chmod(Dir.Path.c_str(), 0700);
    EXPECT_EQ(ReadFile(path), "old");
    EXPECT_NE(Error.find(std::strerror(EACCES)), std::string::npos) << Error;
}

// A full disk: a small file system mounted for the test, where it may be.
class TTinyFileSystem {
public:
    explicit TTinyFileSystem(const std::string& folder) : Folder(folder)
    {
        std::filesystem::create_directory(folder);
        Mounted = mount("tmpfs", folder.c_str(), "tmpfs", 0, "size=64k") == 0;
    }
    ~TTinyFileSystem()
    {
        if (Mounted)
            umount(Folder.c_str());
    }
    TTinyFileSystem(const TTinyFileSystem&) = delete;
    TTinyFileSystem& operator=(const TTinyFileSystem&) = delete;
    std::string Folder;
    bool Mounted = false;
};

TEST_F(SaveTest, AFullDiskKeepsTheOldFile)
{
    TTinyFileSystem disk(Dir / "disk");
    if (!disk.Mounted)
        GTEST_SKIP() << "cannot mount a small file system here";
    std::string path = disk.Folder + "/kept.txt";
    WriteFile(path, "old");
    SetRows(Lines, {std::string(200000, 'x') + "\n"});
    EXPECT_FALSE(SaveRowsToFile(Lines, path, Error));
    EXPECT_EQ(ReadFile(path), "old");
    EXPECT_EQ(Error, "Cannot write " + path + ": " + std::strerror(ENOSPC));
    EXPECT_EQ(FilesIn(disk.Folder), 1u);
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
