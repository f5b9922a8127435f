#include "day/month_table.h"

#include "datetools/timetable_rows.h"
#include "day/day_model.h"
#include "engine/calculation_methods.h"
#include "locations/location_database.h"
#include "platform/clock.h"
#include "platform/text/quoted.h"
#include "settings/settings.h"

#include <algorithm>
#include <cstdio>

namespace halvo
{

namespace
{

// Only the first of a month's messages is worth a box: the others repeat it.
class FirstMessageOnly : public UserMessages
{
  public:
    explicit FirstMessageOnly(UserMessages& target) : target_(target) {}
    void Show(const std::string& text) override
    {
        if (!shown_)
            target_.Show(text);
        shown_ = true;
    }
    void Warn(const std::string& text) override
    {
        if (!warned_)
            target_.Warn(text);
        warned_ = true;
    }

  private:
    UserMessages& target_;
    bool shown_ = false;
    bool warned_ = false;
};

std::string Degrees(double degrees)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.1f\u00b0", degrees);
    return text;
}

std::string ConventionLine(const CalculationOptions& options, const DaySettings& settings)
{
    if (options.method != nullptr)
        return std::string(options.method->organisation) + " (" + options.method->name + ")";
    std::string text;
    const std::string name = ReadSetting(setting::kKQMethod);
    if (!name.empty())
        text = EscapedForLine(name) + ", ";
    text += "Fajr " + Degrees(settings.fajrAngle) + ", Isha ";
    text += settings.ishaAngle == kNinetyMinuteIshaAngle ? std::string("90 minutes after Maghrib")
                                                         : Degrees(settings.ishaAngle);
    return text;
}

// "20 Jumada al-thany 1448 A.H." without its day number.
std::string MonthOfHijri(const std::string& hijri)
{
    const std::size_t space = hijri.find(' ');
    return space == std::string::npos ? hijri : hijri.substr(space + 1);
}

} // namespace

int DaysInMonth(int year, int month)
{
    static constexpr std::array<int, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return kDays[static_cast<std::size_t>(month - 1)] + (month == 2 && leap ? 1 : 0);
}

MonthTable ComputeMonth(int year, int month, const std::string& cityName, UserMessages& messages)
{
    MonthTable table;
    table.year = year;
    table.month = month;
    FirstMessageOnly once(messages);
    const DaySettings settings = ReadDaySettings();
    table.asrMethod = settings.hanafi != 0 ? "Hanafi" : "Shafi";
    std::vector<std::string> hijriMonths;
    const int days = DaysInMonth(year, month);
    table.rows.reserve(static_cast<std::size_t>(days));
    for (int day = 1; day <= days; ++day)
    {
        const DateRecord date = MakeDate(year, month, day);
        const DayComputation computed = ComputeDayTexts(cityName, date, once);
        if (day == 1)
        {
            table.city = computed.texts[kLocationText];
            table.cityFound = computed.cityFound;
            if (const std::optional<CityRecord> city = ReadCity(cityName))
            {
                table.calendarName = city->name + " (" + city->country + ")";
                // The name and country are the city's key, as tavorin's.
                table.placeKey = city->name + '\n' + city->country;
            }
            table.convention = ConventionLine(computed.options, settings);
        }
        MonthRow row;
        row.date = date;
        row.gregorian = computed.texts[kGregorianDateText];
        row.hijri = computed.texts[kHijriDateText];
        row.utcOffset = computed.utcOffset;
        for (std::size_t i = 0; i < row.times.size(); ++i)
        {
            row.times[i] = computed.texts[kFajrText + i];
            const PrayerMoment& moment = computed.moments[i];
            row.minutes[i] = moment.hasTime ? moment.shownMinute : -1;
        }
        const std::string hijriMonth = MonthOfHijri(row.hijri);
        if (std::find(hijriMonths.begin(), hijriMonths.end(), hijriMonth) == hijriMonths.end())
            hijriMonths.push_back(hijriMonth);
        table.rows.push_back(std::move(row));
    }
    for (const std::string& name : hijriMonths)
        table.hijriMonths += (table.hijriMonths.empty() ? "" : " / ") + name;
    return table;
}

MonthTable ComputeCurrentCityMonth(int year, int month, UserMessages& messages)
{
    return ComputeMonth(year, month, ReadSetting(setting::kCityName), messages);
}

std::string MonthCsv(const MonthTable& table)
{
    std::string out = kTimetableCsvHead;
    for (const MonthRow& row : table.rows)
    {
        char iso[32];
        std::snprintf(iso, sizeof iso, "%04d-%02d-%02d", row.date.year, row.date.month,
                      row.date.day);
        AppendTimetableCsvRow(out, iso, row.gregorian, row.hijri, row.times);
    }
    return out;
}

std::string MonthIcs(const MonthTable& table, const UtcMoment& stamp)
{
    std::string out = IcsCalendarHead(table.calendarName);
    for (const MonthRow& row : table.rows)
    {
        TimetableIcsDay day;
        day.year = row.date.year;
        day.month = row.date.month;
        day.day = row.date.day;
        day.minutes = row.minutes;
        day.utcOffset = row.utcOffset;
        AppendTimetableIcsEvents(out, day, table.placeKey, {}, stamp);
    }
    return out + IcsCalendarTail();
}

UtcMoment IcsStampNow()
{
    const DateRecord now = UniversalFromLocal(LocalNow());
    return {now.year, now.month, now.day, now.hour, now.minute, now.second};
}

} // namespace halvo
