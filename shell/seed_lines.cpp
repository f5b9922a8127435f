#include "shell/seed_lines.h"

#include "locations/daylight_saving.h"

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
    result.kind = SeedLineKind::kRecord;
    result.city.name = std::move(*name);
    result.city.country = std::move(fields[0]);
    result.city.longitude = std::move(fields[1]);
    result.city.latitude = std::move(fields[2]);
    result.city.zoneId = LeadingInteger(fields[3]);
    result.city.carried106 = std::move(fields[4]);
    result.city.carried107 = std::move(fields[5]);
    result.city.carried108 = cutter.Rest();
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

bool IsValidUtf8(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size())
    {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = 0;
        std::uint32_t codePoint = 0;
        if (lead < 0x80)
        {
            ++i;
            continue;
        }
        if ((lead & 0xE0) == 0xC0)
        {
            length = 2;
            codePoint = lead & 0x1F;
        }
        else if ((lead & 0xF0) == 0xE0)
        {
            length = 3;
            codePoint = lead & 0x0F;
        }
        else if ((lead & 0xF8) == 0xF0)
        {
            length = 4;
            codePoint = lead & 0x07;
        }
        else
        {
            return false;
        }
        if (i + length > text.size())
        {
            return false;
        }
        for (std::size_t k = 1; k < length; ++k)
        {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80)
            {
                return false;
            }
            codePoint = (codePoint << 6) | (next & 0x3F);
        }
        // Overlong forms, surrogates and values past U+10FFFF are not UTF-8.
        constexpr std::array<std::uint32_t, 5> smallest = {0, 0, 0x80, 0x800, 0x10000};
        if (codePoint < smallest[length] || codePoint > 0x10FFFF ||
            (codePoint >= 0xD800 && codePoint <= 0xDFFF))
        {
            return false;
        }
        i += length;
    }
    return true;
}

std::size_t Utf16Length(std::string_view text)
{
    std::size_t units = 0;
    for (const char c : text)
    {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte & 0xC0) != 0x80)
        {
            ++units;
        }
        // A four-byte sequence is a surrogate pair in UTF-16.
        if ((byte & 0xF8) == 0xF0)
        {
            ++units;
        }
    }
    return units;
}

SeedFileReader::SeedFileReader(const std::filesystem::path& file) : stream_(file, std::ios::binary)
{
}

bool SeedFileReader::IsOpen() const
{
    return stream_.is_open();
}

bool SeedFileReader::Failed() const
{
    return !stream_.is_open() || stream_.bad();
}

std::optional<SeedFileReader::Line> SeedFileReader::Next()
{
    Line line;
    if (!stream_.is_open() || !std::getline(stream_, line.text))
    {
        return std::nullopt;
    }
    line.number = ++lineNumber_;
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
    return line;
}

bool SeedFileReader::HasMoreContent()
{
    std::string text;
    while (std::getline(stream_, text))
    {
        if (text.find_first_not_of(" \t\r") != std::string::npos)
        {
            return true;
        }
    }
    return false;
}

} // namespace halvo
