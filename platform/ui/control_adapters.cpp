#include "platform/ui/control_adapters.h"

#include "platform/ui/dense_pictures.h"
#include "platform/ui/translation.h"

#include "platform/text/collation.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

namespace halvo
{

namespace
{

// Keeps notifications back while the program itself changes a control:
// only what the user does reaches the message map.
class Quiet
{
  public:
    explicit Quiet(QWidget* widget) : widget_(widget), was_(widget->signalsBlocked())
    {
        widget_->blockSignals(true);
    }
    ~Quiet() { widget_->blockSignals(was_); }
    Quiet(const Quiet&) = delete;
    Quiet& operator=(const Quiet&) = delete;

  private:
    QWidget* widget_;
    bool was_;
};

MessageArgs ArgsFor(int id)
{
    return MessageArgs{.id = id};
}

// --- Push buttons.

class ButtonAdapter : public ControlAdapter
{
  public:
    ButtonAdapter(const ControlTemplate& control, QWidget* surface, const ControlNotifier& notify)
        : ControlAdapter(new QPushButton(ToQString(control.text), surface))
    {
        button()->setAutoDefault(false);
        button()->setDefault(control.kind == ControlKind::DefaultPushButton);
        const int id = control.id;
        QObject::connect(button(), &QPushButton::clicked,
                         [notify, id] { notify(Message::Clicked, ArgsFor(id)); });
    }
    void SetText(const QString& text) override { button()->setText(text); }
    QString Text() const override { return button()->text(); }
    void ClickByUser() override { button()->click(); }

  private:
    QPushButton* button() const { return static_cast<QPushButton*>(Widget()); }
};

// --- Check boxes.

class CheckBoxAdapter : public ControlAdapter
{
  public:
    CheckBoxAdapter(const ControlTemplate& control, QWidget* surface, const ControlNotifier& notify)
        : ControlAdapter(new QCheckBox(ToQString(control.text), surface))
    {
        const int id = control.id;
        QObject::connect(box(), &QCheckBox::clicked,
                         [notify, id] { notify(Message::Clicked, ArgsFor(id)); });
    }
    void SetText(const QString& text) override { box()->setText(text); }
    QString Text() const override { return box()->text(); }
    bool Checked() const override { return box()->isChecked(); }
    void SetChecked(bool checked) override
    {
        const Quiet quiet(box());
        box()->setChecked(checked);
    }
    void ClickByUser() override { box()->click(); }

  private:
    QCheckBox* box() const { return static_cast<QCheckBox*>(Widget()); }
};

// --- One-line edits, typed into or filled by the program.

class EditAdapter : public ControlAdapter
{
  public:
    EditAdapter(const ControlTemplate& control, QWidget* surface, const ControlNotifier& notify)
        : ControlAdapter(new QLineEdit(ToQString(control.text), surface)), notify_(notify),
          id_(control.id)
    {
        edit()->setReadOnly(control.kind == ControlKind::ReadOnlyEdit);
        // Texts are handled in buffers of 1024 units.
        edit()->setMaxLength(1023);
        QObject::connect(edit(), &QLineEdit::textEdited,
                         [this] { notify_(Message::EditChange, ArgsFor(id_)); });
    }
    void SetText(const QString& text) override
    {
        const Quiet quiet(edit());
        edit()->setText(text);
    }
    QString Text() const override { return edit()->text(); }
    void TypeByUser(const QString& text) override
    {
        SetText(text);
        notify_(Message::EditChange, ArgsFor(id_));
    }

  private:
    QLineEdit* edit() const { return static_cast<QLineEdit*>(Widget()); }
    ControlNotifier notify_;
    int id_;
};

// --- Read-only scrolling text.

class MultiLineEditAdapter : public ControlAdapter
{
  public:
    MultiLineEditAdapter(const ControlTemplate& control, QWidget* surface)
        : ControlAdapter(new QPlainTextEdit(ToQString(control.text), surface))
    {
        text()->setReadOnly(true);
        text()->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        text()->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    }
    void SetText(const QString& value) override { text()->setPlainText(value); }
    QString Text() const override { return text()->toPlainText(); }

