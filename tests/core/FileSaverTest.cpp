// Saving rows to a file: attributes, links, full disks, locked folders and
// files that must not be replaced.
#include "core/FileSaver.h"
#include "framework/ReplaceFile.h"

#include "TextTestSupport.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstring>

namespace {

using namespace texttest;

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
    SetRows(Lines, {std::string(200000, 'x') + "\n"});
    // Once through a temporary file, once in place (a file with two links).
    const std::string path = disk.Folder + "/kept.txt", linked = disk.Folder + "/linked.txt";
    WriteFile(path, "old");
    EXPECT_FALSE(SaveRowsToFile(Lines, path, Error));
    EXPECT_EQ(Error, "Cannot write " + path + ": " + std::strerror(ENOSPC));
    ASSERT_EQ(link(path.c_str(), linked.c_str()), 0);
    EXPECT_FALSE(SaveRowsToFile(Lines, path, Error));
    EXPECT_EQ(Error, "Cannot save " + path + ": " + std::strerror(ENOSPC));
    EXPECT_EQ(ReadFile(path), "old");
    EXPECT_EQ(FilesIn(disk.Folder), 2u);
}

// A folder where no new file can be made: immutable for root, without write
// permission for anyone else.
class TLockedFolder {
public:
    explicit TLockedFolder(const std::string& folder) : Folder(folder)
    {
        if (geteuid() == 0)
            Locked = SetImmutable(true);
        else
            Locked = chmod(folder.c_str(), 0500) == 0;
        const std::string probe = folder + "/probe";
        const int fd = open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0600);
        if (fd >= 0) {
            close(fd);
            unlink(probe.c_str());
            Locked = false;
        }
    }
    ~TLockedFolder()
    {
        if (geteuid() == 0)
            SetImmutable(false);
        else
            chmod(Folder.c_str(), 0700);
    }
    TLockedFolder(const TLockedFolder&) = delete;
    TLockedFolder& operator=(const TLockedFolder&) = delete;
    std::string Folder;
    bool Locked = false;

private:
    bool SetImmutable(bool on) const
    {
        const int fd = open(Folder.c_str(), O_RDONLY | O_DIRECTORY);
        if (fd < 0)
            return false;
        int flags = 0;
        bool done = ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
        flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
        done = done && ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
        close(fd);
        return done;
    }
};

// Files that must not simply be replaced by a new one: every hard link
// sees the new text, a locked folder still lets its files be saved, and a
// read-only file is refused.
TEST_F(SaveTest, FilesThatCannotBeReplacedAreWrittenInPlaceOrRefused)
{
    const std::string path = Dir / "shared.txt", other = Dir / "other-link.txt";
    WriteFile(path, "a much longer old text than the new one");
    ASSERT_EQ(link(path.c_str(), other.c_str()), 0);
    ASSERT_TRUE(SaveRowsToFile(Lines, path, Error)) << Error;
    EXPECT_EQ(ReadFile(other), "new\r\ntext");
    EXPECT_EQ(FilesIn(Dir.Path), 2u);

    const std::string readOnly = Dir / "read-only.txt";
    WriteFile(readOnly, "old");
    chmod(readOnly.c_str(), 0444);
    EXPECT_FALSE(SaveRowsToFile(Lines, readOnly, Error));
    EXPECT_EQ(Error, "Cannot save " + readOnly + ": the file is read-only");
    EXPECT_EQ(ReadFile(readOnly), "old");

    std::filesystem::create_directory(Dir / "locked");
    const std::string inLocked = Dir / "locked/kept.txt", newInLocked = Dir / "locked/new.txt";
    WriteFile(inLocked, "old");
    TLockedFolder locked(Dir / "locked");
    if (!locked.Locked)
        GTEST_SKIP() << "cannot lock a folder here";
    ASSERT_TRUE(SaveRowsToFile(Lines, inLocked, Error)) << Error;
    EXPECT_EQ(ReadFile(inLocked), "new\r\ntext");
    EXPECT_FALSE(SaveRowsToFile(Lines, newInLocked, Error));
    EXPECT_EQ(Error.rfind("Cannot save " + newInLocked + ": ", 0), 0u) << Error;
}

// A save killed midway leaves its temporary file; the next save of the same
// target removes it, and a long name still gives a legal temporary name.
TEST_F(SaveTest, AStaleTemporaryFileIsRemovedByTheNextSave)
{
    const std::string path = Dir / "notes.txt";
    const std::string temp = ReplaceTempPathFor(path);
    EXPECT_EQ(temp, Dir / ".notes.txt.vantor-save");
    WriteFile(temp, std::string(1000, 'z'));
    ASSERT_TRUE(SaveRowsToFile(Lines, path, Error)) << Error;
    EXPECT_EQ(FilesIn(Dir.Path), 1u);
    EXPECT_EQ(ReadFile(path), "new\r\ntext");

    const std::string longName = Dir / std::string(250, 'n');
    EXPECT_LE(ReplaceTempPathFor(longName).size() - Dir.Path.size() - 1, size_t(NAME_MAX));
    ASSERT_TRUE(SaveRowsToFile(Lines, longName, Error)) << Error;
}

}  // namespace
