// `tavorin feasts` and `tavorin reminder`.
#include "tests/cli/data_folder.h"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

namespace halvo::test
{
namespace
{

TEST(TavorinFeasts, TheNineFeastsOf1425WithTheirGregorianDates)
{
    const RunResult r = RunTavorin({"feasts", "--year", "1425"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "Feasts of 1425 A.H.\n"
                     "Islamic New Year  22 February, 2004\n"
                     "Ashura            2 March, 2004\n"
                     "Mawlid al-Nabiy   2 May, 2004\n"
                     "Mi\u2019Raj al-Nabiy   12 September, 2004\n"
                     "First of Ramadan  15 October, 2004\n"
                     "Lailat Al Qadr    10 November, 2004\n"
                     "Eid Al Fitr       14 November, 2004\n"
                     "Arafat            20 January, 2005\n"
                     "Eid Al Adha       21 January, 2005\n");

    const RunResult json = RunTavorin({"feasts", "--year", "1425", "--json"});
    ASSERT_EQ(json.status, 0) << json.err;
    const auto feasts = nlohmann::json::parse(json.out);
    EXPECT_EQ(feasts["hijriYear"], 1425);
    ASSERT_EQ(feasts["feasts"].size(), 9u);
    const char* dates[] = {"2004-02-22", "2004-03-02", "2004-05-02", "2004-09-12", "2004-10-15",
                           "2004-11-10", "2004-11-14", "2005-01-20", "2005-01-21"};
    for (std::size_t i = 0; i < 9; ++i)
    {
        EXPECT_EQ(feasts["feasts"][i]["date"], dates[i]) << i;
    }
    EXPECT_EQ(feasts["feasts"][1]["description"], "The martyrdom of Husayn ");
    EXPECT_EQ(feasts["feasts"][8]["hijriMonth"], 12);
    EXPECT_EQ(feasts["feasts"][8]["hijriDay"], 10);

    // Without --year, the Hijri year of today.
    const auto today = nlohmann::json::parse(RunTavorin({"hijri", "--json"}).out);
    const auto current = nlohmann::json::parse(RunTavorin({"feasts", "--json"}).out);
    EXPECT_EQ(current["hijriYear"], today["year"]);
    for (const char* year : {"0", "10000", "abc", ""})
    {
        EXPECT_EQ(RunTavorin({"feasts", "--year", year}).status, 2) << year;
    }
}

TEST(TavorinReminder, OnOffAndDaysRoundTripThroughTheRegistry)
{
    DataFolder folder("reminder", kSmallShippedData);
    struct Step
    {
        std::vector<std::string> args;
        int status;
        const char* out;
    };
    const Step steps[] = {
        // A first start sets both numbers to 0.
        {{"reminder"}, 0, "Feast reminder: off, Same Day\n"},
        {{"reminder", "on", "--days", "1"}, 0, "Feast reminder: on, 1 Day Before\n"},
        {{"reminder"}, 0, "Feast reminder: on, 1 Day Before\n"},
        {{"reminder", "off"}, 0, "Feast reminder: off, 1 Day Before\n"},
        {{"reminder", "--days", "3"}, 0, "Feast reminder: off, 3 Days Before\n"},
        {{"reminder", "on", "--days", "4"}, 2, ""},
        {{"reminder", "maybe"}, 2, ""},
        {{"reminder", "--days", "-1"}, 2, ""},
        {{"reminder", "on"}, 0, "Feast reminder: on, 3 Days Before\n"},
    };
    for (const Step& step : steps)
    {
        const RunResult r = folder.Run(step.args);
        EXPECT_EQ(r.status, step.status) << Joined(step.args) << ": " << r.err;
        EXPECT_EQ(r.out, step.out) << Joined(step.args);
    }
    const auto json = nlohmann::json::parse(folder.Run({"reminder", "--json"}).out);
    EXPECT_EQ(json["on"], true);
    EXPECT_EQ(json["days"], 3);
}

} // namespace
} // namespace halvo::test
