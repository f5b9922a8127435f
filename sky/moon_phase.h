#pragma once

#include <array>
#include <string>

namespace halvo
{

// A civil date in the calendar the Moon tool reads: Julian before the
// 1582 reform, Gregorian from it on.
struct MoonDate
{
    int year = 0;
    int month = 1; // 1..12
    int day = 1;
};

// What the Moon's position gives for one instant.
struct MoonPositionValues
{
    double fraction = 0; // illuminated fraction of the disc, 0..1
    double age = 0;      // days since the last conjunction, 0..29.53
    double distance = 0; // Earth-Moon distance, km
};

// Everything the Moon Phase window shows for one moment, with its texts.
struct MoonPhase
{
    int days = 0;       // whole days of age
    int hours = 0;      // whole hours past the days
    int minutes = 0;    // whole minutes past the hours
    int phaseIndex = 0; // 0..8 into MoonPhaseNames()
    std::string phaseName;
    double age = 0;
    double fraction = 0;
    double distance = 0;
    double newMoon = 0; // Julian date of the new moon opening this lunation
    int lunation = 0;   // Brown's lunation number

    std::string ageText;          // "14 Days 18 Hr 21 Mn"
    std::string illuminationText; // "100.00 %"
    std::string lunationText;     // "1002"
    std::string distanceText;     // "369323.87 Km"
};

// The nine phase names by index; index 8 repeats index 7 because the last
// slice of the cycle is still a waning crescent.
const std::array<const char*, 9>& MoonPhaseNames();

// month0 counts from 0 = January.
double MoonJulianDate(int year, int month0, int day, int hour, int minute, int second);
MoonDate MoonCalendarDate(double julianDate);

// Eccentric anomaly in radians for a mean anomaly in degrees.
double SolveKepler(double meanAnomaly, double eccentricity);

MoonPositionValues MoonPosition(double julianDate);

double MeanNewMoon(double julianDate, double lunationIndex);
double TrueNewMoon(double lunationIndex);

// The true new moon that opens the lunation the given Julian date falls in.
double NewMoonBefore(double julianDate);

// Index into MoonPhaseNames() for an age in days.
int MoonPhaseIndex(double age);

// The window's values for a moment (month 1..12), taken as universal time.
MoonPhase ComputeMoonPhase(int year, int month, int day, int hour, int minute, int second);

} // namespace halvo
