#include "platform/ui/translation.h"

#include "platform/ui/framework_impl.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <algorithm>
#include <cstdlib>
#include <memory>

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

std::string ShownText(const std::string& text)
{
    return LocalDigits(LocalHalfDay(Translate(text)));
}

} // namespace halvo
