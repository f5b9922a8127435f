// What tavorin refuses and how it says so: names and numbers that must not
// reach the stores, unknown commands, stored bytes that are not UTF-8, and
// output that could not be written.
#include "tests/cli/data_folder.h"

#include "conventions/twilight_conventions.h"
#include "platform/store/record_store.h"
#include "settings/settings.h"

#include <nlohmann/json.hpp>
#include <sqlite3.h>

#include <gtest/gtest.h>

#include <algorithm>

namespace halvo::test
{
namespace
{

// One line on stderr, with no control character in it but the newline.
void ExpectOneCleanLine(const RunResult& r, const std::string& context)
{
    ASSERT_FALSE(r.err.empty()) << context;
    EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << context << "\n" << r.err;
    const bool clean = std::none_of(r.err.begin(), r.err.end() - 1,
                                    [](char c)
                                    {
                                        const auto byte = static_cast<unsigned char>(c);
                                        return byte < 0x20 || byte == 0x7F;
                                    });
    EXPECT_TRUE(clean) << context << "\n" << r.err;
    EXPECT_EQ(r.err.rfind("tavorin: ", 0), 0u) << context << "\n" << r.err;
}

TEST(TavorinRefusals, NamesAndNumbersThatMustNotReachTheStores)
{
    DataFolder folder("refusals", kSmallShippedData);
    const std::string longName(1024, 'a');
    std::string accented;
    for (int i = 0; i < 600; ++i)
    {
        accented += "\u00E9"; // two bytes, one UTF-16 unit
    }
    struct Case
    {
        std::vector<std::string> args;
        const char* echoed; // in the message, escaped; nullptr when not checked
    };
    const Case refused[] = {
        {{"conventions", "add", "bad\xff", "15", "15"}, "\"bad\\xFF\""},
        {{"conventions", "add", "bad\nname", "15", "15"}, "\"bad\\nname\""},
        {{"conventions", "add", "bad\x1b[31m", "15", "15"}, "\"bad\\x1B[31m\""},
        {{"conventions", "add", "bad\xc2\x85", "15", "15"}, "\"bad\\u0085\""},
        {{"conventions", "add", longName, "15", "15"}, nullptr},
        {{"conventions", "add", "", "15", "15"}, nullptr},
        {{"conventions", "add", "Mine", "15abc", "15"}, "\"15abc\""},
        {{"conventions", "add", "Mine", "15 16", "15"}, "\"15 16\""},
        {{"conventions", "add", "Mine", "15", "15,5"}, "\"15,5\""},
        {{"conventions", "add", "Mine", "1e1x", "15"}, "\"1e1x\""},
        {{"conventions", "add", "Mine", "0.05", "15"}, "\"0.05\" must be at least 0.1"},
        {{"conventions", "add", " world islamic LEAGUE", "15", "15"}, "already"},
        {{"conventions", "select", "bad\xfe"}, "\"bad\\xFE\""},
        {{"settings", "set", "Alarm", "Alarm1\n"}, "\"Alarm1\\n\""},
        {{"settings", "set", "CityName", "Sydney\t"}, "\"Sydney\\t\""},
        {{"settings", "set", "Bg\r", "5"}, "\"Bg\\r\""},
        {{"settings", "set", "CityName", longName}, nullptr},
        {{"times", "--city", "Sea\x01ttle"}, "\"Sea\\x01ttle\""},
        {{"times", "--city", ""}, nullptr},
        {{"times", "--date", ""}, "\"\""},
        {{"table", "--city", ""}, nullptr},
        {{"qibla", "--city", ""}, nullptr},
        {{"cities", "--search", ""}, nullptr},
        {{"cities", "--country", "\xff"}, "\"\\xFF\""},
        {{"day", "--lon", "+-5", "--lat", "0", "--tz", "0"}, "\"+-5\""},
        {{"day", "--lon", "5", "--lat", "+-5", "--tz", "0"}, "\"+-5\""},
        {{"day", "--lon", "5", "--lat", "0", "--tz", "0", "--date", ""}, "\"\""},
        {{"day", "--lon", "5", "--lat", "0", "--tz", "0", "--fajr", "15abc"}, "\"15abc\""},
        {{"qibla", "--lon", "+-5", "--lat", "0"}, "\"+-5\""},
        {{"qibla", "--lon", "7,5", "--lat", "0"}, "\"7,5\""},
        {{"qibla", "--lon", "7", "--lat", "45\u00B030'"}, "\"45\u00B030'\""},
        {{"day", "--lon", "1e2", "--lat", "0", "--tz", "0"}, "\"1e2\""},
        {{"day", "--lon", "5", "--lat", "4.5.6", "--tz", "0"}, "\"4.5.6\""},
        {{"hijri", "2000-01-01\x7f"}, "\"2000-01-01\\x7F\""},
        {{"tims\x1b"}, "\"tims\\x1B\""},
    };
    for (const Case& c : refused)
    {
        const std::string context = Joined(c.args);
        const RunResult r = folder.Run(c.args);
        EXPECT_EQ(r.status, 2) << context;
        EXPECT_EQ(r.out, "") << context;
        ExpectOneCleanLine(r, context);
        if (c.echoed != nullptr)
        {
            EXPECT_NE(r.err.find(c.echoed), std::string::npos) << context << "\n" << r.err;
        }
    }
    // Nothing of it was stored; a long name of accented letters is within
    // the limit, which counts UTF-16 units, not bytes.
    EXPECT_EQ(folder.Run({"conventions", "add", accented, "15", "15"}).status, 0);
    // The dialog's rules: blanks around a number and a leading "+" are fine,
    // and the name is stored trimmed.
    EXPECT_EQ(folder.Run({"conventions", "add", " Mine ", " 15", "+15"}).status, 0);
    const auto list = nlohmann::json::parse(folder.Run({"conventions", "--json"}).out);
    ASSERT_EQ(list.size(), 7u);
    const auto mine = std::find_if(list.begin(), list.end(),
                                   [](const auto& entry) { return entry["name"] == "Mine"; });
    ASSERT_NE(mine, list.end());
    EXPECT_EQ((*mine)["fajr"], "150");
    EXPECT_EQ((*mine)["isha"], "150");
    EXPECT_EQ(std::count_if(list.begin(), list.end(),
                            [&](const auto& entry) { return entry["name"] == accented; }),
              1);
}

TEST(TavorinRefusals, UnknownCommandsAreNamedWithTheClosestOne)
{
    struct Case
    {
        std::vector<std::string> args;
        const char* err;
    };
    const Case cases[] = {
        {{"tims"}, "tavorin: unknown command \"tims\"; did you mean \"times\"?\n"},
        {{"cites", "--json"}, "tavorin: unknown command \"cites\"; did you mean \"cities\"?\n"},
        {{"feast"}, "tavorin: unknown command \"feast\"; did you mean \"feasts\"?\n"},
        {{"conv"}, "tavorin: unknown command \"conv\"; did you mean \"conventions\"?\n"},
    };
    for (const Case& c : cases)
    {
        const RunResult r = RunTavorin(c.args);
        EXPECT_EQ(r.status, 2) << c.args[0];
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, c.err);
    }
    const RunResult far = RunTavorin({"xyzzy"});
    EXPECT_EQ(far.status, 2);
    EXPECT_EQ(far.err.rfind("tavorin: unknown command \"xyzzy\"; the commands are ", 0), 0u)
        << far.err;
    const RunResult version = RunTavorin({"--version"});
    EXPECT_EQ(version.status, 0) << version.err;
    EXPECT_EQ(version.out.rfind("tavorin ", 0), 0u) << version.out;
    EXPECT_EQ(std::count(version.out.begin(), version.out.end(), '\n'), 1);
}

TEST(TavorinOutput, AWriteThatFailsIsStatusOneWithAMessage)
{
    DataFolder folder("dev_full", kSmallShippedData);
    ASSERT_EQ(folder.Run({"times"}).status, 0); // seeded
    const std::vector<std::vector<std::string>> commands = {
        {"cities"},
        {"cities", "--json"},
        {"hijri", "2000-01-01"},
        {"times", "--date", "2026-01-01"},
        {"times", "--json"},
        {"zones", "--json"},
        {"table", "--month", "2026-01"},
        {"table", "--lon", "0", "--lat", "51", "--tz", "0", "--from", "2000-01-01", "--to",
         "2009-12-31"},
        {"settings"},
        {"conventions"},
        {"feasts"},
        {"reminder"},
        {"methods"},
        {"moon", "2004-01-07T15:40:00"},
        {"qibla"},
        {"--help"},
    };
    for (const auto& args : commands)
    {
        const RunResult r = folder.RunInto("/dev/full", args);
        EXPECT_EQ(r.status, 1) << Joined(args);
        EXPECT_EQ(r.err.rfind("tavorin: could not write the output", 0), 0u) << Joined(args) << "\n"
                                                                             << r.err;
    }
}

// Overwrites stored text in place, byte for byte, as an older version that
// took any bytes could have left it.
void ReplaceStoredBytes(const std::filesystem::path& database, const std::string& from,
                        const std::string& to)
{
    ASSERT_EQ(from.size(), to.size());
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(database.c_str(), &db), SQLITE_OK);
    sqlite3_stmt* select = nullptr;
    ASSERT_EQ(sqlite3_prepare_v2(db, "SELECT id, body FROM records", -1, &select, nullptr),
              SQLITE_OK);
    std::vector<std::pair<sqlite3_int64, std::string>> changed;
    while (sqlite3_step(select) == SQLITE_ROW)
    {
        const auto* bytes = static_cast<const char*>(sqlite3_column_blob(select, 1));
        std::string body(bytes, static_cast<std::size_t>(sqlite3_column_bytes(select, 1)));
        const std::size_t at = body.find(from);
        if (at != std::string::npos)
        {
            body.replace(at, from.size(), to);
            changed.emplace_back(sqlite3_column_int64(select, 0), body);
        }
    }
    sqlite3_finalize(select);
    ASSERT_FALSE(changed.empty()) << from;
    for (const auto& [id, body] : changed)
    {
        sqlite3_stmt* update = nullptr;
        ASSERT_EQ(sqlite3_prepare_v2(db, "UPDATE records SET body = ? WHERE id = ?", -1, &update,
                                     nullptr),
                  SQLITE_OK);
        sqlite3_bind_blob(update, 1, body.data(), static_cast<int>(body.size()), SQLITE_TRANSIENT);
        sqlite3_bind_int64(update, 2, id);
        EXPECT_EQ(sqlite3_step(update), SQLITE_DONE);
        sqlite3_finalize(update);
    }
    sqlite3_close(db);
}

