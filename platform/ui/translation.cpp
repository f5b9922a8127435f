#include "platform/ui/translation.h"

#include "platform/ui/framework_impl.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QStringList>
#include <QTranslator>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <optional>

namespace halvo
{

namespace
{

// The context lupdate gives texts marked with HALVO_TEXT at namespace scope.
constexpr char kContext[] = "halvo";

bool IsPlainLocale(const std::string& name)
{
    return name == "C" || name == "POSIX" || name.rfind("C.", 0) == 0;
}

// "ar_SA.UTF-8@latin" -> "ar_SA".
std::string WithoutCodeset(const std::string& name)
{
    return name.substr(0, name.find_first_of(".@"));
}

bool IsEnglish(const std::string& language)
{
    return language == "en" || language.rfind("en_", 0) == 0;
}

struct Loaded
{
    std::string language;
    std::unique_ptr<QTranslator> program;
    std::unique_ptr<QTranslator> toolkit;
};

Loaded& Current()
{
    static Loaded loaded;
    return loaded;
}

QString ProgramFolderTranslations()
{
    return QCoreApplication::applicationDirPath() + "/../share/halvo-tavorin/translations";
}

} // namespace

std::vector<std::string>
LanguageCandidates(const std::string& stored,
                   const std::function<std::optional<std::string>(const char*)>& environment)
{
    auto variable = [&environment](const char* name) -> std::string
    { return environment(name).value_or(""); };

    std::vector<std::string> names;
    if (!stored.empty())
    {
        names.push_back(stored);
    }
    else
    {
        std::string locale;
        for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"})
        {
            locale = variable(name);
            if (!locale.empty())
                break;
        }
        if (IsPlainLocale(locale))
            return {};
        const std::string list = variable("LANGUAGE");
        std::size_t start = 0;
        while (start <= list.size() && !list.empty())
        {
            const std::size_t end = std::min(list.find(':', start), list.size());
            if (end > start)
                names.push_back(list.substr(start, end - start));
            start = end + 1;
        }
        if (!locale.empty())
            names.push_back(locale);
    }

    std::vector<std::string> candidates;
    for (const std::string& name : names)
    {
        if (IsPlainLocale(name))
            break;
        const std::string full = WithoutCodeset(name);
        if (full.empty())
            continue;
        if (IsEnglish(full))
            break;
        const std::string bare = full.substr(0, full.find('_'));
        for (const std::string& candidate : {full, bare})
            if (std::find(candidates.begin(), candidates.end(), candidate) == candidates.end())
                candidates.push_back(candidate);
    }
    return candidates;
}

std::vector<std::string> TranslationFolders()
{
    std::vector<std::string> folders;
    if (const char* chosen = std::getenv("HALVO_TRANSLATIONS_DIR"); chosen != nullptr && *chosen)
        folders.emplace_back(chosen);
    if (QCoreApplication::instance() != nullptr)
        folders.push_back(FromQString(QDir::cleanPath(ProgramFolderTranslations())));
#ifdef HALVO_BUILD_TRANSLATIONS_DIR
    folders.emplace_back(HALVO_BUILD_TRANSLATIONS_DIR);
#endif
    return folders;
}

namespace
{

// The windows ask for Verdana, which DejaVu Sans stands in for. DejaVu's
// own Arabic letters are few and poor (Urdu's heh goal reads as a five),
// so the Arabic-script languages put a face made for their script first.
// Urdu too: Nastaliq, its usual hand, is too tall for the windows' fixed
// rows and would be cut.
void UseScriptFont(const std::string& language)
{
    const QString verdana = QStringLiteral("Verdana");
    QFont::removeSubstitutions(verdana);
    QStringList faces;
    if (language == "ar" || language == "fa" || language == "ur")
        faces << QStringLiteral("Noto Naskh Arabic");
    faces << QStringLiteral("DejaVu Sans");
    QFont::insertSubstitutions(verdana, faces);
}

} // namespace

std::string InstallTranslations(const std::vector<std::string>& candidates)
{
    EnsureApplication();
    RemoveTranslations();
    for (const std::string& language : candidates)
    {
        auto program = std::make_unique<QTranslator>();
        bool found = false;
        for (const std::string& folder : TranslationFolders())
        {
            if (program->load(QStringLiteral("halvo-tavorin_") + ToQString(language),
                              ToQString(folder)))
            {
                found = true;
                break;
            }
        }
        if (!found)
            continue;

        Loaded& loaded = Current();
        loaded.language = language;
        QCoreApplication::installTranslator(program.get());
        loaded.program = std::move(program);
        // Qt's own catalogue translates the buttons of its standard dialogs;
        // a language Qt lacks keeps them English.
        auto toolkit = std::make_unique<QTranslator>();
        if (toolkit->load(QStringLiteral("qtbase_") + ToQString(language),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        {
            QCoreApplication::installTranslator(toolkit.get());
            loaded.toolkit = std::move(toolkit);
        }
        UseScriptFont(language);
        const QLocale locale(ToQString(language));
        QLocale::setDefault(locale);
        QApplication::setLayoutDirection(locale.textDirection());
        return language;
    }
    return {};
}

std::string InstallLanguageOf(const std::string& stored)
{
    return InstallTranslations(LanguageCandidates(stored,
                                                  [](const char* name) -> std::optional<std::string>
                                                  {
                                                      const char* value = std::getenv(name);
                                                      if (value == nullptr)
                                                          return std::nullopt;
                                                      return std::string(value);
                                                  }));
}

void RemoveTranslations()
{
    Loaded& loaded = Current();
    if (loaded.program)
        QCoreApplication::removeTranslator(loaded.program.get());
    if (loaded.toolkit)
        QCoreApplication::removeTranslator(loaded.toolkit.get());
    loaded = Loaded{};
    UseScriptFont({});
    QLocale::setDefault(QLocale::c());
    if (QCoreApplication::instance() != nullptr)
        QApplication::setLayoutDirection(Qt::LeftToRight);
}

const std::string& ActiveLanguage()
{
    return Current().language;
}

bool RightToLeft()
{
    return !Current().language.empty() && QApplication::layoutDirection() == Qt::RightToLeft;
}

std::string Translate(const std::string& english)
{
    if (Current().language.empty() || english.empty())
        return english;
    return FromQString(QCoreApplication::translate(kContext, english.c_str()));
}

std::function<void(const ShownTextBox&)>& ShownTextObserver()
{
    static std::function<void(const ShownTextBox&)> observer;
    return observer;
}

void SetShownTextObserver(std::function<void(const ShownTextBox&)> observer)
{
    ShownTextObserver() = std::move(observer);
}

std::string LocalDigits(const std::string& text)
{
    const std::string& language = Current().language;
    if (language.empty())
        return text;
    // Urdu's locale data writes Latin digits; Urdu text is written with the
    // extended Arabic-Indic ones, as Persian is.
    const bool urdu = language == "ur" || language.rfind("ur_", 0) == 0;
    const QString zero = urdu ? QString(QChar(0x06F0)) : QLocale().zeroDigit();
    if (zero == QStringLiteral("0"))
        return text;
    QString shown = ToQString(text);
    QString result;
    result.reserve(shown.size() * 2);
    for (const QChar c : shown)
    {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
        {
            // The locale's zero may lie outside the basic plane; its digits follow it.
            const char32_t digit = zero.toUcs4().front() + static_cast<char32_t>(c.unicode() - '0');
            result += QString::fromUcs4(&digit, 1);
        }
        else
        {
            result += c;
        }
    }
    return FromQString(result);
}

// "5:07 AM" with the locale's words for the two halves of the day.
static std::string LocalHalfDay(const std::string& text)
{
    if (Current().language.empty() || text.size() < 4)
        return text;
    const std::string half = text.substr(text.size() - 3);
    if (half != " AM" && half != " PM")
        return text;
    const std::string time = text.substr(0, text.size() - 3);
    if (time.empty() || time.find_first_not_of("0123456789:") != std::string::npos)
        return text;
    const QLocale locale;
    const QString word = half == " AM" ? locale.amText() : locale.pmText();
    return word.isEmpty() ? text : time + " " + FromQString(word);
}

namespace
{

// The month whose English name is `name` (1 to 12), or 0.
int MonthNumber(const std::string& name, const char* const* names)
{
    for (int month = 1; month <= 12; ++month)
        if (name == names[month - 1])
            return month;
    return 0;
}

constexpr const char* kGregorianMonths[] = {"January",   "February", "March",    "April",
                                            "May",       "June",     "July",     "August",
                                            "September", "October",  "November", "December"};
constexpr const char* kHijriMonths[] = {
    "Muharram", "Safar",    "Raby' al-awal", "Raby al-thany", "Jumada al-awal", "Jumada al-thany",
    "Rajab",    "Shaa'ban", "Ramadan",       "Shawwal",       "Thw al-qi'dah",  "Thw al-hijjah"};

// The locale's long date without its day of the week: "d MMMM yyyy",
// "d. MMMM yyyy", "yyyy MMMM d" as the language writes a date.
QString DateFormatWithoutWeekday(const QLocale& locale)
{
    QString format = locale.dateFormat(QLocale::LongFormat);
    format.remove(QStringLiteral("dddd"));
    // What stood between the weekday and the date: commas, spaces.
    static const QString separators = QStringLiteral(" ,\u060C\u200F");
    while (!format.isEmpty() && separators.contains(format.front()))
        format.remove(0, 1);
    while (!format.isEmpty() && separators.contains(format.back()))
        format.chop(1);
    return format.isEmpty() ? QStringLiteral("d MMMM yyyy") : format;
}

bool AllDigits(const std::string& text)
{
    return !text.empty() && text.size() <= 4 &&
           text.find_first_not_of("0123456789") == std::string::npos;
}

// The words of a date line the engine wrote ("20 March 2026 C.E.",
// "20 March, 2026", "1 Shawwal 1447 A.H.", "Rajab 1448 A.H."): the day (or
// empty), the month's name, the year, and the era word (or empty).
struct DateWords
{
    std::string day;
    std::string month;
    std::string year;
    std::string era;
};

std::optional<DateWords> SplitDate(std::string text)
{
    DateWords words;
    for (const char* era : {" C.E.", " A.H."})
    {
        const std::string suffix = era;
        if (text.size() > suffix.size() &&
            text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0)
        {
            words.era = suffix.substr(1);
            text.resize(text.size() - suffix.size());
        }
    }
    const std::size_t yearStart = text.rfind(' ');
    if (yearStart == std::string::npos)
        return std::nullopt;
    words.year = text.substr(yearStart + 1);
    text.resize(yearStart);
    if (!text.empty() && text.back() == ',')
        text.pop_back();
    const std::size_t dayEnd = text.find(' ');
    if (dayEnd != std::string::npos && AllDigits(text.substr(0, dayEnd)))
    {
        words.day = text.substr(0, dayEnd);
        text.erase(0, dayEnd + 1);
    }
    words.month = text;
    if (!AllDigits(words.year) || words.month.empty())
        return std::nullopt;
    return words;
}

// A Gregorian or Hijri date line in the active language; nullopt for any
// other text. Gregorian dates take the locale's own format and month names;
// Hijri dates the catalogue's month names and era word. Right to left, a
// mark in front makes the line one right-to-left run whatever the digits.
std::optional<std::string> LocalDate(const std::string& text)
{
    const std::optional<DateWords> words = SplitDate(text);
    if (!words)
        return std::nullopt;
    const int year = std::stoi(words->year);
    const int day = words->day.empty() ? 0 : std::stoi(words->day);
    const QLocale locale;
    QString shown;
    if (const int month = MonthNumber(words->month, kGregorianMonths);
        month != 0 && words->era != "A.H." && day != 0)
    {
        const QDate date(year, month, day);
        if (!date.isValid())
            return std::nullopt;
        shown = locale.toString(date, DateFormatWithoutWeekday(locale));
    }
    else if (MonthNumber(words->month, kHijriMonths) != 0 && words->era != "C.E.")
    {
        QStringList parts;
        if (day != 0)
            parts << locale.toString(day);
        parts << ToQString(Translate(words->month));
        parts << ToQString(words->year);
        if (!words->era.empty())
            parts << ToQString(Translate(words->era));
        shown = parts.join(QLatin1Char(' '));
    }
    else
    {
        return std::nullopt;
    }
    if (RightToLeft())
        shown.prepend(QChar(0x200F));
    return FromQString(shown);
}

} // namespace

std::string LocalDateText(const std::string& text)
{
    if (Current().language.empty())
        return text;
    // "Rajab 1448 A.H. / Sha'ban 1448 A.H.": each side on its own.
    const std::string between = " / ";
    if (const std::size_t split = text.find(between); split != std::string::npos)
    {
        const std::optional<std::string> first = LocalDate(text.substr(0, split));
        const std::optional<std::string> second = LocalDate(text.substr(split + between.size()));
        if (first && second)
            return *first + between + *second;
        return text;
    }
    return LocalDate(text).value_or(text);
}

std::string TranslatedWith(const std::string& english, const std::vector<std::string>& values)
{
    QString text = ToQString(Translate(english));
    for (const std::string& value : values)
        text = text.arg(ToQString(value));
    return FromQString(text);
}

std::string PickerDateFormat(const std::string& english)
{
    if (Current().language.empty())
        return english;
    const QLocale locale;
    QString format;
    if (english.find("MMM") != std::string::npos)
    {
        format = DateFormatWithoutWeekday(locale);
        format.replace(QStringLiteral("MMMM"), QStringLiteral("MMM"));
    }
    else
    {
        format = locale.dateFormat(QLocale::ShortFormat);
    }
    // A picker shows the whole year: two digits would hide the century.
    if (!format.contains(QStringLiteral("yyyy")))
        format.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    return format.toStdString();
}

std::string ShownText(const std::string& text)
{
    const std::string translated = Translate(text);
    if (translated == text)
        return LocalDigits(LocalHalfDay(LocalDateText(text)));
    return LocalDigits(LocalHalfDay(translated));
}

std::string ShownText(const std::string& text, const std::string& argument)
{
    const std::string translated = Translate(text);
    const std::string placeholder = "%1";
    const std::size_t at = translated.find(placeholder);
    if (at == std::string::npos)
        return ShownText(text);
    return LocalDigits(translated.substr(0, at)) + argument +
           LocalDigits(translated.substr(at + placeholder.size()));
}

} // namespace halvo
