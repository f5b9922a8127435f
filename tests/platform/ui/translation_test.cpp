#include "platform/ui/dialog_harness.h"
#include "platform/ui/framework.h"
#include "platform/ui/translation.h"
#include "resources/resource_ids.h"

#include <QApplication>
#include <QPushButton>

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <string>
#include <vector>

namespace halvo
{
namespace
{

using Environment = std::map<std::string, std::string>;

std::vector<std::string> CandidatesOf(const std::string& stored, const Environment& environment)
{
    return LanguageCandidates(stored,
                              [&](const char* name) -> std::optional<std::string>
                              {
                                  const auto found = environment.find(name);
                                  if (found == environment.end())
                                      return std::nullopt;
                                  return found->second;
                              });
}

TEST(Translation, LanguageFollowsTheStoredChoiceThenTheEnvironmentAsGettextDoes)
{
    struct Case
    {
        const char* what;
        std::string stored;
        Environment environment;
        std::vector<std::string> wanted;
    };
    const Case cases[] = {
        {"nothing set", "", {}, {}},
        {"C locale", "", {{"LANG", "C"}}, {}},
        {"C.UTF-8 passes LANGUAGE over", "", {{"LANG", "C.UTF-8"}, {"LANGUAGE", "ar"}}, {}},
        {"POSIX", "", {{"LC_ALL", "POSIX"}, {"LANG", "fr_FR.UTF-8"}}, {}},
        {"English", "", {{"LANG", "en_US.UTF-8"}}, {}},
        {"LANG with codeset", "", {{"LANG", "ar_SA.UTF-8"}}, {"ar_SA", "ar"}},
        {"modifier dropped", "", {{"LANG", "ur_PK.UTF-8@latin"}}, {"ur_PK", "ur"}},
        {"LC_ALL before LANG",
         "",
         {{"LC_ALL", "de_DE.UTF-8"}, {"LANG", "fr_FR.UTF-8"}},
         {"de_DE", "de"}},
        {"LC_MESSAGES before LANG",
         "",
         {{"LC_MESSAGES", "tr_TR"}, {"LANG", "fr_FR"}},
         {"tr_TR", "tr"}},
        {"LANGUAGE list first",
         "",
         {{"LANGUAGE", "fa:ar"}, {"LANG", "fr_FR.UTF-8"}},
         {"fa", "ar", "fr_FR", "fr"}},
        {"English in LANGUAGE ends the list",
         "",
         {{"LANGUAGE", "bn:en:ar"}, {"LANG", "de_DE"}},
         {"bn"}},
        {"empty entries skipped",
         "",
         {{"LANGUAGE", ":id::"}, {"LANG", "ms_MY"}},
         {"id", "ms_MY", "ms"}},
        {"stored choice wins", "ar", {{"LANG", "fr_FR.UTF-8"}, {"LANGUAGE", "de"}}, {"ar"}},
        {"stored English", "en", {{"LANG", "fr_FR.UTF-8"}}, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CandidatesOf(c.stored, c.environment), c.wanted) << c.what;
}

class TranslatedFramework : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        EnsureApplication();
        ::setenv("HALVO_TRANSLATIONS_DIR", HALVO_TEST_TRANSLATIONS_DIR, 1);
    }
    void TearDown() override
    {
        RemoveTranslations();
        ::unsetenv("HALVO_TRANSLATIONS_DIR");
    }
};

TEST_F(TranslatedFramework, ArabicIsRightToLeftWithItsOwnDigitsAndEnglishIsUnchanged)
{
    // A catalogue of the bare language serves its regional forms.
    EXPECT_EQ(InstallTranslations({"xx", "ar_SA", "ar"}), "ar_SA");
    EXPECT_TRUE(RightToLeft());
    EXPECT_EQ(Translate("Fajr"), "الفجر");
    EXPECT_EQ(Translate("Not in the catalogue"), "Not in the catalogue");
    EXPECT_EQ(ShownText("OK 12:05"), "OK ١٢:٠٥");
    EXPECT_EQ(LocalDigits("2026-03-20"), "٢٠٢٦-٠٣-٢٠");
    EXPECT_EQ(ShownText("5:07 PM"), "٥:٠٧ م");
    EXPECT_EQ(ShownText("Isha PM"), "Isha PM");

    EXPECT_EQ(InstallTranslations({"ur"}), "ur");
    EXPECT_TRUE(RightToLeft());
    EXPECT_EQ(LocalDigits("5:07"), "۵:۰۷");

    // A language without a catalogue leaves every text as it is.
    EXPECT_EQ(InstallTranslations({"xx"}), "");
    EXPECT_FALSE(RightToLeft());
    EXPECT_EQ(ShownText("Fajr 5:07"), "Fajr 5:07");
}

// The engine's date lines read in the language: Gregorian in the locale's
// own format, Hijri with the catalogue's month and era; right to left one
// run after a right-to-left mark. English keeps the engine's texts.
TEST_F(TranslatedFramework, DateLinesAreWrittenAsTheLanguageWritesADate)
{
    // The shipped catalogues, not the tests' small ones.
    ::unsetenv("HALVO_TRANSLATIONS_DIR");
    const std::string rlm = "\u200F";
    struct Case
    {
        const char* language;
        std::string text;
        std::string shown;
    };
    const Case cases[] = {
        {"", "20 March 2026 C.E.", "20 March 2026 C.E."},
        {"", "1 Shawwal 1447 A.H.", "1 Shawwal 1447 A.H."},
        {"tr", "20 March 2026 C.E.", "20 Mart 2026"},
        {"tr", "1 Shawwal 1447 A.H.", "1 Şevval 1447 H."},
        {"de", "3 October, 2026", "3. Oktober 2026"},
        {"ar", "20 March 2026 C.E.", rlm + "٢٠ مارس ٢٠٢٦"},
        {"ar", "1 Shawwal 1447 A.H.", rlm + "١ شوال ١٤٤٧ هـ"},
        {"ar", "Rajab 1448 A.H. / Shawwal 1448 A.H.",
         rlm + "رجب ١٤٤٨ هـ / " + rlm + "شوال ١٤٤٨ هـ"},
        // Not dates: left to the catalogue.
        {"ar", "Seattle, WA", "Seattle, WA"},
        {"ar", "31 February 2026 C.E.", "٣١ February ٢٠٢٦ C.E."},
        {"tr", "Ramadan 2026 C.E.", "Ramadan 2026 C.E."},
    };
    for (const Case& c : cases)
    {
        if (*c.language == '\0')
            RemoveTranslations();
        else
            ASSERT_EQ(InstallTranslations({c.language}), c.language);
        EXPECT_EQ(ShownText(c.text), c.shown) << c.language << ": " << c.text;
    }

    // A date picker takes the locale's order and the whole year.
    const Case pickers[] = {
        {"", "dd/MM/yyyy", "dd/MM/yyyy"},     {"de", "dd/MM/yyyy", "dd.MM.yyyy"},
        {"fa", "dd/MM/yyyy", "yyyy/M/d"},     {"bn", "dd/MM/yyyy", "d/M/yyyy"},
        {"de", "dd-MMM-yyyy", "d. MMM yyyy"}, {"ar", "dd-MMM-yyyy", "d MMM yyyy"},
    };
    for (const Case& c : pickers)
    {
        if (*c.language == '\0')
            RemoveTranslations();
        else
            ASSERT_EQ(InstallTranslations({c.language}), c.language);
        EXPECT_EQ(PickerDateFormat(c.text), c.shown) << c.language << ": " << c.text;
    }
}

// Both faces of one little window: the button and the painted label change
// sides right to left, a picture of the world does not.
TEST_F(TranslatedFramework, RightToLeftMirrorsControlsAndPaintedTextsNotPictures)
{
    struct Placed
    {
        int buttonLeft;
        int textLeft;
        int textRight;
    };
    auto place = [](bool arabic) -> Placed
    {
        if (arabic)
            InstallTranslations({"ar"});
        else
            RemoveTranslations();
        DialogTemplate layout{9001, "Mirror", 160, 165, {}};
        layout.controls.push_back({IDOK, ControlKind::DefaultPushButton, "OK", 0, 10, 10, 40, 14});
        CDialog dialog(layout, nullptr);
        testing::DialogHarness harness(dialog);
        int buttonLeft = -1;
        for (QWidget* window : QApplication::topLevelWidgets())
            for (QPushButton* button : window->findChildren<QPushButton*>())
                if (button->isVisible())
                    buttonLeft = button->geometry().left();
        Placed placed{buttonLeft, 0, 0};
        SetShownTextObserver(
            [&](const ShownTextBox& box)
            {
                placed.textLeft = box.left;
                placed.textRight = box.right;
            });
        RenderPicture(240, 40, [](CDC& dc) { dc.TextOut(20, 5, "Date:"); });
        SetShownTextObserver({});
        return placed;
    };
    const Placed english = place(false);
    const Placed arabic = place(true);
    EXPECT_EQ(english.buttonLeft, 15);
    EXPECT_EQ(arabic.buttonLeft, 240 - 15 - 60);
    EXPECT_EQ(english.textLeft, 20);
    EXPECT_EQ(arabic.textRight, 240 - 20);

    // The Kaaba's picture stays where it is drawn.
    auto inkColumns = [](bool arabic)
    {
        if (arabic)
            InstallTranslations({"ar"});
        else
            RemoveTranslations();
        const Picture picture = RenderPicture(240, 40,
                                              [](CDC& dc)
                                              {
                                                  dc.FillSolidRect(CRect{0, 0, 240, 40}, 0xFFFFFF);
                                                  dc.DrawBitmap(5, 5, IDB_KAABA);
                                              });
        std::vector<COLORREF> row;
        for (int x = 0; x < 240; ++x)
            row.push_back(picture.Pixel(x, 10));
        return row;
    };
    EXPECT_EQ(inkColumns(false), inkColumns(true));
}

} // namespace
} // namespace halvo