bool IsUtf8(const std::string& text)
{
    try
    {
        (void)nlohmann::json(text).dump();
        return true;
    }
    catch (const nlohmann::json::exception&)
    {
        return false;
    }
}

TEST(TavorinOutput, JsonSurvivesStoredBytesThatAreNotUtf8)
{
    DataFolder folder("bad_bytes", kSmallShippedData);
    ASSERT_EQ(folder.Run({"conventions"}).status, 0); // seeded, with the built-in conventions
    ReplaceStoredBytes(folder.Database(), "World Islamic League", "World Islamic Leag\xff\xfe");
    ReplaceStoredBytes(folder.Database(), "HalvoAdhan", "HalvoAdh\xc3\x28");
    ReplaceStoredBytes(folder.Database(), "Tacoma, WA", "Tacoma, W\x80");
    for (const auto& args :
         std::vector<std::vector<std::string>>{{"conventions", "--json"},
                                               {"settings", "--json"},
                                               {"cities", "--json"},
                                               {"cities", "--search", "taco", "--json"},
                                               {"conventions"},
                                               {"settings"}})
    {
        const RunResult r = folder.Run(args);
        EXPECT_EQ(r.status, 0) << Joined(args) << ": " << r.err;
        if (args.back() == "--json")
        {
            EXPECT_TRUE(IsUtf8(r.out)) << Joined(args);
            EXPECT_TRUE(nlohmann::json::accept(r.out)) << Joined(args);
            EXPECT_EQ(r.out.find("\xff"), std::string::npos) << Joined(args);
        }
    }
}

