#pragma once

// The main display for screen readers: the texts of the day it paints,
// one accessible text each for the city, the two dates, every prayer with
// its time ("Fajr 5:46 AM") and the Qibla's direction.

#include "day/day_model.h"
#include "platform/ui/accessibility.h"

#include <optional>
#include <vector>

namespace halvo
{

class CPrayerView;

// The texts of a day as the display shows them, placed where it paints
// them in its own 240 x 268 pixels; the Qibla's line only with a bearing
// (radians clockwise from north).
std::vector<AccessibleText> PrayerViewTexts(const DayTexts& texts, std::optional<double> bearing);

// Offers the view's day to screen readers; the framework announces the
// texts that change after each paint, so a new day is read out.
void MakePrayerViewAccessible(CPrayerView& view);

} // namespace halvo
