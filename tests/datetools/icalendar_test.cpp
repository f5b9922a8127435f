#include "datetools/icalendar.h"

#include "platform/text/utf8.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace halvo
{
namespace
{

// The physical lines of folded text, each checked to end in CRLF.
std::vector<std::string> PhysicalLines(const std::string& folded)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < folded.size())
    {
        const std::size_t end = folded.find("\r\n", start);
        EXPECT_NE(end, std::string::npos) << "no CRLF at the end";
        if (end == std::string::npos)
            break;
        lines.push_back(folded.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

// Lines of ASCII, two-, three- and four-byte characters, at lengths around
// the limit: no line is longer than 75 octets, none starts or ends inside a
// character, and unfolding gives the line back.
TEST(ICalendar, FoldingKeeps75OctetsAndWholeCharacters)
{
    const std::vector<std::string> pieces = {"a", "\u00E9", "\u0645", "\u20AC", "\U0001F319"};
    for (const std::string& piece : pieces)
    {
        for (std::size_t count : {1u, 37u, 74u, 75u, 76u, 150u, 400u})
        {
            std::string line = "SUMMARY:";
            for (std::size_t i = 0; i < count; ++i)
                line += piece;
            const std::string folded = IcsFoldedLine(line);
            const std::vector<std::string> lines = PhysicalLines(folded);
            ASSERT_FALSE(lines.empty());
            std::string unfolded = lines[0];
            for (std::size_t i = 0; i < lines.size(); ++i)
            {
                EXPECT_LE(lines[i].size(), 75u) << piece << " x" << count << " line " << i;
                const std::string content = i == 0 ? lines[i] : lines[i].substr(1);
                EXPECT_TRUE(IsValidUtf8(content)) << piece << " x" << count << " line " << i;
                if (i > 0)
                {
                    EXPECT_EQ(lines[i][0], ' ');
                    unfolded += content;
                }
            }
            EXPECT_EQ(unfolded, line) << piece << " x" << count;
            // Only lines that had to be cut are.
            EXPECT_EQ(lines.size() == 1, line.size() <= 75u) << piece << " x" << count;
        }
    }
}

TEST(ICalendar, TextValuesEscapeTheirSpecialCharactersAndStayUtf8)
{
    struct Case
    {
        std::string text;
        std::string escaped;
    };
    const std::vector<Case> cases = {
        {"Seattle, WA (USA)", "Seattle\\, WA (USA)"},
        {"a;b\\c", "a\\;b\\\\c"},
        {"two\nlines", "two\\nlines"},
        {"two\r\nlines", "two\\nlines"},
        {"\\n is not a newline", "\\\\n is not a newline"},
        {"S\u00E3o Paulo: \u0645\u0643\u0629", "S\u00E3o Paulo: \u0645\u0643\u0629"},
        // Bytes that are not UTF-8 and control characters cannot be written.
        {"Taco\xff W\xc3\x28", "Taco\uFFFD W\uFFFD("},
        {"tab\there\x1b", "tab\uFFFDhere\uFFFD"},
        {"cut \xe2\x82", "cut \uFFFD\uFFFD"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IcsEscapedText(c.text), c.escaped) << c.text;
}

// Offsets west and east, half and three-quarter hours, and shifts across a
// day, a month and a year end.
TEST(ICalendar, UtcFromLocalSubtractsTheOffsetAcrossDateEnds)
{
    struct Case
    {
        int year, month, day, minuteOfDay;
        double offset;
        const char* utc;
    };
    for (const Case& c : {
             Case{2026, 3, 7, 5 * 60 + 30, -5, "20260307T103000Z"},
             Case{2026, 3, 9, 5 * 60 + 30, -4, "20260309T093000Z"},
             Case{2024, 12, 31, 20 * 60 + 1, -8, "20250101T040100Z"},
             Case{2024, 3, 1, 4 * 60 + 10, 5.5, "20240229T224000Z"},
             Case{2023, 1, 1, 3 * 60, 5.75, "20221231T211500Z"},
             Case{2026, 6, 30, 23 * 60 + 59, 0, "20260630T235900Z"},
             Case{2026, 1, 1, 0, 14, "20251231T100000Z"},
         })
    {
        EXPECT_EQ(IcsUtcText(UtcFromLocal(c.year, c.month, c.day, c.minuteOfDay, c.offset)), c.utc)
            << c.year << "-" << c.month << "-" << c.day << " " << c.minuteOfDay << " " << c.offset;
    }
}

TEST(ICalendar, EventCarriesWhatACalendarNeeds)
{
    IcsEvent event;
    event.uid = "20260307-fajr-" + IcsPlaceKey("New York, NY\nUSA") + "@tavorin.halvo";
    event.summary = "Fajr";
    event.start = {2026, 3, 7, 10, 30, 0};
    event.minutes = 15;
    const std::string text = IcsEventText(event, {2026, 12, 7, 20, 30, 5});
    EXPECT_EQ(text, "BEGIN:VEVENT\r\n"
                    "UID:" +
                        event.uid +
                        "\r\n"
                        "DTSTAMP:20261207T203005Z\r\n"
                        "DTSTART:20260307T103000Z\r\n"
                        "DURATION:PT15M\r\n"
                        "SUMMARY:Fajr\r\n"
                        "TRANSP:TRANSPARENT\r\n"
                        "END:VEVENT\r\n");
    // The key is the same on every run and differs between places.
    EXPECT_EQ(IcsPlaceKey("New York, NY\nUSA"), IcsPlaceKey("New York, NY\nUSA"));
    EXPECT_NE(IcsPlaceKey("New York, NY\nUSA"), IcsPlaceKey("New York, NY\nUSB"));
    EXPECT_EQ(IcsPlaceKey("").size(), 16u);
}

} // namespace
} // namespace halvo
