#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>

namespace vg {

// The fields of an MS-DOS date-time (time in the low half).
struct DosDateTimeParts {
    int Year = 1980;
    int Month = 1;
    int Day = 1;
    int Hour = 0;
    int Minute = 0;
    int Second = 0;
};

DosDateTimeParts SplitDosDateTime(std::uint32_t dateTime);

// True when the fields name a real calendar moment.
bool IsValidDosDateTime(std::uint32_t dateTime);

// The DOS value taken as local time, as a file time; nothing for an invalid date.
std::optional<std::filesystem::file_time_type> DosDateTimeToFileTime(std::uint32_t dateTime);

// Sets a file's last-write time; an invalid date leaves the time as it is.
void SetFileTimeFromDos(const std::filesystem::path& path, std::uint32_t dateTime);

}  // namespace vg
