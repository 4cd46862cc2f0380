#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <string>

#include "setup/zip_extract.h"
#include "setup/zip_test_support.h"

namespace vg {
namespace {

namespace fs = std::filesystem;
using test::Bytes;

const char* kUnzip = "/usr/bin/unzip";

std::string ShellQuote(const std::string& text)
{
    std::string quoted = "'";
    for (const char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

// Runs a command and returns its standard output and exit status.
std::pair<Bytes, int> Capture(const std::string& command)
{
    Bytes output;
    std::FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
        return {output, -1};
    std::uint8_t buffer[65536];
    std::size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        output.insert(output.end(), buffer, buffer + n);
    const int status = pclose(pipe);
    return {output, WIFEXITED(status) ? WEXITSTATUS(status) : -1};
}

// Another decoder on the same machine: every entry of the methods it knows
// (stored, shrunk, imploded, deflated) must come out the same.
TEST(UnzipComparison, sameBytesAsUnzip_whenMethodsKnownToBoth)
{
    if (!fs::exists(kUnzip))
        GTEST_SKIP() << "unzip is not installed";
    test::TempFolder folder;
    int compared = 0;
    for (const char* name : {"deflate_block_types.zip", "hw_shrink.zip", "hw_implode_8k_3trees.zip",
                             "hw_implode_4k_2trees.zip", "sharpcompress_Zip.shrink.zip", "dd_legacy_methods.zip",
                             "commons-compress_lorem-ipsum-implode.zip", "infozip_stored_dirs.zip"}) {
        const fs::path archive = test::TestDataZipDir() / name;
        for (const ArchiveEntry& e : ListArchive(archive).Entries) {
            if (IsDirectoryEntry(e) || !(e.Method == 0 || e.Method == 1 || e.Method == 6 || e.Method == 8))
                continue;
            ASSERT_EQ(ExtractEntryToFolder(archive, folder.path(), e), kExtractOk) << name << " " << e.Name;
            const auto [theirs, status] =
                Capture(std::string(kUnzip) + " -p " + ShellQuote(archive.string()) + " " + ShellQuote(e.Name));
            EXPECT_EQ(status, 0) << name << " " << e.Name;
            EXPECT_TRUE(test::ReadFileBytes(folder / e.Name) == theirs) << name << " " << e.Name;
            ++compared;
        }
    }
    EXPECT_GT(compared, 40);
}

TEST(UnzipComparison, unzipAcceptsTheArchivesTestsBuild)
{
    if (!fs::exists(kUnzip))
        GTEST_SKIP() << "unzip is not installed";
    test::TempFolder folder;
    test::ZipEntrySpec deflated = test::StoredEntry("d.txt", "");
    deflated.Content = test::ToBytes("fixed block text");
    test::FixedDeflateWriter w;
    for (const std::uint8_t c : deflated.Content)
        w.Literal(c);
    deflated.Data = w.End();
    deflated.Method = 8;
    deflated.Descriptor = true;
    test::WriteFileBytes(folder / "built.zip",
                         test::BuildZip({test::StoredEntry("s.txt", "stored"), deflated}, {100, "comment"}));
    EXPECT_EQ(Capture(std::string(kUnzip) + " -tq " + ShellQuote((folder / "built.zip").string())).second, 0);
}

}  // namespace
}  // namespace vg
