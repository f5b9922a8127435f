#include "startup/seed_lines.h"

#include "locations/daylight_saving.h"
#include "platform/text/number_text.h"
#include "platform/text/utf8.h"

#include <array>

namespace halvo
{

namespace
{

// Cuts fields off the front of a line, each ending at its separator; the
// last field of a line is whatever is left.
class FieldCutter
{
  public:
    explicit FieldCutter(std::string_view line) : rest_(line) {}

    std::optional<std::string> Take(char separator)
    {
        const std::size_t at = rest_.find(separator);
        if (at == std::string_view::npos)
        {
            return std::nullopt;
        }
        std::string field(rest_.substr(0, at));
        rest_.remove_prefix(at + 1);
        return field;
    }

    std::string Rest() const { return std::string(rest_); }

  private:
    std::string_view rest_;
};

std::string MissingSeparator(char separator, int field)
{
    return std::string("no '") + separator + "' after field " + std::to_string(field);
}

std::uint16_t Low16Bits(std::string_view text)
{
    return static_cast<std::uint16_t>(LeadingInteger(text));
}

} // namespace

CityLine ParseCityLine(std::string_view line)
{
    CityLine result;
    FieldCutter cutter(line);
    auto name = cutter.Take('[');
    if (!name)
    {
        result.kind = SeedLineKind::kEnd;
        return result;
    }
    constexpr std::array<char, 6> separators = {']', ',', ',', ',', ',', ','};
    std::array<std::string, 6> fields;
    for (std::size_t i = 0; i < separators.size(); ++i)
    {
        auto field = cutter.Take(separators[i]);
        if (!field)
        {
            result.kind = SeedLineKind::kSkip;
            result.problem = MissingSeparator(separators[i], static_cast<int>(i) + 2);
            return result;
        }
        fields[i] = std::move(*field);
    }
    if (name->empty())
    {
        result.kind = SeedLineKind::kSkip;
        result.problem = "no city name before '['";
        return result;
    }
    result.kind = SeedLineKind::kRecord;
    result.city.name = std::move(*name);
    result.city.country = std::move(fields[0]);
    result.city.longitude = std::move(fields[1]);
    result.city.latitude = std::move(fields[2]);
    result.city.zoneId = LeadingInteger(fields[3]);
    result.city.population = std::move(fields[4]);
    result.city.featureCode = std::move(fields[5]);
    result.city.ianaZone = cutter.Rest();
    return result;
}

ZoneLine ParseZoneLine(std::string_view line)
{
    ZoneLine result;
    FieldCutter cutter(line);
    std::array<std::string, 10> fields;
    for (std::size_t i = 0; i < 9; ++i)
    {
        auto field = cutter.Take(',');
        if (!field)
        {
            result.kind = i == 0 ? SeedLineKind::kEnd : SeedLineKind::kSkip;
            if (i > 0)
            {
                result.problem = MissingSeparator(',', static_cast<int>(i) + 1);
            }
            return result;
        }
        fields[i] = std::move(*field);
    }
    fields[9] = cutter.Rest();
    result.kind = SeedLineKind::kRecord;
    TimeZoneRecord& zone = result.zone;
    zone.id = LeadingInteger(fields[0]);
    zone.standardName = std::move(fields[1]);
    zone.daylightName = std::move(fields[2]);
    zone.bias = std::move(fields[3]);
    // The file lists each rule as occurrence, day of week, month.
    zone.start.occurrence = Low16Bits(fields[4]);
    zone.start.dayOfWeek = Low16Bits(fields[5]);
    zone.start.month = Low16Bits(fields[6]);
    zone.end.occurrence = Low16Bits(fields[7]);
    zone.end.dayOfWeek = Low16Bits(fields[8]);
    zone.end.month = Low16Bits(fields[9]);
    return result;
}

SeedFileReader::SeedFileReader(const std::filesystem::path& file) : file_(file, kMaxSeedLineBytes)
{
}

LineFile::State SeedFileReader::OpenState() const
{
    return file_.OpenState();
}

bool SeedFileReader::IsOpen() const
{
    return file_.OpenState() == LineFile::State::kOpen;
}

const std::string& SeedFileReader::Problem() const
{
    return file_.Problem();
}

bool SeedFileReader::Failed() const
{
    return file_.ReadFailed();
}

std::optional<SeedFileReader::Line> SeedFileReader::Next()
{
    std::optional<LineFile::Line> read = file_.Next();
    if (!read)
    {
        return std::nullopt;
    }
    Line line;
    line.number = ++lineNumber_;
    if (read->tooLong)
    {
        line.problem = "longer than " + std::to_string(kMaxSeedLineBytes) + " bytes";
        return line;
    }
    line.text = std::move(read->text);
    if (!line.text.empty() && line.text.back() == '\r')
    {
        line.text.pop_back();
    }
    if (line.number == 1 && line.text.starts_with("\xEF\xBB\xBF"))
    {
        line.text.erase(0, 3);
    }
    if (!IsValidUtf8(line.text))
    {
        line.problem = "not valid UTF-8";
    }
    else if (Utf16Length(line.text) > kMaxTextUnits)
    {
        line.problem = "longer than " + std::to_string(kMaxTextUnits) + " characters";
    }
    else if (!IsPrintableUtf8(line.text))
    {
        line.problem = "holds a control character";
    }
    return line;
}

bool SeedFileReader::HasMoreContent()
{
    while (auto line = file_.Next())
    {
        if (line->tooLong || line->text.find_first_not_of(" \t\r") != std::string::npos)
        {
            return true;
        }
    }
    return false;
}

} // namespace halvo
