#pragma once

// The rows of a timetable as CSV and as iCalendar events: what tavorin
// table writes and the timetable window saves, so both files are the same.
// Pure text, no I/O.

#include "datetools/icalendar.h"

#include <array>
#include <string>

namespace halvo
{

inline constexpr char kTimetableCsvHead[] =
    "date,gregorian,hijri,fajr,sunrise,zuhr,asr,maghrib,isha\n";

// The text as one CSV field: quoted, with its quotes doubled, when it holds
// a comma or a quote.
void AppendCsvField(std::string& out, const std::string& text);

// "2026-12-01,1 December 2026 C.E.,20 Jumada al-thany 1448 A.H.,6:04 AM,..."
void AppendTimetableCsvRow(std::string& out, const std::string& isoDate,
                           const std::string& gregorian, const std::string& hijri,
                           const std::array<std::string, 6>& times);

// One day's prayers as events. minutes[i] is the minute of the day the
// table shows for Fajr .. Isha, or -1 for a time the day does not have.
// placeKey names the place in the events' UIDs.
struct TimetableIcsDay
{
    int year = 0;
    int month = 0;
    int day = 0;
    std::array<int, 6> minutes{};
    double utcOffset = 0; // hours east of Greenwich
};
struct TimetableIcsChoice
{
    bool withSunrise = false;
    int minutes = 0; // how long each event lasts
};
void AppendTimetableIcsEvents(std::string& out, const TimetableIcsDay& day,
                              const std::string& placeKey, const TimetableIcsChoice& choice,
                              const UtcMoment& stamp);

} // namespace halvo
