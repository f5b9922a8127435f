// halvo-tavorin --timetable-pdf as a script runs it, without a display:
// the PDF read back as text holds every day's times as tavorin table
// prints them, and bad input is one line and a failing status.
#include "day/month_table.h"
#include "platform/store/record_store.h"
#include "shell/timetable_pdf.h"
#include "startup/startup_data.h"
#include "tests/support/store_fixture.h"

#include "tests/support/run_shell.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace halvo
{
namespace
{

using halvo::testing::Ran;
using halvo::testing::RunShell;

class TimetablePdf : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        root_ = std::filesystem::temp_directory_path() /
                ("halvo-timetable-pdf-test-" + std::to_string(::getpid()));
        std::filesystem::remove_all(root_);
        std::filesystem::create_directories(root_ / "user");
    }
    void TearDown() override { std::filesystem::remove_all(root_); }

    // No display variables at all, nor a runtime folder: the PDF must not
    // need one.
    std::string AsUser(const std::string& program, const std::string& args) const
    {
        return "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_RUNTIME_DIR "
               "XDG_DATA_HOME='" +
               (root_ / "user").string() + "' '" + program + "' " + args;
    }

    std::filesystem::path root_;
};

std::vector<std::string> Split(const std::string& line, char separator)
{
    std::vector<std::string> fields;
    std::istringstream in(line);
    for (std::string field; std::getline(in, field, separator);)
        fields.push_back(field);
    return fields;
}

TEST_F(TimetablePdf, HoldsEveryDaysTimesAsTheTablePrintsThem)
{
    if (RunShell("command -v pdftotext >/dev/null").status != 0)
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    for (const std::string clock : {"12", "24"})
    {
        ASSERT_EQ(RunShell(AsUser(HALVO_TAVORIN_CLI, "settings set Clock " + clock)).status, 0);
        const std::string pdf = (root_ / ("month-" + clock + ".pdf")).string();
        const Ran made = RunShell(
            AsUser(HALVO_TAVORIN_EXE, "--timetable-pdf '" + pdf + "' --month 2027-02 2>&1"));
        ASSERT_EQ(made.status, 0) << made.out;
        EXPECT_EQ(made.out, "") << "nothing said on success";
        const Ran text = RunShell("pdftotext -layout '" + pdf + "' -");
        ASSERT_EQ(text.status, 0);
        EXPECT_NE(text.out.find("February 2027"), std::string::npos) << text.out;
        EXPECT_NE(text.out.find("Seattle, WA"), std::string::npos) << text.out;

        const Ran table = RunShell(AsUser(HALVO_TAVORIN_CLI, "table --month 2027-02 --format csv"));
        ASSERT_EQ(table.status, 0);
        std::istringstream rows(table.out);
        std::string line;
        std::getline(rows, line); // the heads
        int days = 0;
        std::size_t from = 0;
        while (std::getline(rows, line))
        {
            const std::vector<std::string> fields = Split(line, ',');
            ASSERT_EQ(fields.size(), 9u) << line;
            // The day's row: its Hijri date, then its six times in order.
            std::size_t at = text.out.find(fields[2], from);
            ASSERT_NE(at, std::string::npos) << fields[2];
            for (std::size_t i = 3; i < fields.size(); ++i)
            {
                at = text.out.find(fields[i], at);
                ASSERT_NE(at, std::string::npos) << fields[0] << " " << fields[i];
            }
            from = at;
            ++days;
        }
        EXPECT_EQ(days, 28);
    }
}

