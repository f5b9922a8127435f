#include "feasts/feast_table.h"

#include "engine/day_texts.h"
#include "engine/hijri_calendar.h"
#include "engine/prayer_engine.h"
#include "settings/hijri_choice.h"

namespace halvo
{

std::optional<int> FindFeast(int hijriMonth, int hijriDay)
{
    for (std::size_t row = 0; row < FeastTable.size(); ++row)
        if (FeastTable[row].hijriMonth == hijriMonth && FeastTable[row].hijriDay == hijriDay)
            return static_cast<int>(row);
    return std::nullopt;
}

GregorianDay FeastGregorianDate(int hijriYear, int hijriMonth, int hijriDay)
{
    const CalendarChoice choice = StoredCalendarChoice();
    if (choice.calendar == HijriCalendar::kCivil && choice.adjustDays == 0)
    {
        const HijriDate date(hijriYear, hijriMonth, hijriDay);
        return {date.gregorianDay, date.gregorianMonth, date.gregorianYear};
    }
    return GregorianFromJulianDay(JulianDayOfHijri(hijriYear, hijriMonth, hijriDay, choice));
}

HijriDay ShownHijriOf(const DateRecord& date)
{
    return HijriOfJulianDay(static_cast<int>(JulianDayNumber(date.year, date.month, date.day)),
                            StoredCalendarChoice())
        .date;
}

std::string FeastGregorianDateText(int hijriYear, int hijriMonth, int hijriDay)
{
    const GregorianDay date = FeastGregorianDate(hijriYear, hijriMonth, hijriDay);
    return std::to_string(date.day) + " " + GregorianMonthName(date.month) + ", " +
           std::to_string(date.year);
}

std::optional<std::string> FeastReminderText(const DateRecord& today, std::uint32_t feastOn,
                                             std::uint32_t numDays)
{
    if (feastOn == 0)
        return std::nullopt;
    // The dialog offers 0 to 3 days; a number edited in by hand that would
    // run the calendar past its range reminds of nothing.
    constexpr std::uint32_t kLongestLookAhead = 3660;
    if (numDays > kLongestLookAhead)
        return std::nullopt;
    const DateRecord checked = numDays > 0 ? DaysLater(today, static_cast<int>(numDays)) : today;
    const HijriDay hijri = ShownHijriOf(checked);
    const std::optional<int> feast = FindFeast(hijri.month, hijri.day);
    if (!feast)
        return std::nullopt;
    const std::string name = FeastTable[static_cast<std::size_t>(*feast)].name;
    if (numDays == 0)
        return "Happy Feast: " + name + " is today";
    return "Happy Feast: " + name + " is in " + std::to_string(numDays) + " days";
}

} // namespace halvo
