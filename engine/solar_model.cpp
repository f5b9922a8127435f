// The low-precision solar model. Every expression here keeps the order of
// operations and the rounded constants it was designed with: the results are
// compared bit for bit with an independent implementation, so do not
// simplify, reorder or "improve" the arithmetic.
#include "engine/solar_model.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

namespace halvo
{

// Whole days since 1 January 2000, counting January and February as the
// 11th and 12th months of the previous year so leap days fall at the end.
double DaysFrom2000(int year, int month, int day)
{
    const int m = month > 2 ? month - 3 : month + 9;
    const int y = month > 2 ? year : year - 1;
    const double a = std::floor(30.6 * m + 0.5);
    const double b = std::floor(365.25 * (y - 1976));
    return b + a + day + 0.5 - 8707.5;
}

double NormalizeAngle(double x)
{
    return x - std::floor(x * kPerTurn) * 360;
}

SolarQuantities SunPosition(int year, int month, int day)
{
    SolarQuantities sun;
    const double d = DaysFrom2000(year, month, day);
    sun.T = d * kPerJulianCentury;
    sun.M = NormalizeAngle(35999.05 * sun.T + 357.528);
    const double meanAnomaly = sun.M * RAD;
    sun.Ceq = 0.02 * std::sin(2 * meanAnomaly) + 1.915 * std::sin(meanAnomaly);
    sun.lambda = NormalizeAngle(36000.77 * sun.T + sun.Ceq + 280.46);
    sun.RA = 0.053 * std::sin(4 * sun.lambda * RAD) +
             (sun.lambda - 2.466 * std::sin(2 * sun.lambda * RAD));
    sun.eps = 23.4393 - 0.013 * sun.T;
    // The arctangent form of the declination, not asin(sin eps * sin lambda).
    sun.decl = std::atan(std::tan(sun.eps * RAD) * std::sin(sun.RA * RAD)) * DEG;
    return sun;
}

double NoonTime(double longitude, double timeZone, const SolarQuantities& sun)
{
    const double base = (15 * timeZone - longitude) * kPerFifteen + 12;
    const double equationOfTime = ((sun.lambda - sun.Ceq) - sun.RA) * 4 * kPerSixty;
    return base - equationOfTime;
}

// 90 degrees plus atan(x): its sine is the sine of the altitude whose
// cotangent is x, which is all the Asr formula needs.
double AsrAngle(double x)
{
    return std::atan(1.0) * DEG2 + std::atan(x) * DEG;
}

double CosHourAngle(double altitudeSine, double latitude, double declination)
{
    return (altitudeSine - std::sin(latitude * RAD) * std::sin(declination * RAD)) /
           (std::cos(latitude * RAD) * std::cos(declination * RAD));
}

AngleSines SinesOf(double degrees)
{
    return {std::sin(degrees * RAD), std::cos(degrees * RAD)};
}

namespace
{

// The last few angles and their sines, matched bit for bit (so -0 is not
// taken for 0).
template <typename Value, Value (*Compute)(double)> class KeptValues
{
  public:
    Value Of(double degrees)
    {
        const auto bits = std::bit_cast<std::uint64_t>(degrees);
        for (std::size_t i = 0; i < count_; ++i)
            if (entries_[i].bits == bits)
                return entries_[i].value;
        Entry& entry = entries_[next_];
        entry = {bits, Compute(degrees)};
        next_ = (next_ + 1) % entries_.size();
        if (count_ < entries_.size())
            ++count_;
        return entry.value;
    }

  private:
    struct Entry
    {
        std::uint64_t bits = 0;
        Value value{};
    };
    std::array<Entry, 4> entries_{};
    std::size_t count_ = 0;
    std::size_t next_ = 0;
};

double NegatedSine(double angle)
{
    return -std::sin(angle * RAD);
}

} // namespace

AngleSines KeptSinesOf(double degrees)
{
    thread_local KeptValues<AngleSines, SinesOf> kept;
    return kept.Of(degrees);
}

double DepressionSine(double angle)
{
    thread_local KeptValues<double, NegatedSine> kept;
    return kept.Of(angle);
}

double DayGeometry::Hour(double altitudeSine) const
{
    const double cosine = CosHour(altitudeSine);
    // Beyond [-1, 1] the Sun never reaches the altitude. The answer is NaN
    // either way, but the maths library's domain-error path that would give
    // it costs as much as the arc cosine itself.
    if (!(cosine >= -1 && cosine <= 1))
    {
        return std::numeric_limits<double>::quiet_NaN();
    }
    return std::acos(cosine) * HRS;
}

double HourAngle(double altitudeSine, double latitude, double declination)
{
    return std::acos(CosHourAngle(altitudeSine, latitude, declination)) * HRS;
}

} // namespace halvo
