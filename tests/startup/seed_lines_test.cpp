// Cutting seed lines into records, and reading seed files safely.
#include "platform/text/utf8.h"
#include "startup/seed_lines.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace halvo
{
namespace
{

TEST(CityLine, FieldsEndAtTheirSeparatorsAndTheNameMayHoldCommas)
{
    const CityLine line = ParseCityLine("Seattle, WA[USA]-350,625,4,x,y,z");
    ASSERT_EQ(line.kind, SeedLineKind::kRecord);
    EXPECT_EQ(line.city.name, "Seattle, WA");
    EXPECT_EQ(line.city.country, "USA");
    EXPECT_EQ(line.city.longitude, "-350");
    EXPECT_EQ(line.city.latitude, "625");
    EXPECT_EQ(line.city.zoneId, 4);
    EXPECT_EQ(line.city.population, "x");
    EXPECT_EQ(line.city.featureCode, "y");
    EXPECT_EQ(line.city.ianaZone, "z");

    // No trimming, and commas past the seventh stay in the last field.
    const CityLine extra = ParseCityLine(" Ab [ C ] 1, 2,7x,a,b,c,d");
    ASSERT_EQ(extra.kind, SeedLineKind::kRecord);
    EXPECT_EQ(extra.city.name, " Ab ");
    EXPECT_EQ(extra.city.country, " C ");
    EXPECT_EQ(extra.city.latitude, " 2");
    EXPECT_EQ(extra.city.zoneId, 7);
    EXPECT_EQ(extra.city.ianaZone, "c,d");
}

TEST(CityLine, MissingLaterSeparatorSkipsTheLineButMissingBracketEndsTheList)
{
    struct Case
    {
        const char* text;
        SeedLineKind kind;
    };
    const Case cases[] = {
        {"", SeedLineKind::kEnd},
        {"no bracket at all,1,2", SeedLineKind::kEnd},
        {"Town[Country-350,625,4,x,y,z", SeedLineKind::kSkip},
        {"Town[Country]-350,625,4,x,y", SeedLineKind::kSkip},
        {"Town[Country]-350", SeedLineKind::kSkip},
        {"Town[Country]", SeedLineKind::kSkip},
        {"Town[Country]-350,625,4,x,y,", SeedLineKind::kRecord},
    };
    for (const Case& c : cases)
    {
        const CityLine line = ParseCityLine(c.text);
        EXPECT_EQ(line.kind, c.kind) << c.text;
        EXPECT_EQ(line.problem.empty(), c.kind != SeedLineKind::kSkip) << c.text;
    }
}

TEST(ZoneLine, RulesComeInFileOrderAndSixteenBitFieldsKeepTheLowBits)
{
    const ZoneLine line =
        ParseZoneLine("4,Pacific Standard Time,Pacific Daylight Time,480,2,0,3,1,6,11");
    ASSERT_EQ(line.kind, SeedLineKind::kRecord);
    EXPECT_EQ(line.zone.id, 4);
    EXPECT_EQ(line.zone.standardName, "Pacific Standard Time");
    EXPECT_EQ(line.zone.daylightName, "Pacific Daylight Time");
    EXPECT_EQ(line.zone.bias, "480");
    EXPECT_EQ(line.zone.start.occurrence, 2);
    EXPECT_EQ(line.zone.start.dayOfWeek, 0);
    EXPECT_EQ(line.zone.start.month, 3);
    EXPECT_EQ(line.zone.end.occurrence, 1);
    EXPECT_EQ(line.zone.end.dayOfWeek, 6);
    EXPECT_EQ(line.zone.end.month, 11);

    const ZoneLine wide = ParseZoneLine("7,S,D,-330,65537,70000,-1,0,0,0");
    ASSERT_EQ(wide.kind, SeedLineKind::kRecord);
    EXPECT_EQ(wide.zone.start.occurrence, 1);
    EXPECT_EQ(wide.zone.start.dayOfWeek, 70000 - 65536);
    EXPECT_EQ(wide.zone.start.month, 65535);

    EXPECT_EQ(ParseZoneLine("").kind, SeedLineKind::kEnd);
    EXPECT_EQ(ParseZoneLine("no commas here").kind, SeedLineKind::kEnd);
    const ZoneLine short_ = ParseZoneLine("4,Pacific Standard Time,Pacific Daylight Time,480");
    EXPECT_EQ(short_.kind, SeedLineKind::kSkip);
    EXPECT_FALSE(short_.problem.empty());
}

TEST(Utf8, MalformedSequencesAreRefusedAndLengthCountsUtf16Units)
{
    struct Case
    {
        const char* text;
        bool valid;
    };
    const Case cases[] = {
        {"Z\xC3\xBCrich", true},     // Zürich
        {"\xF0\x9D\x84\x9E", true},  // U+1D11E, four bytes
        {"\xC3\x28", false},         // bad continuation
        {"\xC0\xAF", false},         // overlong '/'
        {"\xED\xA0\x80", false},     // a surrogate
        {"\xE2\x82", false},         // cut short
        {"\xF4\x90\x80\x80", false}, // past U+10FFFF
        {"\xFF", false},
    };
    for (const Case& c : cases)
    {
        EXPECT_EQ(IsValidUtf8(c.text), c.valid) << c.text;
    }
    EXPECT_EQ(Utf16Length("Z\xC3\xBCrich"), 6u);
    EXPECT_EQ(Utf16Length("a\xF0\x9D\x84\x9E"), 3u);
}

TEST(SeedFileReader, DropsCarriageReturnAndMarkFlagsBadLinesWithTheirNumbers)
{
    const auto file = std::filesystem::temp_directory_path() /
                      ("seed_reader_" +
                       std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + ".txt");
    {
        std::ofstream out(file, std::ios::binary);
        out << "\xEF\xBB\xBF"
               "first\r\n";
        out << "bad \xC3\x28 bytes\n";
        out << std::string(1023, 'a') << "\n";
        out << std::string(1024, 'b') << "\n";
        // 1023 characters of two bytes each are still one stored text.
        for (int i = 0; i < 1023; ++i)
        {
            out << "\xC3\xBC";
        }
        out << "\n";
        out << "last without line feed";
    }
    SeedFileReader reader(file);
    ASSERT_TRUE(reader.IsOpen());
    struct Expected
    {
        int number;
        bool usable;
    };
    const Expected expected[] = {{1, true},  {2, false}, {3, true},
                                 {4, false}, {5, true},  {6, true}};
    std::string firstText;
    std::string lastText;
    for (const Expected& e : expected)
    {
        const auto line = reader.Next();
        ASSERT_TRUE(line.has_value()) << e.number;
        EXPECT_EQ(line->number, e.number);
        EXPECT_EQ(line->problem.empty(), e.usable) << "line " << e.number << ": " << line->problem;
        if (e.number == 1)
        {
            firstText = line->text;
        }
        lastText = line->text;
    }
    EXPECT_EQ(firstText, "first");
    EXPECT_EQ(lastText, "last without line feed");
    EXPECT_FALSE(reader.Next().has_value());
    std::filesystem::remove(file);
}

} // namespace
} // namespace halvo
