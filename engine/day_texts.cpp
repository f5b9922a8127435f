#include "engine/day_texts.h"

#include <algorithm>
#include <charconv>
#include <cstring>

namespace halvo
{

namespace
{

// Texts are built with std::to_chars, which writes exactly what "%d" writes,
// so every text is the one the printf-style formats produce, without their
// parsing on every call. They are written straight into the string they end
// up in: copying a just-written buffer out would stall on its fresh bytes.
class TextBuilder
{
  public:
    // Builds into a string, reusing its storage. room: the length expected,
    // so that a date's text is allocated once; a time's fits the string's
    // own small buffer.
    explicit TextBuilder(std::string& into, std::size_t room = 0) : text_(into)
    {
        text_.resize(std::max(room, text_.capacity()));
    }
    TextBuilder& Number(int value)
    {
        constexpr std::size_t kMostDigits = 11; // "-2147483648"
        MakeRoom(kMostDigits);
        char* const start = text_.data() + length_;
        length_ +=
            static_cast<std::size_t>(std::to_chars(start, start + kMostDigits, value).ptr - start);
        return *this;
    }
    TextBuilder& Text(const char* text)
    {
        const std::size_t length = std::strlen(text);
        MakeRoom(length);
        std::memcpy(text_.data() + length_, text, length);
        length_ += length;
        return *this;
    }
    TextBuilder& Char(char c)
    {
        MakeRoom(1);
        text_[length_++] = c;
        return *this;
    }
    void Finish() { text_.resize(length_); }

  private:
    void MakeRoom(std::size_t more)
    {
        if (length_ + more > text_.size())
        {
            text_.resize(std::max(2 * text_.size(), length_ + more));
        }
    }

    std::string& text_;
    std::size_t length_ = 0;
};

// Room for the longest date text of a four-digit year.
constexpr std::size_t kDateTextRoom = 32;

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
    std::string text;
    WriteTimeText(time, text);
    return text;
}

void WriteTimeText(const PrayerTime& time, std::string& into)
{
    if (!time.hasTime)
    {
        into = kNoTimeText;
        return;
    }
    const char* suffix = time.pm == 0 ? "AM" : "PM";
    // "%d:%d %s", or "%d:0%d %s" up to minute 9: the zero is part of the
    // format, not a field width.
    TextBuilder text(into);
    text.Number(time.hour).Char(':');
    if (time.minute <= 9)
    {
        text.Char('0');
    }
    text.Number(time.minute).Char(' ').Text(suffix).Finish();
}

std::string HijriDateText(int day, int month, int year)
{
    // "%d %s %d A.H."
    std::string text;
    TextBuilder(text, kDateTextRoom)
        .Number(day)
        .Char(' ')
        .Text(HijriMonthName(month))
        .Char(' ')
        .Number(year)
        .Text(" A.H.")
        .Finish();
    return text;
}

std::string PrayerEngine::HijriDateText() const
{
    return halvo::HijriDateText(hijriDay, hijriMonth, hijriYear);
}

std::string PrayerEngine::GregorianDateText() const
{
    // "%d %s %d C.E."
    std::string text;
    TextBuilder(text, kDateTextRoom)
        .Number(day)
        .Char(' ')
        .Text(GregorianMonthName(month))
        .Char(' ')
        .Number(year)
        .Text(" C.E.")
        .Finish();
    return text;
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
