#pragma once

// iCalendar (RFC 5545) text for timetables: escaping, folding and the lines
// of a calendar of prayer events. Pure: texts in, text out, no clock and no
// I/O, so the command line and a timetable window write the same file.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace halvo
{

// A moment in universal time, to the second.
struct UtcMoment
{
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// The universal moment of a local date and minute of the day in a zone
// `utcOffsetHours` east of Greenwich; the date moves when the hour crosses
// midnight. Offsets are whole minutes, as zones keep them.
UtcMoment UtcFromLocal(int year, int month, int day, int minuteOfDay, double utcOffsetHours);

// "20240310T123000Z".
std::string IcsUtcText(const UtcMoment& moment);

// A TEXT value: backslash, semicolon, comma and line breaks escaped, and
// bytes that are not UTF-8 replaced by U+FFFD, since the format is UTF-8 only.
std::string IcsEscapedText(std::string_view text);

// One content line as written: cut into lines of at most 75 octets (never
// inside a UTF-8 character), each continuation starting with a blank, every
// line ending in CRLF.
std::string IcsFoldedLine(std::string_view line);

// A stable, ASCII-only key for a place, for the events' UIDs: importing the
// same city's calendar again replaces its events instead of doubling them.
std::string IcsPlaceKey(std::string_view place);

struct IcsEvent
{
    std::string uid;
    std::string summary;
    UtcMoment start;
    int minutes = 0; // how long the event lasts
};

// BEGIN:VCALENDAR and the calendar's own properties, named after `name`.
std::string IcsCalendarHead(std::string_view name);
// One VEVENT; `stamp` is when the file was made (DTSTAMP).
std::string IcsEventText(const IcsEvent& event, const UtcMoment& stamp);
// END:VCALENDAR.
std::string IcsCalendarTail();

} // namespace halvo
