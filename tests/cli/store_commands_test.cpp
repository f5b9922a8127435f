// tavorin's memory commands run as processes on a fresh device folder seeded
// from tests/data/startup/shipped (see the README there).
#include "conventions/twilight_conventions.h"
#include "platform/store/record_store.h"
#include "tests/cli/run_tavorin.h"
#include "tests/support/store_fixture.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <map>
#include <sstream>

namespace halvo
{
namespace
{

using test::RunResult;
using test::RunTavorin;

class TavorinStore : public ::testing::Test
{
  protected:
    void SetUp() override { home_ = testing::FreshFolder("halvo_tavorin"); }
    void TearDown() override { std::filesystem::remove_all(home_); }

    // The settings as name to value, from `settings --json`.
    std::map<std::string, std::string> Settings()
    {
        std::map<std::string, std::string> values;
        for (const auto& entry : nlohmann::json::parse(Run({"settings", "--json"}).out))
        {
            values[entry["name"]] = entry["value"];
        }
        return values;
    }

    RunResult Run(const std::vector<std::string>& args)
    {
        return RunTavorin(args,
                          {"XDG_DATA_HOME=" + home_.string(),
                           "HALVO_DATA_DIR=" HALVO_TEST_DATA_DIR "/startup/shipped", "TZ=UTC"});
    }