// The window's CSV and calendar files are tavorin table's, byte for byte
// (the calendar's stamp, the moment it was written, aside).
TEST_F(TimetablePdf, TheWindowsCsvAndCalendarAreTavorinTables)
{
    ASSERT_EQ(RunShell(AsUser(HALVO_TAVORIN_CLI, "settings set Method Karachi")).status, 0);
    const Ran csv = RunShell(AsUser(HALVO_TAVORIN_CLI, "table --month 2027-03 --format csv"));
    const Ran ics = RunShell(AsUser(HALVO_TAVORIN_CLI, "table --month 2027-03 --format ics"));
    ASSERT_EQ(csv.status, 0);
    ASSERT_EQ(ics.status, 0);

    const char* saved = std::getenv("XDG_DATA_HOME");
    const std::string before = saved != nullptr ? saved : "";
    ::setenv("XDG_DATA_HOME", (root_ / "user").c_str(), 1);
    testing::RecordingMessages messages;
    ASSERT_TRUE(RunStartupDataSteps(messages).ok);
    const MonthTable month = ComputeCurrentCityMonth(2027, 3, messages);
    const std::string windowCsv = MonthCsv(month);
    std::string windowIcs = MonthIcs(month, UtcMoment{2027, 1, 2, 3, 4, 5});
    CloseDatabase();
    if (saved != nullptr)
        ::setenv("XDG_DATA_HOME", before.c_str(), 1);
    else
        ::unsetenv("XDG_DATA_HOME");

    EXPECT_EQ(windowCsv, csv.out);
    // Every DTSTAMP of ours takes tavorin's.
    const std::string stamp = "DTSTAMP:";
    const std::size_t theirs = ics.out.find(stamp);
    ASSERT_NE(theirs, std::string::npos);
    const std::string theirStamp = ics.out.substr(theirs, ics.out.find('\r', theirs) - theirs);
    for (std::size_t at = windowIcs.find(stamp); at != std::string::npos;
         at = windowIcs.find(stamp, at + 1))
        windowIcs.replace(at, windowIcs.find('\r', at) - at, theirStamp);
    EXPECT_EQ(windowIcs, ics.out);
    EXPECT_NE(windowIcs.find("SUMMARY:Isha"), std::string::npos);
}

TEST_F(TimetablePdf, RefusesBadInputWithOneLine)
{
    struct Case
    {
        std::string args;
        int status;
    };
    // Appended, not joined to a literal in front: g++ 12 at -O3 warns
    // (-Wrestrict) about a one-letter literal before a temporary.
    std::string pdf(1, '\'');
    pdf += (root_ / "out.pdf").string();
    pdf += '\'';
    for (const Case& c :
         {Case{"--timetable-pdf", 2}, Case{"--timetable-pdf " + pdf + " --month 2027-13", 2},
          Case{"--timetable-pdf " + pdf + " --month 27-1", 2},
          Case{"--timetable-pdf " + pdf + " --city Atlantis", 2},
          Case{"--timetable-pdf " + pdf + " --colour red", 2},
          Case{"--timetable-pdf '" + (root_ / "no" / "out.pdf").string() + "'", 1}})
    {
        const Ran ran = RunShell(AsUser(HALVO_TAVORIN_EXE, c.args + " 2>&1 >/dev/null"));
        EXPECT_EQ(ran.status, c.status) << c.args;
        const std::string& errors = ran.out;
        EXPECT_EQ(std::count(errors.begin(), errors.end(), '\n'), 1) << c.args << ": " << errors;
        EXPECT_EQ(errors.rfind("halvo-tavorin: ", 0), 0u) << errors;
    }
    EXPECT_FALSE(std::filesystem::exists(root_ / "out.pdf"));
}

TEST(TimetablePdfRequest, ReadsTheOptionsInAnyOrder)
{
    EXPECT_FALSE(ReadTimetablePdfRequest({"halvo-tavorin", "--hidden"}));
    const auto request = ReadTimetablePdfRequest(
        {"halvo-tavorin", "--city", "Makkah", "--timetable-pdf", "a.pdf", "--month", "2030-09"});
    ASSERT_TRUE(request);
    EXPECT_EQ(request->error, "");
    EXPECT_EQ(request->file, "a.pdf");
    EXPECT_EQ(request->year, 2030);
    EXPECT_EQ(request->month, 9);
    EXPECT_EQ(request->city, "Makkah");
    const auto joined = ReadTimetablePdfRequest(
        {"halvo-tavorin", "--timetable-pdf=c.pdf", "--month=2031-01", "--city=A=B"});
    ASSERT_TRUE(joined);
    EXPECT_EQ(joined->error, "");
    EXPECT_EQ(joined->file, "c.pdf");
    EXPECT_EQ(joined->year, 2031);
    EXPECT_EQ(joined->city, "A=B");
    const auto thisMonth = ReadTimetablePdfRequest({"halvo-tavorin", "--timetable-pdf", "b.pdf"});
    ASSERT_TRUE(thisMonth);
    EXPECT_EQ(thisMonth->year, 0);
    EXPECT_FALSE(thisMonth->city);
}

} // namespace
} // namespace halvo
