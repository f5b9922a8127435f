#include "platform/ui/dialog.h"

#include "platform/ui/framework_impl.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

namespace halvo
{

namespace
{

constexpr char kControlIdProperty[] = "halvoControlId";

class DialogWidget : public WindowWidget<QDialog>
{
  public:
    DialogWidget(CDialog& dialog, QWidget* parent)
        : WindowWidget<QDialog>(dialog, parent), dialog_(dialog)
    {
    }

    // Escape and the window's close button cancel, as the Cancel button does.
    void reject() override { dialog_.Notify(Message::Clicked, IDCANCEL); }

  private:
    CDialog& dialog_;
};

QWidget* FindControl(const CDialog& dialog, int id)
{
    QWidget* window = dialog.impl().widget.data();
    if (window == nullptr)
        return nullptr;
    for (QWidget* child : window->findChildren<QWidget*>())
        if (child->property(kControlIdProperty).toInt() == id)
            return child;
    return nullptr;
}

// Suppresses notifications while the program itself changes a control.
class Quiet
{
  public:
    explicit Quiet(QWidget* widget)
        : widget_(widget), was_(widget != nullptr && widget->signalsBlocked())
    {
        if (widget_ != nullptr)
            widget_->blockSignals(true);
    }
    ~Quiet()
    {
        if (widget_ != nullptr)
            widget_->blockSignals(was_);
    }
    Quiet(const Quiet&) = delete;
    Quiet& operator=(const Quiet&) = delete;

