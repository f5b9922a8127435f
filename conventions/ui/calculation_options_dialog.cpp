#include "conventions/ui/calculation_options_dialog.h"

#include "engine/calculation_methods.h"
#include "platform/store/record_store.h"
#include "settings/calculation_options.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QSpinBox>
#include <QVBoxLayout>

namespace halvo
{

namespace
{

// A combo whose items carry the stored spelling as their data.
QComboBox* ChoiceCombo(QWidget* parent, const char* objectName,
                       std::initializer_list<std::pair<QString, const char*>> items)
{
    auto* combo = new QComboBox(parent);
    combo->setObjectName(objectName);
    for (const auto& [label, stored] : items)
        combo->addItem(label, QString::fromUtf8(stored));
    return combo;
}

void SelectStored(QComboBox* combo, const std::string& stored)
{
    const int index = combo->findData(QString::fromStdString(stored));
    combo->setCurrentIndex(index < 0 ? 0 : index);
}

std::string StoredOf(const QComboBox* combo)
{
    return combo->currentData().toString().toStdString();
}

} // namespace

CalculationOptionsDialog::CalculationOptionsDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName("CalculationOptionsDialog");
    setWindowTitle(tr("Calculation Options"));
    auto* form = new QFormLayout;

    method_ = new QComboBox(this);
    method_->setObjectName("method");
    method_->addItem(tr("None: use the twilight convention"), QString());
    for (const CalculationMethod& method : kCalculationMethods)
        method_->addItem(tr("%1 (%2)").arg(QString::fromUtf8(method.organisation),
                                           QString::fromUtf8(method.name)),
                         QString::fromUtf8(method.name));
    form->addRow(tr("Published method:"), method_);

    const std::array<QString, 6> prayers = {tr("Fajr minutes:"),    tr("Sunrise minutes:"),
                                            tr("Zuhr minutes:"),    tr("Asr minutes:"),
                                            tr("Maghrib minutes:"), tr("Isha minutes:")};
    for (std::size_t i = 0; i < adjust_.size(); ++i)
    {
        adjust_[i] = new QSpinBox(this);
        adjust_[i]->setObjectName(QString("adjust%1").arg(i));
        adjust_[i]->setRange(-kMaxAdjustOptionMinutes, kMaxAdjustOptionMinutes);
        form->addRow(prayers[i], adjust_[i]);
    }

    rounding_ =
        ChoiceCombo(this, "rounding",
                    {{tr("Cut to the minute"), "Truncate"}, {tr("Nearest minute"), "Nearest"}});
    form->addRow(tr("Rounding:"), rounding_);
    highLatitude_ = ChoiceCombo(this, "highLatitude",
                                {{tr("As at latitude 45"), "Reference45"},
                                 {tr("Middle of the night"), "MiddleOfNight"},
                                 {tr("One seventh of the night"), "OneSeventh"},
                                 {tr("Twilight angle"), "TwilightAngle"}});
    form->addRow(tr("High latitudes:"), highLatitude_);
    polarDays_ = ChoiceCombo(
        this, "polarDays",
        {{tr("No times (--:--)"), "None"}, {tr("Nearest latitude with a day"), "NearestLatitude"}});
    form->addRow(tr("Polar days:"), polarDays_);
    hijriCalendar_ =
        ChoiceCombo(this, "hijriCalendar",
                    {{tr("Civil (arithmetic)"), "Civil"}, {tr("Umm al-Qura"), "UmmAlQura"}});
    form->addRow(tr("Hijri calendar:"), hijriCalendar_);
    hijriAdjust_ = new QSpinBox(this);
    hijriAdjust_->setObjectName("hijriAdjust");
    hijriAdjust_->setRange(-kMaxHijriAdjustDays, kMaxHijriAdjustDays);
    hijriAdjust_->setSuffix(tr(" days"));
    form->addRow(tr("Hijri adjustment:"), hijriAdjust_);
    clock_ = ChoiceCombo(this, "clock", {{tr("12-hour"), "12"}, {tr("24-hour"), "24"}});
    form->addRow(tr("Clock:"), clock_);
    // Beside the Adhan it belongs to: a notice before each prayer whose
    // Adhan is switched on.
    notifyBefore_ = new QSpinBox(this);
    notifyBefore_->setObjectName("notifyBefore");
    notifyBefore_->setRange(0, kMaxNotifyBeforeMinutes);
    notifyBefore_->setSuffix(tr(" min"));
    notifyBefore_->setSpecialValueText(tr("Off"));
    form->addRow(tr("Notify before the Adhan:"), notifyBefore_);
    // Each language by its own name, as people look for theirs.
    language_ = new QComboBox(this);
    language_->setObjectName("language");
    language_->addItem(tr("The system's language"), QString());
    for (const char* code : kShippedLanguages)
        language_->addItem(QLocale(QString::fromLatin1(code)).nativeLanguageName(),
                           QString::fromLatin1(code));
    form->addRow(tr("Language:"), language_);
    auto* restart = new QLabel(tr("A new language shows when the program starts again."), this);
    restart->setObjectName("languageNote");
    restart->setWordWrap(true);
    form->addRow(QString(), restart);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName("buttons");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    Load();
}

void CalculationOptionsDialog::Load()
{
    SelectStored(method_, StoredOptionText(setting::kMethod));
    const CalculationOptions options = ReadCalculationOptions();
    for (std::size_t i = 0; i < adjust_.size(); ++i)
        adjust_[i]->setValue(options.adjust[i]);
    SelectStored(rounding_, RoundingKey(options.rounding));
    SelectStored(highLatitude_, HighLatitudeKey(options.highLatitude));
    SelectStored(polarDays_, PolarDaysKey(options.polarDays));
    SelectStored(hijriCalendar_, HijriCalendarKey(options.hijri.calendar));
    hijriAdjust_->setValue(options.hijri.adjustDays);
    SelectStored(clock_, options.clock24 ? "24" : "12");
    notifyBefore_->setValue(options.notifyBeforeMinutes);
    SelectStored(language_, options.language);
}

void CalculationOptionsDialog::accept()
{
    MinuteAdjustments minutes{};
    for (std::size_t i = 0; i < adjust_.size(); ++i)
        minutes[i] = adjust_[i]->value();
    const std::pair<const char*, std::string> values[] = {
        {setting::kMethod, StoredOf(method_)},
        {setting::kAdjust, AdjustText(minutes)},
        {setting::kRounding, StoredOf(rounding_)},
        {setting::kHighLatitude, StoredOf(highLatitude_)},
        {setting::kPolarDays, StoredOf(polarDays_)},
        {setting::kHijriCalendar, StoredOf(hijriCalendar_)},
        {setting::kHijriAdjust, std::to_string(hijriAdjust_->value())},
        {setting::kClock, StoredOf(clock_)},
        {setting::kNotifyBefore, std::to_string(notifyBefore_->value())},
        {setting::kLanguage, StoredOf(language_)},
    };
    // All options or none: a display never shows half of the choice.
    bool stored = false;
    {
        StoreTransaction transaction;
        stored = transaction.Active();
        for (const auto& [name, value] : values)
            stored = stored && WriteCalculationOption(name, value);
        stored = stored && transaction.Commit();
    }
    if (!stored)
    {
        // The window stays open, so nothing the user chose is lost.
        QMessageBox::warning(this, windowTitle(), tr("The options could not be stored."));
        return;
    }
    QDialog::accept();
}

} // namespace halvo
