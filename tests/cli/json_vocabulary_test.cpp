// One JSON vocabulary: every key of every command's output is camelCase,
// and every example in docs/cli.md is what the program prints (after a
// change, tools/fill_cli_examples.py fills them in again).
#include "tests/cli/data_folder.h"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>

namespace halvo::test
{
namespace
{

bool IsCamelCase(const std::string& key)
{
    static const std::regex camel("[a-z][a-zA-Z0-9]*");
    return std::regex_match(key, camel);
}

// Every key of a JSON value, with where it stands.
void CollectKeys(const nlohmann::json& value, const std::string& path,
                 std::vector<std::string>& keys)
{
    if (value.is_object())
    {
        for (auto item = value.begin(); item != value.end(); ++item)
        {
            keys.push_back(path + "." + item.key());
            CollectKeys(item.value(), path + "." + item.key(), keys);
        }
    }
    else if (value.is_array())
    {
        for (std::size_t i = 0; i < value.size(); ++i)
        {
            CollectKeys(value[i], path + "[" + std::to_string(i) + "]", keys);
        }
    }
}

TEST(TavorinJson, EveryKeyOfEveryCommandIsCamelCase)
{
    DataFolder folder("keys", kSmallShippedData);
    const std::vector<std::vector<std::string>> commands = {
        {"day", "--lon", "10.75", "--lat", "59.91", "--tz", "2", "--date", "2004-06-21"},
        {"day", "--lon", "15", "--lat", "80", "--tz", "1", "--date", "2004-06-21", "--method",
         "Turkey", "--round"},
        {"table", "--from", "2026-03-07", "--to", "2026-03-09"},
        {"table", "--lon", "0", "--lat", "51", "--tz", "0", "--month", "2026-02", "--calendar",
         "umalqura"},
        {"times", "--date", "2026-07-01"},
        {"times", "--city", "mumbai", "--method", "UmmAlQura", "--adjust", "1,1,1,1,1,1"},
        {"hijri", "2000-01-01"},
        {"gregorian", "1420", "9", "24", "--calendar", "umalqura"},
        {"moon", "2004-01-07T15:40:00"},
        {"qibla"},
        {"qibla", "--lon", "106.80", "--lat", "-6.20"},
        {"cities"},
        {"cities", "--search", "a"},
        {"cities", "--country", "egypt"},
        {"zones"},
        {"settings"},
        {"conventions"},
        {"methods"},
        {"feasts", "--year", "1425"},
        {"reminder"},
        {"adhan"},
        {"next", "--at", "2026-07-01T22:00"},
    };
    for (std::vector<std::string> args : commands)
    {
        args.push_back("--json");
        const RunResult r = folder.Run(args);
        ASSERT_EQ(r.status, 0) << Joined(args) << ": " << r.err;
        std::vector<std::string> keys;
        CollectKeys(nlohmann::json::parse(r.out), "", keys);
        EXPECT_FALSE(keys.empty()) << Joined(args);
        for (const std::string& key : keys)
        {
            EXPECT_TRUE(IsCamelCase(key.substr(key.rfind('.') + 1))) << Joined(args) << ": " << key;
        }
    }
}

// The words of a documented command line: blanks separate, double quotes
// group.
std::vector<std::string> Words(const std::string& line)
{
    std::vector<std::string> words;
    std::string word;
    bool quoted = false;
    bool any = false;
    for (char c : line)
    {
        if (c == '"')
        {
            quoted = !quoted;
            any = true;
        }
        else if (c == ' ' && !quoted)
        {
            if (any)
            {
                words.push_back(word);
            }
            word.clear();
            any = false;
        }
        else
        {
            word += c;
            any = true;
        }
    }
    if (any)
    {
        words.push_back(word);
    }
    return words;
}

// An example matches when it equals the output, except that a list may be
// cut short: the elements it shows are the output's first ones.
bool Matches(const nlohmann::json& shown, const nlohmann::json& actual, std::string& where)
{
    if (shown.is_array() && actual.is_array())
    {
        if (shown.size() > actual.size())
        {
            where = "a list longer than the output's";
            return false;
        }
        for (std::size_t i = 0; i < shown.size(); ++i)
        {
            if (!Matches(shown[i], actual[i], where))
            {
                where = "[" + std::to_string(i) + "]" + where;
                return false;
            }
        }
        return true;
    }
    if (shown.is_object() && actual.is_object())
    {
        if (shown.size() != actual.size())
        {
            where = " (keys differ)";
            return false;
        }
        for (auto item = shown.begin(); item != shown.end(); ++item)
        {
            if (!actual.contains(item.key()) || !Matches(item.value(), actual[item.key()], where))
            {
                where = "." + item.key() + where;
                return false;
            }
        }
        return true;
    }
    if (shown != actual)
    {
        where = ": " + shown.dump() + " is " + actual.dump();
        return false;
    }
    return true;
}

TEST(TavorinJson, EveryExampleInTheGuideIsWhatTheProgramPrints)
{
    std::ifstream file(std::string(HALVO_SOURCE_DATA_DIR) + "/../docs/cli.md");
    ASSERT_TRUE(file) << "docs/cli.md is missing";
    std::stringstream text;
    text << file.rdbuf();
    const std::string guide = text.str();
    // The examples change the stores (reminder, settings, conventions): they
    // run in the order they appear, on one folder seeded from the shipped data.
    DataFolder folder("guide", kRealShippedData);
    const std::regex block("```console\\n\\$ tavorin ([^\\n]*)\\n([^`]*)```");
    int examples = 0;
    int json = 0;
    for (auto match = std::sregex_iterator(guide.begin(), guide.end(), block);
         match != std::sregex_iterator(); ++match)
    {
        const std::string line = (*match)[1];
        const std::string shown = (*match)[2];
        const RunResult r = folder.Run(Words(line));
        ++examples;
        ASSERT_EQ(r.status, 0) << "tavorin " << line << ": " << r.err;
        if (line.find("--json") == std::string::npos)
        {
            EXPECT_EQ(shown, r.out) << "tavorin " << line;
            continue;
        }
        ++json;
        nlohmann::json parsedShown;
        ASSERT_NO_THROW(parsedShown = nlohmann::json::parse(shown)) << "tavorin " << line;
        std::string where;
        EXPECT_TRUE(Matches(parsedShown, nlohmann::json::parse(r.out), where))
            << "tavorin " << line << ": the example differs at " << where;
    }
    EXPECT_GE(examples, 30);
    EXPECT_GE(json, 14);
    // One JSON example for every command (but adhan, whose output is about
    // the moment it runs).
    for (const char* command :
         {"day", "table", "times", "methods", "hijri", "gregorian", "feasts", "reminder", "moon",
          "qibla", "cities", "zones", "settings", "conventions"})
    {
        const std::regex example("\\$ tavorin " + std::string(command) + " [^\\n]*--json");
        EXPECT_TRUE(std::regex_search(guide, example)) << command;
    }
}

} // namespace
} // namespace halvo::test
