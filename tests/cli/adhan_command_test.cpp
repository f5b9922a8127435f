// `tavorin adhan` on a fresh device folder: the stored switches, the sound
// that will really play, and the next prayer of the current city.
#include "tests/cli/run_tavorin.h"
#include "tests/support/store_fixture.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace halvo
{
namespace
{

using test::RunResult;
using test::RunTavorin;

class TavorinAdhan : public ::testing::Test
{
  protected:
    void SetUp() override { home_ = testing::FreshFolder("halvo_tavorin_adhan"); }
    void TearDown() override { std::filesystem::remove_all(home_); }

    RunResult Run(const std::vector<std::string>& args)
    {
        return RunTavorin(args,
                          {"XDG_DATA_HOME=" + home_.string(),
                           "HALVO_DATA_DIR=" HALVO_TEST_DATA_DIR "/startup/shipped", "TZ=UTC"});
    }

    std::filesystem::path home_;
};

TEST_F(TavorinAdhan, PrintsTheStoredStateAndTheNextPrayer)
{
    const RunResult off = Run({"adhan", "--json"});
    ASSERT_EQ(off.status, 0) << off.err;
    const auto first = nlohmann::json::parse(off.out);
    EXPECT_EQ(first["adhan"], false);
    EXPECT_EQ(first["prayers"]["maghrib"], false);
    EXPECT_EQ(first["sound"], "HalvoAdhan");
    EXPECT_EQ(first["repeat"], 1);
    ASSERT_TRUE(first["nextPrayer"].is_object());
    const std::string name = first["nextPrayer"]["name"];
    EXPECT_NE(std::string("Fajr Zuhr Asr Maghrib Isha").find(name), std::string::npos) << name;
    EXPECT_EQ(first["nextPrayer"]["time"].get<std::string>().size(), 5u);
    EXPECT_TRUE(first["timedStart"]["available"].is_boolean());

    for (const auto& [setting, value] :
         {std::pair{"Adhan", "On"}, {"Maghrib", "1"}, {"Reminder", "3"}, {"Alarm", "Alarm2"}})
    {
        const RunResult set = Run({"settings", "set", setting, value});
        ASSERT_EQ(set.status, 0) << setting << ": " << set.err;
    }
    const RunResult on = Run({"adhan", "--json"});
    ASSERT_EQ(on.status, 0) << on.err;
    const auto second = nlohmann::json::parse(on.out);
    EXPECT_EQ(second["adhan"], true);
    EXPECT_EQ(second["prayers"]["maghrib"], true);
    EXPECT_EQ(second["prayers"]["isha"], false);
    EXPECT_EQ(second["sound"], "Alarm2");
    EXPECT_EQ(second["repeat"], 3);

    const RunResult text = Run({"adhan"});
    ASSERT_EQ(text.status, 0) << text.err;
    EXPECT_EQ(text.out.substr(0, text.out.find('\n')), "Adhan:        on");
    EXPECT_NE(text.out.find("\nMaghrib:      on\n"), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("\nSound:        Alarm2\n"), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("\nNext prayer:  "), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("\nTimed start:  "), std::string::npos) << text.out;
}

} // namespace
} // namespace halvo