  private:
    QWidget* widget_;
    bool was_;
};

int ItemCount(QWidget* widget)
{
    if (auto* combo = qobject_cast<QComboBox*>(widget))
        return combo->count();
    if (auto* list = qobject_cast<QListWidget*>(widget))
        return list->count();
    return 0;
}

QString ItemText(QWidget* widget, int index)
{
    if (auto* combo = qobject_cast<QComboBox*>(widget))
        return combo->itemText(index);
    if (auto* list = qobject_cast<QListWidget*>(widget))
        return list->item(index)->text();
    return {};
}

// After the last entry that does not sort after text, so equal entries keep
// their order of adding. A binary search: the city list has thousands.
int InsertSorted(QWidget* widget, const QString& text)
{
    int low = 0;
    int high = ItemCount(widget);
    while (low < high)
    {
        const int middle = low + (high - low) / 2;
        if (QString::compare(ItemText(widget, middle), text, Qt::CaseInsensitive) <= 0)
            low = middle + 1;
        else
            high = middle;
    }
    return low;
}

QStringList Items(QWidget* widget)
{
    QStringList items;
    if (auto* combo = qobject_cast<QComboBox*>(widget))
        for (int i = 0; i < combo->count(); ++i)
            items << combo->itemText(i);
    if (auto* list = qobject_cast<QListWidget*>(widget))
        for (int i = 0; i < list->count(); ++i)
            items << list->item(i)->text();
    return items;
}

QDate ToQDate(const DateRecord& date)
{
    return QDate(date.year, date.month, date.day);
}

} // namespace

// --- Controls.

bool CControl::Exists() const
{
    return FindControl(*dialog_, id_) != nullptr;
}

void CControl::EnableWindow(bool enable)
{
    if (QWidget* widget = FindControl(*dialog_, id_))
        widget->setEnabled(enable);
}

bool CControl::IsWindowEnabled() const
{
    QWidget* widget = FindControl(*dialog_, id_);
    return widget != nullptr && widget->isEnabled();
}

void CControl::SetWindowText(const std::string& text)
{
    QWidget* widget = FindControl(*dialog_, id_);
    const Quiet quiet(widget);
    const QString value = ToQString(text);
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        button->setText(value);
    else if (auto* line = qobject_cast<QLineEdit*>(widget))
        line->setText(value);
    else if (auto* text = qobject_cast<QPlainTextEdit*>(widget))
        text->setPlainText(value);
    else if (auto* label = qobject_cast<QLabel*>(widget))
        label->setText(value);
    else if (auto* combo = qobject_cast<QComboBox*>(widget))
    {
        if (combo->isEditable())
            combo->setEditText(value);
    }
}

std::string CControl::GetWindowText() const
{
    QWidget* widget = FindControl(*dialog_, id_);
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        return FromQString(button->text());
    if (auto* line = qobject_cast<QLineEdit*>(widget))
        return FromQString(line->text());
    if (auto* text = qobject_cast<QPlainTextEdit*>(widget))
        return FromQString(text->toPlainText());
    if (auto* label = qobject_cast<QLabel*>(widget))
        return FromQString(label->text());
    if (auto* combo = qobject_cast<QComboBox*>(widget))
        return FromQString(combo->currentText());
    if (auto* list = qobject_cast<QListWidget*>(widget))
        return list->currentItem() != nullptr ? FromQString(list->currentItem()->text())
                                              : std::string();
    return {};
}

bool CButton::GetCheck() const
{
    auto* button = qobject_cast<QAbstractButton*>(FindControl(*dialog_, id_));
    return button != nullptr && button->isChecked();
}

void CButton::SetCheck(bool checked)
{
    auto* button = qobject_cast<QAbstractButton*>(FindControl(*dialog_, id_));
    const Quiet quiet(button);
    if (button != nullptr)
        button->setChecked(checked);
}

void CButton::Click()
{
    if (auto* button = qobject_cast<QAbstractButton*>(FindControl(*dialog_, id_)))
        button->click();
}

int CListControl::AddString(const std::string& text)
{
    QWidget* widget = FindControl(*dialog_, id_);
    const Quiet quiet(widget);
    const QString value = ToQString(text);
    const bool sorted = widget != nullptr && widget->property("halvoSorted").toBool();
    const int index = sorted ? InsertSorted(widget, value) : ItemCount(widget);
    if (auto* combo = qobject_cast<QComboBox*>(widget))
    {
        const int selected = combo->currentIndex();
        combo->insertItem(index, value);
        // A new entry selects nothing by itself.
        combo->setCurrentIndex(selected >= index && selected >= 0 ? selected + 1 : selected);
        if (combo->isEditable() && selected < 0)
            combo->setEditText(QString());
    }
    else if (auto* list = qobject_cast<QListWidget*>(widget))
    {
        list->insertItem(index, value);
    }
    else
    {
        return -1;
    }
    return index;
}

void CListControl::ResetContent()
{
    QWidget* widget = FindControl(*dialog_, id_);
    const Quiet quiet(widget);
    if (auto* combo = qobject_cast<QComboBox*>(widget))
        combo->clear();
    else if (auto* list = qobject_cast<QListWidget*>(widget))
        list->clear();
}

int CListControl::GetCount() const
{
    return ItemCount(FindControl(*dialog_, id_));
}

int CListControl::GetCurSel() const
{
    QWidget* widget = FindControl(*dialog_, id_);
    if (auto* combo = qobject_cast<QComboBox*>(widget))
        return combo->currentIndex();
    if (auto* list = qobject_cast<QListWidget*>(widget))
        return list->currentItem() != nullptr && list->currentItem()->isSelected()
                   ? list->currentRow()
                   : -1;
    return -1;
}

bool CListControl::SetCurSel(int index)
{
    QWidget* widget = FindControl(*dialog_, id_);
    const Quiet quiet(widget);
    if (index < -1 || index >= GetCount())
        return false;
    if (auto* combo = qobject_cast<QComboBox*>(widget))
    {
        combo->setCurrentIndex(index);
        return true;
    }
    if (auto* list = qobject_cast<QListWidget*>(widget))
    {
        list->setCurrentRow(index);
        if (index < 0)
            list->clearSelection();
        return true;
    }
    return false;
}

std::string CListControl::GetText(int index) const
{
    const QStringList items = Items(FindControl(*dialog_, id_));
    if (index < 0 || index >= items.size())
        return {};
    return FromQString(items[index]);
}

int CListControl::FindString(int startAfter, const std::string& prefix) const
{
    const QStringList items = Items(FindControl(*dialog_, id_));
    const int count = static_cast<int>(items.size());
    if (count == 0)
        return -1;
    const QString wanted = ToQString(prefix);
    const int first = startAfter < 0 || startAfter >= count ? 0 : startAfter + 1;
    for (int step = 0; step < count; ++step)
    {
        const int index = (first + step) % count;
        if (items[index].startsWith(wanted, Qt::CaseInsensitive))
            return index;
    }
    return -1;
}

int CListControl::SelectString(int startAfter, const std::string& prefix)
{
    const int index = FindString(startAfter, prefix);
    if (index >= 0)
        SetCurSel(index);
    return index;
}

void CListControl::SelectByUser(int index)
{
    SetCurSel(index);
    const_cast<CDialog*>(dialog_)->Notify(Message::SelChange, id_);
}

int CListCtrl::InsertItem(const std::string& text, int iconId)
{
    auto* list = qobject_cast<QListWidget*>(FindControl(*dialog_, id_));
    if (list == nullptr)
        return -1;
    const Quiet quiet(list);
    auto* item = new QListWidgetItem(QIcon(QStringLiteral(":/halvo/icon_%1.png").arg(iconId)),
                                     ToQString(text));
    list->addItem(item);
    return list->count() - 1;
}

int CListCtrl::GetItemCount() const
{
    auto* list = qobject_cast<QListWidget*>(FindControl(*dialog_, id_));
    return list != nullptr ? list->count() : 0;
}

int CListCtrl::GetSelectedItem() const
{
    auto* list = qobject_cast<QListWidget*>(FindControl(*dialog_, id_));
    if (list == nullptr || list->selectedItems().isEmpty())
        return -1;
    return list->row(list->selectedItems().first());
}

void CListCtrl::SelectItem(int index)
{
    if (auto* list = qobject_cast<QListWidget*>(FindControl(*dialog_, id_)))
        list->setCurrentRow(index);
}

DateRecord CDateTimeCtrl::GetTime() const
{
    auto* picker = qobject_cast<QDateEdit*>(FindControl(*dialog_, id_));
    if (picker == nullptr)
        return {};
    const QDate date = picker->date();
    DateRecord record = MakeDate(date.year(), date.month(), date.day());
    record.dayOfWeek = static_cast<std::uint16_t>(date.dayOfWeek() % 7);
    return record;
}

void CDateTimeCtrl::SetTime(const DateRecord& date)
{
    auto* picker = qobject_cast<QDateEdit*>(FindControl(*dialog_, id_));
    const Quiet quiet(picker);
    if (picker != nullptr)
        picker->setDate(ToQDate(date));
}

void CDateTimeCtrl::SetFormat(const std::string& format)
{
    if (auto* picker = qobject_cast<QDateEdit*>(FindControl(*dialog_, id_)))
        picker->setDisplayFormat(ToQString(format));
}

void CDateTimeCtrl::SetTimeByUser(const DateRecord& date)
{
    if (auto* picker = qobject_cast<QDateEdit*>(FindControl(*dialog_, id_)))
        picker->setDate(ToQDate(date));
}

// --- Dialogs.

CDialog::CDialog(const DialogTemplate& dialogTemplate, CWnd* parent)
    : template_(dialogTemplate), parent_(parent)
{
}

CDialog::~CDialog() = default;

void CDialog::Notify(Message message, int id)
{
    if (Dispatch(message, MessageArgs{id, nullptr}))
        return;
    if (message == Message::Clicked && id == IDOK)
        OnOK();
    else if (message == Message::Clicked && id == IDCANCEL)
        OnCancel();
}

bool CDialog::Build()
{
    EnsureApplication();
    QWidget* parentWidget = parent_ != nullptr ? parent_->impl().widget.data() : nullptr;
    auto* window = new DialogWidget(*this, parentWidget);
    impl_->widget = window;
    window->setWindowTitle(ToQString(template_.title));
    window->setFixedSize(DialogUnitsToPixelsX(template_.width),
                         DialogUnitsToPixelsY(template_.height));

    for (const ControlTemplate& control : template_.controls)
    {
        const int id = control.id;
        QWidget* widget = nullptr;
        switch (control.kind)
        {
        case ControlKind::PushButton:
        case ControlKind::DefaultPushButton:
        {
            auto* button = new QPushButton(ToQString(control.text), window);
            button->setAutoDefault(false);
            button->setDefault(control.kind == ControlKind::DefaultPushButton);
            QObject::connect(button, &QPushButton::clicked,
                             [this, id] { Notify(Message::Clicked, id); });
            widget = button;
            break;
        }
        case ControlKind::CheckBox:
        {
            auto* box = new QCheckBox(ToQString(control.text), window);
            QObject::connect(box, &QCheckBox::clicked,
                             [this, id] { Notify(Message::Clicked, id); });
            widget = box;
            break;
        }
        case ControlKind::Edit:
            widget = new QLineEdit(ToQString(control.text), window);
            break;
        case ControlKind::ReadOnlyMultiLineEdit:
        {
            auto* text = new QPlainTextEdit(ToQString(control.text), window);
            text->setReadOnly(true);
            text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
            widget = text;
            break;
        }
        case ControlKind::StaticText:
            widget = new QLabel(ToQString(control.text), window);
            break;
        case ControlKind::ComboDropDownList:
        case ControlKind::ComboDropDown:
        {
            auto* combo = new QComboBox(window);
            combo->setEditable(control.kind == ControlKind::ComboDropDown);
            combo->setInsertPolicy(QComboBox::NoInsert);
            QObject::connect(combo, &QComboBox::activated,
                             [this, id](int) { Notify(Message::SelChange, id); });
            widget = combo;
            break;
        }
        case ControlKind::ListBox:
        {
            auto* list = new QListWidget(window);
            QObject::connect(list, &QListWidget::currentRowChanged,
                             [this, id](int) { Notify(Message::SelChange, id); });
            widget = list;
            break;
        }
        case ControlKind::IconList:
        {
            auto* list = new QListWidget(window);
            list->setViewMode(QListView::IconMode);
            list->setIconSize(QSize(32, 32));
            list->setMovement(QListView::Static);
            QObject::connect(list, &QListWidget::currentRowChanged,
                             [this, id](int) { Notify(Message::SelChange, id); });
            widget = list;
            break;
        }
        case ControlKind::DatePicker:
        {
            auto* picker = new QDateEdit(window);
            picker->setCalendarPopup(true);
            QObject::connect(picker, &QDateEdit::dateChanged,
                             [this, id](QDate) { Notify(Message::DateChange, id); });
            widget = picker;
            break;
        }
        }
        widget->setProperty(kControlIdProperty, id);
        widget->setProperty("halvoSorted", (control.style & kStyleSorted) != 0);
        // A combo box's height in a template includes its drop-down list.
        const bool isCombo = control.kind == ControlKind::ComboDropDown ||
                             control.kind == ControlKind::ComboDropDownList;
        const int height =
            isCombo ? widget->sizeHint().height() : DialogUnitsToPixelsY(control.height);
        widget->setGeometry(DialogUnitsToPixelsX(control.x), DialogUnitsToPixelsY(control.y),
                            DialogUnitsToPixelsX(control.width), height);
    }
    return true;
}

bool CDialog::CreateModeless()
{
    if (!Build())
        return false;
    ended_ = false;
    OnInitDialog();
    impl_->widget->show();
    return true;
}

int CDialog::DoModal()
{
    if (!Build())
        return -1;
    ended_ = false;
    OnInitDialog();
    auto* window = static_cast<QDialog*>(impl_->widget.data());
    if (!ended_)
        window->exec();
    delete window;
    return result_;
}

void CDialog::EndDialog(int result)
{
    result_ = result;
    ended_ = true;
    if (auto* window = qobject_cast<QDialog*>(impl_->widget.data()))
        window->done(result);
}

} // namespace halvo
