#include "day/ui/timetable_window.h"

#include "day/ui/timetable_document.h"
#include "platform/ui/translation.h"

#include <QAbstractTableModel>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFont>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSaveFile>
#include <QSpinBox>
#include <QTableView>
#include <QVBoxLayout>

namespace halvo
{

namespace
{

constexpr int kFirstYear = 1600;
constexpr int kLastYear = 2400;

QString Utf8(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// What the month's computation has to say (a city no longer stored), shown
// in the window rather than a box per day.
class NoticeMessages : public UserMessages
{
  public:
    void Show(const std::string& text) override { Keep(text); }
    void Warn(const std::string& text) override { Keep(text); }
    const std::string& Text() const { return text_; }

  private:
    void Keep(const std::string& text)
    {
        if (text_.empty())
            text_ = text;
    }
    std::string text_;
};

// "prayer-times-2026-12.pdf".
QString SuggestedName(const MonthTable& month, const char* extension)
{
    return QString("prayer-times-%1-%2.%3")
        .arg(month.year, 4, 10, QChar('0'))
        .arg(month.month, 2, 10, QChar('0'))
        .arg(extension);
}

} // namespace

class TimetableModel : public QAbstractTableModel
{
    // Without Q_OBJECT, tr() would be the base class's and look in its context.
    Q_DECLARE_TR_FUNCTIONS(halvo::TimetableModel)

  public:
    explicit TimetableModel(QObject* parent) : QAbstractTableModel(parent) {}

    void SetMonth(const MonthTable* month, int todayRow)
    {
        beginResetModel();
        month_ = month;
        todayRow_ = todayRow;
        endResetModel();
    }

    int rowCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() || month_ == nullptr ? 0 : static_cast<int>(month_->rows.size());
    }
    int columnCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : 2 + static_cast<int>(kPrayerCount);
    }

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!index.isValid() || month_ == nullptr)
            return {};
        const MonthRow& row = month_->rows[static_cast<std::size_t>(index.row())];
        const bool today = index.row() == todayRow_;
        switch (role)
        {
        case Qt::DisplayRole:
            // In the language shown: its dates, digits and AM/PM words.
            if (index.column() == 0)
                return Utf8(ShownText(row.gregorian));
            if (index.column() == 1)
                return Utf8(ShownText(row.hijri));
            return Utf8(ShownText(row.times[static_cast<std::size_t>(index.column() - 2)]));
        case Qt::TextAlignmentRole:
            return index.column() < 2 ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                                      : QVariant(Qt::AlignRight | Qt::AlignVCenter);
        case Qt::FontRole:
            if (today)
            {
                QFont font;
                font.setBold(true);
                return font;
            }
            return {};
        case Qt::AccessibleDescriptionRole:
            return today ? tr("today") : QVariant();
        default:
            return {};
        }
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (role != Qt::DisplayRole)
            return {};
        if (orientation == Qt::Vertical)
            return section == todayRow_ ? tr("Today") : QString::number(section + 1);
        static const char* const kHeads[] = {
            QT_TR_NOOP("Date"), QT_TR_NOOP("Hijri"), QT_TR_NOOP("Fajr"),    QT_TR_NOOP("Sunrise"),
            QT_TR_NOOP("Zuhr"), QT_TR_NOOP("Asr"),   QT_TR_NOOP("Maghrib"), QT_TR_NOOP("Isha")};
        return section >= 0 && section < 8 ? tr(kHeads[section]) : QVariant();
    }

  private:
    const MonthTable* month_ = nullptr;
    int todayRow_ = -1;
};

TimetableWindow::TimetableWindow(const DateRecord& today, QWidget* parent)
    : QDialog(parent), today_(today)
{
    setObjectName("TimetableWindow");
    setWindowTitle(tr("Timetable"));

    facts_ = new QLabel(this);
    facts_->setObjectName("facts");
    facts_->setWordWrap(true);
    notice_ = new QLabel(this);
    notice_->setObjectName("notice");
    notice_->setWordWrap(true);
    notice_->hide();

    auto* previous = new QPushButton(tr("< Previous"), this);
    previous->setObjectName("previous");
    auto* next = new QPushButton(tr("Next >"), this);
    next->setObjectName("next");
    monthChoice_ = new QComboBox(this);
    monthChoice_->setObjectName("month");
    monthChoice_->setAccessibleName(tr("Month"));
    for (int month = 1; month <= 12; ++month)
        monthChoice_->addItem(QLocale().standaloneMonthName(month), month);
    yearChoice_ = new QSpinBox(this);
    yearChoice_->setObjectName("year");
    yearChoice_->setAccessibleName(tr("Year"));
    yearChoice_->setRange(kFirstYear, kLastYear);
    auto* choice = new QHBoxLayout;
    choice->addWidget(previous);
    choice->addStretch();
    choice->addWidget(monthChoice_);
    choice->addWidget(yearChoice_);
    choice->addStretch();
    choice->addWidget(next);

    model_ = new TimetableModel(this);
    table_ = new QTableView(this);
    table_->setObjectName("table");
    table_->setAccessibleName(tr("Prayer times of the month"));
    table_->setModel(model_);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setAlternatingRowColors(true);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->setObjectName("buttons");
    QPushButton* print = buttons->addButton(tr("&Print..."), QDialogButtonBox::ActionRole);
    print->setObjectName("print");
    QPushButton* pdf = buttons->addButton(tr("Save as P&DF..."), QDialogButtonBox::ActionRole);
    pdf->setObjectName("pdf");
    QPushButton* csv = buttons->addButton(tr("Save as &CSV..."), QDialogButtonBox::ActionRole);
    csv->setObjectName("csv");
    QPushButton* ics =
        buttons->addButton(tr("Save as &iCalendar..."), QDialogButtonBox::ActionRole);
    ics->setObjectName("ics");

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(facts_);
    layout->addWidget(notice_);
    layout->addLayout(choice);
    layout->addWidget(table_);
    layout->addWidget(buttons);
    // Tab as the row reads: the month and year stand between the two steps.
    QWidget::setTabOrder(previous, monthChoice_);
    QWidget::setTabOrder(monthChoice_, yearChoice_);
    QWidget::setTabOrder(yearChoice_, next);
    QWidget::setTabOrder(next, table_);

    connect(previous, &QPushButton::clicked, this, [this] { StepMonth(-1); });
    connect(next, &QPushButton::clicked, this, [this] { StepMonth(1); });
    connect(monthChoice_, &QComboBox::currentIndexChanged, this,
            [this](int index)
            {
                if (!choosing_)
                    ShowMonth(yearChoice_->value(), index + 1);
            });
    connect(yearChoice_, &QSpinBox::valueChanged, this,
            [this](int year)
            {
                if (!choosing_)
                    ShowMonth(year, monthChoice_->currentIndex() + 1);
            });
    connect(print, &QPushButton::clicked, this, &TimetableWindow::Print);
    connect(pdf, &QPushButton::clicked, this, &TimetableWindow::SaveAsPdf);
    connect(csv, &QPushButton::clicked, this, &TimetableWindow::SaveAsCsv);
    connect(ics, &QPushButton::clicked, this, &TimetableWindow::SaveAsICalendar);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    ShowMonth(today.year, today.month);
    resize(760, 640);
}

