#include "platform/ui/text_fit.h"

#include "platform/ui/framework_impl.h"
#include "platform/ui/painted_text.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QWidget>

namespace halvo::testing
{

namespace
{

// Anti-aliasing may shade the pixel next to a box; half a pixel is not a cut.
constexpr double kTolerance = 0.5;

QString WithoutMnemonic(QString text)
{
    return text.replace(QLatin1String("&&"), QLatin1String("\x01"))
        .remove(QLatin1Char('&'))
        .replace(QLatin1Char('\x01'), QLatin1Char('&'));
}

void Check(std::vector<CutText>& cuts, const char* what, const QString& text, double needed,
           double available)
{
    if (needed > available + kTolerance)
        cuts.push_back({what, text.toStdString(), needed, available});
}

// One line of text in a box: its ink across and its line down.
void CheckLine(std::vector<CutText>& cuts, const char* what, const QWidget& widget,
               const QString& text, const QRect& box)
{
    const QRectF inked = InkedTextRect(widget.font(), text, widget.devicePixelRatioF());
    if (inked.isEmpty())
        return;
    Check(cuts, what, text, inked.width(), box.width());
    Check(cuts, what, text, inked.height(), box.height());
}

void CheckLabel(std::vector<CutText>& cuts, const QLabel& label)
{
    if (label.text().isEmpty() || label.textFormat() == Qt::RichText)
        return;
    const int margin = label.margin();
    const QRect box = label.contentsRect().adjusted(margin, margin, -margin, -margin);
    const QString text = label.hasSelectedText() ? label.text() : WithoutMnemonic(label.text());
    if (label.wordWrap())
    {
        const QFontMetricsF metrics(label.font());
        const QRectF needed = metrics.boundingRect(QRectF(0, 0, box.width(), 1e6),
                                                   Qt::TextWordWrap | label.alignment(), text);
        Check(cuts, "label", text, needed.height(), box.height());
        return;
    }
    const QStringList lines = text.split(QLatin1Char('\n'));
    if (lines.size() > 1)
    {
        const double lineHeight = QFontMetricsF(label.font()).lineSpacing();
        Check(cuts, "label", text,
              lineHeight * (lines.size() - 1) + QFontMetricsF(label.font()).height(), box.height());
        for (const QString& line : lines)
        {
            const QRectF inked = InkedTextRect(label.font(), line, label.devicePixelRatioF());
            Check(cuts, "label", line, inked.width(), box.width());
        }
        return;
    }
    CheckLine(cuts, "label", label, text, box);
}

void CheckButton(std::vector<CutText>& cuts, const QAbstractButton& button)
{
    if (button.text().isEmpty())
        return;
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    QStyle::SubElement contents = QStyle::SE_PushButtonContents;
    const char* what = "button";
    if (qobject_cast<const QCheckBox*>(&button) != nullptr)
    {
        contents = QStyle::SE_CheckBoxContents;
        what = "check box";
    }
    else if (qobject_cast<const QRadioButton*>(&button) != nullptr)
    {
        contents = QStyle::SE_RadioButtonContents;
        what = "radio button";
    }
    else if (qobject_cast<const QPushButton*>(&button) == nullptr)
    {
        return;
    }
    const QRect box = button.style()->subElementRect(contents, &option, &button);
    // A box no wider than its indicator shows no caption at all: its
    // window paints the caption beside it, and the text only names it.
    if (box.width() <= 0)
        return;
    CheckLine(cuts, what, button, WithoutMnemonic(button.text()), box);
}

// A control must stand inside its window: what lies beyond the edge is cut.
void CheckInside(std::vector<CutText>& cuts, const QWidget& window, const QWidget& control)
{
    const QRect inWindow(control.mapTo(&window, QPoint(0, 0)), control.size());
    const QString name = QString::fromLatin1(control.metaObject()->className());
    Check(cuts, "control inside the window", name, inWindow.right() + 1, window.width());
    Check(cuts, "control inside the window", name, inWindow.bottom() + 1, window.height());
}

// Every visible control of the window, those standing on it (or on its
// surface) checked against its edges too.
void CheckControls(std::vector<CutText>& cuts, QWidget& top, const QWidget* surface)
{
    for (QWidget* control : top.findChildren<QWidget*>())
    {
        if (!control->isVisibleTo(&top) || control->isWindow())
            continue;
        if (control->parentWidget() == &top || control->parentWidget() == surface)
            CheckInside(cuts, top, *control);
        if (const auto* label = qobject_cast<const QLabel*>(control))
            CheckLabel(cuts, *label);
        else if (const auto* button = qobject_cast<const QAbstractButton*>(control))
            CheckButton(cuts, *button);
        else if (const auto* group = qobject_cast<const QGroupBox*>(control))
            CheckLine(cuts, "group box", *group, WithoutMnemonic(group->title()),
                      group->rect().adjusted(8, 0, -8, 0));
    }
}

} // namespace

std::vector<CutText> CutTexts(QWidget& window)
{
    std::vector<CutText> cuts;
    ProcessPendingMessages();
    CheckControls(cuts, window, nullptr);
    return cuts;
}

std::vector<CutText> CutTexts(CWnd& window)
{
    std::vector<CutText> cuts;
    QWidget* top = window.impl().widget.data();
    if (top == nullptr)
        return cuts;
    ProcessPendingMessages();
    CheckControls(cuts, *top, window.impl().Surface());

    // The texts the window paints itself, from one repaint.
    QWidget* surface = window.impl().Surface();
    const PaintedTextObserver previous = SetPaintedTextObserver(
        [&cuts](const PaintedTextBox& painted)
        {
            const QString text = QString::fromStdString(painted.text);
            Check(cuts, "painted", text, painted.box.right(), painted.window.width());
            Check(cuts, "painted", text, painted.box.bottom(), painted.window.height());
            Check(cuts, "painted", text, 0, painted.box.left());
            Check(cuts, "painted", text, 0, painted.box.top());
        });
    if (surface != nullptr)
        surface->repaint();
    SetPaintedTextObserver(previous);
    return cuts;
}

} // namespace halvo::testing
