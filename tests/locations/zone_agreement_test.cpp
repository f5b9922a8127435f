// Every shipped city on every day of 2026 and 2027: the offset our own zone
// rules give must match tzdata's offset at local noon for the city's IANA
// zone (data/cities-iana.tsv) on at least 99.5 % of city-days.
#include "locations/daylight_saving.h"
#include "locations/location_database.h"
#include "startup/seed_import.h"
#include "tests/support/store_fixture.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <map>

namespace halvo
{
namespace
{

const std::filesystem::path kShippedData = HALVO_SOURCE_DATA_DIR;

// tzdata's offset in hours at 12:00 local time on each day, read through
// the C library with TZ set to the zone (g++ 12's std::chrono has no time
// zone database).
class TzdataNoonOffsets
{
  public:
    TzdataNoonOffsets()
    {
        if (const char* tz = std::getenv("TZ"))
        {
            saved_ = tz;
            hadTz_ = true;
        }
    }
    ~TzdataNoonOffsets()
    {
        if (hadTz_)
        {
            ::setenv("TZ", saved_.c_str(), 1);
        }
        else
        {
            ::unsetenv("TZ");
        }
        ::tzset();
    }

    // Empty when tzdata does not know the zone.
    std::vector<double> ForYears(const std::string& zone, int firstYear, int lastYear)
    {
        std::vector<double> offsets;
        if (!std::filesystem::exists(std::filesystem::path("/usr/share/zoneinfo") / zone))
        {
            return offsets;
        }
        ::setenv("TZ", zone.c_str(), 1);
        ::tzset();
        using namespace std::chrono;
        for (sys_days day = sys_days{year{firstYear} / January / 1};
             day <= sys_days{year{lastYear} / December / 31}; day += days{1})
        {
            const year_month_day date{day};
            std::tm noon{};
            noon.tm_year = static_cast<int>(date.year()) - 1900;
            noon.tm_mon = static_cast<int>(static_cast<unsigned>(date.month())) - 1;
            noon.tm_mday = static_cast<int>(static_cast<unsigned>(date.day()));
            noon.tm_hour = 12;
            noon.tm_isdst = -1;
            const std::time_t moment = std::mktime(&noon);
            std::tm local{};
            ::localtime_r(&moment, &local);
            offsets.push_back(static_cast<double>(local.tm_gmtoff) / 3600.0);
        }
        return offsets;
    }

  private:
    std::string saved_;
    bool hadTz_ = false;
};

class ZoneAgreement : public testing::StoreTest
{
};

TEST_F(ZoneAgreement, ShippedCitiesAgreeWithTzdataOnAtLeast995PercentOfDays)
{
    const auto iana = kShippedData / "cities-iana.tsv";
    for (const char* name : {kMainCitiesFile, kZonesFile})
    {
        if (!std::filesystem::exists(kShippedData / name))
        {
            GTEST_SKIP() << "no shipped " << name << " in " << kShippedData;
        }
    }
    if (!std::filesystem::exists(iana))
    {
        GTEST_SKIP() << "no " << iana;
    }
    // Import the shipped files as a first start does.
    const auto windows = folder_ / "windows";
    std::filesystem::create_directories(windows);
    for (const char* name : {kMainCitiesFile, kMoreCitiesFile, kZonesFile})
    {
        if (std::filesystem::exists(kShippedData / name))
        {
            std::filesystem::copy_file(kShippedData / name, windows / name);
        }
    }
    ASSERT_TRUE(ImportCities(windows, messages_).ok);
    if (std::filesystem::exists(windows / kMoreCitiesFile))
    {
        ASSERT_TRUE(ImportMoreCities(windows, messages_).ok);
    }
    ASSERT_TRUE(ImportTimeZones(windows, messages_).ok);
    EXPECT_TRUE(messages_.warnings.empty()) << messages_.warnings.front();

    std::map<std::string, std::string> zoneOfCity;
    {
        std::ifstream in(iana);
        std::string line;
        std::getline(in, line); // header
        while (std::getline(in, line))
        {
            const auto tab = line.find('\t');
            if (tab != std::string::npos)
            {
                zoneOfCity[line.substr(0, tab)] = line.substr(tab + 1);
            }
        }
    }

    TzdataNoonOffsets tzdata;
    std::map<std::string, std::vector<double>> tzdataByZone;
    std::map<std::int32_t, std::optional<TimeZoneRecord>> zonesById;
    long agree = 0;
    long total = 0;
    int citiesWithoutZone = 0;
    std::map<std::string, long> disagreementsByZone;
    for (const CityRecord& city : ReadAllCities())
    {
        const auto named = zoneOfCity.find(city.name);
        if (named == zoneOfCity.end())
        {
            ++citiesWithoutZone;
            continue;
        }
        auto& expected = tzdataByZone[named->second];
        if (expected.empty())
        {
            expected = tzdata.ForYears(named->second, 2026, 2027);
        }
        ASSERT_FALSE(expected.empty()) << "tzdata has no zone " << named->second;
        auto& zone = zonesById[city.zoneId];
        if (!zone)
        {
            zone = ReadTimeZone(city.zoneId);
        }
        ASSERT_TRUE(zone.has_value()) << city.name << " names zone " << city.zoneId;
        using namespace std::chrono;
        std::size_t index = 0;
        for (sys_days day = sys_days{year{2026} / January / 1};
             day <= sys_days{year{2027} / December / 31}; day += days{1}, ++index)
        {
            const year_month_day date{day};
            const double ours = UtcOffsetForZone(
                *zone, MakeDate(static_cast<int>(date.year()),
                                static_cast<int>(static_cast<unsigned>(date.month())),
                                static_cast<int>(static_cast<unsigned>(date.day()))));
            ++total;
            if (std::abs(ours - expected[index]) < 1e-9)
            {
                ++agree;
            }
            else
            {
                ++disagreementsByZone[named->second];
            }
        }
    }
    // The stored-lookup path must be the same arithmetic as the one above.
    for (const char* name : {"Seattle, WA", "Sydney"})
    {
        const auto city = ReadCity(name);
        if (city && zonesById[city->zoneId])
        {
            for (const DateRecord date : {MakeDate(2026, 1, 15), MakeDate(2026, 7, 15)})
            {
                EXPECT_EQ(UtcOffsetForDate(date, city->zoneId, messages_),
                          UtcOffsetForZone(*zonesById[city->zoneId], date));
            }
        }
    }
    ASSERT_GT(total, 0);
    EXPECT_EQ(citiesWithoutZone, 0);
    const double percent = 100.0 * static_cast<double>(agree) / static_cast<double>(total);
    std::printf("zone agreement 2026-2027: %ld of %ld city-days (%.3f %%)\n", agree, total,
                percent);
    for (const auto& [zone, days] : disagreementsByZone)
    {
        if (days >= 365)
        {
            std::printf("  %s: %ld city-days differ\n", zone.c_str(), days);
        }
    }
    EXPECT_GE(percent, 99.5);
}

} // namespace
} // namespace halvo
