#include "locations/ui/find_city_dialog.h"

#include "locations/location_database.h"
#include "settings/settings.h"

#include <QAbstractListModel>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QVBoxLayout>

namespace halvo
{

// The search's results, best first, each shown as "City (Country)".
class CityResultsModel : public QAbstractListModel
{
  public:
    using QAbstractListModel::QAbstractListModel;

    void SetMatches(std::vector<CityMatch> matches)
    {
        beginResetModel();
        matches_ = std::move(matches);
        endResetModel();
    }

    const CityRecord& City(int row) const { return matches_[static_cast<std::size_t>(row)].city; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override
    {
        return parent.isValid() ? 0 : static_cast<int>(matches_.size());
    }

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount())
            return {};
        const CityRecord& city = City(index.row());
        return QString::fromStdString(city.name + " (" + city.country + ")");
    }

  private:
    std::vector<CityMatch> matches_;
};

FindCityDialog::FindCityDialog(QWidget* parent) : QDialog(parent), cities_(ReadAllCities())
{
    setObjectName("FindCityDialog");
    setWindowTitle(tr("Find City"));

    search_ = new QLineEdit(this);
    search_->setObjectName("search");
    search_->setPlaceholderText(tr("Makkah, Toronto, united states..."));
    search_->setClearButtonEnabled(true);
    // Up and Down move in the results while the typing goes on.
    search_->installEventFilter(this);

    results_ = new CityResultsModel(this);
    list_ = new QListView(this);
    list_->setObjectName("results");
    list_->setModel(results_);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setUniformItemSizes(true);
    list_->setAccessibleName(tr("Cities found"));
    connect(list_, &QListView::activated, this, [this] { accept(); });

    auto* prompt = new QLabel(tr("Type part of the city's name:"), this);
    prompt->setBuddy(search_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName("buttons");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(search_, &QLineEdit::textChanged, this, &FindCityDialog::Search);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(search_);
    layout->addWidget(list_);
    layout->addWidget(buttons);
    resize(360, 420);
    search_->setFocus();
}

FindCityDialog::~FindCityDialog() = default;

void FindCityDialog::Search(const QString& text)
{
    // A blank typed before or after the name is no part of it.
    results_->SetMatches(SearchCities(cities_, text.trimmed().toStdString()));
    if (results_->rowCount() > 0)
        list_->setCurrentIndex(results_->index(0));
}

bool FindCityDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == search_ && event->type() == QEvent::KeyPress)
    {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp ||
            key == Qt::Key_PageDown)
        {
            QKeyEvent copy(QEvent::KeyPress, key, static_cast<QKeyEvent*>(event)->modifiers());
            QCoreApplication::sendEvent(list_, &copy);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void FindCityDialog::accept()
{
    const QModelIndex selected = list_->currentIndex();
    if (!selected.isValid())
    {
        QMessageBox::information(this, windowTitle(), tr("Please select a city"));
        return;
    }
    if (!WriteSetting(setting::kCityName, results_->City(selected.row()).name))
    {
        QMessageBox::warning(this, windowTitle(), QString::fromUtf8(kSettingsNotWrittenMessage));
        return;
    }
    QDialog::accept();
}

} // namespace halvo