// Stored names and values with a newline or an escape sequence (an older
// version stored any text) come out escaped in text output too, as JSON
// escapes them: they can neither split a line nor drive the terminal.
TEST(TavorinOutput, TextOutputEscapesControlCharactersOfStoredTexts)
{
    DataFolder folder("control_texts", kSmallShippedData);
    ASSERT_EQ(folder.Run({"conventions", "select", "World Islamic League"}).status, 0);
    const std::size_t cityCount =
        nlohmann::json::parse(folder.Run({"cities", "--json"}).out).size();
    ReplaceStoredBytes(folder.Database(), "Tacoma, WA", "Tac\n\x1b[31mX");
    ReplaceStoredBytes(folder.Database(), "India Standard Time", "India\n\x1b[2JStandard ");
    ReplaceStoredBytes(folder.Database(), "World Islamic League", "World\nIslamic\x1b[31mLe");
    ReplaceStoredBytes(folder.Database(), "HalvoAdhan", "Halvo\nAdha");
    struct Case
    {
        std::vector<std::string> args;
        const char* escaped;
    };
    for (const Case& c :
         {Case{{"cities"}, "Tac\\n\\x1B[31mX (USA)"},
          Case{{"cities", "--search", "tac"}, "Tac\\n\\x1B[31mX"},
          Case{{"zones"}, "India\\n\\x1B[2JStandard "}, Case{{"settings"}, "Halvo\\nAdha"},
          Case{{"conventions"}, "World\\nIslamic\\x1B[31mLe"},
          Case{{"times"}, "World\\nIslamic\\x1B[31mLe"},
          Case{{"qibla", "--city", "Tac"}, "Tac\\n\\x1B[31mX (USA)"}})
    {
        const RunResult r = folder.Run(c.args);
        EXPECT_EQ(r.status, 0) << Joined(c.args) << ": " << r.err;
        EXPECT_NE(r.out.find(c.escaped), std::string::npos) << Joined(c.args) << "\n" << r.out;
        EXPECT_TRUE(std::none_of(r.out.begin(), r.out.end(),
                                 [](char ch)
                                 {
                                     const auto byte = static_cast<unsigned char>(ch);
                                     return (byte < 0x20 && ch != '\n') || byte == 0x7F;
                                 }))
            << Joined(c.args) << "\n"
            << r.out;
    }
    const std::string cities = folder.Run({"cities"}).out;
    EXPECT_EQ(static_cast<std::size_t>(std::count(cities.begin(), cities.end(), '\n')), cityCount);
}

