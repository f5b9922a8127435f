#include "engine/day_texts.h"

#include <charconv>

namespace halvo
{

namespace
{

// Texts are built in a small fixed buffer with std::to_chars, which writes
// exactly what "%d" writes, so every text is the one the printf-style
// formats produce, without their parsing on every call. A day text never
// comes near the buffer's size.
class TextBuilder
{
  public:
    TextBuilder& Number(int value)
    {
        const auto result = std::to_chars(next_, end_, value);
        next_ = result.ptr;
        return *this;
    }
    TextBuilder& Text(const char* text)
    {
        while (*text != '\0' && next_ != end_)
        {
            *next_++ = *text++;
        }
        return *this;
    }
    TextBuilder& Char(char c)
    {
        if (next_ != end_)
        {
            *next_++ = c;
        }
        return *this;
    }
    std::string Done() const
    {
        return std::string(buffer_, static_cast<std::size_t>(next_ - buffer_));
    }

  private:
    char buffer_[64];
    char* next_ = buffer_;
    char* const end_ = buffer_ + sizeof buffer_;
};

} // namespace

const char* HijriMonthName(int month)
{
    return month >= 1 && month <= 12 ? HijriMonthNames[month] : "";
}

const char* GregorianMonthName(int month)
{
    return month >= 1 && month <= 12 ? GregorianMonthNames[month] : "";
}

std::string TimeText(const PrayerTime& time)
{
    if (!time.hasTime)
    {
        return kNoTimeText;
    }
    const char* suffix = time.pm == 0 ? "AM" : "PM";
    // "%d:%d %s", or "%d:0%d %s" up to minute 9: the zero is part of the
    // format, not a field width.
    TextBuilder text;
    text.Number(time.hour).Char(':');
    if (time.minute <= 9)
    {
        text.Char('0');
    }
    return text.Number(time.minute).Char(' ').Text(suffix).Done();
}

std::string HijriDateText(int day, int month, int year)
{
    // "%d %s %d A.H."
    return TextBuilder()
        .Number(day)
        .Char(' ')
        .Text(HijriMonthName(month))
        .Char(' ')
        .Number(year)
        .Text(" A.H.")
        .Done();
}

std::string PrayerEngine::HijriDateText() const
{
    return halvo::HijriDateText(hijriDay, hijriMonth, hijriYear);
}

std::string PrayerEngine::GregorianDateText() const
{
    // "%d %s %d C.E."
    return TextBuilder()
        .Number(day)
        .Char(' ')
        .Text(GregorianMonthName(month))
        .Char(' ')
        .Number(year)
        .Text(" C.E.")
        .Done();
}

std::string PrayerEngine::FajrText() const
{
    return TimeText(times[kFajr]);
}
std::string PrayerEngine::SunriseText() const
{
    return TimeText(times[kSunrise]);
}
std::string PrayerEngine::ZuhrText() const
{
    return TimeText(times[kZuhr]);
}
std::string PrayerEngine::AsrText() const
{
    return TimeText(times[kAsr]);
}
std::string PrayerEngine::MaghribText() const
{
    return TimeText(times[kMaghrib]);
}
std::string PrayerEngine::IshaText() const
{
    return TimeText(times[kIsha]);
}

} // namespace halvo