TimetableWindow::~TimetableWindow() = default;

int TimetableWindow::TodayRow() const
{
    if (month_.year != today_.year || month_.month != today_.month)
        return -1;
    return today_.day >= 1 && today_.day <= static_cast<int>(month_.rows.size()) ? today_.day - 1
                                                                                 : -1;
}

void TimetableWindow::ShowMonth(int year, int month)
{
    year = std::clamp(year, kFirstYear, kLastYear);
    month = std::clamp(month, 1, 12);
    NoticeMessages messages;
    month_ = ComputeCurrentCityMonth(year, month, messages);
    model_->SetMonth(&month_, TodayRow());
    choosing_ = true;
    monthChoice_->setCurrentIndex(month - 1);
    yearChoice_->setValue(year);
    choosing_ = false;
    facts_->setText(tr("%1\n%2; Asr %3\nHijri: %4")
                        .arg(Utf8(month_.city), Utf8(month_.convention), Utf8(month_.asrMethod),
                             Utf8(ShownText(month_.hijriMonths))));
    notice_->setText(Utf8(messages.Text()));
    notice_->setVisible(!messages.Text().empty());
    if (TodayRow() >= 0)
        table_->scrollTo(model_->index(TodayRow(), 0));
}

void TimetableWindow::StepMonth(int months)
{
    const int index = month_.year * 12 + (month_.month - 1) + months;
    ShowMonth(index / 12, index % 12 + 1);
}

void TimetableWindow::Print()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(LocalPaperSize()));
    printer.setDocName("Prayer times, " + MonthTitle(month_.year, month_.month));
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    QPainter painter;
    if (!painter.begin(&printer))
    {
        QMessageBox::warning(this, windowTitle(), tr("The printer could not be started."));
        return;
    }
    // The painter starts at the printable area's corner.
    PaintTimetable(painter, QRectF(0, 0, printer.width(), printer.height()), month_);
    painter.end();
}

void TimetableWindow::SaveAsPdf()
{
    const QString suggested = SuggestedName(month_, "pdf");
    const QString path =
        QFileDialog::getSaveFileName(this, tr("Save as PDF"), suggested, tr("PDF files (*.pdf)"));
    if (path.isEmpty())
        return;
    QString error;
    if (!WriteTimetablePdf(month_, path, error))
        QMessageBox::warning(this, windowTitle(),
                             tr("The PDF could not be written to %1: %2").arg(path, error));
}

void TimetableWindow::SaveText(const QString& caption, const QString& suggested,
                               const QString& filter, const std::string& text)
{
    const QString path = QFileDialog::getSaveFileName(this, caption, suggested, filter);
    if (path.isEmpty())
        return;
    // All or nothing: a failed write leaves an existing file as it was.
    QSaveFile file(path);
    const bool written = file.open(QIODevice::WriteOnly) &&
                         file.write(text.data(), static_cast<qint64>(text.size())) ==
                             static_cast<qint64>(text.size()) &&
                         file.commit();
    if (!written)
        QMessageBox::warning(
            this, windowTitle(),
            tr("The file could not be written to %1: %2").arg(path, file.errorString()));
}

void TimetableWindow::SaveAsCsv()
{
    SaveText(tr("Save as CSV"), SuggestedName(month_, "csv"), tr("CSV files (*.csv)"),
             MonthCsv(month_));
}

void TimetableWindow::SaveAsICalendar()
{
    SaveText(tr("Save as iCalendar"), SuggestedName(month_, "ics"), tr("iCalendar files (*.ics)"),
             MonthIcs(month_, IcsStampNow()));
}

} // namespace halvo
