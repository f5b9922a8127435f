// What `times` and `table` say about their numbers: the header line, the
// JSON fields, the 24-hour clock and the Hijri calendar. Run on the small
// set of shipped files in tests/data/startup/shipped.
#include "tests/cli/data_folder.h"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <cstdio>

namespace halvo::test
{
namespace
{

std::string FirstLine(const std::string& text)
{
    return text.substr(0, text.find('\n'));
}

// "5:07 PM" on the 24-hour clock, computed here from the 12-hour text.
std::string To24Hour(const std::string& text)
{
    int hour = 0;
    int minute = 0;
    char half[3] = {};
    if (std::sscanf(text.c_str(), "%d:%d %2s", &hour, &minute, half) != 3)
    {
        return text;
    }
    hour = hour % 12 + (std::string(half) == "PM" ? 12 : 0);
    char clock[32];
    std::snprintf(clock, sizeof clock, "%02d:%02d", hour, minute);
    return clock;
}

TEST(TavorinHeader, TimesAndTableSayWhatTheNumbersAre)
{
    DataFolder folder("header", kSmallShippedData);
    struct Case
    {
        std::vector<std::string> args;
        const char* header;
    };
    const Case cases[] = {
        {{"times", "--date", "2026-07-01"},
         "Seattle, WA (USA), UTC-7:00; Islamic Society of North America, Fajr 15.0\u00B0, Isha "
         "15.0\u00B0; Asr Shafi; Hijri civil calendar"},
        {{"times", "--city", "mumbai", "--date", "2026-07-01", "--method", "MWL", "--round"},
         "Mumbai (India), UTC+5:30; Muslim World League, Fajr 18.0\u00B0, Isha 17.0\u00B0; Asr "
         "Shafi; rounded to the minute; Hijri civil calendar"},
        {{"times", "--city", "london", "--date", "2026-07-01", "--method", "turkey", "--adjust",
          "1,0,0,0,0,-2", "--calendar", "umalqura", "--hijri-adjust", "-1"},
         "London (United Kingdom), UTC+1:00; Diyanet (Presidency of Religious Affairs), Turkey, "
         "Fajr 18.0\u00B0, Isha 17.0\u00B0; Asr Shafi; minutes added: Fajr +1, Sunrise -7, Zuhr "
         "+5, Asr +4, Maghrib +7, Isha -2; Hijri Umm al-Qura calendar, moved -1 day"},
        {{"table", "--city", "sydney", "--from", "2026-04-04", "--to", "2026-04-05"},
         "Sydney (Australia), UTC+11:00 / UTC+10:00; Islamic Society of North America, Fajr "
         "15.0\u00B0, Isha 15.0\u00B0; Asr Shafi; Hijri civil calendar"},
        {{"table", "--lon", "39.82", "--lat", "21.42", "--tz", "3", "--isha", "9", "--hanafi",
          "--from", "2026-04-04", "--to", "2026-04-04"},
         "Longitude 39.82\u00B0, latitude 21.42\u00B0, UTC+3:00; Fajr 15.0\u00B0, Isha 90 "
         "minutes after Maghrib; Asr Hanafi; Hijri civil calendar"},
    };
    for (const Case& c : cases)
    {
        const RunResult r = folder.Run(c.args);
        ASSERT_EQ(r.status, 0) << Joined(c.args) << ": " << r.err;
        EXPECT_EQ(FirstLine(r.out), c.header) << Joined(c.args);
    }
    // The stored school and convention reach the header.
    ASSERT_EQ(folder.Run({"settings", "set", "AsrMethod", "Hanafi"}).status, 0);
    ASSERT_EQ(folder.Run({"conventions", "select", "World"}).status, 0);
    EXPECT_EQ(FirstLine(folder.Run({"times", "--date", "2026-01-10"}).out),
              "Seattle, WA (USA), UTC-8:00; World Islamic League, Fajr 18.0\u00B0, Isha "
              "17.0\u00B0; Asr Hanafi; Hijri civil calendar");
}

TEST(TavorinHeader, JsonCarriesTheSameFacts)
{
    DataFolder folder("header_json", kSmallShippedData);
    const RunResult r = folder.Run({"times", "--city", "Sydney", "--date", "2026-12-25", "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto day = nlohmann::json::parse(r.out);
    EXPECT_EQ(day["city"], "Sydney");
    EXPECT_EQ(day["country"], "Australia");
    EXPECT_EQ(day["longitude"].get<double>(), 151.21);
    EXPECT_EQ(day["latitudeHundredths"], -3387);
    EXPECT_EQ(day["utcOffset"].get<double>(), 11.0);
    EXPECT_EQ(day["convention"]["name"], "Islamic Society of North America");
    EXPECT_TRUE(day["convention"]["method"].is_null());
    EXPECT_EQ(day["convention"]["fajrAngle"].get<double>(), 15.0);
    EXPECT_EQ(day["convention"]["ishaAngle"].get<double>(), 15.0);
    EXPECT_EQ(day["asrMethod"], "Shafi");
    EXPECT_EQ(day["adjustMinutes"], nlohmann::json::array({0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(day["rounded"], false);
    EXPECT_EQ(day["date"], "2026-12-25");
    EXPECT_EQ(day["hijri"]["calendar"], "civil");
    EXPECT_EQ(day["hijri"]["adjustDays"], 0);

    const auto makkah =
        nlohmann::json::parse(folder
                                  .Run({"day", "--lon", "39.82", "--lat", "21.42", "--tz", "3",
                                        "--date", "2026-01-10", "--method", "UmmAlQura", "--json"})
                                  .out);
    EXPECT_EQ(makkah["convention"]["method"], "UmmAlQura");
    EXPECT_EQ(makkah["convention"]["fajrAngle"].get<double>(), 18.5);
    EXPECT_TRUE(makkah["convention"]["ishaAngle"].is_null());
    EXPECT_EQ(makkah["convention"]["ishaMinutesAfterMaghrib"], 90);
}

TEST(TavorinClock, TwentyFourHourTimesInTextCsvAndJson)
{
    DataFolder folder("clock24", kSmallShippedData);
    const std::vector<std::string> base = {"--city",     "mumbai", "--from",
                                           "2026-06-01", "--to",   "2026-06-03"};
    auto with = [&base](std::vector<std::string> head, std::vector<std::string> tail)
    {
        head.insert(head.end(), base.begin(), base.end());
        head.insert(head.end(), tail.begin(), tail.end());
        return head;
    };
    const auto rows = nlohmann::json::parse(folder.Run(with({"table"}, {"--json"})).out)["days"];
    ASSERT_EQ(rows.size(), 3u);
    const RunResult csv = folder.Run(with({"table"}, {"--csv", "--24h"}));
    ASSERT_EQ(csv.status, 0) << csv.err;
    const RunResult text = folder.Run(with({"table"}, {"--24h"}));
    ASSERT_EQ(text.status, 0) << text.err;
    for (const auto& row : rows)
    {
        std::string csvTimes;
        for (const auto& time : row["times"])
        {
            const std::string clock = To24Hour(time["text"]);
            EXPECT_EQ(time["time24"], clock) << time.dump();
            csvTimes += "," + clock;
            EXPECT_NE(text.out.find(clock), std::string::npos) << clock;
        }
        EXPECT_NE(csv.out.find(row["date"].get<std::string>() + "," +
                               row["gregorian"].get<std::string>() + "," +
                               row["hijri"]["text"].get<std::string>() + csvTimes + "\n"),
                  std::string::npos)
            << csv.out;
    }
    EXPECT_EQ(text.out.find(" AM"), std::string::npos);
    EXPECT_EQ(text.out.find(" PM"), std::string::npos);

    const RunResult times = folder.Run({"times", "--date", "2026-06-01", "--24h"});
    const auto json =
        nlohmann::json::parse(folder.Run({"times", "--date", "2026-06-01", "--json"}).out);
    for (const auto& time : json["times"])
    {
        std::string label = time["name"];
        label.resize(9, ' ');
        EXPECT_NE(times.out.find("\n" + label + time["time24"].get<std::string>() + "\n"),
                  std::string::npos)
            << times.out;
    }
}

// Outside its table's years (1300 to 1600 A.H.) ICU gives arithmetic dates;
// naming them Umm al-Qura dates would be wrong, so they are refused.
TEST(TavorinCalendar, UmmAlQuraOutsideItsTableIsRefused)
{
    DataFolder folder("umalqura-range", kSmallShippedData);
    struct Case
    {
        std::vector<std::string> args;
        int status;
    };
    const Case cases[] = {
        {{"hijri", "2200-01-01", "--calendar", "umalqura"}, 2},
        {{"hijri", "1850-01-01", "--calendar", "umalqura"}, 2},
        {{"hijri", "2200-01-01"}, 0},
        {{"gregorian", "1601", "1", "1", "--calendar", "umalqura"}, 2},
        {{"gregorian", "1299", "12", "1", "--calendar", "umalqura"}, 2},
        {{"gregorian", "1300", "1", "1", "--calendar", "umalqura"}, 0},
        {{"gregorian", "1600", "12", "1", "--calendar", "umalqura"}, 0},
        {{"times", "--date", "2200-01-01", "--calendar", "umalqura"}, 2},
    };
    for (const Case& c : cases)
    {
        const RunResult r = folder.Run(c.args);
        EXPECT_EQ(r.status, c.status) << Joined(c.args) << ": " << r.err;
        if (c.status == 2)
        {
            EXPECT_EQ(r.out, "") << Joined(c.args);
            EXPECT_NE(r.err.find("outside the years the Umm al-Qura table covers (1300 to 1600"),
                      std::string::npos)
                << r.err;
        }
    }
}

TEST(TavorinCalendar, UmmAlQuraAndTheAdjustmentNameTheirCalendar)
{
    DataFolder folder("calendars", kSmallShippedData);
    struct Case
    {
        std::vector<std::string> args;
        const char* out;
    };
    const Case cases[] = {
        // 1 Muharram 1448 fell on 16 June 2026 by Umm al-Qura, a day before the
        // arithmetic calendar's.
        {{"hijri", "2026-06-16", "--calendar", "umalqura"},
         "1 Muharram 1448 A.H. (Umm al-Qura calendar)\n"},
        {{"hijri", "2026-06-16"}, "30 Thw al-hijjah 1447 A.H. (civil calendar)\n"},
        {{"hijri", "2026-06-16", "--hijri-adjust", "1"},
         "1 Muharram 1448 A.H. (civil calendar, moved +1 day)\n"},
        {{"hijri", "2026-06-16", "--hijri-adjust", "-2"},
         "28 Thw al-hijjah 1447 A.H. (civil calendar, moved -2 days)\n"},
        {{"gregorian", "1448", "1", "1", "--calendar", "umalqura"},
         "16 June, 2026 (Umm al-Qura calendar)\n"},
        {{"gregorian", "1448", "1", "1"}, "17 June, 2026 (civil calendar)\n"},
        // The day whose date, moved a day on, is 1 Muharram.
        {{"gregorian", "1448", "1", "1", "--hijri-adjust", "1"},
         "16 June, 2026 (civil calendar, moved +1 day)\n"},
        // Ramadan and Shawwal 1447 by Umm al-Qura, as announced.
        {{"gregorian", "1447", "9", "1", "--calendar", "umalqura"},
         "18 February, 2026 (Umm al-Qura calendar)\n"},
        {{"gregorian", "1447", "10", "1", "--calendar", "umalqura"},
         "20 March, 2026 (Umm al-Qura calendar)\n"},
    };
    for (const Case& c : cases)
    {
        const RunResult r = folder.Run(c.args);
        EXPECT_EQ(r.status, 0) << Joined(c.args) << ": " << r.err;
        EXPECT_EQ(r.out, c.out) << Joined(c.args);
    }
    // times and table show the same Hijri date as hijri does.
    const auto day = nlohmann::json::parse(
        folder.Run({"times", "--date", "2026-06-16", "--calendar", "umalqura", "--json"}).out);
    EXPECT_EQ(day["hijri"]["text"], "1 Muharram 1448 A.H.");
    EXPECT_EQ(day["hijri"]["calendar"], "umalqura");
    const RunResult table = folder.Run(
        {"table", "--month", "2026-06", "--calendar", "umalqura", "--hijri-adjust", "1", "--csv"});
    EXPECT_NE(table.out.find("\n2026-06-15,15 June 2026 C.E.,1 Muharram 1448 A.H.,"),
              std::string::npos)
        << table.out;
    for (const auto& bad : std::vector<std::vector<std::string>>{
             {"hijri", "2026-02-18", "--calendar", "lunar"},
             {"hijri", "2026-02-18", "--hijri-adjust", "3"},
             {"times", "--hijri-adjust", "1.5"},
         })
    {
        EXPECT_EQ(folder.Run(bad).status, 2) << Joined(bad);
    }
}

} // namespace
} // namespace halvo::test
