#include <gtest/gtest.h>

#include <map>
#include <string>

#include "setup/zip_archive.h"
#include "setup/zip_test_support.h"

namespace vg {
namespace {

using test::Bytes;
using test::BuildZip;
using test::StoredEntry;
using test::TempFolder;
using test::ZipEntrySpec;
using test::ZipLayout;

class ZipArchiveTest : public ::testing::Test {
protected:
    std::filesystem::path Write(const Bytes& bytes, const std::string& name = "a.zip")
    {
        const auto path = folder_ / name;
        test::WriteFileBytes(path, bytes);
        return path;
    }

    std::vector<std::string> Names(const std::filesystem::path& path)
    {
        std::vector<std::string> names;
        for (const ArchiveEntry& e : ListArchive(path).Entries)
            names.push_back(e.Name);
        return names;
    }

    TempFolder folder_;
};

TEST_F(ZipArchiveTest, firstEntryFails_whenFileIsNoArchive)
{
    struct Row {
        const char* what;
        Bytes bytes;
        int expected;
    };
    const Row rows[] = {
        {"empty file", {}, kArchiveUnreadable},
        {"shorter than an end record", Bytes(21, 'P'), kArchiveUnreadable},
        {"no end record", Bytes(10000, 'x'), kArchiveUnreadable},
        {"end record at offset 0 (no entries)", BuildZip({}), kEndRecordTooEarly},
    };
    for (const Row& r : rows) {
        ArchiveEntry entry;
        EXPECT_EQ(FirstArchiveEntry(Write(r.bytes), entry), r.expected) << r.what;
        EXPECT_EQ(entry.Walk, nullptr) << r.what;
    }
    ArchiveEntry entry;
    EXPECT_EQ(FirstArchiveEntry(folder_ / "missing.zip", entry), kArchiveUnreadable);
}

TEST_F(ZipArchiveTest, walksEveryEntry_thenReleasesTheWalk)
{
    const auto path = Write(BuildZip({StoredEntry("one.txt", "1"), StoredEntry("two.txt", "22")}));
    ArchiveEntry entry;
    ASSERT_EQ(FirstArchiveEntry(path, entry), kEntryReturned);
    EXPECT_EQ(entry.Name, "one.txt");
    EXPECT_EQ(entry.Size, 1u);
    EXPECT_EQ(entry.HeaderOffset, 0u);
    ASSERT_EQ(NextArchiveEntry(entry), kEntryReturned);
    EXPECT_EQ(entry.Name, "two.txt");
    EXPECT_EQ(entry.CompressedSize, 2u);
    EXPECT_EQ(NextArchiveEntry(entry), kNoMoreEntries);
    EXPECT_EQ(entry.Walk, nullptr);
    EXPECT_EQ(NextArchiveEntry(entry), kNoArchiveOpen);
    CloseArchive(entry);
    CloseArchive(entry);
}

TEST_F(ZipArchiveTest, findsEndRecord_whenItStraddlesSearchBlocks)
{
    // The end record (22 bytes + comment) placed so that its signature lies
    // across, just before and just after each 4,096-byte block boundary seen
    // from the end of the file.
    for (std::size_t comment : {0u, 100u, 4070u, 4074u, 4075u, 4078u, 4090u, 8150u, 8160u}) {
        const Bytes zip = BuildZip({StoredEntry("f.txt", "data")}, ZipLayout{0, std::string(comment, 'c')});
        EXPECT_EQ(Names(Write(zip)), std::vector<std::string>{"f.txt"}) << comment;
    }
    for (std::size_t prefix : {4000u, 4050u, 4070u, 4080u, 8170u}) {
        const Bytes zip = BuildZip({StoredEntry("f.txt", "data")}, ZipLayout{prefix, ""});
        EXPECT_EQ(Names(Write(zip)), std::vector<std::string>{"f.txt"}) << prefix;
    }
}

TEST_F(ZipArchiveTest, skipsFakeEndRecord_whenCommentHoldsASignature)
{
    // A signature inside the comment whose comment length misses the end of
    // the file and whose directory offset lies after it.
    std::string comment = "before PK\x05\x06";
    comment += std::string(12, '\x7F') + "\x7F\x7F\x7F\x7F" + std::string("\x05\x00", 2) + " after";
    const Bytes zip = BuildZip({StoredEntry("real.txt", "r")}, ZipLayout{0, comment});
    EXPECT_EQ(Names(Write(zip)), std::vector<std::string>{"real.txt"});
    EXPECT_EQ(Names(test::TestDataZipDir() / "infozip_comment_fake_eocd_signature.zip"),
              (std::vector<std::string>{"one.txt", "runs.bin"}));
}

TEST_F(ZipArchiveTest, readsLargeDirectoryInWindows_whenOver64000Bytes)
{
    std::vector<ZipEntrySpec> entries;
    for (int i = 0; i < 700; ++i) {
        ZipEntrySpec e = StoredEntry("folder/entry-" + std::to_string(i) + std::string(40, 'n'), "x");
        e.Comment = std::string(i % 3 == 0 ? 300 : 20, 'c');
        entries.push_back(e);
    }
    const ArchiveListing listing = ListArchive(Write(BuildZip(entries)));
    ASSERT_EQ(listing.Entries.size(), entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i)
        EXPECT_EQ(listing.Entries[i].Name, entries[i].Name);
}

TEST_F(ZipArchiveTest, convertsNamesAndAttributes_whenHostAndFlagsDiffer)
{
    ZipEntrySpec dos = StoredEntry("DIR\\\x81" "BER.TXT", "");
    dos.ExternalAttributes = 0x21;
    ZipEntrySpec unixEntry = StoredEntry("bin/run.sh", "#!/bin/sh\n");
    unixEntry.Host = 3;
    unixEntry.ExternalAttributes = 0100755u << 16;
    ZipEntrySpec utf8 = StoredEntry("caf\xC3\xA9.txt", "");
    utf8.Flags = 0x0800;
    ZipEntrySpec other = StoredEntry("mac.txt", "");
    other.Host = 7;
    other.ExternalAttributes = 0x01;
    ZipEntrySpec folder = StoredEntry("sub/", "");
    const ArchiveListing l = ListArchive(Write(BuildZip({dos, unixEntry, utf8, other, folder})));
    ASSERT_EQ(l.Entries.size(), 5u);
    EXPECT_EQ(l.Entries[0].Name, "DIR/\xC3\xBC" "BER.TXT");
    EXPECT_EQ(l.Entries[0].Attributes, 0x21);
    EXPECT_EQ(l.Entries[0].UnixMode, 0);
    EXPECT_EQ(l.Entries[1].UnixMode, 0100755);
    EXPECT_EQ(ExtractionAttributes(l.Entries[1]), 0100755u << 16);
    EXPECT_EQ(l.Entries[2].Name, "caf\xC3\xA9.txt");
    EXPECT_EQ(l.Entries[3].Attributes, 0);
    EXPECT_TRUE(IsDirectoryEntry(l.Entries[4]));
    EXPECT_FALSE(IsDirectoryEntry(l.Entries[0]));
}

TEST_F(ZipArchiveTest, stopsWithNoEntry_whenDirectoryMalformed)
{
    Bytes zip = BuildZip({StoredEntry("a.txt", "a"), StoredEntry("b.txt", "b")});
    const std::size_t end = zip.size() - 22;
    // Directory offset after the end record: nothing is read.
    Bytes past = zip;
    past[end + 16] = 0xFF;
    past[end + 17] = 0xFF;
    ArchiveEntry entry;
    EXPECT_EQ(FirstArchiveEntry(Write(past), entry), kNoMoreEntries);
    // A name length that runs past the directory ends the walk after "a.txt".
    Bytes longName = zip;
    const std::size_t directory = longName[end + 16] | longName[end + 17] << 8;
    const std::size_t second = directory + 46 + 5;
    longName[second + 28] = 0xFF;
    EXPECT_EQ(Names(Write(longName)), std::vector<std::string>{"a.txt"});
}

TEST_F(ZipArchiveTest, listsTestDataArchives_whenMadeByOtherTools)
{
    const std::vector<test::ManifestEntry> manifest = test::ReadManifest();
    ASSERT_GT(manifest.size(), 200u);
    std::map<std::string, std::vector<const test::ManifestEntry*>> byArchive;
    for (const auto& e : manifest)
        byArchive[e.Archive].push_back(&e);
    for (const auto& [archive, expected] : byArchive) {
        const ArchiveListing listing = ListArchive(test::TestDataZipDir() / archive);
        ASSERT_EQ(listing.Entries.size(), expected.size()) << archive;
        for (std::size_t i = 0; i < expected.size(); ++i) {
            EXPECT_EQ(listing.Entries[i].Name, expected[i]->Name) << archive;
            EXPECT_EQ(listing.Entries[i].Method, expected[i]->Method) << archive;
            EXPECT_EQ(listing.Entries[i].Crc, expected[i]->Crc) << archive;
            EXPECT_EQ(listing.Entries[i].Size, expected[i]->Size) << archive;
        }
    }
}

}  // namespace
}  // namespace vg
