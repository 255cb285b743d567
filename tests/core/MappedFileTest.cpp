// A document whose rows view the file's own pages keeps its text when
// another program truncates or rewrites the file while it is open.
#include "core/MappedFile.h"
#include "core/TextLoader.h"

#include "TextTestSupport.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>

namespace {

using namespace texttest;

// Runs change in another process and waits for it: the lease is broken by
// a program other than the one holding it, as it is for users.
void InAnotherProcess(const std::function<void()>& change)
{
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        change();
        _exit(0);
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

std::string Text()
{
    std::string text;
    for (int i = 0; i < 3000; ++i)
        text += "line " + std::to_string(i) + (i % 500 ? " of the file\n" : std::string(TRow::MaxViewLength + 5, 'w') + "\n");
    return text;
}

struct TChange {
    const char* Name;
    std::function<void(const std::string& path)> Run;
};

const TChange Changes[] = {
    {"truncated to nothing", [](const std::string& path) { (void)!truncate(path.c_str(), 0); }},
    {"truncated to a page", [](const std::string& path) { (void)!truncate(path.c_str(), 4096); }},
    {"rewritten in place",
     [](const std::string& path) {
         const int fd = open(path.c_str(), O_WRONLY | O_TRUNC);
         const std::string other(100000, 'X');
         (void)!write(fd, other.data(), other.size());
         close(fd);
     }},
    {"written over without truncating",
     [](const std::string& path) {
         const int fd = open(path.c_str(), O_WRONLY);
         const std::string other(50000, 'Y');
         (void)!pwrite(fd, other.data(), other.size(), 0);
         close(fd);
     }},
};

TEST(MappedFileTest, TheDocumentKeepsItsTextWhenTheFileIsChangedUnderIt)
{
    TTempDir dir;
    const std::string path = dir / "mapped.txt", text = Text();
    for (const TChange& change : Changes) {
        for (bool wordWrap : {false, true}) {
            WriteFile(path, text);
            {
                // Mapping is refused where a lease cannot be had (file
                // systems without them, another user's file): then the
                // loader reads, and there is nothing to check here.
                const int fd = open(path.c_str(), O_RDONLY);
                const bool mappable = TMappedFile::Map(fd, text.size()) != nullptr;
                close(fd);
                if (!mappable)
                    GTEST_SKIP() << "this file system or user gets no file lease, so files are read, not mapped";
            }
            THELineArray lines;
            {
                TTextInput input = TTextInput::FromFile(path);
                TLoadOptions options;
                options.WordWrap = wordWrap;
                ASSERT_EQ(LoadText(lines, input, options, 25, {}), TLoadResult::Ok);
            }
            InAnotherProcess([&] { change.Run(path); });
            EXPECT_EQ(TextOf(lines), text) << change.Name << ", wrap " << wordWrap;
            EXPECT_NE(ReadFile(path), text) << change.Name;
        }
    }
}

TEST(MappedFileTest, AFileOpenForWritingIsNotMapped)
{
    TTempDir dir;
    const std::string path = dir / "open.txt";
    WriteFile(path, "text\n");
    const int writer = open(path.c_str(), O_WRONLY);
    const int fd = open(path.c_str(), O_RDONLY);
    EXPECT_EQ(TMappedFile::Map(fd, 5), nullptr);
    close(fd);
    close(writer);
}

}  // namespace
