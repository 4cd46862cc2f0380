#include "platform/atomic_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include <sys/stat.h>
#include <unistd.h>

namespace vg {
namespace {

namespace fs = std::filesystem;

class AtomicFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir_ = fs::temp_directory_path() /
               ("vg_atomic_" + std::to_string(::getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_ / "links");
        fs::create_directories(dir_ / "data");
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string PathOf(const std::string& name) const { return (dir_ / name).string(); }

    static std::string ReadText(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }
    static void WriteText(const std::string& path, const std::string& text)
    {
        std::ofstream(path, std::ios::binary) << text;
    }
    static std::size_t EntriesIn(const std::string& folder)
    {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
    }

    fs::path dir_;
};

TEST_F(AtomicFile, writesTheLinkTarget_andKeepsTheLinks)
{
    const std::string target = PathOf("data/doc.vgr");
    WriteText(target, "old");
    ::chmod(target.c_str(), 0640);
    // An absolute link, a relative one, and a link to that link.
    fs::create_symlink(target, PathOf("links/absolute.vgr"));
    fs::create_symlink("../data/doc.vgr", PathOf("links/relative.vgr"));
    fs::create_symlink("relative.vgr", PathOf("links/chain.vgr"));
    const char* links[] = {"links/absolute.vgr", "links/relative.vgr", "links/chain.vgr"};
    for (const char* link : links) {
        const std::string bytes = std::string("through ") + link;
        ASSERT_TRUE(WriteFileAtomically(PathOf(link), bytes)) << link;
        EXPECT_TRUE(fs::is_symlink(PathOf(link))) << link;
        EXPECT_EQ(ReadText(target), bytes);
    }
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    // No temporary file is left in either folder.
    EXPECT_EQ(EntriesIn(PathOf("data")), 1u);
    EXPECT_EQ(EntriesIn(PathOf("links")), 3u);
}

TEST_F(AtomicFile, linkToAMissingFile_createsThatFile)
{
    fs::create_symlink("../data/new.vgr", PathOf("links/dangling.vgr"));
    ASSERT_TRUE(WriteFileAtomically(PathOf("links/dangling.vgr"), "new"));
    EXPECT_TRUE(fs::is_symlink(PathOf("links/dangling.vgr")));
    EXPECT_EQ(ReadText(PathOf("data/new.vgr")), "new");

    std::string resolved;
    ASSERT_TRUE(ResolveWriteTarget(PathOf("links/dangling.vgr"), resolved));
    EXPECT_EQ(fs::canonical(resolved), fs::canonical(PathOf("data/new.vgr")));
}

TEST_F(AtomicFile, refusesWithoutCreatingAnything_whenFolderIsMissingOrPathIsUnusable)
{
    fs::create_symlink("loop-b", PathOf("links/loop-a"));
    fs::create_symlink("loop-a", PathOf("links/loop-b"));
    fs::create_symlink("../missing/x.vgr", PathOf("links/into-missing.vgr"));
    WriteText(PathOf("data/file"), "x");
    const char* paths[] = {"missing/sub/x.vgr", "links/loop-a", "links/into-missing.vgr", "data", "data/file/x.vgr"};
    for (const char* path : paths) EXPECT_FALSE(WriteFileAtomically(PathOf(path), "bytes")) << path;
    EXPECT_FALSE(fs::exists(PathOf("missing")));
    EXPECT_EQ(EntriesIn(PathOf("data")), 1u);
    EXPECT_EQ(ReadText(PathOf("data/file")), "x");
    EXPECT_FALSE(WriteFileAtomically("", "bytes"));
}

TEST_F(AtomicFile, deviceTargets_areWrittenDirectly_andFailuresReported)
{
    // Only through links: a faulty writer then replaces a link, never a device.
    fs::create_symlink("/dev/null", PathOf("links/null"));
    fs::create_symlink("/dev/full", PathOf("links/full"));
    EXPECT_TRUE(WriteFileAtomically(PathOf("links/null"), "bytes"));
    EXPECT_FALSE(WriteFileAtomically(PathOf("links/full"), "bytes"));
    EXPECT_TRUE(fs::is_character_file("/dev/full"));
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
    EXPECT_TRUE(fs::is_symlink(PathOf("links/full")));

    // A pipe nobody reads fails at once instead of waiting, and stays a pipe.
    const std::string fifo = PathOf("data/pipe");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_FALSE(WriteFileAtomically(fifo, "bytes"));
    EXPECT_TRUE(fs::is_fifo(fifo));
}

TEST_F(AtomicFile, newFileGetsUsualPermissions_andLongNamesStillWork)
{
    const mode_t mask = ::umask(022);
    const std::string longName = PathOf("data/" + std::string(250, 'n'));
    ASSERT_TRUE(WriteFileAtomically(longName, "long"));
    ::umask(mask);
    EXPECT_EQ(ReadText(longName), "long");
    EXPECT_EQ(fs::status(longName).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read | fs::perms::others_read);
    EXPECT_EQ(EntriesIn(PathOf("data")), 1u);
}

}  // namespace
}  // namespace vg
