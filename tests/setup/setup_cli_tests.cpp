#include <gtest/gtest.h>

#include <sstream>

#include "setup/setup_cli.h"
#include "setup/zip_test_support.h"

namespace vg {
namespace {

using test::StoredEntry;
using test::TempFolder;

struct CliRun {
    int Status;
    std::string Out;
    std::string Err;
};

CliRun RunSetup(const std::vector<std::string>& args)
{
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunSetupCommand(args, out, err);
    return {status, out.str(), err.str()};
}

TEST(SetupCli, printsUsage_whenArgumentsWrong)
{
    for (const auto& args : std::vector<std::vector<std::string>>{{}, {"--list"}, {"--extract", "a"}, {"--bogus", "x"}}) {
        const CliRun r = RunSetup(args);
        EXPECT_EQ(r.Status, kSetupExitUsage);
        EXPECT_NE(r.Err.find("Usage: setup"), std::string::npos);
    }
}

TEST(SetupCli, printsUsageOnStandardOutput_whenAskedForHelp)
{
    for (const char* ask : {"--help", "-h", "help"}) {
        const CliRun r = RunSetup({ask});
        EXPECT_EQ(r.Status, kSetupExitOk) << ask;
        EXPECT_EQ(r.Out.rfind("Usage: setup --list ARCHIVE\n", 0), 0u) << ask;
        EXPECT_EQ(r.Err, "") << ask;
    }
    const CliRun unknown = RunSetup({"--bogus"});
    EXPECT_EQ(unknown.Status, kSetupExitUsage);
    EXPECT_EQ(unknown.Err.rfind("setup: unknown option '--bogus'; 'setup --help'", 0), 0u) << unknown.Err;
}

TEST(SetupCli, listsEntries_oneLinePerEntry)
{
    TempFolder folder;
    test::WriteFileBytes(folder / "a.zip", test::BuildZip({StoredEntry("dir/", ""), StoredEntry("dir/a.txt", "123456789")}));
    const CliRun r = RunSetup({"--list", (folder / "a.zip").string()});
    EXPECT_EQ(r.Status, kSetupExitOk);
    EXPECT_EQ(r.Out, "dir/\t0\t0\t0\t00000000\ndir/a.txt\t0\t9\t9\tcbf43926\n");
}

TEST(SetupCli, extractsEveryEntry_andFailsWhenOneFails)
{
    TempFolder folder;
    test::ZipEntrySpec bad = StoredEntry("bad.txt", "x");
    bad.OverrideCrc = true;
    bad.Crc = 1;
    test::WriteFileBytes(folder / "good.zip", test::BuildZip({StoredEntry("a.txt", "a"), StoredEntry("b/c.txt", "c")}));
    test::WriteFileBytes(folder / "bad.zip", test::BuildZip({StoredEntry("a.txt", "a"), bad, StoredEntry("../x", "x")}));

    CliRun r = RunSetup({"--extract", (folder / "good.zip").string(), (folder / "out").string()});
    EXPECT_EQ(r.Status, kSetupExitOk);
    EXPECT_EQ(r.Out, "a.txt\t0\nb/c.txt\t0\n");
    EXPECT_TRUE(std::filesystem::exists(folder / "out/b/c.txt"));

    r = RunSetup({"--extract", (folder / "bad.zip").string(), (folder / "out2").string()});
    EXPECT_EQ(r.Status, kSetupExitFailed);
    EXPECT_EQ(r.Out, "a.txt\t0\nbad.txt\t1\n../x\t4\n");
}

TEST(SetupCli, fails_whenArchiveUnreadable)
{
    TempFolder folder;
    for (const char* mode : {"--list", "--extract"}) {
        std::vector<std::string> args{mode, (folder / "missing.zip").string()};
        if (std::string(mode) == "--extract")
            args.push_back((folder / "out").string());
        const CliRun r = RunSetup(args);
        EXPECT_EQ(r.Status, kSetupExitFailed);
        EXPECT_NE(r.Err.find("cannot read the archive"), std::string::npos);
    }
}

}  // namespace
}  // namespace vg
