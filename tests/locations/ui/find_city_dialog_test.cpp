#include "locations/ui/find_city_dialog.h"

#include "tests/locations/ui/location_dialogs_fixture.h"
#include "tests/support/write_lock_held.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace halvo
{
namespace
{

class FindCityWindow : public testing::LocationDialogs
{
  protected:
    // The keys a user presses, each to the widget that has them.
    static void Press(QWidget* widget, int key, const QString& text = {})
    {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
        QApplication::sendEvent(widget, &release);
    }
    static void Type(FindCityDialog& dialog, const QString& text)
    {
        for (const QChar c : text)
            Press(Search(dialog), 0, QString(c));
    }
    static QLineEdit* Search(FindCityDialog& dialog)
    {
        return dialog.findChild<QLineEdit*>("search");
    }
    using Texts = std::vector<std::string>;
    static Texts Results(FindCityDialog& dialog)
    {
        Texts shown;
        const QAbstractItemModel* model = dialog.findChild<QListView*>("results")->model();
        for (int row = 0; row < model->rowCount(); ++row)
            shown.push_back(model->index(row, 0).data().toString().toStdString());
        return shown;
    }
    static std::string Selected(FindCityDialog& dialog)
    {
        return dialog.findChild<QListView*>("results")
            ->currentIndex()
            .data()
            .toString()
            .toStdString();
    }
    // The text of each message box the window opens, which is then closed.
    static Texts BoxesWhile(const std::function<void()>& act)
    {
        Texts boxes;
        QTimer answer;
        QObject::connect(&answer, &QTimer::timeout,
                         [&]
                         {
                             if (auto* box =
                                     qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                             {
                                 boxes.push_back(box->text().toStdString());
                                 box->accept();
                             }
                         });
        answer.start(10);
        act();
        return boxes;
    }
};

TEST_F(FindCityWindow, TypingListsTheBestMatchesFirstAndEmptyListsNone)
{
    FindCityDialog dialog;
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Find City");
    EXPECT_TRUE(Results(dialog).empty());
    struct Case
    {
        const char* typed;
        Texts shown;
    };
    const Case cases[] = {
        {"a", {"Alexandria (Egypt)", "Cairo (Egypt)", "Kabul (Afghanistan)", "Seattle, WA (USA)"}},
        {"CAIRÖ", {"Cairo (Egypt)"}},
        {" seattle ", {"Seattle, WA (USA)"}},
        {"egypt", {"Alexandria (Egypt)", "Cairo (Egypt)"}},
        {"united states", {"Seattle, WA (USA)"}},
        {"xq", {}},
    };
    for (const Case& c : cases)
    {
        Search(dialog)->clear();
        Type(dialog, QString::fromUtf8(c.typed));
        EXPECT_EQ(Results(dialog), c.shown) << c.typed;
        EXPECT_EQ(Selected(dialog), c.shown.empty() ? "" : c.shown[0]) << c.typed;
    }
    Search(dialog)->clear();
    EXPECT_TRUE(Results(dialog).empty());
}

TEST_F(FindCityWindow, EnterMakesTheSelectedCityCurrentAndCancelKeepsIt)
{
    {
        FindCityDialog dialog;
        dialog.show();
        Type(dialog, "egypt");
        dialog.findChild<QDialogButtonBox*>("buttons")->button(QDialogButtonBox::Cancel)->click();
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
    }
    EXPECT_EQ(ReadSetting(setting::kCityName), "Seattle, WA");
    {
        // Down from the search field moves in the list; Enter takes it.
        FindCityDialog dialog;
        dialog.show();
        Type(dialog, "egypt");
        Press(Search(dialog), Qt::Key_Down);
        EXPECT_EQ(Selected(dialog), "Cairo (Egypt)");
        Press(Search(dialog), Qt::Key_Return);
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
    }
    EXPECT_EQ(ReadSetting(setting::kCityName), "Cairo");
}

// Nothing to take, or a store that refuses the write: the window says so
// and stays open, and the current city is the one stored before.
TEST_F(FindCityWindow, NoCityOrAFailedWriteIsSaidAndTheWindowStaysOpen)
{
    FindCityDialog dialog;
    dialog.show();
    Type(dialog, "xq");
    EXPECT_EQ(BoxesWhile([&] { Press(Search(dialog), Qt::Key_Return); }),
              Texts{"Please select a city"});
    EXPECT_TRUE(dialog.isVisible());

    Search(dialog)->clear();
    Type(dialog, "cairo");
    {
        testing::WriteLockHeld lock(database_);
        EXPECT_EQ(BoxesWhile([&] { Press(Search(dialog), Qt::Key_Return); }),
                  Texts{kSettingsNotWrittenMessage});
    }
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(ReadSetting(setting::kCityName), "Seattle, WA");
    Press(Search(dialog), Qt::Key_Return);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(ReadSetting(setting::kCityName), "Cairo");
}

} // namespace
} // namespace halvo
