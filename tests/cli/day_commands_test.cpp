#include "tests/cli/run_tavorin.h"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <algorithm>

namespace halvo::test
{
namespace
{

const std::vector<std::string> kSeattle = {"--lon", "-122.33", "--lat", "47.61", "--tz", "-8"};

std::vector<std::string> With(std::vector<std::string> head, const std::vector<std::string>& tail)
{
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

TEST(TavorinDay, PrintsTheDateLinesAndTheSixLabelledTimes)
{
    const RunResult r = RunTavorin(With({"day"}, With(kSeattle, {"--date", "2004-01-15"})));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "15 January 2004 C.E.\n"
                     "22 Thw al-qi'dah 1424 A.H.\n"
                     "Fajr     6:21 AM\n"
                     "Sunrise  7:53 AM\n"
                     "Zuhr     12:18 PM\n"
                     "Asr      2:24 PM\n"
                     "Maghrib  4:43 PM\n"
                     "Isha     6:15 PM\n");
    EXPECT_TRUE(r.err.empty());
}

TEST(TavorinDay, JsonCarriesUnsplitHoursAndNullForEventsWithoutTime)
{
    const RunResult r = RunTavorin(
        {"day", "--lon", "15", "--lat", "80", "--tz", "1", "--date", "2004-06-21", "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto day = nlohmann::json::parse(r.out);
    EXPECT_EQ(day["gregorian"], "21 June 2004 C.E.");
    EXPECT_EQ(day["hijri"]["month"], 5);
    ASSERT_EQ(day["times"].size(), 6u);
    EXPECT_EQ(day["times"][1]["name"], "Sunrise");
    EXPECT_TRUE(day["times"][1]["hours"].is_null());
    EXPECT_EQ(day["times"][1]["text"], "--:--");
    EXPECT_TRUE(day["times"][2]["hours"].is_number());

    // Doubles survive the trip through text bit for bit.
    const RunResult seattle =
        RunTavorin(With({"day", "--json"}, With(kSeattle, {"--date", "2004-01-15"})));
    const auto fajr = nlohmann::json::parse(seattle.out)["times"][0]["hours"].get<double>();
    EXPECT_EQ(fajr, 0x1.96f2775438442p+2);
}

TEST(TavorinDay, NinetyMinuteIshaAndHanafiReachTheEngine)
{
    const RunResult r = RunTavorin(With({"day", "--json", "--isha", "9", "--hanafi"},
                                        With(kSeattle, {"--date", "2004-01-15"})));
    ASSERT_EQ(r.status, 0) << r.err;
    const auto times = nlohmann::json::parse(r.out)["times"];
    EXPECT_EQ(times[5]["hours"].get<double>() - times[4]["hours"].get<double>(), 1.5);
    EXPECT_EQ(times[3]["text"], "2:59 PM");
}

TEST(TavorinTable, YearOfRowsInEveryFormat)
{
    const auto args = With({"table", "--from", "2024-01-01", "--to", "2024-12-31"}, kSeattle);
    const RunResult text = RunTavorin(args);
    ASSERT_EQ(text.status, 0) << text.err;
    // The line that says what the numbers are, the column names, 366 days.
    EXPECT_EQ(std::count(text.out.begin(), text.out.end(), '\n'), 368);
    EXPECT_EQ(text.out.substr(0, text.out.find('\n')),
              "Longitude -122.33\u00B0, latitude 47.61\u00B0, UTC-8:00; Fajr 15.0\u00B0, Isha "
              "15.0\u00B0; Asr Shafi; Hijri civil calendar");
    EXPECT_NE(text.out.find("2024-02-29"), std::string::npos);

    const RunResult csv = RunTavorin(With(args, {"--csv"}));
    ASSERT_EQ(csv.status, 0) << csv.err;
    EXPECT_EQ(csv.out.substr(0, csv.out.find('\n')),
              "date,gregorian,hijri,fajr,sunrise,zuhr,asr,maghrib,isha");
    EXPECT_NE(csv.out.find("\n2024-01-15,15 January 2024 C.E.,"), std::string::npos);

    const RunResult json = RunTavorin(With(args, {"--json"}));
    ASSERT_EQ(json.status, 0) << json.err;
    const auto rows = nlohmann::json::parse(json.out)["days"];
    ASSERT_EQ(rows.size(), 366u);
    EXPECT_EQ(rows[365]["date"], "2024-12-31");
    EXPECT_EQ(rows[0]["times"].size(), 6u);
}

// The calendar file is the table's rows in another form: the same days in
// every format, and --format names the formats the flags do.
TEST(TavorinTable, FormatOptionGivesTheSameRowsAsTheFlags)
{
    const auto args = With({"table", "--from", "2024-12-30", "--to", "2025-01-02"}, kSeattle);
    EXPECT_EQ(RunTavorin(With(args, {"--format", "csv"})).out,
              RunTavorin(With(args, {"--csv"})).out);
    EXPECT_EQ(RunTavorin(With(args, {"--format", "text"})).out, RunTavorin(args).out);
    const RunResult ics = RunTavorin(With(args, {"--format", "ics", "--minutes", "180"}));
    ASSERT_EQ(ics.status, 0) << ics.err;
    EXPECT_EQ(ics.out.rfind("BEGIN:VCALENDAR\r\n", 0), 0u);
    // Four days of five prayers; Isha of 31 December at 6:01 PM is 02:01 UTC
    // on 1 January, under the UID of the local date.
    std::size_t events = 0;
    for (std::size_t at = ics.out.find("BEGIN:VEVENT"); at != std::string::npos;
         at = ics.out.find("BEGIN:VEVENT", at + 1))
        ++events;
    EXPECT_EQ(events, 20u);
    const std::size_t isha = ics.out.find("UID:20241231-isha-");
    ASSERT_NE(isha, std::string::npos);
    EXPECT_EQ(ics.out.substr(ics.out.find("DTSTART:", isha), 26), "DTSTART:20250101T020100Z\r\n");
    EXPECT_NE(ics.out.find("DURATION:PT180M\r\n"), std::string::npos);
}

TEST(TavorinTable, WalksAcrossTheCalendarReform)
{
    const RunResult r = RunTavorin(
        With({"table", "--from", "1582-10-03", "--to", "1582-10-16", "--csv"}, kSeattle));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("\n1582-10-04,"), std::string::npos);
    EXPECT_NE(r.out.find("\n1582-10-15,"), std::string::npos);
    EXPECT_EQ(r.out.find("\n1582-10-05,"), std::string::npos);
}

TEST(TavorinCalendar, ConvertsSingleDatesBothWays)
{
    struct Case
    {
        std::vector<std::string> args;
        std::string out;
    };
    const Case cases[] = {
        {{"hijri", "2000-01-01"}, "24 Ramadan 1420 A.H. (civil calendar)\n"},
        {{"hijri", "0622-07-16"}, "1 Muharram 1 A.H. (civil calendar)\n"},
        {{"hijri", "1500-02-29"}, "29 Rajab 905 A.H. (civil calendar)\n"},
        {{"gregorian", "1420", "9", "24"}, "1 January, 2000 (civil calendar)\n"},
        {{"gregorian", "1", "1", "1"}, "16 July, 622 (civil calendar)\n"},
        // Day 30 of a 29-day month is taken and lands on the next month.
        {{"gregorian", "1420", "2", "30"}, "15 June, 1999 (civil calendar)\n"},
    };
    for (const Case& c : cases)
    {
        const RunResult r = RunTavorin(c.args);
        EXPECT_EQ(r.status, 0) << c.args[1] << r.err;
        EXPECT_EQ(r.out, c.out) << c.args[1];
    }
    const auto hijri = nlohmann::json::parse(RunTavorin({"hijri", "2000-01-01", "--json"}).out);
    EXPECT_EQ(hijri["jdn"], 2451545);
    EXPECT_EQ(hijri["day"], 24);
    const auto civil =
        nlohmann::json::parse(RunTavorin({"gregorian", "1420", "9", "24", "--json"}).out);
    EXPECT_EQ(civil["jdn"], 2451545);
    EXPECT_EQ(civil["text"], "1 January, 2000");
}

TEST(TavorinErrors, BadInputIsOneLineOnStderrAndStatusTwo)
{
    const std::vector<std::vector<std::string>> cases = {
        With({"day", "--date", "2004-13-45"}, kSeattle),
        With({"day", "--date", "2004-04-31"}, kSeattle),
        With({"day", "--date", "2003-02-29"}, kSeattle),
        With({"day", "--date", "1700-02-29"}, kSeattle),
        With({"day", "--date", "15/01/2004"}, kSeattle),
        {"day", "--lon", "-122", "--lat", "90.5", "--tz", "-8"},
        {"day", "--lon", "180.01", "--lat", "47", "--tz", "-8"},
        {"day", "--lon", "-122", "--lat", "47", "--tz", "14.5"},
        {"day", "--lon", "abc", "--lat", "47", "--tz", "-8"},
        {"day", "--lon", "nan", "--lat", "47", "--tz", "-8"},
        With({"day", "--fajr", "0"}, kSeattle),
        With({"day", "--isha", "90"}, kSeattle),
        With({"day", "--fajr", "fifteen"}, kSeattle),
        With({"day", "--frobnicate"}, kSeattle),
        {"day", "--lat", "47", "--tz", "-8"},
        With({"table", "--from", "2004-02-01", "--to", "2004-01-01"}, kSeattle),
        With({"table", "--from", "2004-01-01", "--to", "2004-01-02", "--csv", "--json"}, kSeattle),
        With({"table", "--month", "2004-01", "--format", "xml"}, kSeattle),
        With({"table", "--month", "2004-01", "--format", "ics", "--json"}, kSeattle),
        With({"table", "--month", "2004-01", "--format", "csv", "--with-sunrise"}, kSeattle),
        With({"table", "--month", "2004-01", "--minutes", "10"}, kSeattle),
        With({"table", "--month", "2004-01", "--format", "ics", "--minutes", "-1"}, kSeattle),
        With({"table", "--month", "2004-01", "--format", "ics", "--minutes", "181"}, kSeattle),
        With({"table", "--month", "2004-01", "--format", "ics", "--minutes", "ten"}, kSeattle),
        With({"table", "--from", "1582-10-14", "--to", "1582-10-20", "--format", "ics"}, kSeattle),
        {"hijri", "2004-02-30"},
        {"gregorian", "1425", "13", "1"},
        {"gregorian", "1425", "0", "1"},
        {"gregorian", "1425", "1", "32"},
        {"gregorian", "1425", "x", "1"},
        {"nonsense"},
        {},
    };
    for (const auto& args : cases)
    {
        const RunResult r = RunTavorin(args);
        std::string joined;
        for (const auto& a : args)
        {
            joined += a + " ";
        }
        EXPECT_EQ(r.status, 2) << joined;
        EXPECT_TRUE(r.out.empty()) << joined << "\n" << r.out;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << joined << "\n" << r.err;
        EXPECT_EQ(r.err.rfind("tavorin: ", 0), 0u) << joined << "\n" << r.err;
    }
}

TEST(TavorinErrors, JulianCalendarDatesBeforeTheReformAreAccepted)
{
    for (const char* date : {"1500-02-29", "1582-10-05", "1582-10-14", "0622-07-16"})
    {
        const RunResult r = RunTavorin(With({"day", "--date", date}, kSeattle));
        EXPECT_EQ(r.status, 0) << date << " " << r.err;
    }
}

} // namespace
} // namespace halvo::test
