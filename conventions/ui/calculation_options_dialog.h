#pragma once

// "Calculation Options": the stored options both programs honour (a
// published method, minutes added, rounding, the high-latitude and polar-day
// rules, the Hijri calendar and its adjustment, the clock, the notice before
// the Adhan, the language). A window of our
// own, not one of the seed's templates: plain Qt with a form layout.

#include <QCoreApplication>
#include <QDialog>

#include <array>

class QComboBox;
class QSpinBox;

namespace halvo
{

class CalculationOptionsDialog : public QDialog
{
    // Without Q_OBJECT, tr() would be the base class's and look in its context.
    Q_DECLARE_TR_FUNCTIONS(halvo::CalculationOptionsDialog)

  public:
    explicit CalculationOptionsDialog(QWidget* parent = nullptr);

    // OK: every option written in its stored spelling.
    void accept() override;

  private:
    void Load();

    QComboBox* method_ = nullptr;
    std::array<QSpinBox*, 6> adjust_{};
    QComboBox* rounding_ = nullptr;
    QComboBox* highLatitude_ = nullptr;
    QComboBox* polarDays_ = nullptr;
    QComboBox* hijriCalendar_ = nullptr;
    QSpinBox* hijriAdjust_ = nullptr;
    QComboBox* clock_ = nullptr;
    QSpinBox* notifyBefore_ = nullptr;
    QComboBox* language_ = nullptr;
};

} // namespace halvo
