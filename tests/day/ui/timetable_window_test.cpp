#include "day/day_model.h"
#include "day/ui/timetable_window.h"
#include "platform/ui/framework.h"
#include "settings/calculation_options.h"
#include "settings/settings.h"
#include "tests/support/store_fixture.h"
#include "tests/support/test_cities.h"

#include <QComboBox>
#include <QFont>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>

#include <gtest/gtest.h>

#include <algorithm>

namespace halvo
{
namespace
{

class RecordedMessages : public UserMessages
{
  public:
    void Show(const std::string& text) override { shown.push_back(text); }
    void Warn(const std::string& text) override { shown.push_back(text); }
    std::vector<std::string> shown;
};

class TimetableWindowTest : public testing::StoreTest
{
  protected:
    void SetUp() override
    {
        StoreTest::SetUp();
        ASSERT_TRUE(InstallDefaultSettings());
        testing::CreateTestZone();
        testing::AddTestCity("Testville", "-12230", "4760", messages_);
        ASSERT_TRUE(WriteSetting("CityName", "Testville"));
        EnsureApplication();
    }

    static QString Cell(TimetableWindow& window, int row, int column)
    {
        auto* table = window.findChild<QTableView*>("table");
        return table->model()->index(row, column).data().toString();
    }

    RecordedMessages messages_;
};

TEST_F(TimetableWindowTest, ShowsEveryDayAsTheMainDisplayDoesAndMarksToday)
{
    TimetableWindow window(MakeDate(2026, 2, 14));
    EXPECT_EQ(window.windowTitle(), "Timetable");
    auto* table = window.findChild<QTableView*>("table");
    ASSERT_EQ(table->model()->rowCount(), 28);
    EXPECT_EQ(table->model()->columnCount(), 8);
    for (int day = 1; day <= 28; ++day)
    {
        RecordedMessages none;
        const DayComputation computed = ComputeDay(MakeDate(2026, 2, day), none);
        EXPECT_EQ(Cell(window, day - 1, 0).toStdString(), computed.texts[kGregorianDateText]);
        EXPECT_EQ(Cell(window, day - 1, 1).toStdString(), computed.texts[kHijriDateText]);
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(Cell(window, day - 1, 2 + i).toStdString(), computed.texts[kFajrText + i])
                << "day " << day << " time " << i;
    }
    EXPECT_EQ(window.TodayRow(), 13);
    EXPECT_TRUE(table->model()->index(13, 3).data(Qt::FontRole).value<QFont>().bold());
    EXPECT_FALSE(table->model()->index(12, 3).data(Qt::FontRole).value<QFont>().bold());
    EXPECT_EQ(table->model()->headerData(13, Qt::Vertical).toString(), "Today");
}

// Tab reads the row of choices from the left, then the table; every
// control a screen reader meets says what it is.
TEST_F(TimetableWindowTest, TabFollowsTheRowAndEveryControlHasAName)
{
    TimetableWindow window(MakeDate(2026, 2, 14));
    const std::vector<std::string> row = {"previous", "month", "year", "next", "table"};
    std::vector<std::string> order;
    for (QWidget* widget = window.nextInFocusChain(); widget != &window;
         widget = widget->nextInFocusChain())
    {
        const std::string name = widget->objectName().toStdString();
        if (std::find(row.begin(), row.end(), name) != row.end())
            order.push_back(name);
    }
    EXPECT_EQ(order, row);
    for (const char* name : {"month", "year", "table"})
        EXPECT_FALSE(window.findChild<QWidget*>(name)->accessibleName().isEmpty()) << name;
}

// The arrows cross the year; the choice of month and year goes straight
// there; today's mark is only in today's month.
TEST_F(TimetableWindowTest, NavigatesByArrowsAndByChoice)
{
    TimetableWindow window(MakeDate(2026, 12, 31));
    auto* next = window.findChild<QPushButton*>("next");
    auto* previous = window.findChild<QPushButton*>("previous");
    auto* month = window.findChild<QComboBox*>("month");
    auto* year = window.findChild<QSpinBox*>("year");
    struct Step
    {
        QPushButton* button;
        int year, month, rows, todayRow;
    };
    for (const Step& step : {Step{next, 2027, 1, 31, -1}, Step{previous, 2026, 12, 31, 30},
                             Step{previous, 2026, 11, 30, -1}, Step{next, 2026, 12, 31, 30}})
    {
        step.button->click();
        EXPECT_EQ(window.Month().year, step.year);
        EXPECT_EQ(window.Month().month, step.month);
        EXPECT_EQ(window.Month().rows.size(), static_cast<std::size_t>(step.rows));
        EXPECT_EQ(window.TodayRow(), step.todayRow);
        EXPECT_EQ(month->currentIndex(), step.month - 1);
        EXPECT_EQ(year->value(), step.year);
    }
    month->setCurrentIndex(1);
    year->setValue(2028); // a leap year
    EXPECT_EQ(window.Month().month, 2);
    EXPECT_EQ(window.Month().year, 2028);
    EXPECT_EQ(window.findChild<QTableView*>("table")->model()->rowCount(), 29);
}

// The stored options change what the window shows, and it says which are in force.
TEST_F(TimetableWindowTest, HonoursAndNamesTheStoredOptions)
{
    {
        TimetableWindow window(MakeDate(2026, 6, 1));
        const QString facts = window.findChild<QLabel*>("facts")->text();
        EXPECT_TRUE(facts.contains("Testville")) << facts.toStdString();
        EXPECT_TRUE(facts.contains("Fajr 15.0")) << facts.toStdString();
        EXPECT_TRUE(facts.contains("Asr Shafi")) << facts.toStdString();
        EXPECT_TRUE(Cell(window, 0, 2).endsWith("AM")) << Cell(window, 0, 2).toStdString();
    }
    ASSERT_TRUE(WriteSetting("AsrMethod", "Hanafi"));
    ASSERT_TRUE(WriteCalculationOption("Method", "Karachi"));
    ASSERT_TRUE(WriteCalculationOption("Clock", "24"));
    TimetableWindow window(MakeDate(2026, 6, 1));
    const QString facts = window.findChild<QLabel*>("facts")->text();
    EXPECT_TRUE(facts.contains("Karachi")) << facts.toStdString();
    EXPECT_TRUE(facts.contains("Asr Hanafi")) << facts.toStdString();
    EXPECT_EQ(Cell(window, 0, 2).size(), 5) << Cell(window, 0, 2).toStdString();
    RecordedMessages none;
    EXPECT_EQ(Cell(window, 0, 5).toStdString(),
              ComputeDay(MakeDate(2026, 6, 1), none).texts[kAsrText]);
}

// A current city no longer stored: the dates stay, the times are empty,
// and the window says why once instead of a box for each day.
TEST_F(TimetableWindowTest, SaysOnceWhenTheCityIsNotStored)
{
    ASSERT_TRUE(WriteSetting("CityName", "Atlantis"));
    TimetableWindow window(MakeDate(2026, 3, 1));
    auto* notice = window.findChild<QLabel*>("notice");
    EXPECT_FALSE(notice->isHidden());
    EXPECT_FALSE(notice->text().isEmpty());
    EXPECT_EQ(window.Month().rows.size(), 31u);
    EXPECT_EQ(Cell(window, 0, 2), "--:--");
    EXPECT_FALSE(window.Month().cityFound);
}

} // namespace
} // namespace halvo