    std::filesystem::path home_;
};

TEST_F(TavorinStore, FirstUseSeedsTheStoreAndASecondRunImportsNothing)
{
    const RunResult first = Run({"times", "--date", "2026-07-01"});
    ASSERT_EQ(first.status, 0) << first.err;
    EXPECT_EQ(first.err, "");
    EXPECT_EQ(first.out.rfind("Seattle, WA (USA), UTC-7:00; ", 0), 0u) << first.out;
    EXPECT_NE(first.out.find("\nFajr     "), std::string::npos);
    const auto windows = home_ / "halvo-tavorin" / "windows";
    for (const char* name : {"HalvoCities.txt", "HalvoCities2.txt", "HalvoZones.txt"})
    {
        EXPECT_FALSE(std::filesystem::exists(windows / name)) << name;
    }
    // The process folds its write-ahead log back into the database as it
    // ends, so the next start does not replay the whole import.
    const auto log = home_ / "halvo-tavorin" / "halvo-tavorin.db-wal";
    EXPECT_TRUE(!std::filesystem::exists(log) || std::filesystem::file_size(log) == 0);
    const RunResult second = Run({"times", "--date", "2026-07-01"});
    EXPECT_EQ(second.out, first.out);
    const RunResult cities = Run({"cities"});
    EXPECT_EQ(std::count(cities.out.begin(), cities.out.end(), '\n'), 7);
}

TEST_F(TavorinStore, TimesUsesEachDatesOffsetFromTheStoredZoneRules)
{
    struct Case
    {
        const char* city;
        const char* date;
        int longitude;
        int latitude;
        double offset;
    };
    const Case cases[] = {
        {"Seattle, WA", "2026-03-07", -12233, 4761, -8.0},
        {"seattle, wa", "2026-03-08", -12233, 4761, -7.0},
        {"Sydney", "2026-04-04", 15121, -3387, 11.0},
        {"Sydney", "2026-04-05", 15121, -3387, 10.0},
        {"Sydney", "2026-12-25", 15121, -3387, 11.0},
        {"London", "2026-03-28", -13, 5151, 0.0},
        {"London", "2026-03-29", -13, 5151, 1.0},
        {"Mumbai", "2026-06-01", 7288, 1908, 5.5},
    };
    for (const Case& c : cases)
    {
        const RunResult r = Run({"times", "--city", c.city, "--date", c.date, "--json"});
        ASSERT_EQ(r.status, 0) << c.city << ": " << r.err;
        const auto json = nlohmann::json::parse(r.out);
        EXPECT_EQ(json["longitudeHundredths"], c.longitude) << c.city;
        EXPECT_EQ(json["latitudeHundredths"], c.latitude) << c.city;
        EXPECT_EQ(json["longitude"].get<double>(), c.longitude / 100.0) << c.city;
        EXPECT_EQ(json["utcOffset"].get<double>(), c.offset) << c.city << " " << c.date;
        if (c.offset == 0.0)
        {
            EXPECT_NE(r.out.find("\"utcOffset\": 0.0,"), std::string::npos) << r.out;
        }
        EXPECT_EQ(json["times"].size(), 6u);
        EXPECT_TRUE(json.contains("gregorian") && json.contains("hijri"));
    }
    // --city leaves the setting alone.
    EXPECT_EQ(Settings()["CityName"], "Seattle, WA");
}

TEST_F(TavorinStore, CityNotStoredIsStatusTwoWithTheMessage)
{
    const RunResult r = Run({"times", "--city", "Atlantis"});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "tavorin: no city \"Atlantis\"\n");
    const RunResult table =
        Run({"table", "--city", "Atlantis", "--from", "2026-01-01", "--to", "2026-01-02"});
    EXPECT_EQ(table.status, 2);
    EXPECT_EQ(table.out, "");
}

TEST_F(TavorinStore, TableForACityChangesOffsetOnTheTransitionDay)
{
    const RunResult r = Run(
        {"table", "--city", "Seattle, WA", "--from", "2026-03-07", "--to", "2026-03-08", "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto rows = nlohmann::json::parse(r.out)["days"];
    ASSERT_EQ(rows.size(), 2u);
    const double zuhrBefore = rows[0]["times"][2]["hours"];
    const double zuhrAfter = rows[1]["times"][2]["hours"];
    EXPECT_NEAR(zuhrAfter - zuhrBefore, 1.0, 0.01);
}

TEST_F(TavorinStore, ListsComeInStoreOrderWithTheirFields)
{
    const RunResult egypt = Run({"cities", "--country", "Egypt", "--json"});
    ASSERT_EQ(egypt.status, 0) << egypt.err;
    const auto cities = nlohmann::json::parse(egypt.out);
    ASSERT_EQ(cities.size(), 2u);
    EXPECT_EQ(cities[0]["name"], "Alex");
    EXPECT_EQ(cities[1]["name"], "Alexandria");
    EXPECT_EQ(cities[1]["longitudeHundredths"], 2991);
    EXPECT_EQ(cities[1]["longitude"].get<double>(), 29.91);
    EXPECT_EQ(cities[1]["zone"], 0);

    EXPECT_EQ(Run({"zones"}).out, "-8.0 Pacific Standard Time\n"
                                  "+5.5 India Standard Time\n"
                                  "0.0 GMT Standard Time\n"
                                  "+10.0 AUS Eastern Standard Time\n");
    const auto zones = nlohmann::json::parse(Run({"zones", "--json"}).out);
    ASSERT_EQ(zones.size(), 4u);
    EXPECT_EQ(zones[0]["id"], 4);
    EXPECT_EQ(zones[0]["bias"], "480");
    EXPECT_EQ(zones[0]["start"]["month"], 3);
    EXPECT_EQ(zones[0]["start"]["occurrence"], 2);
    EXPECT_EQ(zones[0]["end"]["month"], 11);
}

TEST_F(TavorinStore, SettingsSetRefusesBadValuesAndWritesNothing)
{
    struct Case
    {
        std::vector<std::string> args;
        int status;
    };
    const Case cases[] = {
        {{"settings", "set", "AsrMethod", "Hanfi"}, 2},
        {{"settings", "set", "Reminder", "9"}, 2},
        {{"settings", "set", "Method", "Tehran"}, 2},
        {{"settings", "set", "Adjust", "0,0,0,0,0,31"}, 2},
        {{"settings", "set", "Adjust", "0,0,0,0,0"}, 2},
        {{"settings", "set", "Rounding", "round"}, 2},
        {{"settings", "set", "HighLatitude", "Angle"}, 2},
        {{"settings", "set", "PolarDays", "Nearest"}, 2},
        {{"settings", "set", "HijriCalendar", "Tabular"}, 2},
        {{"settings", "set", "HijriAdjust", "3"}, 2},
        {{"settings", "set", "Clock", "13"}, 2},
        {{"settings", "set", "NotifyBefore", "121"}, 2},
        {{"settings", "set", "Language", "klingon"}, 2},
        {{"settings", "set", "Language", "ar_SA.UTF-8"}, 2},
        {{"settings", "set", "NoSuchName", "1"}, 2},
        {{"settings", "set", "KQMethod", "World Islamic League"}, 2},
        {{"settings", "set", "CityName", "Atlantis"}, 2},
        {{"settings", "set", "CityName", "sydney"}, 0},
        {{"settings", "set", "asrmethod", "hanafi"}, 0},
        {{"settings", "set", "rounding", "NEAREST"}, 0},
        {{"settings", "set", "Method", "turkey"}, 0},
        {{"settings", "set", "Adjust", "+1,0,0,0,0,-2"}, 0},
        {{"settings", "set", "highlatitude", "oneseventh"}, 0},
        {{"settings", "set", "PolarDays", "nearestlatitude"}, 0},
        {{"settings", "set", "HijriCalendar", "ummalqura"}, 0},
        {{"settings", "set", "HijriAdjust", "-1"}, 0},
        {{"settings", "set", "Clock", "24"}, 0},
        {{"settings", "set", "notifybefore", "15"}, 0},
        {{"settings", "set", "language", "TR"}, 0},
    };
    for (const Case& c : cases)
    {
        const RunResult r = Run(c.args);
        EXPECT_EQ(r.status, c.status) << c.args[2] << " " << c.args[3] << ": " << r.err;
        if (c.status != 0)
        {
            EXPECT_EQ(r.out, "");
            EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
        }
    }
    auto settings = Settings();
    EXPECT_EQ(settings.size(), 26u);
    EXPECT_EQ(settings["CityName"], "Sydney");
    // Stored in the spelling the readers compare exactly.
    EXPECT_EQ(settings["AsrMethod"], "Hanafi");
    EXPECT_EQ(settings["Rounding"], "Nearest");
    EXPECT_EQ(settings["Method"], "Turkey");
    EXPECT_EQ(settings["Adjust"], "1,0,0,0,0,-2");
    EXPECT_EQ(settings["HighLatitude"], "OneSeventh");
    EXPECT_EQ(settings["PolarDays"], "NearestLatitude");
    EXPECT_EQ(settings["HijriCalendar"], "UmmAlQura");
    EXPECT_EQ(settings["HijriAdjust"], "-1");
    EXPECT_EQ(settings["Clock"], "24");
    EXPECT_EQ(settings["NotifyBefore"], "15");
    EXPECT_EQ(settings["Language"], "tr");
    EXPECT_EQ(settings["Reminder"], "1");
    EXPECT_EQ(nlohmann::json::parse(Run({"times", "--json"}).out)["longitudeHundredths"], 15121);
}

TEST_F(TavorinStore, ConventionsAddSelectAndMarkTheSelectedOne)
{
    EXPECT_EQ(Run({"conventions", "add", "Mine", "19.35", "9"}).status, 0);
    for (const auto& bad :
         std::vector<std::vector<std::string>>{{"conventions", "add", "Bad", "abc", "15"},
                                               {"conventions", "add", "Bad", "15", ""},
                                               {"conventions", "add", "Bad", "95", "15"},
                                               {"conventions", "select", "No Such Method"}})
    {
        const RunResult r = Run(bad);
        EXPECT_EQ(r.status, 2) << bad[1] << " " << bad[2] << ": " << r.err;
    }
    ASSERT_EQ(Run({"conventions", "select", "mine"}).status, 0);
    const auto list = nlohmann::json::parse(Run({"conventions", "--json"}).out);
    ASSERT_EQ(list.size(), 6u);
    int selected = 0;
    for (const auto& convention : list)
    {
        EXPECT_NE(convention["name"], "Bad");
        if (convention["selected"].get<bool>())
        {
            ++selected;
            EXPECT_EQ(convention["name"], "Mine");
            EXPECT_EQ(convention["fajr"], "193");
            EXPECT_EQ(convention["isha"], "90");
        }
    }
    EXPECT_EQ(selected, 1);
    auto settings = Settings();
    EXPECT_EQ(settings["KQMethod"], "Mine");
    EXPECT_EQ(settings["FajrAngle"], "193");
    EXPECT_EQ(settings["IshaAngle"], "90");
    EXPECT_NE(Run({"conventions"}).out.find("* Mine  (Fajr 19.3, Isha 9.0)"), std::string::npos);
}

TEST_F(TavorinStore, AMethodNamedLikeABuiltInIsListedWithItsOwnAngles)
{
    // The command refuses a look-alike of a stored name now; an older
    // version (or the dialog before it checked) could store one.
    ASSERT_EQ(Run({"conventions"}).status, 0);
    EXPECT_EQ(Run({"conventions", "add", "islamic society of north america", "12", "11"}).status,
              2);
    {
        ASSERT_TRUE(OpenDatabase(home_ / "halvo-tavorin" / "halvo-tavorin.db").ok);
        ASSERT_TRUE(AddConvention("islamic society of north america", "120", "110"));
        CloseDatabase();
    }
    const auto list = nlohmann::json::parse(Run({"conventions", "--json"}).out);
    std::vector<std::string> angles;
    for (const auto& convention : list)
    {
        if (convention["name"].get<std::string>().find("orth") != std::string::npos)
        {
            angles.push_back(convention["fajr"].get<std::string>() + "/" +
                             convention["isha"].get<std::string>());
        }
    }
    std::sort(angles.begin(), angles.end());
    EXPECT_EQ(angles, (std::vector<std::string>{"120/110", "150/150"}));
}

TEST_F(TavorinStore, StoredMethodAndRoundingGiveTheTypedOptionsTimes)
{
    auto times = [&](const std::vector<std::string>& extra)
    {
        std::vector<std::string> args = {"times", "--date", "2026-07-01", "--json"};
        args.insert(args.end(), extra.begin(), extra.end());
        const RunResult r = Run(args);
        EXPECT_EQ(r.status, 0) << r.err;
        return nlohmann::json::parse(r.out);
    };
    const auto plain = times({});
    EXPECT_EQ(plain["options"]["method"], nullptr);
    EXPECT_EQ(plain["options"]["rounding"], "Truncate");
    const auto typed = times({"--method", "Turkey", "--round"});
    const std::vector<std::string> day = {"day",
                                          "--lon",
                                          std::to_string(plain["longitude"].get<double>()),
                                          "--lat",
                                          std::to_string(plain["latitude"].get<double>()),
                                          "--tz",
                                          std::to_string(plain["utcOffset"].get<double>()),
                                          "--date",
                                          "2026-07-01",
                                          "--json"};
    std::vector<std::string> typedDay = day;
    typedDay.insert(typedDay.end(), {"--method", "Turkey", "--round"});
    const auto atCoordinates = nlohmann::json::parse(Run(typedDay).out);

    ASSERT_EQ(Run({"settings", "set", "Method", "Turkey"}).status, 0);
    ASSERT_EQ(Run({"settings", "set", "Rounding", "Nearest"}).status, 0);
    const auto stored = times({});
    EXPECT_EQ(stored["options"]["method"], "Turkey");
    EXPECT_EQ(stored["options"]["rounding"], "Nearest");
    EXPECT_EQ(stored["times"], typed["times"]);
    EXPECT_EQ(stored["times"], atCoordinates["times"]);
    EXPECT_NE(stored["times"], plain["times"]);
    // Typed angles replace the stored method for one command.
    std::vector<std::string> ownAngles = day;
    ownAngles.insert(ownAngles.end(), {"--fajr", "15", "--isha", "15"});
    EXPECT_EQ(nlohmann::json::parse(Run(ownAngles).out)["options"]["method"], nullptr);

    // The 24-hour clock and the Hijri adjustment reach the text output.
    ASSERT_EQ(Run({"settings", "set", "Clock", "24"}).status, 0);
    ASSERT_EQ(Run({"settings", "set", "HijriAdjust", "1"}).status, 0);
    const RunResult text = Run({"times", "--date", "2026-07-01"});
    EXPECT_EQ(text.out.find(" AM"), std::string::npos) << text.out;
    EXPECT_EQ(nlohmann::json::parse(Run({"hijri", "2026-07-01", "--json"}).out)["text"],
              nlohmann::json::parse(
                  Run({"hijri", "2026-07-02", "--hijri-adjust", "0", "--json"}).out)["text"]);
}

TEST_F(TavorinStore, SelectingAPresetSetsMethodAndAConventionEmptiesIt)
{
    ASSERT_EQ(Run({"conventions", "select", "isna"}).status, 0);
    auto methods = nlohmann::json::parse(Run({"methods", "--json"}).out);
    int inForce = 0;
    for (const auto& method : methods)
    {
        if (method["inForce"].get<bool>())
        {
            ++inForce;
            EXPECT_EQ(method["method"], "ISNA");
        }
        if (method["method"] == "UmmAlQura")
        {
            EXPECT_EQ(method["seedConvention"]["fajrAngle"], 19.0);
            EXPECT_EQ(method["fajrAngle"], 18.5);
        }
    }
    EXPECT_EQ(inForce, 1);
    EXPECT_NE(Run({"conventions"}).out.find("Method ISNA is in force"), std::string::npos);
    const std::string listed = Run({"methods"}).out;
    EXPECT_NE(listed.find("* ISNA"), std::string::npos) << listed;
    EXPECT_NE(listed.find("\"Um Ul-Qura, Makkah\" has Fajr 19.0"), std::string::npos) << listed;

    ASSERT_EQ(Run({"conventions", "select", "Egyptian"}).status, 0);
    EXPECT_EQ(nlohmann::json::parse(Run({"times", "--json"}).out)["options"]["method"], nullptr);
    EXPECT_EQ(Run({"methods"}).out.find("* "), std::string::npos);
    EXPECT_EQ(Run({"conventions"}).out.find("in force"), std::string::npos);
}

} // namespace
} // namespace halvo
