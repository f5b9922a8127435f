#include "conventions/ui/calculation_options_dialog.h"
#include "platform/ui/framework.h"
#include "settings/calculation_options.h"
#include "settings/settings.h"
#include "tests/support/store_fixture.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QSpinBox>

#include <gtest/gtest.h>

namespace halvo
{
namespace
{

class CalculationOptionsWindow : public testing::StoreTest
{
  protected:
    void SetUp() override
    {
        StoreTest::SetUp();
        ASSERT_TRUE(InstallDefaultSettings());
        EnsureApplication();
    }

    template <class Widget> static Widget* Find(QDialog& dialog, const char* name)
    {
        auto* widget = dialog.findChild<Widget*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    static void Choose(QDialog& dialog, const char* combo, const char* stored)
    {
        QComboBox* box = Find<QComboBox>(dialog, combo);
        const int index = box->findData(QString(stored));
        ASSERT_GE(index, 0) << combo << " " << stored;
        box->setCurrentIndex(index);
    }

    static void Press(QDialog& dialog, QDialogButtonBox::StandardButton which)
    {
        Find<QDialogButtonBox>(dialog, "buttons")->button(which)->click();
    }
};

TEST_F(CalculationOptionsWindow, OpensWithTheStoredOptionsAndTheDefaults)
{
    ASSERT_TRUE(WriteCalculationOption("Method", "Karachi"));
    ASSERT_TRUE(WriteCalculationOption("Adjust", "0,0,2,0,0,-5"));
    CalculationOptionsDialog dialog;
    EXPECT_EQ(dialog.windowTitle(), "Calculation Options");
    EXPECT_EQ(Find<QComboBox>(dialog, "method")->currentData().toString(), "Karachi");
    EXPECT_EQ(Find<QComboBox>(dialog, "method")->itemText(0), "None: use the twilight convention");
    EXPECT_EQ(Find<QSpinBox>(dialog, "adjust2")->value(), 2);
    EXPECT_EQ(Find<QSpinBox>(dialog, "adjust5")->value(), -5);
    EXPECT_EQ(Find<QSpinBox>(dialog, "adjust5")->minimum(), -30);
    EXPECT_EQ(Find<QComboBox>(dialog, "rounding")->currentData().toString(), "Truncate");
    EXPECT_EQ(Find<QComboBox>(dialog, "highLatitude")->currentData().toString(), "Reference45");
    EXPECT_EQ(Find<QComboBox>(dialog, "clock")->currentData().toString(), "12");
    EXPECT_EQ(Find<QSpinBox>(dialog, "hijriAdjust")->maximum(), 2);
    EXPECT_EQ(Find<QComboBox>(dialog, "language")->currentData().toString(), "");
}

TEST_F(CalculationOptionsWindow, OkWritesEveryChoiceAndCancelWritesNothing)
{
    {
        CalculationOptionsDialog dialog;
        Choose(dialog, "method", "Turkey");
        Choose(dialog, "clock", "24");
        Press(dialog, QDialogButtonBox::Cancel);
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
    }
    EXPECT_EQ(StoredOptionText("Method"), "");
    EXPECT_EQ(StoredOptionText("Clock"), "12");
    {
        CalculationOptionsDialog dialog;
        Choose(dialog, "method", "Turkey");
        Find<QSpinBox>(dialog, "adjust0")->setValue(3);
        Choose(dialog, "rounding", "Nearest");
        Choose(dialog, "highLatitude", "OneSeventh");
        Choose(dialog, "polarDays", "NearestLatitude");
        Choose(dialog, "hijriCalendar", "UmmAlQura");
        Find<QSpinBox>(dialog, "hijriAdjust")->setValue(-1);
        Choose(dialog, "clock", "24");
        Choose(dialog, "language", "tr");
        Press(dialog, QDialogButtonBox::Ok);
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
    }
    const std::pair<const char*, const char*> stored[] = {
        {"Method", "Turkey"},
        {"Adjust", "3,0,0,0,0,0"},
        {"Rounding", "Nearest"},
        {"HighLatitude", "OneSeventh"},
        {"PolarDays", "NearestLatitude"},
        {"HijriCalendar", "UmmAlQura"},
        {"HijriAdjust", "-1"},
        {"Clock", "24"},
        {"Language", "tr"},
    };
    for (const auto& [name, value] : stored)
        EXPECT_EQ(ReadSetting(name), value) << name;
    // Back to "None": the method is emptied, not left as it was.
    {
        CalculationOptionsDialog dialog;
        Choose(dialog, "method", "");
        Press(dialog, QDialogButtonBox::Ok);
    }
    EXPECT_EQ(ReadSetting("Method"), "");
    EXPECT_EQ(ReadSetting("Clock"), "24");
}

} // namespace
} // namespace halvo
