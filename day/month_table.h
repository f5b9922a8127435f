#pragma once

// A month of the current (or a named) city's days as the main display shows
// them, for the timetable window, its printout and its PDF.

#include "datetools/icalendar.h"
#include "engine/date_record.h"
#include "engine/prayer_engine.h"
#include "platform/user_messages.h"

#include <array>
#include <string>
#include <vector>

namespace halvo
{

struct MonthRow
{
    DateRecord date;
    std::string gregorian;
    std::string hijri;
    std::array<std::string, kPrayerCount> times; // Fajr .. Isha, as the display shows them
    std::array<int, kPrayerCount> minutes{};     // the shown minute of the day, -1 for none
    double utcOffset = 0;                        // hours, daylight saving applied
};

struct MonthTable
{
    int year = 0;
    int month = 0;
    std::string city;        // the display's location line
    std::string convention;  // the method, or the convention's name and angles
    std::string asrMethod;   // "Shafi" or "Hanafi"
    std::string hijriMonths; // "Jumada al-thany 1448 A.H. / Rajab 1448 A.H."
    bool cityFound = false;
    // As a calendar names the city, and the text its events' UIDs are made of.
    std::string calendarName;
    std::string placeKey;
    std::vector<MonthRow> rows;
};

int DaysInMonth(int year, int month);

// Every day of the month through ComputeDayTexts, so every stored option
// and the clock apply. A city that is not stored gets the lookup's
// message once; its rows keep their dates and "--:--".
MonthTable ComputeMonth(int year, int month, const std::string& cityName, UserMessages& messages);
// The same for the CityName setting.
MonthTable ComputeCurrentCityMonth(int year, int month, UserMessages& messages);

// The month as tavorin table writes it with --format csv and --format ics
// (without Sunrise, events of no length).
std::string MonthCsv(const MonthTable& table);
std::string MonthIcs(const MonthTable& table, const UtcMoment& stamp);
// The universal time now, for the calendar's stamp.
UtcMoment IcsStampNow();

} // namespace halvo
