#pragma once

// The desktop program's language: which catalogue is loaded, texts looked up
// by their English source, digits and direction of the language shown.
// Without a translation every text is the English source, byte for byte.

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace halvo
{

// The languages to try, best first, as gettext picks them: the stored
// choice when it is not empty, else LANGUAGE (a colon-separated list),
// then the first set of LC_ALL, LC_MESSAGES and LANG. Each locale name
// gives its full language ("pt_BR") before its bare one ("pt"); codesets
// and modifiers are dropped. "C", "POSIX" and English end the list:
// nothing after them is tried. LANGUAGE is passed over when the locale is
// "C" or "POSIX", as gettext does.
std::vector<std::string>
LanguageCandidates(const std::string& stored,
                   const std::function<std::optional<std::string>(const char*)>& environment);

// The folders searched for the program's catalogues, in order:
// HALVO_TRANSLATIONS_DIR when set, the build tree's, then the installed one
// beside the program (<bindir>/../share/halvo-tavorin/translations).
std::vector<std::string> TranslationFolders();

// Loads the first candidate that has a catalogue, with Qt's own catalogue
// for its standard dialogs, and sets the text direction and number locale.
// Returns the language loaded, or an empty text when the program stays
// English. Replaces any translation loaded before.
std::string InstallTranslations(const std::vector<std::string>& candidates);
// InstallTranslations of the candidates the environment names, after the
// stored choice when it is not empty.
std::string InstallLanguageOf(const std::string& stored);

// Back to English, left to right.
void RemoveTranslations();

// The language loaded, empty for English.
const std::string& ActiveLanguage();
// Windows of a right-to-left language are mirrored.
bool RightToLeft();

// A text by its English source (marked with HALVO_TEXT); the source itself
// when the catalogue has no translation.
std::string Translate(const std::string& english);

// The translation of a text with "%1", "%2", ... filled by the values in
// order: computed numbers in the language's words around them.
std::string TranslatedWith(const std::string& english, const std::vector<std::string>& values);

// Digits as the active language writes them (its locale's digits: Eastern
// Arabic for Arabic, Extended Arabic-Indic for Urdu and Persian); unchanged
// in English and in languages that write ASCII digits. Used for shown texts only: what the
// user types is kept in the digits the logic reads.
std::string LocalDigits(const std::string& text);

// A date line of the engine ("20 March 2026 C.E.", "20 March, 2026",
// "1 Shawwal 1447 A.H.", "Rajab 1448 A.H. / Shaa'ban 1448 A.H.") in the
// active language: Gregorian in the locale's own date format, Hijri with the
// catalogue's month and era words. Any other text, and every text in
// English, is returned as it is. Digits are left to LocalDigits.
std::string LocalDateText(const std::string& text);

// A date picker's display format in the active language: the locale's own
// order and separators with the whole year ("dd.MM.yyyy" in German,
// "yyyy/M/d" in Persian), and its month-name form where the English format
// names the month ("dd-MMM-yyyy" becomes "d. MMM yyyy" in German). English
// keeps the format it is given.
std::string PickerDateFormat(const std::string& english);

// A text painted or shown by the framework: translated (a date line as
// LocalDateText words it), a time's AM or PM in the locale's words, then its
// digits localised.
std::string ShownText(const std::string& text);
// The same with the translation's "%1" filled by the argument, which is
// shown as it is (an address keeps its digits).
std::string ShownText(const std::string& text, const std::string& argument);

// For tests: each text the framework paints, as shown, with the left and
// right edges of its box, the width of the surface it is painted on and
// the top and bottom of its line, all in the window's pixels.
struct ShownTextBox
{
    std::string shown;
    int left = 0;
    int right = 0;
    int surfaceWidth = 0;
    int top = 0;
    int bottom = 0;
};
void SetShownTextObserver(std::function<void(const ShownTextBox&)> observer);

} // namespace halvo
