#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <string>

#include "setup/crc32.h"
#include "setup/dos_time.h"
#include "setup/zip_extract.h"
#include "setup/zip_test_support.h"

namespace vg {
namespace {

namespace fs = std::filesystem;
using test::Bytes;
using test::BuildZip;
using test::StoredEntry;
using test::TempFolder;
using test::ToBytes;
using test::ZipEntrySpec;

std::uint32_t FileCrc(const fs::path& path)
{
    const Bytes bytes = test::ReadFileBytes(path);
    return Crc32(bytes.data(), bytes.size());
}

std::string FileText(const fs::path& path)
{
    const Bytes bytes = test::ReadFileBytes(path);
    return std::string(bytes.begin(), bytes.end());
}

int ExpectedResult(const std::string& expect)
{
    if (expect == "CRC_ERROR")
        return kExtractCrcMismatch;
    if (expect.rfind("unsupported", 0) == 0)
        return kExtractUnsupportedMethod;
    if (expect.rfind("encrypted", 0) == 0)
        return kExtractEncrypted;
    return kExtractOk;
}

TEST(ZipExtractTestData, everyEntryExtractsByteExactly_whenMadeByOtherTools)
{
    TempFolder folder;
    int checked = 0;
    for (const test::ManifestEntry& m : test::ReadManifest()) {
        const fs::path archive = test::TestDataZipDir() / m.Archive;
        const ArchiveListing listing = ListArchive(archive);
        const ArchiveEntry* entry = nullptr;
        for (const ArchiveEntry& e : listing.Entries)
            if (e.Name == m.Name)
                entry = &e;
        ASSERT_NE(entry, nullptr) << m.Archive << " " << m.Name;
        const fs::path target = folder / m.Archive / m.Name;
        const int result = ExtractEntryToFolder(archive, folder / m.Archive, *entry);
        EXPECT_EQ(result, ExpectedResult(m.Expect)) << m.Archive << " " << m.Name;
        if (m.Expect == "directory") {
            EXPECT_TRUE(fs::is_directory(target)) << m.Archive << " " << m.Name;
        } else if (m.Expect == "ok") {
            const Bytes bytes = test::ReadFileBytes(target);
            EXPECT_EQ(bytes.size(), m.Size) << m.Archive << " " << m.Name;
            EXPECT_EQ(test::Sha256Hex(bytes), m.Sha256) << m.Archive << " " << m.Name;
            ++checked;
        } else {
            EXPECT_FALSE(fs::exists(target)) << m.Archive << " " << m.Name;
        }
    }
    EXPECT_GT(checked, 200);
    // Nothing but the extracted files: no temporary files left behind.
    for (const auto& item : fs::recursive_directory_iterator(folder.path()))
        EXPECT_EQ(item.path().string().find(".vgpart"), std::string::npos) << item.path();
}

TEST(ZipExtractTestData, readsDescriptorCrc_whenDirectoryNotGiven)
{
    // Deflated entries with data descriptors, extracted from the local header
    // alone: the CRC comes from the descriptor, with or without its signature.
    TempFolder folder;
    for (const char* name : {"python_stream_data_descriptors.zip", "sharpcompress_Zip.deflate.dd.zip",
                             "infozip_stream_data_descriptors.zip"}) {
        const fs::path archive = test::TestDataZipDir() / name;
        for (const ArchiveEntry& e : ListArchive(archive).Entries) {
            if (e.Method != 8 || (e.Flags & 0x0008) == 0)
                continue;
            EXPECT_EQ(ExtractEntry(archive, folder / "out", 0, {}, e.HeaderOffset), kExtractOk) << name << e.Name;
            EXPECT_EQ(FileCrc(folder / "out"), e.Crc);
        }
    }
}

class ZipExtractTest : public ::testing::Test {
protected:
    fs::path Archive(const std::vector<ZipEntrySpec>& entries)
    {
        const fs::path path = folder_ / "test.zip";
        test::WriteFileBytes(path, BuildZip(entries, {}, &offsets_));
        return path;
    }

