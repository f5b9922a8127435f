#pragma once

#include <string>

namespace halvo
{

// Bearing from a place to the Kaaba in radians, clockwise from north, for a
// longitude and latitude in hundredths of a degree (east and north
// positive), as the location database stores them.
double QiblaBearingAt(int longitude, int latitude);

// The Qibla window's line for a bearing in radians: "The Qibla is 119° 2' E
// of N", or East, South, West, North at the exact quarter turns. UTF-8.
std::string QiblaText(double bearing);

} // namespace halvo
