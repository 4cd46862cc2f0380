#include <gtest/gtest.h>

#include <ctime>
#include <string>

#include "setup/cp437.h"
#include "setup/crc32.h"
#include "setup/dos_time.h"
#include "setup/entry_name.h"
#include "setup/progress.h"
#include "setup/zip_test_support.h"

namespace vg {
namespace {

using test::Bytes;
using test::ToBytes;

TEST(Crc32, knownValues_whenComputed)
{
    struct Row {
        std::string text;
        std::uint32_t crc;
    };
    const Row rows[] = {{"", 0x00000000}, {"a", 0xE8B7BE43}, {"123456789", 0xCBF43926},
                        {"The quick brown fox jumps over the lazy dog", 0x414FA339}};
    for (const Row& r : rows) {
        const Bytes b = ToBytes(r.text);
        EXPECT_EQ(Crc32(b.data(), b.size()), r.crc) << r.text;
    }
}

TEST(Crc32, sameResult_whenFedInPiecesOfAnyAlignment)
{
    Bytes data(1000);
    for (std::size_t i = 0; i < data.size(); ++i)
        data[i] = static_cast<std::uint8_t>(i * 7 + 3);
    const std::uint32_t whole = Crc32(data.data(), data.size());
    for (std::size_t split : {1u, 3u, 8u, 13u, 999u}) {
        std::uint32_t c = UpdateCrc32(kCrc32Initial, data.data(), split);
        c = UpdateCrc32(c, data.data() + split, data.size() - split);
        EXPECT_EQ(~c, whole) << split;
    }
}

std::uint32_t Dos(int year, int month, int day, int hour, int minute, int second)
{
    return static_cast<std::uint32_t>((year - 1980) << 25 | month << 21 | day << 16 | hour << 11 | minute << 5 |
                                      second / 2);
}

TEST(DosDateTime, validity_whenFieldsOutOfRange)
{
    struct Row {
        std::uint32_t value;
        bool valid;
    };
    const Row rows[] = {
        {Dos(2024, 6, 11, 12, 34, 56), true}, {Dos(1980, 1, 1, 0, 0, 0), true},  {Dos(2024, 2, 29, 23, 59, 58), true},
        {Dos(2023, 2, 29, 0, 0, 0), false},   {Dos(2024, 0, 1, 0, 0, 0), false}, {Dos(2024, 13, 1, 0, 0, 0), false},
        {Dos(2024, 4, 31, 0, 0, 0), false},   {Dos(2024, 1, 0, 0, 0, 0), false}, {Dos(2024, 1, 1, 24, 0, 0), false},
        {Dos(2024, 1, 1, 0, 60, 0), false},   {0x0000001Fu | Dos(2024, 1, 1, 0, 0, 0), false},
    };
    for (const Row& r : rows)
        EXPECT_EQ(IsValidDosDateTime(r.value), r.valid) << std::hex << r.value;
}

TEST(DosDateTime, convertsAsLocalTime_whenValid)
{
    const auto time = DosDateTimeToFileTime(Dos(2024, 6, 11, 12, 34, 56));
    ASSERT_TRUE(time.has_value());
    const std::time_t seconds =
        std::chrono::system_clock::to_time_t(std::chrono::file_clock::to_sys(*time));
    std::tm local{};
    localtime_r(&seconds, &local);
    EXPECT_EQ(local.tm_year + 1900, 2024);
    EXPECT_EQ(local.tm_mon + 1, 6);
    EXPECT_EQ(local.tm_mday, 11);
    EXPECT_EQ(local.tm_hour, 12);
    EXPECT_EQ(local.tm_min, 34);
    EXPECT_EQ(local.tm_sec, 56);
    EXPECT_FALSE(DosDateTimeToFileTime(Dos(2024, 2, 30, 0, 0, 0)).has_value());
}

TEST(Cp437, convertsHighHalfToUtf8_whenNameIsNotUtf8)
{
    struct Row {
        std::string in;
        std::string out;
    };
    const Row rows[] = {{"plain/Name.TXT", "plain/Name.TXT"}, {"\x81" "ber", "\xC3\xBC" "ber"},
                        {"\x9B", "\xC2\xA2"},                 {"\xB0", "\xE2\x96\x91"},
                        {"\xE1", "\xC3\x9F"},                 {"\xFF", "\xC2\xA0"}};
    for (const Row& r : rows)
        EXPECT_EQ(Cp437ToUtf8(r.in), r.out);
}

TEST(EntryName, refusesNamesLeavingTheFolder_whenAbsoluteDriveOrParent)
{
    struct Row {
        std::string name;
        bool safe;
    };
    const Row rows[] = {
        {"a.txt", true},         {"dir/sub/a.txt", true}, {"dir/", true},      {"..a", true},
        {"a..b/c", true},        {"./a", true},           {"", false},         {"/etc/passwd", false},
        {"\\windows\\x", false}, {"C:x", false},          {"c:/x", false},     {"../x", false},
        {"a/../../b", false},    {"a/..", false},         {"a\\..\\b", false}, {std::string("a\0b", 3), false},
    };
    for (const Row& r : rows)
        EXPECT_EQ(IsSafeEntryName(r.name), r.safe) << r.name;
}

TEST(EntryName, targetUnderFolder_whenNameSafe)
{
    EXPECT_EQ(TargetPathForEntry("/inst", "dir/a.txt")->string(), "/inst/dir/a.txt");
    EXPECT_EQ(TargetPathForEntry("/inst/", "dir\\sub\\")->string(), "/inst/dir/sub/");
    EXPECT_FALSE(TargetPathForEntry("/inst", "../a").has_value());
}

TEST(ProgressPercentage, cappedAndSafe_whenSizesUnusual)
{
    struct Row {
        std::uint64_t consumed;
        std::uint64_t total;
        std::uint16_t percent;
    };
    const Row rows[] = {{0, 0, 100},   {5, 0, 100},  {0, 10, 0},
                        {5, 10, 50},   {10, 10, 100}, {20, 10, 100},
                        {4000000000u, 4294967295u, 93}};
    for (const Row& r : rows)
        EXPECT_EQ(ProgressPercentage(r.consumed, r.total), r.percent) << r.consumed << "/" << r.total;
}

}  // namespace
}  // namespace vg