  private:
    QPlainTextEdit* text() const { return static_cast<QPlainTextEdit*>(Widget()); }
};

// --- Static texts and pictures.

class StaticTextAdapter : public ControlAdapter
{
  public:
    StaticTextAdapter(const ControlTemplate& control, QWidget* surface)
        : ControlAdapter(new QLabel(ToQString(control.text), surface))
    {
    }
    void SetText(const QString& text) override { label()->setText(text); }
    QString Text() const override { return label()->text(); }

  private:
    QLabel* label() const { return static_cast<QLabel*>(Widget()); }
};

constexpr int kDialogIconSize = 32;

class PictureAdapter : public ControlAdapter
{
  public:
    PictureAdapter(const ControlTemplate& control, QWidget* surface)
        : ControlAdapter(new QLabel(surface))
    {
        const bool icon = (control.style & kStyleIcon) != 0;
        const QImage& image = icon ? LoadIcon(control.pictureId) : LoadBitmap(control.pictureId);
        auto* label = static_cast<QLabel*>(Widget());
        // A dialog shows an icon at 32 x 32, whatever sizes the picture has
        // for other uses (the program icon is 128 x 128).
        const bool large =
            icon && (image.width() > kDialogIconSize || image.height() > kDialogIconSize);
        const QImage& dense =
            icon ? LoadDenseIcon(control.pictureId) : LoadDenseBitmap(control.pictureId);
        label->setPixmap(large ? PicturePixmap(image, dense, kDialogIconSize, kDialogIconSize)
                               : PicturePixmap(image, dense));
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
};

// --- Lists: combos, list boxes and icon lists.

// An entry is shown in the active language when it is a text of the
// program's own (a month, a school, a direction); names the stores hold are
// not in the catalogues and stay as they are. The English entry stays with
// the item as its data: that is what the dialogs read, find and store.
QString ShownEntry(const QString& entry)
{
    const std::string english = FromQString(entry);
    const std::string translated = Translate(english);
    return translated == english ? entry : ToQString(LocalDigits(translated));
}

QString EntryOf(const QVariant& data)
{
    return data.toString();
}

class ComboAdapter : public ControlAdapter
{
  public:
    ComboAdapter(const ControlTemplate& control, QWidget* surface, const ControlNotifier& notify)
        : ControlAdapter(new QComboBox(surface)), notify_(notify), id_(control.id),
          sorted_((control.style & kStyleSorted) != 0)
    {
        combo()->setEditable(control.kind == ControlKind::ComboDropDown);
        combo()->setInsertPolicy(QComboBox::NoInsert);
        combo()->setMaxVisibleItems(12);
        // A completed choice from the drop-down list changes the selection.
        QObject::connect(combo(), &QComboBox::activated, [this](int) { NotifySelection(); });
    }
    void SetText(const QString& text) override
    {
        const Quiet quiet(combo());
        if (combo()->isEditable())
            combo()->setEditText(text);
    }
    QString Text() const override
    {
        // The chosen entry as the code knows it; a typed text as typed.
        const int index = combo()->currentIndex();
        if (index >= 0 && combo()->itemText(index) == combo()->currentText())
            return ItemText(index);
        return combo()->currentText();
    }
    int Count() const override { return combo()->count(); }
    QString ItemText(int index) const override { return EntryOf(combo()->itemData(index)); }
    void Insert(int index, const QString& text, int) override
    {
        const Quiet quiet(combo());
        const int selected = combo()->currentIndex();
        const QString shown = ShownEntry(text);
        combo()->insertItem(index, shown, text);
        // The drop-down shows whole entries where the box is narrower than
        // its longest one (room for the frame, margins and scroll bar).
        const int wanted = combo()->fontMetrics().horizontalAdvance(shown) + 40;
        if (combo()->view()->minimumWidth() < wanted)
            combo()->view()->setMinimumWidth(wanted);
        // A new entry selects nothing by itself.
        combo()->setCurrentIndex(selected >= index && selected >= 0 ? selected + 1 : selected);
        if (combo()->isEditable() && selected < 0)
            combo()->setEditText(QString());
    }
    void Clear() override
    {
        const Quiet quiet(combo());
        combo()->clear();
        combo()->view()->setMinimumWidth(0);
    }
    int Selection() const override { return combo()->currentIndex(); }
    void Select(int index) override
    {
        const Quiet quiet(combo());
        combo()->setCurrentIndex(index);
    }
    void SelectByUser(int index) override
    {
        Select(index);
        NotifySelection();
    }
    bool Sorted() const override { return sorted_; }

