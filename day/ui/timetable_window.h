#pragma once

// "Timetable": a month of the current city's times, one row a day, today's
// row marked, with the month chosen by arrows or by name and year; it
// prints the month and saves it as PDF. A window of our own, plain Qt.

#include "day/month_table.h"
#include "engine/date_record.h"

#include <QCoreApplication>
#include <QDialog>

class QComboBox;
class QLabel;
class QSpinBox;
class QTableView;

namespace halvo
{

class TimetableModel;

class TimetableWindow : public QDialog
{
    // Without Q_OBJECT, tr() would be the base class's and look in its context.
    Q_DECLARE_TR_FUNCTIONS(halvo::TimetableWindow)

  public:
    // Opens on today's month.
    TimetableWindow(const DateRecord& today, QWidget* parent = nullptr);
    ~TimetableWindow() override;

    void ShowMonth(int year, int month);
    void StepMonth(int months);
    const MonthTable& Month() const { return month_; }
    // The row of today, or -1 when today is not in the month shown.
    int TodayRow() const;

    void Print();
    void SaveAsPdf();
    void SaveAsCsv();
    void SaveAsICalendar();

  private:
    // Asks for a file name and writes text there, saying so when it cannot.
    void SaveText(const QString& caption, const QString& suggested, const QString& filter,
                  const std::string& text);

    DateRecord today_;
    MonthTable month_;
    TimetableModel* model_ = nullptr;
    QLabel* facts_ = nullptr;
    QLabel* notice_ = nullptr;
    QComboBox* monthChoice_ = nullptr;
    QSpinBox* yearChoice_ = nullptr;
    QTableView* table_ = nullptr;
    bool choosing_ = false;
};

} // namespace halvo
