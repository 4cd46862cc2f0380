#include "setup/dos_time.h"

#include <chrono>
#include <ctime>

namespace vg {
namespace {

bool IsLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month)
{
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

}  // namespace

DosDateTimeParts SplitDosDateTime(std::uint32_t dateTime)
{
    DosDateTimeParts parts;
    parts.Year = static_cast<int>(dateTime >> 25) + 1980;
    parts.Month = static_cast<int>((dateTime >> 21) & 0x0F);
    parts.Day = static_cast<int>((dateTime >> 16) & 0x1F);
    parts.Hour = static_cast<int>((dateTime >> 11) & 0x1F);
    parts.Minute = static_cast<int>((dateTime >> 5) & 0x3F);
    parts.Second = static_cast<int>(dateTime & 0x1F) * 2;
    return parts;
}

bool IsValidDosDateTime(std::uint32_t dateTime)
{
    const DosDateTimeParts p = SplitDosDateTime(dateTime);
    return p.Month >= 1 && p.Month <= 12 && p.Day >= 1 && p.Day <= DaysInMonth(p.Year, p.Month) &&
           p.Hour <= 23 && p.Minute <= 59 && p.Second <= 59;
}

std::optional<std::filesystem::file_time_type> DosDateTimeToFileTime(std::uint32_t dateTime)
{
    if (!IsValidDosDateTime(dateTime))
        return std::nullopt;
    const DosDateTimeParts p = SplitDosDateTime(dateTime);
    std::tm local{};
    local.tm_year = p.Year - 1900;
    local.tm_mon = p.Month - 1;
    local.tm_mday = p.Day;
    local.tm_hour = p.Hour;
    local.tm_min = p.Minute;
    local.tm_sec = p.Second;
    local.tm_isdst = -1;  // let the time zone rules decide
    const std::time_t seconds = std::mktime(&local);
    if (seconds == static_cast<std::time_t>(-1))
        return std::nullopt;
    const auto system = std::chrono::system_clock::from_time_t(seconds);
    return std::chrono::file_clock::from_sys(system);
}

void SetFileTimeFromDos(const std::filesystem::path& path, std::uint32_t dateTime)
{
    if (const auto time = DosDateTimeToFileTime(dateTime)) {
        std::error_code ignored;
        std::filesystem::last_write_time(path, *time, ignored);
    }
}

}  // namespace vg