    int Extract(const fs::path& archive, std::size_t index = 0, const ProgressCallback& notify = {})
    {
        const ArchiveListing listing = ListArchive(archive);
        return ExtractEntryToFolder(archive, out_, listing.Entries.at(index), notify);
    }

    TempFolder folder_;
    fs::path out_ = folder_ / "out";
    std::vector<std::uint32_t> offsets_;
};


TEST_F(ZipExtractTest, writesFileWithTimeAndPermissions_whenEntryValid)
{
    ZipEntrySpec plain = StoredEntry("dir/sub/plain.txt", "plain");
    ZipEntrySpec readOnly = StoredEntry("ro.txt", "read only");
    readOnly.ExternalAttributes = 0x01;
    ZipEntrySpec script = StoredEntry("run.sh", "#!/bin/sh\n");
    script.Host = 3;
    script.ExternalAttributes = 0100755u << 16;
    ZipEntrySpec badDate = StoredEntry("baddate.txt", "x");
    badDate.DateTime = 0x00000000;  // day 0, month 0
    const fs::path archive = Archive({plain, readOnly, script, badDate});
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_EQ(Extract(archive, i), kExtractOk) << i;

    EXPECT_EQ(FileText(out_ / "dir/sub/plain.txt"), "plain");
    EXPECT_EQ(fs::last_write_time(out_ / "dir/sub/plain.txt"), *DosDateTimeToFileTime(plain.DateTime));
    const auto perms = [&](const char* name) { return fs::status(out_ / name).permissions(); };
    EXPECT_EQ(perms("ro.txt") & (fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write),
              fs::perms::none);
    EXPECT_NE(perms("run.sh") & fs::perms::owner_exec, fs::perms::none);
    EXPECT_NE(perms("dir/sub/plain.txt") & fs::perms::owner_write, fs::perms::none);
    const auto age = fs::file_time_type::clock::now() - fs::last_write_time(out_ / "baddate.txt");
    EXPECT_LT(std::chrono::abs(age), std::chrono::minutes(5));
}

TEST_F(ZipExtractTest, createsFolderChainOnly_whenEntryIsDirectory)
{
    ZipEntrySpec byName = StoredEntry("a/b/c/", "");
    ZipEntrySpec byAttribute = StoredEntry("d/e", "");
    byAttribute.ExternalAttributes = 0x10;
    const fs::path archive = Archive({byName, byAttribute});
    EXPECT_EQ(Extract(archive, 0), kExtractOk);
    EXPECT_EQ(Extract(archive, 1), kExtractOk);
    EXPECT_TRUE(fs::is_directory(out_ / "a/b/c"));
    EXPECT_TRUE(fs::is_directory(out_ / "d/e"));
}

TEST_F(ZipExtractTest, refusesEntry_whenNameLeavesTheTarget)
{
    for (const char* name : {"../evil.txt", "a/../../evil.txt", "/tmp/evil.txt", "C:/evil.txt", "..\\evil.txt"}) {
        const fs::path archive = Archive({StoredEntry(name, "evil")});
        EXPECT_EQ(Extract(archive), kExtractMalformed) << name;
        // Even with a harmless target the local name is checked.
        EXPECT_EQ(ExtractEntry(archive, out_ / "safe.txt", 0, {}, 0), kExtractMalformed) << name;
    }
    EXPECT_FALSE(fs::exists(out_));
    EXPECT_FALSE(fs::exists(folder_ / "evil.txt"));
    EXPECT_FALSE(fs::exists(folder_.path().parent_path() / "evil.txt"));
}

TEST_F(ZipExtractTest, failsWithoutOutput_whenEntryCannotBeDecoded)
{
    struct Row {
        const char* what;
        ZipEntrySpec entry;
        int expected;
    };
    std::vector<Row> rows;
    for (const std::uint16_t method : {7, 9, 12, 14, 99}) {
        ZipEntrySpec e = StoredEntry("f.txt", "data");
        e.Method = method;
        rows.push_back({"unsupported method", e, kExtractUnsupportedMethod});
    }
    {
        ZipEntrySpec e = StoredEntry("f.txt", "data");
        e.Flags = 0x0001;
        rows.push_back({"encrypted", e, kExtractEncrypted});
    }
    {
        ZipEntrySpec e = StoredEntry("f.txt", "data");
        e.OverrideCrc = true;
        e.Crc = 0x12345678;
        rows.push_back({"CRC mismatch", e, kExtractCrcMismatch});
    }
    {
        ZipEntrySpec e = StoredEntry("f.txt", "0123456789");
        e.OverrideSizes = true;
        e.CompressedSize = 10;
        e.Size = 5;
        rows.push_back({"stored data longer than the size", e, kExtractMalformed});
    }
    {
        ZipEntrySpec e = StoredEntry("f.txt", "");
        test::FixedDeflateWriter w;
        for (const char c : std::string("twelve bytes"))
            w.Literal(static_cast<unsigned char>(c));
        e.Data = w.End();
        e.Content = ToBytes("twelve");  // declares 6 bytes
        e.Method = 8;
        rows.push_back({"deflate output beyond the size", e, kExtractMalformed});
    }
    {
        ZipEntrySpec e = StoredEntry("f.txt", "");
        e.Data = test::DeflateStored(ToBytes("short"));
        e.Content = ToBytes("short but declared longer");
        e.OverrideCrc = true;
        e.Crc = Crc32(reinterpret_cast<const std::uint8_t*>("short"), 5);
        e.Method = 8;
        rows.push_back({"deflate output short of the size", e, kExtractMalformed});
    }
    {
        ZipEntrySpec e = StoredEntry("f.txt", "");
        e.Data = {0xFF, 0xFF, 0xFF};
        e.Content = ToBytes("abc");
        e.Method = 8;
        rows.push_back({"bad deflate data", e, kExtractMalformed});
    }
    for (const Row& r : rows) {
        test::WriteFileBytes(folder_ / "f.txt", ToBytes("existing"));
        const fs::path archive = Archive({r.entry});
        EXPECT_EQ(ExtractEntryToFolder(archive, folder_.path(), ListArchive(archive).Entries.at(0)), r.expected) << r.what;
        // The file that was there before is untouched; no temporary file stays.
        EXPECT_EQ(FileText(folder_ / "f.txt"), "existing") << r.what;
        EXPECT_FALSE(fs::exists(folder_ / "f.txt.vgpart0")) << r.what;
    }
}

TEST_F(ZipExtractTest, replacesExistingFile_whenExtractionSucceeds)
{
    fs::create_directories(out_);
    test::WriteFileBytes(out_ / "f.txt", ToBytes("old contents"));
    EXPECT_EQ(Extract(Archive({StoredEntry("f.txt", "new")})), kExtractOk);
    EXPECT_EQ(FileText(out_ / "f.txt"), "new");
}

TEST_F(ZipExtractTest, reportsArchiveProblems_whenHeaderOrFileBad)
{
    const fs::path archive = Archive({StoredEntry("f.txt", "data")});
    EXPECT_EQ(ExtractEntry(folder_ / "missing.zip", out_ / "f", 0, {}, 0), kExtractCannotRead);
    EXPECT_EQ(ExtractEntry(archive, out_ / "f", 0, {}, 5), kExtractMalformed);        // no local signature
    EXPECT_EQ(ExtractEntry(archive, out_ / "f", 0, {}, 1000000), kExtractMalformed);  // past the end
    EXPECT_FALSE(fs::exists(out_ / "f"));

    // Archives cut short inside the data of a stored and a deflated entry.
    ZipEntrySpec deflated = StoredEntry("d.txt", "");
    deflated.Content = ToBytes(std::string(5000, 'q'));
    deflated.Data = test::DeflateStored(deflated.Content);
    deflated.Method = 8;
    for (const ZipEntrySpec& entry : {StoredEntry("s.txt", std::string(5000, 's')), deflated}) {
        Bytes zip = BuildZip({entry});
        zip.resize(30 + 5 + 2000);
        test::WriteFileBytes(folder_ / "cut.zip", zip);
        EXPECT_EQ(ExtractEntry(folder_ / "cut.zip", out_ / "cut", 0, {}, 0), kExtractCannotRead) << entry.Name;
        EXPECT_FALSE(fs::exists(out_ / "cut"));
    }
}

TEST_F(ZipExtractTest, takesSizesFromDirectory_whenEntryHasDescriptor)
{
    ZipEntrySpec withSignature = StoredEntry("a.txt", "stored with a descriptor");
    withSignature.Descriptor = true;
    ZipEntrySpec withoutSignature = StoredEntry("b.txt", "stored, descriptor without signature");
    withoutSignature.Descriptor = true;
    withoutSignature.DescriptorSignature = false;
    ZipEntrySpec deflated = StoredEntry("c.txt", "");
    deflated.Data = test::DeflateStored(ToBytes("deflated, no signature"));
    deflated.Content = ToBytes("deflated, no signature");
    deflated.Method = 8;
    deflated.Descriptor = true;
    deflated.DescriptorSignature = false;
    const fs::path archive = Archive({withSignature, withoutSignature, deflated});
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_EQ(Extract(archive, i), kExtractOk) << i;
    EXPECT_EQ(FileText(out_ / "b.txt"), "stored, descriptor without signature");
    // Without the directory the deflated one still works: its descriptor is found after the data.
    EXPECT_EQ(ExtractEntry(archive, out_ / "c2.txt", 0, {}, offsets_[2]), kExtractOk);
    EXPECT_EQ(FileText(out_ / "c2.txt"), "deflated, no signature");
}

TEST_F(ZipExtractTest, reportsProgress_fromZeroToHundred)
{
    std::string big(300000, '\0');
    for (std::size_t i = 0; i < big.size(); ++i)
        big[i] = static_cast<char>('a' + i % 26);
    const fs::path archive = Archive({StoredEntry("big.txt", big), StoredEntry("empty.txt", "")});
    for (std::size_t index : {0u, 1u}) {
        std::vector<std::uint16_t> seen;
        EXPECT_EQ(Extract(archive, index, [&](std::uint16_t& p) { seen.push_back(p); }), kExtractOk);
        ASSERT_GE(seen.size(), 2u);
        EXPECT_EQ(seen.front(), 0);
        EXPECT_EQ(seen.back(), 100);
        EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end()));
    }
}

