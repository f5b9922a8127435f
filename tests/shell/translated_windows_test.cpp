#include "conventions/ui/calculation_options_dialog.h"
#include "day/ui/timetable_window.h"
#include "locations/ui/find_city_dialog.h"
#include "platform/ui/own_window_parent.h"
#include "platform/ui/painted_text.h"
#include "platform/ui/translation.h"
#include "shell/help_texts.h"
#include "shell/prayer_view_accessible.h"
#include "shell/screenshot_catalog.h"
#include "tests/support/main_window_fixture.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>

#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <string>
#include <vector>

namespace halvo
{
namespace
{

// Every text of the catalogue is "[~text~~~]" in the pseudo-translation.
bool Wrapped(const std::string& text)
{
    return text.rfind("[~", 0) == 0 && text.back() == ']';
}

// Data the windows show as it is stored or computed (a city, a number, a
// time), not a text of the program's own: it has no words of its own.
bool IsProgramText(const std::string& text, const std::set<std::string>& data)
{
    if (data.count(text) != 0)
        return false;
    bool letter = false;
    for (const char c : text)
    {
        if (std::isdigit(static_cast<unsigned char>(c)))
            return false;
        letter = letter || std::isalpha(static_cast<unsigned char>(c));
    }
    return letter;
}

class TranslatedWindows : public testing::MainWindow
{
  protected:
    void TearDown() override
    {
        SetShownTextObserver({});
        SetPaintedTextObserver({});
        RemoveTranslations();
        MainWindow::TearDown();
    }

    // The visible widgets' own texts: titles, captions, labels, menus.
    void CheckWidgets(const std::string& where)
    {
        for (QWidget* window : QApplication::topLevelWidgets())
        {
            if (!window->isVisible())
                continue;
            Check(where, window->windowTitle().toStdString(), 0, 0);
            for (QAbstractButton* button : window->findChildren<QAbstractButton*>())
            {
                // Qt's own catalogue translates the standard buttons.
                if (!button->isVisible() || button->text().isEmpty() ||
                    qobject_cast<QDialogButtonBox*>(button->parentWidget()))
                    continue;
                // A check box of the templates is a box alone; the dialog
                // paints its caption.
                const bool boxAlone = qobject_cast<QCheckBox*>(button) && button->width() < 20;
                const int room = button->width() - (qobject_cast<QCheckBox*>(button) ? 20 : 6);
                // The accelerator's "&" is not shown.
                const QString shown = QString(button->text()).remove(QLatin1Char('&'));
                Check(where, button->text().toStdString(),
                      boxAlone ? 0 : button->fontMetrics().horizontalAdvance(shown),
                      boxAlone ? 0 : room);
            }
            for (QLabel* label : window->findChildren<QLabel*>())
                if (label->isVisible() && !label->text().isEmpty() && label->pixmap().isNull())
                    Check(where, label->text().toStdString(),
                          label->wordWrap() ? 0
                                            : label->fontMetrics().horizontalAdvance(label->text()),
                          label->wordWrap() ? 0 : label->width());
            for (QMenu* menu : window->findChildren<QMenu*>())
            {
                Check(where, menu->title().toStdString(), 0, 0);
                for (QAction* action : menu->actions())
                    if (!action->isSeparator())
                        Check(where, action->text().toStdString(), 0, 0);
            }
        }
    }

    void Check(const std::string& where, const std::string& text, int width, int room)
    {
        if (text.empty())
            return;
        if (pseudo_ && !Wrapped(text) && IsProgramText(text, data_))
            problems_.insert(where + ": not translated: \"" + text + "\"");
        if (width > room)
            problems_.insert(where + ": cut (" + std::to_string(width) + " in " +
                             std::to_string(room) + "): \"" + text + "\"");
    }