TEST(TavorinConventions, TheMarkIsOnTheEntryWhoseAnglesAreInUse)
{
    DataFolder folder("mark", kSmallShippedData);
    // A look-alike of a built-in, as an older version could store it.
    ASSERT_EQ(folder.Run({"conventions"}).status, 0);
    {
        ASSERT_TRUE(OpenDatabase(folder.Database()).ok);
        ASSERT_TRUE(AddConvention("world islamic league", "120", "110"));
        CloseDatabase();
    }
    // The desktop dialog stores the name of the list entry picked: the
    // user's lower-case one. The angles come from the first entry of that
    // name under the store's case-insensitive comparison, the built-in.
    {
        ASSERT_TRUE(OpenDatabase(folder.Database()).ok);
        ASSERT_TRUE(SelectConvention("world islamic league"));
        CloseDatabase();
    }
    const auto list = nlohmann::json::parse(folder.Run({"conventions", "--json"}).out);
    int marked = 0;
    for (const auto& entry : list)
    {
        if (entry["selected"].get<bool>())
        {
            ++marked;
            EXPECT_EQ(entry["name"], "World Islamic League");
            EXPECT_EQ(entry["fajr"], "180");
        }
    }
    EXPECT_EQ(marked, 1);
    EXPECT_NE(folder.Run({"times", "--json"}).out.find("\"fajrAngle\": 18.0"), std::string::npos);

    // select takes a unique beginning of a name, case ignored.
    struct Case
    {
        const char* typed;
        int status;
        const char* selected;
    };
    const Case cases[] = {
        {"Egyptian", 0, "Egyptian General Organization of Surveying"},
        {"um ul", 0, "Um Ul-Qura, Makkah"},
        {"isn", 2, nullptr},
        {"U", 2, nullptr}, // Um Ul-Qura and University
        {"university of islamic sciences, karachi", 0, "University of Islamic Sciences, Karachi"},
    };
    for (const Case& c : cases)
    {
        const RunResult r = folder.Run({"conventions", "select", c.typed});
        EXPECT_EQ(r.status, c.status) << c.typed << ": " << r.err;
        if (c.selected == nullptr)
        {
            EXPECT_NE(r.err.find("did you mean: "), std::string::npos) << r.err;
            continue;
        }
        EXPECT_NE(folder.Run({"conventions"}).out.find(std::string("* ") + c.selected),
                  std::string::npos)
            << c.typed;
    }
}

} // namespace
} // namespace halvo::test