TEST_F(ZipExtractTest, abortsAndRemovesFile_whenReceiverStoresAbortRequest)
{
    std::string big(300000, 'z');
    ZipEntrySpec deflated = StoredEntry("d.txt", "");
    deflated.Content = ToBytes(big);
    deflated.Data = test::DeflateStored(deflated.Content);
    deflated.Method = 8;
    const fs::path archive = Archive({StoredEntry("s.txt", big), deflated});
    for (std::size_t index : {0u, 1u}) {
        for (const std::uint16_t abortAt : {0, 1, 50}) {
            const int result = Extract(archive, index, [&](std::uint16_t& p) {
                if (p >= abortAt)
                    p = kAbortRequest;
            });
            EXPECT_EQ(result, kExtractAborted) << index << " at " << abortAt;
        }
    }
    EXPECT_FALSE(fs::exists(out_ / "s.txt"));
    EXPECT_FALSE(fs::exists(out_ / "d.txt"));
}

TEST_F(ZipExtractTest, refusesNestedExtraction_whenOneIsInProgress)
{
    const fs::path archive = Archive({StoredEntry("a.txt", "a"), StoredEntry("b.txt", "b")});
    const ArchiveListing listing = ListArchive(archive);
    int nested = 99;
    EXPECT_EQ(Extract(archive, 0,
                      [&](std::uint16_t&) {
                          if (nested == 99)
                              nested = ExtractEntryToFolder(archive, out_, listing.Entries[1]);
                      }),
              kExtractOk);
    EXPECT_EQ(nested, kExtractBusy);
    EXPECT_EQ(Extract(archive, 1), kExtractOk);  // the guard is released afterwards
}

}  // namespace
}  // namespace vg
