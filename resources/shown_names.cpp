#include "resources/shown_names.h"

#include "platform/text/translatable.h"

namespace halvo
{

namespace
{

// Spelled exactly as the logic layers spell them: a name is found in the
// catalogue by its English text.
constexpr const char* kShownNames[] = {
    // The main window's title, also the desktop entry's name.
    HALVO_TEXT("Halvo Tavorin"),
    // The desktop entry's and the AppStream summary, spelled as those files
    // have them (tools/translate_desktop_entry.py adds their translations).
    HALVO_TEXT("Prayer Times"),
    HALVO_TEXT("Daily prayer times, Hijri dates and the Qibla direction for your city"),
    HALVO_TEXT("Daily Muslim prayer times, Hijri dates and the Qibla for your city"),
    // The desktop entry's search words: a translation is the language's own
    // list, each word ended by a semicolon.
    HALVO_TEXT("prayer;salat;adhan;qibla;hijri;islam;"),
    HALVO_TEXT("Fajr"),
    HALVO_TEXT("Sunrise"),
    HALVO_TEXT("Zuhr"),
    HALVO_TEXT("Asr"),
    HALVO_TEXT("Maghrib"),
    HALVO_TEXT("Isha"),
    HALVO_TEXT("Muharram"),
    HALVO_TEXT("Safar"),
    HALVO_TEXT("Raby' al-awal"),
    HALVO_TEXT("Raby al-thany"),
    HALVO_TEXT("Jumada al-awal"),
    HALVO_TEXT("Jumada al-thany"),
    HALVO_TEXT("Rajab"),
    HALVO_TEXT("Shaa'ban"),
    HALVO_TEXT("Ramadan"),
    HALVO_TEXT("Shawwal"),
    HALVO_TEXT("Thw al-qi'dah"),
    HALVO_TEXT("Thw al-hijjah"),
    HALVO_TEXT("January"),
    HALVO_TEXT("February"),
    HALVO_TEXT("March"),
    HALVO_TEXT("April"),
    HALVO_TEXT("May"),
    HALVO_TEXT("June"),
    HALVO_TEXT("July"),
    HALVO_TEXT("August"),
    HALVO_TEXT("September"),
    HALVO_TEXT("October"),
    HALVO_TEXT("November"),
    HALVO_TEXT("December"),
    HALVO_TEXT("Sunday"),
    HALVO_TEXT("Monday"),
    HALVO_TEXT("Tuesday"),
    HALVO_TEXT("Wednesday"),
    HALVO_TEXT("Thursday"),
    HALVO_TEXT("Friday"),
    HALVO_TEXT("Saturday"),
    HALVO_TEXT("None"),
    HALVO_TEXT("First"),
    HALVO_TEXT("Second"),
    HALVO_TEXT("Third"),
    HALVO_TEXT("Fourth"),
    HALVO_TEXT("Fifth"),
    HALVO_TEXT("New Moon"),
    HALVO_TEXT("Waxing Crescent Moon"),
    HALVO_TEXT("Moon in its first quarter"),
    HALVO_TEXT("Waxing Gibbous Moon"),
    HALVO_TEXT("Full Moon"),
    HALVO_TEXT("Waning Gibbous Moon"),
    HALVO_TEXT("Moon in its last quarter"),
    HALVO_TEXT("Waning Crescent Moon"),
    HALVO_TEXT("Islamic New Year"),
    HALVO_TEXT("The Hijra of the prophet from Mecca to Medina."),
    HALVO_TEXT("Ashura"),
    HALVO_TEXT("The martyrdom of Husayn "),
    HALVO_TEXT("Mawlid al-Nabiy"),
    HALVO_TEXT("The anniversary of the birth of the Prophet"),
    HALVO_TEXT("Mi\u2019Raj al-Nabiy"),
    HALVO_TEXT("Al-Mi\u2019Raj of the prophet to Heaven."),
    HALVO_TEXT("First of Ramadan"),
    HALVO_TEXT("The beginning of the holy month of fasting"),
    HALVO_TEXT("Lailat Al Qadr"),
    HALVO_TEXT("The first revelation of the Qur’an"),
    HALVO_TEXT("Eid Al Fitr"),
    HALVO_TEXT("Festival of Breaking the Fast of Ramadan."),
    HALVO_TEXT("Arafat"),
    HALVO_TEXT("The final revelation to the Prophet at Mt. Arafat"),
    HALVO_TEXT("Eid Al Adha"),
    HALVO_TEXT("Festival of Sacrifice concludes the pilgrimage."),
    // The colours of Color Palette, as settings/screen_colours.h names them.
    HALVO_TEXT("BLACK"),
    HALVO_TEXT("BLUE"),
    HALVO_TEXT("DARK BLUE"),
    HALVO_TEXT("DARK RED"),
    HALVO_TEXT("GRAY"),
    HALVO_TEXT("GREEN"),
    HALVO_TEXT("LIGHT GRAY"),
    HALVO_TEXT("LIGHT GREEN"),
    HALVO_TEXT("RED"),
    HALVO_TEXT("WHITE"),
    HALVO_TEXT("YELLOW"),
    // The regions of Select Location's map.
    HALVO_TEXT("Africa"),
    HALVO_TEXT("Asia"),
    HALVO_TEXT("Australia"),
    HALVO_TEXT("Europe"),
    HALVO_TEXT("Middle East"),
    HALVO_TEXT("North America"),
    HALVO_TEXT("South America"),
    // The eras of the date lines.
    HALVO_TEXT("A.H."),
    HALVO_TEXT("C.E."),
    HALVO_TEXT("AM"),
    HALVO_TEXT("PM"),
    HALVO_TEXT("Hanafi"),
    HALVO_TEXT("Shafi"),
    HALVO_TEXT("North"),
    HALVO_TEXT("South"),
    HALVO_TEXT("East"),
    HALVO_TEXT("West"),
};

} // namespace

std::span<const char* const> ShownNames()
{
    return kShownNames;
}

} // namespace halvo