    void WatchPaintedTexts(const std::string* where)
    {
        SetShownTextObserver(
            [this, where](const ShownTextBox& box)
            {
                if (pseudo_ && !Wrapped(box.shown) && IsProgramText(box.shown, data_))
                    problems_.insert(*where + ": painted untranslated: \"" + box.shown + "\"");
                if (box.left < 0 || box.right > box.surfaceWidth)
                    problems_.insert(*where + ": painted past the window's edge: \"" + box.shown +
                                     "\"");
            });
        // Overlaps are judged by the pixels a text inks: a script's face may
        // reserve more height above and below than its letters use.
        SetPaintedTextObserver(
            [this](const PaintedTextBox& box)
            {
                if (keepBoxes_)
                    boxes_.push_back(box);
            });
    }

    // Two painted texts whose boxes cross: one is written over the other.
    void CheckOverlaps(const std::string& where)
    {
        for (std::size_t i = 0; i < boxes_.size(); ++i)
            for (std::size_t j = i + 1; j < boxes_.size(); ++j)
            {
                const PaintedTextBox& a = boxes_[i];
                const PaintedTextBox& b = boxes_[j];
                // Less than a pixel across is the edge of a smoothed
                // stroke, not one text written over another.
                const QRectF both = a.box.intersected(b.box);
                if (both.width() >= 1.0 && both.height() >= 1.0)
                    problems_.insert(
                        where + ": \"" + a.text + "\" overlaps \"" + b.text + "\" (" +
                        std::to_string(both.width()) + " x " + std::to_string(both.height()) +
                        " at " + std::to_string(both.x()) + "," + std::to_string(both.y()) + ")");
            }
        boxes_.clear();
    }

    // What the windows show as stored or configured: names, not sentences.
    std::set<std::string> data_ = {
        "Seattle, WA",        "Cairo",    "Egypt",         "Moonsighting Committee",
        "Um Ul-Qura, Makkah", kMakerName, kMakerWebAddress};
    std::set<std::string> problems_;
    // Only the pseudo-translation marks every text it translated.
    bool pseudo_ = true;
    bool keepBoxes_ = false;
    std::vector<PaintedTextBox> boxes_;

