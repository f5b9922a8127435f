#include "datetools/icalendar.h"

#include "engine/hijri_calendar.h"
#include "platform/text/utf8.h"

#include <cmath>
#include <cstdio>

namespace halvo
{

namespace
{

constexpr std::size_t kMaxLineOctets = 75;
constexpr int kMinutesPerDay = 24 * 60;
constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

// The length a lead byte announces; 1 for a byte that cannot start a character.
std::size_t SequenceLength(unsigned char lead)
{
    if (lead >= 0xF0)
        return 4;
    if (lead >= 0xE0)
        return 3;
    if (lead >= 0xC0)
        return 2;
    return 1;
}

bool IsContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

int FloorDivide(int value, int divisor)
{
    return value >= 0 ? value / divisor : -((-value + divisor - 1) / divisor);
}

} // namespace

UtcMoment UtcFromLocal(int year, int month, int day, int minuteOfDay, double utcOffsetHours)
{
    const int offsetMinutes = static_cast<int>(std::lround(utcOffsetHours * 60));
    const int minutes = minuteOfDay - offsetMinutes;
    const int dayShift = FloorDivide(minutes, kMinutesPerDay);
    const int minuteOfUtcDay = minutes - dayShift * kMinutesPerDay;
    // Through the day number, so a shift across a month or a year end is
    // the calendar's own.
    const int jdn = static_cast<int>(JulianDayNumber(year, month, day)) + dayShift;
    const GregorianDay civil = GregorianFromJulianDay(jdn);
    return {civil.year, civil.month, civil.day, minuteOfUtcDay / 60, minuteOfUtcDay % 60, 0};
}

std::string IcsUtcText(const UtcMoment& moment)
{
    char text[32];
    std::snprintf(text, sizeof text, "%04d%02d%02dT%02d%02d%02dZ", moment.year, moment.month,
                  moment.day, moment.hour, moment.minute, moment.second);
    return text;
}

std::string IcsEscapedText(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();)
    {
        const char c = text[i];
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x80)
        {
            const std::size_t length = SequenceLength(byte);
            const std::string_view character = text.substr(i, length);
            if (character.size() == length && IsValidUtf8(character))
            {
                out += character;
                i += length;
            }
            else
            {
                out += kReplacement;
                ++i;
            }
            continue;
        }
        ++i;
        switch (c)
        {
        case '\\':
        case ';':
        case ',':
            out += '\\';
            out += c;
            break;
        case '\r':
            // A CRLF pair is one line break.
            if (i < text.size() && text[i] == '\n')
                ++i;
            out += "\\n";
            break;
        case '\n':
            out += "\\n";
            break;
        default:
            // Other control characters are not allowed in a TEXT value.
            if (byte < 0x20 || byte == 0x7F)
                out += kReplacement;
            else
                out += c;
        }
    }
    return out;
}

std::string IcsFoldedLine(std::string_view line)
{
    std::string out;
    out.reserve(line.size() + line.size() / 37 + 2);
    std::size_t room = kMaxLineOctets;
    std::size_t start = 0;
    while (line.size() - start > room)
    {
        std::size_t cut = start + room;
        // Back off to the start of the character the cut would split.
        while (cut > start && IsContinuation(static_cast<unsigned char>(line[cut])))
            --cut;
        if (cut == start)
            cut = start + room; // not UTF-8 at all: cut where the room ends
        out.append(line.substr(start, cut - start));
        out += "\r\n ";
        start = cut;
        room = kMaxLineOctets - 1; // the leading blank takes one octet
    }
    out.append(line.substr(start));
    out += "\r\n";
    return out;
}

std::string IcsPlaceKey(std::string_view place)
{
    // FNV-1a: the same on every machine and every run.
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    for (char c : place)
    {
        hash ^= static_cast<unsigned char>(c);
        hash *= 0x100000001b3ULL;
    }
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
    return text;
}

std::string IcsCalendarHead(std::string_view name)
{
    std::string out = "BEGIN:VCALENDAR\r\n"
                      "VERSION:2.0\r\n"
                      "PRODID:-//Halvo Tavorin//Prayer times//EN\r\n"
                      "CALSCALE:GREGORIAN\r\n"
                      "METHOD:PUBLISH\r\n";
    out += IcsFoldedLine("X-WR-CALNAME:" + IcsEscapedText(name));
    return out;
}

std::string IcsEventText(const IcsEvent& event, const UtcMoment& stamp)
{
    std::string out = "BEGIN:VEVENT\r\n";
    out += IcsFoldedLine("UID:" + IcsEscapedText(event.uid));
    out += "DTSTAMP:" + IcsUtcText(stamp) + "\r\n";
    out += "DTSTART:" + IcsUtcText(event.start) + "\r\n";
    out += "DURATION:PT" + std::to_string(event.minutes) + "M\r\n";
    out += IcsFoldedLine("SUMMARY:" + IcsEscapedText(event.summary));
    out += "TRANSP:TRANSPARENT\r\nEND:VEVENT\r\n";
    return out;
}

std::string IcsCalendarTail()
{
    return "END:VCALENDAR\r\n";
}

} // namespace halvo
