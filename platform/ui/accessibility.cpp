#include "platform/ui/accessibility.h"

#include "platform/ui/accessibility_impl.h"
#include "platform/ui/control_adapters.h"
#include "platform/ui/dialog.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QWindow>

#include <algorithm>
#include <map>
#include <numeric>

namespace halvo
{

namespace
{

// How far above a control its caption may stand, and how much a caption
// may reach into the control's edge, in pixels.
constexpr int kAboveReach = 30;
constexpr int kEdgeSlack = 3;

// Painted captions sit a few pixels off their fields' rows: any overlap of
// the two heights puts them on one row.
bool SameRow(const CRect& a, const CRect& b)
{
    return a.top < b.bottom && b.top < a.bottom;
}

bool OverlapAcross(const CRect& a, const CRect& b)
{
    return a.left < b.right && b.left < a.right;
}

CRect ToCRect(const QRect& rect)
{
    return {rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
}

QRect ToQRect(const CRect& rect)
{
    return QRect(rect.left, rect.top, rect.Width(), rect.Height());
}

// --- Painted texts as accessible children of the window that paints them.

struct TextSource
{
    AccessibleTextSource texts;
    std::vector<QString> announced; // the names screen readers were last told
};

std::map<const QWidget*, TextSource>& Sources()
{
    // Never destroyed: a window that outlives main still erases its entry.
    static auto* sources = new std::map<const QWidget*, TextSource>;
    return *sources;
}

std::function<void(const std::string&)>& AnnouncementSink()
{
    static std::function<void(const std::string&)> sink;
    return sink;
}

std::vector<AccessibleText> CurrentTexts(const QWidget* surface)
{
    const auto found = Sources().find(surface);
    if (found == Sources().end() || !found->second.texts)
        return {};
    return found->second.texts();
}

class PaintedTextAccessible : public QAccessibleInterface
{
  public:
    PaintedTextAccessible(QWidget* surface, int index) : surface_(surface), index_(index) {}

    bool isValid() const override
    {
        return surface_ && index_ < static_cast<int>(CurrentTexts(surface_).size());
    }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override
    {
        return surface_ ? surface_->window()->windowHandle() : nullptr;
    }
    QAccessibleInterface* parent() const override
    {
        return surface_ ? QAccessible::queryAccessibleInterface(surface_) : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text kind) const override
    {
        if (kind != QAccessible::Name || !surface_)
            return {};
        const std::vector<AccessibleText> texts = CurrentTexts(surface_);
        return index_ < static_cast<int>(texts.size()) ? ToQString(texts[index_].name) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override
    {
        if (!surface_)
            return {};
        const std::vector<AccessibleText> texts = CurrentTexts(surface_);
        if (index_ >= static_cast<int>(texts.size()))
            return {};
        const QRect local = ToQRect(texts[index_].rect);
        return QRect(surface_->mapToGlobal(local.topLeft()), local.size());
    }
    QAccessible::Role role() const override { return QAccessible::StaticText; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.readOnly = true;
        state.invisible = !surface_ || !surface_->isVisible();
        return state;
    }

  private:
    QPointer<QWidget> surface_;
    int index_;
};

// A painted surface: its texts first, as they read from the top, then its
// controls.
class SurfaceAccessible : public QAccessibleWidget
{
  public:
    explicit SurfaceAccessible(QWidget* surface) : QAccessibleWidget(surface, QAccessible::Client)
    {
    }
    ~SurfaceAccessible() override
    {
        for (const QAccessible::Id id : textIds_)
            QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return TextCount() + QAccessibleWidget::childCount(); }
    QAccessibleInterface* child(int index) const override
    {
        const int texts = TextCount();
        if (index < 0)
            return nullptr;
        if (index < texts)
            return TextChild(index);
        return QAccessibleWidget::child(index - texts);
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        const int texts = TextCount();
        for (std::size_t i = 0; i < textIds_.size(); ++i)
            if (QAccessible::accessibleInterface(textIds_[i]) == child)
                return static_cast<int>(i) < texts ? static_cast<int>(i) : -1;
        const int index = QAccessibleWidget::indexOfChild(child);
        return index < 0 ? -1 : index + texts;
    }

  private:
    int TextCount() const { return static_cast<int>(CurrentTexts(widget()).size()); }
    QAccessibleInterface* TextChild(int index) const
    {
        while (static_cast<int>(textIds_.size()) <= index)
        {
            auto* text = new PaintedTextAccessible(widget(), static_cast<int>(textIds_.size()));
            textIds_.push_back(QAccessible::registerAccessibleInterface(text));
        }
        return QAccessible::accessibleInterface(textIds_[static_cast<std::size_t>(index)]);
    }

    mutable std::vector<QAccessible::Id> textIds_;
};

// A drop-down list of a painted dialog. The toolkit names a combo box on
// this desktop by its current entry and leaves the caption to a label's
// relation, which a painted caption has not: here the name is the caption
// and the entry is the value.
class CaptionedComboAccessible : public QAccessibleWidget
{
  public:
    explicit CaptionedComboAccessible(QComboBox* combo)
        : QAccessibleWidget(combo, QAccessible::ComboBox)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name && !combo()->accessibleName().isEmpty())
            return combo()->accessibleName();
        if (kind == QAccessible::Name || kind == QAccessible::Value)
            return combo()->currentText();
        return QAccessibleWidget::text(kind);
    }
    // The list it drops down, as the toolkit's own interface offers it.
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override
    {
        return index == 0 ? QAccessible::queryAccessibleInterface(combo()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child != nullptr && child->object() == combo()->view() ? 0 : -1;
    }
    QStringList actionNames() const override
    {
        return QAccessibleWidget::actionNames() << showMenuAction();
    }
    void doAction(const QString& action) override
    {
        if (action == showMenuAction())
            combo()->showPopup();
        else
            QAccessibleWidget::doAction(action);
    }

  private:
    QComboBox* combo() const { return static_cast<QComboBox*>(widget()); }
};

QAccessibleInterface* SurfaceFactory(const QString&, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr)
        return nullptr;
    if (Sources().contains(widget))
        return new SurfaceAccessible(widget);
    auto* combo = qobject_cast<QComboBox*>(widget);
    if (combo != nullptr && !combo->isEditable() && Sources().contains(combo->parentWidget()))
        return new CaptionedComboAccessible(combo);
    return nullptr;
}

// --- Controls named by the captions painted beside them.

void NameControlsFromCaptions(QWidget& surface, const std::vector<SurfaceText>& painted)
{
    std::vector<CRect> texts;
    for (const SurfaceText& text : painted)
        texts.push_back(ToCRect(text.rect));
    const QString title = surface.window()->windowTitle().simplified();
    for (QWidget* control : surface.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
    {
        // Buttons and static texts show their own text.
        if (qobject_cast<QLabel*>(control) != nullptr || qobject_cast<QPushButton*>(control) ||
            control->property(kNamedByProgram).toBool())
            continue;
        const bool box = qobject_cast<QAbstractButton*>(control) != nullptr;
        const int caption =
            CaptionFor(ToCRect(control->geometry()),
                       box ? CaptionPlace::kRightOfBox : CaptionPlace::kLeftOrAbove, texts);
        QString name;
        if (caption >= 0)
            name = painted[static_cast<std::size_t>(caption)].text.simplified();
        else if (!box)
            name = title; // nothing painted beside it: the window says what it is for
        else
            continue; // a box keeps its own caption
        if (control->accessibleName() != name)
            control->setAccessibleName(name);
    }
}

void OrderTabsByLayout(QWidget& surface)
{
    std::vector<QWidget*> controls;
    std::vector<CRect> rects;
    for (QWidget* control : surface.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
    {
        if ((control->focusPolicy() & Qt::TabFocus) == 0)
            continue;
        controls.push_back(control);
        rects.push_back(ToCRect(control->geometry()));
    }
    QWidget* previous = nullptr;
    for (const std::size_t index : LayoutOrder(rects))
    {
        if (previous != nullptr)
            QWidget::setTabOrder(previous, controls[index]);
        previous = controls[index];
    }
}

std::string RoleName(QAccessible::Role role)
{
    switch (role)
    {
    case QAccessible::StaticText:
        return "static text";
    case QAccessible::EditableText:
        return "edit";
    case QAccessible::ComboBox:
        return "combo box";
    case QAccessible::List:
        return "list";
    case QAccessible::ListItem:
        return "list item";
    case QAccessible::CheckBox:
        return "check box";
    case QAccessible::PushButton:
        return "push button";
    case QAccessible::SpinBox:
        return "spin box";
    case QAccessible::Dialog:
        return "dialog";
    case QAccessible::Window:
        return "window";
    case QAccessible::Client:
        return "client";
    case QAccessible::Graphic:
        return "graphic";
    case QAccessible::MenuBar:
        return "menu bar";
    default:
        return "role " + std::to_string(static_cast<int>(role));
    }
}

void CollectItems(QAccessibleInterface* item, int depth, std::vector<AccessibleItem>& items)
{
    if (item == nullptr || !item->isValid() || depth > 16)
        return;
    items.push_back({RoleName(item->role()), FromQString(item->text(QAccessible::Name)), depth});
    for (int i = 0; i < item->childCount(); ++i)
        CollectItems(item->child(i), depth + 1, items);
}

} // namespace

int CaptionFor(const CRect& control, CaptionPlace place, std::span<const CRect> texts)
{
    int best = -1;
    int bestDistance = 0;
    const auto consider = [&](std::size_t index, int distance)
    {
        if (best < 0 || distance < bestDistance)
        {
            best = static_cast<int>(index);
            bestDistance = distance;
        }
    };
    for (std::size_t i = 0; i < texts.size(); ++i)
    {
        const CRect& text = texts[i];
        if (!SameRow(text, control))
            continue;
        if (place == CaptionPlace::kRightOfBox && text.left >= control.right - kEdgeSlack)
            consider(i, text.left - control.right);
        if (place == CaptionPlace::kLeftOrAbove && text.right <= control.left + kEdgeSlack)
            consider(i, control.left - text.right);
    }
    if (best >= 0 || place == CaptionPlace::kRightOfBox)
        return best;
    for (std::size_t i = 0; i < texts.size(); ++i)
    {
        const CRect& text = texts[i];
        const int gap = control.top - text.bottom;
        if (gap >= -kEdgeSlack && gap <= kAboveReach && OverlapAcross(text, control))
            consider(i, gap);
    }
    return best;
}

std::vector<std::size_t> LayoutOrder(std::span<const CRect> rects)
{
    std::vector<std::size_t> order(rects.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return rects[a].top < rects[b].top; });
    auto rowStart = order.begin();
    while (rowStart != order.end())
    {
        const int rowBottom = rects[*rowStart].bottom;
        auto rowEnd =
            std::find_if(rowStart, order.end(),
                         [&](std::size_t index) { return rects[index].top >= rowBottom; });
        std::stable_sort(rowStart, rowEnd,
                         [&](std::size_t a, std::size_t b)
                         { return rects[a].left < rects[b].left; });
        rowStart = rowEnd;
    }
    return order;
}

void SetAccessibleTexts(CWnd& window, AccessibleTextSource source)
{
    QWidget* surface = window.impl().Surface();
    if (surface == nullptr)
        return;
    static const bool installed = []
    {
        QAccessible::installFactory(SurfaceFactory);
        return true;
    }();
    (void)installed;
    const auto [entry, added] = Sources().try_emplace(surface);
    entry->second = TextSource{std::move(source), {}};
    if (added)
        QObject::connect(surface, &QObject::destroyed, [surface] { Sources().erase(surface); });
    // A screen reader may have asked about the widget before it had texts:
    // its plain interface is dropped, so the next question finds the texts.
    if (QAccessible::isActive())
    {
        QAccessibleInterface* existing = QAccessible::queryAccessibleInterface(surface);
        if (existing != nullptr && dynamic_cast<SurfaceAccessible*>(existing) == nullptr)
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(existing));
    }
}

void AnnounceAccessibleTexts(CWnd& window)
{
    QWidget* surface = window.impl().Surface();
    const auto found = surface != nullptr ? Sources().find(surface) : Sources().end();
    if (found == Sources().end())
        return;
    std::vector<QString> names;
    for (const AccessibleText& text : CurrentTexts(surface))
        names.push_back(ToQString(text.name));
    std::vector<QString>& announced = found->second.announced;
    if (names == announced)
        return;
    // The toolkit drops the events when no screen reader listens.
    QAccessibleInterface* surfaceItem = QAccessible::queryAccessibleInterface(surface);
    for (std::size_t i = 0; surfaceItem != nullptr && i < names.size(); ++i)
    {
        if (i < announced.size() && names[i] == announced[i])
            continue;
        if (AnnouncementSink())
            AnnouncementSink()(FromQString(names[i]));
        if (QAccessibleInterface* text = surfaceItem->child(static_cast<int>(i)))
        {
            QAccessibleEvent changed(text, QAccessible::NameChanged);
            QAccessible::updateAccessibility(&changed);
        }
    }
    if (names.size() != announced.size())
    {
        QAccessibleEvent reordered(surface, QAccessible::ObjectReorder);
        QAccessible::updateAccessibility(&reordered);
    }
    announced = std::move(names);
}

void SetAnnouncementSink(std::function<void(const std::string&)> sink)
{
    AnnouncementSink() = std::move(sink);
}

void AfterPaintForScreenReaders(CWnd& window, QWidget& surface)
{
    NameControlsFromCaptions(surface, window.impl().paintedTexts);
    AnnounceAccessibleTexts(window);
}

void PrepareDialogForScreenReaders(CWnd& dialog, QWidget& surface)
{
    OrderTabsByLayout(surface);
    CWnd* window = &dialog;
    SetAccessibleTexts(dialog,
                       [window]
                       {
                           std::vector<AccessibleText> texts;
                           for (const SurfaceText& text : window->impl().paintedTexts)
                               texts.push_back({FromQString(text.text), ToCRect(text.rect)});
                           return texts;
                       });
}

std::vector<AccessibleItem> AccessibleItems(const CWnd& window)
{
    std::vector<AccessibleItem> items;
    if (QWidget* widget = window.impl().widget.data())
        CollectItems(QAccessible::queryAccessibleInterface(widget), 0, items);
    return items;
}

std::string AccessibleName(const CDialog& dialog, int id)
{
    QWidget* widget = dialog.ControlAt(id).Widget();
    QAccessibleInterface* item =
        widget != nullptr ? QAccessible::queryAccessibleInterface(widget) : nullptr;
    return item != nullptr ? FromQString(item->text(QAccessible::Name)) : std::string();
}

std::vector<int> TabOrder(const CDialog& dialog)
{
    std::map<const QWidget*, int> ids;
    for (const ControlTemplate& control : dialog.Template().controls)
        if (control.id != IDC_STATIC && dialog.HasControl(control.id))
            ids[dialog.ControlAt(control.id).Widget()] = control.id;
    std::vector<int> order;
    QWidget* top = dialog.impl().widget.data();
    if (top == nullptr)
        return order;
    for (QWidget* widget = top->nextInFocusChain(); widget != nullptr && widget != top;
         widget = widget->nextInFocusChain())
    {
        const auto found = ids.find(widget);
        if (found != ids.end() && (widget->focusPolicy() & Qt::TabFocus) != 0)
            order.push_back(found->second);
    }
    return order;
}

} // namespace halvo