  private:
    QComboBox* combo() const { return static_cast<QComboBox*>(Widget()); }
    void NotifySelection()
    {
        notify_(Message::SelChange, ArgsFor(id_));
        notify_(Message::SelEndOk, ArgsFor(id_));
    }
    ControlNotifier notify_;
    int id_;
    bool sorted_;
};

// A list box: typing jumps to the first entry that begins with the letters
// typed in a row, compared as the sorted lists compare.
class ListWidget : public QListWidget
{
  public:
    using QListWidget::QListWidget;

    void keyboardSearch(const QString& search) override
    {
        if (!typing_.isValid() || typing_.elapsed() > QApplication::keyboardInputInterval())
            typed_.clear();
        typing_.start();
        typed_ += search;
        const int count = this->count();
        if (count == 0)
            return;
        // A first letter looks past the current entry; more letters refine it.
        const int current = currentRow();
        const int first = typed_.size() == search.size() ? current + 1 : std::max(current, 0);
        const std::string prefix = FromQString(typed_);
        for (int step = 0; step < count; ++step)
        {
            const int row = (first + step) % count;
            if (BeginsWithCaseInsensitive(FromQString(item(row)->text()), prefix))
            {
                setCurrentRow(row);
                return;
            }
        }
    }

  private:
    QString typed_;
    QElapsedTimer typing_;
};

class ListBoxAdapter : public ControlAdapter
{
  public:
    ListBoxAdapter(const ControlTemplate& control, QWidget* surface, const ControlNotifier& notify)
        : ControlAdapter(new ListWidget(surface)), notify_(notify), id_(control.id),
          sorted_((control.style & kStyleSorted) != 0)
    {
        list()->setSelectionMode(QAbstractItemView::SingleSelection);
        QObject::connect(list(), &QListWidget::currentRowChanged,
                         [this](int) { notify_(Message::SelChange, ArgsFor(id_)); });
    }
    QString Text() const override
    {
        const int row = Selection();
        return row >= 0 ? ItemText(row) : QString();
    }
    int Count() const override { return list()->count(); }
    QString ItemText(int index) const override
    {
        return EntryOf(list()->item(index)->data(Qt::UserRole));
    }
    void Insert(int index, const QString& text, int) override
    {
        const Quiet quiet(list());
        auto* item = new QListWidgetItem(ShownEntry(text));
        item->setData(Qt::UserRole, text);
        list()->insertItem(index, item);
    }
    void Clear() override
    {
        const Quiet quiet(list());
        list()->clear();
    }
    int Selection() const override
    {
        const QListWidgetItem* item = list()->currentItem();
        return item != nullptr && item->isSelected() ? list()->currentRow() : -1;
    }
    void Select(int index) override
    {
        const Quiet quiet(list());
        list()->setCurrentRow(index);
        if (index < 0)
            list()->clearSelection();
    }
    void SelectByUser(int index) override
    {
        Select(index);
        notify_(Message::SelChange, ArgsFor(id_));
    }
    bool Sorted() const override { return sorted_; }

  protected:
    QListWidget* list() const { return static_cast<QListWidget*>(Widget()); }
    ControlNotifier notify_;
    int id_;

