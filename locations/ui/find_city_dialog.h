#pragma once

// "Find City": the city found by typing part of its name (or a well-known
// other name, or its country) and made current, as Select Location makes
// it. A window of our own, plain Qt: a line edit over a list whose model
// holds the search's results.

#include "locations/city_search.h"

#include <QCoreApplication>
#include <QDialog>

#include <vector>

class QLineEdit;
class QListView;

namespace halvo
{

class CityResultsModel;

class FindCityDialog : public QDialog
{
    // Without Q_OBJECT, tr() would be the base class's and look in its context.
    Q_DECLARE_TR_FUNCTIONS(halvo::FindCityDialog)

  public:
    explicit FindCityDialog(QWidget* parent = nullptr);
    ~FindCityDialog() override;

    // OK or Enter: the selected city becomes the current one; the window
    // stays open when the store does not take it.
    void accept() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Search(const QString& text);

    std::vector<CityRecord> cities_; // read once: every keystroke searches these
    CityResultsModel* results_ = nullptr;
    QLineEdit* search_ = nullptr;
    QListView* list_ = nullptr;
};

} // namespace halvo
