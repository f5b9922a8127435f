#include "feasts/feast_table.h"

#include "engine/day_texts.h"
#include "engine/hijri_calendar.h"
#include "engine/prayer_engine.h"

namespace halvo {

std::optional<int> FindFeast(int hijriMonth, int hijriDay)
{
    for (std::size_t row = 0; row < FeastTable.size(); ++row)
        if (FeastTable[row].hijriMonth == hijriMonth && FeastTable[row].hijriDay == hijriDay)
            return static_cast<int>(row);
    return std::nullopt;
}

std::string FeastGregorianDateText(int hijriYear, int hijriMonth, int hijriDay)
{
    const HijriDate date(hijriYear, hijriMonth, hijriDay);
    return std::to_string(date.gregorianDay) + " " + GregorianMonthName(date.gregorianMonth) + ", " +
           std::to_string(date.gregorianYear);
}

// Whole days forward on the civil calendar, through the day number so month
// and year ends need no rules of their own.
static DateRecord DaysLater(const DateRecord& date, std::uint32_t days)
{
    const double julianDay = JulianDayNumber(date.year, date.month, date.day) + days;
    const GregorianDay later = GregorianFromJulianDay(static_cast<int>(julianDay));
    DateRecord result = date;
    result.year = static_cast<std::uint16_t>(later.year);
    result.month = static_cast<std::uint16_t>(later.month);
    result.day = static_cast<std::uint16_t>(later.day);
    return result;
}

std::optional<std::string> FeastReminderText(const DateRecord& today, std::uint32_t feastOn, std::uint32_t numDays)
{
    if (feastOn == 0)
        return std::nullopt;
    // The dialog offers 0 to 3 days; a number edited in by hand that would
    // run the calendar past its range reminds of nothing.
    constexpr std::uint32_t kLongestLookAhead = 3660;
    if (numDays > kLongestLookAhead)
        return std::nullopt;
    const DateRecord checked = numDays > 0 ? DaysLater(today, numDays) : today;
    PrayerEngine engine;
    engine.SetDate(checked);
    const std::optional<int> feast = FindFeast(engine.hijriMonth, engine.hijriDay);
    if (!feast)
        return std::nullopt;
    const std::string name = FeastTable[static_cast<std::size_t>(*feast)].name;
    if (numDays == 0)
        return "Happy Feast: " + name + " is today";
    return "Happy Feast: " + name + " is in " + std::to_string(numDays) + " days";
}

} // namespace halvo