  private:
    bool sorted_;
};

class IconListAdapter : public ListBoxAdapter
{
  public:
    IconListAdapter(const ControlTemplate& control, QWidget* surface, const ControlNotifier& notify)
        : ListBoxAdapter(control, surface, notify)
    {
        list()->setViewMode(QListView::IconMode);
        list()->setIconSize(QSize(32, 32));
        list()->setMovement(QListView::Static);
        list()->setResizeMode(QListView::Adjust);
        list()->setWordWrap(true);
    }
    void Insert(int index, const QString& text, int iconId) override
    {
        const Quiet quiet(list());
        auto* item = new QListWidgetItem(PictureIcon(iconId), ShownEntry(text));
        item->setData(Qt::UserRole, text);
        list()->insertItem(index, item);
    }
};

// --- Date and date-time pickers.

DateRecord ToDateRecord(const QDateTime& moment)
{
    const QDate date = moment.date();
    const QTime time = moment.time();
    DateRecord record = MakeDate(date.year(), date.month(), date.day());
    record.dayOfWeek = static_cast<std::uint16_t>(date.dayOfWeek() % 7);
    record.hour = static_cast<std::uint16_t>(time.hour());
    record.minute = static_cast<std::uint16_t>(time.minute());
    record.second = static_cast<std::uint16_t>(time.second());
    record.milliseconds = static_cast<std::uint16_t>(time.msec());
    return record;
}

class DateAdapter : public ControlAdapter
{
  public:
    DateAdapter(const ControlTemplate& control, QWidget* surface, const ControlNotifier& notify)
        : ControlAdapter(new QDateTimeEdit(surface)),
          withTime_(control.kind == ControlKind::DateTimePicker)
    {
        picker()->setCalendarPopup(true);
        // The picker holds the record's fields as they are, in no zone: the
        // caller knows what they mean (Moon Phase turns them into universal
        // time). In local time the widget would move an hour a
        // daylight-saving change skips (02:30 to 03:30) and keep it moved on
        // every later day.
        picker()->setTimeSpec(Qt::UTC);
        // Both show the date alone; a date-time picker carries its time of
        // day along.
        picker()->setDisplayFormat(ToQString(PickerDateFormat("dd/MM/yyyy")));
        picker()->setMinimumDate(QDate(1601, 1, 1));
        picker()->setMaximumDate(QDate(9999, 12, 31));
        const int id = control.id;
        QObject::connect(picker(), &QDateTimeEdit::dateTimeChanged,
                         [notify, id](const QDateTime& moment)
                         {
                             MessageArgs args = ArgsFor(id);
                             args.date = ToDateRecord(moment);
                             notify(Message::DateChange, args);
                         });
    }
    QString Text() const override { return picker()->text(); }
    DateRecord Date() const override
    {
        DateRecord date = ToDateRecord(picker()->dateTime());
        if (!withTime_)
            date.hour = date.minute = date.second = date.milliseconds = 0;
        return date;
    }
    void SetDate(const DateRecord& date) override
    {
        const Quiet quiet(picker());
        picker()->setDateTime(ToQDateTime(date));
    }
    void SetDateByUser(const DateRecord& date) override
    {
        picker()->setDateTime(ToQDateTime(date));
    }
    void PickDayByUser(int year, int month, int day) override
    {
        picker()->setDate(QDate(year, month, day));
    }
    void SetFormat(const QString& format) override
    {
        picker()->setDisplayFormat(ToQString(PickerDateFormat(format.toStdString())));
    }

  private:
    QDateTimeEdit* picker() const { return static_cast<QDateTimeEdit*>(Widget()); }
    QDateTime ToQDateTime(const DateRecord& date) const
    {
        const QTime time = withTime_ ? QTime(date.hour, date.minute, date.second) : QTime(0, 0);
        return QDateTime(QDate(date.year, date.month, date.day), time, Qt::UTC);
    }
    bool withTime_;
};

} // namespace

std::unique_ptr<ControlAdapter> MakeControl(const ControlTemplate& control, QWidget* surface,
                                            ControlNotifier notify)
{
    switch (control.kind)
    {
    case ControlKind::PushButton:
    case ControlKind::DefaultPushButton:
        return std::make_unique<ButtonAdapter>(control, surface, notify);
    case ControlKind::CheckBox:
        return std::make_unique<CheckBoxAdapter>(control, surface, notify);
    case ControlKind::Edit:
    case ControlKind::ReadOnlyEdit:
        return std::make_unique<EditAdapter>(control, surface, notify);
    case ControlKind::ReadOnlyMultiLineEdit:
        return std::make_unique<MultiLineEditAdapter>(control, surface);
    case ControlKind::StaticText:
        return std::make_unique<StaticTextAdapter>(control, surface);
    case ControlKind::StaticPicture:
        return std::make_unique<PictureAdapter>(control, surface);
    case ControlKind::ComboDropDownList:
    case ControlKind::ComboDropDown:
        return std::make_unique<ComboAdapter>(control, surface, notify);
    case ControlKind::ListBox:
        return std::make_unique<ListBoxAdapter>(control, surface, notify);
    case ControlKind::IconList:
        return std::make_unique<IconListAdapter>(control, surface, notify);
    case ControlKind::DatePicker:
    case ControlKind::DateTimePicker:
        return std::make_unique<DateAdapter>(control, surface, notify);
    }
    return nullptr;
}

ControlAdapter& MissingControl()
{
    static ControlAdapter missing(nullptr);
    return missing;
}

} // namespace halvo
