#pragma once

#include "locations/location_records.h"
#include "platform/store/device_files.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace halvo
{

// What one seed line means to its importer: a record to append, the end of
// the list (a line without the first separator ends the file's import, as an
// empty line does), or a damaged line that is skipped with a warning.
enum class SeedLineKind
{
    kRecord,
    kEnd,
    kSkip,
};

struct CityLine
{
    SeedLineKind kind = SeedLineKind::kEnd;
    CityRecord city;
    std::string problem; // why a line is skipped
};

struct ZoneLine
{
    SeedLineKind kind = SeedLineKind::kEnd;
    TimeZoneRecord zone;
    std::string problem;
};

// A stored text holds at most this many UTF-16 units.
inline constexpr std::size_t kMaxTextUnits = 1023;
// Lines are read with a cap far above the longest valid line (1023 UTF-16
// units take at most 3069 bytes), so a file without line feeds cannot fill
// the memory.
inline constexpr std::size_t kMaxSeedLineBytes = 4096;

// "name[country]longitude,latitude,zone,106,107,108"; the line comes
// without its line feed.
CityLine ParseCityLine(std::string_view line);
// "id,standard,daylight,bias,startOcc,startDay,startMonth,endOcc,endDay,endMonth".
ZoneLine ParseZoneLine(std::string_view line);

// Reads a UTF-8 seed file line by line: the line feed and a carriage return
// before it are dropped, a leading byte-order mark is ignored. A line that
// is longer than kMaxSeedLineBytes, not valid UTF-8, holds a control
// character or is longer than kMaxTextUnits comes back with a problem. Only
// a regular file is read: a folder, a pipe, a device or a link to one never
// is.
class SeedFileReader
{
  public:
    explicit SeedFileReader(const std::filesystem::path& file);
    LineFile::State OpenState() const;
    bool IsOpen() const;
    // Why the file is not open, or why a read failed: one line.
    const std::string& Problem() const;

    struct Line
    {
        std::string text;
        int number = 0;      // 1-based
        std::string problem; // empty for a usable line
    };
    std::optional<Line> Next();
    // Whether anything but blank lines follows the last line read.
    bool HasMoreContent();
    // Whether a read failed: Next() then ended before the end of the file,
    // so what was read is not all of it.
    bool Failed() const;

  private:
    LineFile file_;
    int lineNumber_ = 0;
};

} // namespace halvo