    // Opens the main window, every dialog and the plain windows in the
    // language installed, and collects what is cut, overlaps or (in the
    // pseudo-translation) was not translated.
    void SurveyEveryWindow();
};

void TranslatedWindows::SurveyEveryWindow()
{
    std::string where = "main";
    WatchPaintedTexts(&where);
    CMainFrame& frame = OpenFrame();
    keepBoxes_ = true;
    frame.Snapshot();
    keepBoxes_ = false;
    CheckOverlaps(where);
    CheckWidgets(where);
    // Every title of the menu bar on the bar itself, none behind its
    // extension button.
    for (QWidget* window : QApplication::topLevelWidgets())
        for (QMenuBar* bar : window->findChildren<QMenuBar*>())
            for (QAction* title : bar->isVisible() ? bar->actions() : QList<QAction*>{})
            {
                const QRect place = bar->actionGeometry(title);
                if (place.isEmpty() || !bar->rect().contains(place))
                    problems_.insert(where + ": menu title not shown whole: \"" +
                                     title->text().toStdString() + "\"");
            }

    for (const DialogShot& shot : DialogShots())
    {
        where = shot.file;
        // A window grows to a long translation after its first paint; what
        // counts is the window the person then sees.
        const std::set<std::string> before = problems_;
        const std::unique_ptr<CDialog> dialog = shot.make(frame);
        testing::DialogHarness harness(*dialog);
        if (shot.prepare)
            shot.prepare(harness);
        harness.Snapshot();
        ProcessPendingMessages();
        problems_ = before;
        harness.Snapshot();
        CheckWidgets(where);
    }

    where = "calculation-options";
    {
        CalculationOptionsDialog options(OwnWindowParent(frame));
        options.show();
        ProcessPendingMessages();
        CheckWidgets(where);
    }
    where = "find-city";
    {
        FindCityDialog find(OwnWindowParent(frame));
        find.show();
        ProcessPendingMessages();
        CheckWidgets(where);
    }
    where = "timetable";
    {
        TimetableWindow timetable(LocalNow(), OwnWindowParent(frame));
        timetable.show();
        ProcessPendingMessages();
        CheckWidgets(where);
    }

    std::string report;
    for (const std::string& problem : problems_)
        report += problem + "\n";
    EXPECT_TRUE(problems_.empty()) << problems_.size() << " problems:\n" << report;
}

TEST_F(TranslatedWindows, PseudoTranslationReachesEveryTextAndNoneIsCut)
{
    ASSERT_EQ(InstallTranslations({"pseudo"}), "pseudo");
    SurveyEveryWindow();
}

// Each shipped language, as its translators wrote it: no text cut by its
// box or the window's edge, none written over another.
class ShippedLanguage : public TranslatedWindows, public ::testing::WithParamInterface<const char*>
{
};

TEST_P(ShippedLanguage, EveryWindowHoldsItsTexts)
{
    pseudo_ = false;
    ASSERT_EQ(InstallTranslations({GetParam()}), GetParam());
    SurveyEveryWindow();
}

INSTANTIATE_TEST_SUITE_P(Catalogues, ShippedLanguage,
                         ::testing::Values("ar", "ur", "fa", "tr", "id", "ms", "bn", "fr", "de"));

// The city name crosses to the right, the compass stays a picture of the
// world where it always is, and the names and times take Arabic digits.
TEST_F(TranslatedWindows, ArabicMainWindowIsMirroredAroundAnUnmovedCompass)
{
    ::setenv("HALVO_TRANSLATIONS_DIR", HALVO_TEST_TRANSLATIONS_DIR, 1);
    struct Face
    {
        Picture picture;
        std::vector<ShownTextBox> texts;
    };
    auto face = [this](bool arabic)
    {
        if (arabic)
            EXPECT_EQ(InstallTranslations({"ar"}), "ar");
        else
            RemoveTranslations();
        Face shown;
        SetShownTextObserver([&](const ShownTextBox& box) { shown.texts.push_back(box); });
        shown.picture = OpenFrame().Snapshot();
        SetShownTextObserver({});
        return shown;
    };
    const Face english = face(false);
    const Face arabic = face(true);
    ::unsetenv("HALVO_TRANSLATIONS_DIR");

    ASSERT_FALSE(english.texts.empty());
    ASSERT_EQ(english.texts.size(), arabic.texts.size());
    // The city first, then the dates, then each name above its time.
    EXPECT_EQ(english.texts[0].shown, "Seattle, WA");
    EXPECT_EQ(english.texts[0].left, 30);
    EXPECT_EQ(arabic.texts[0].shown, "Seattle, WA");
    EXPECT_GT(arabic.texts[0].left, english.texts[0].left);
    EXPECT_LE(arabic.texts[0].right, 150);
    EXPECT_EQ(arabic.texts[3].shown, "الفجر");
    EXPECT_GT(arabic.texts[3].right, 240 - 20 - 5);
    EXPECT_EQ(arabic.texts[4].shown.find_first_of("0123456789"), std::string::npos)
        << arabic.texts[4].shown;

    // A screen reader hears the day as it is painted.
    EXPECT_TRUE(InstallTranslations({"ar"}) == "ar");
    DayTexts day;
    day[kLocationText] = "Seattle, WA";
    day[kFajrText] = "5:46 AM";
    const std::vector<AccessibleText> read = PrayerViewTexts(day, std::nullopt);
    ASSERT_GE(read.size(), 4u);
    EXPECT_EQ(read[0].name, "Seattle, WA");
    EXPECT_EQ(read[3].name, "الفجر ٥:٤٦ ص");
    RemoveTranslations();
    EXPECT_EQ(PrayerViewTexts(day, std::nullopt)[3].name, "Fajr 5:46 AM");

    // The compass, its needle and the Kaaba: the same pixels in both.
    for (int y = 20; y < 84; ++y)
        for (int x = 150; x < 214; ++x)
            ASSERT_EQ(english.picture.Pixel(x, y), arabic.picture.Pixel(x, y)) << x << "," << y;
}

} // namespace
} // namespace halvo
