#include "platform/ui/dialog_harness.h"

#include "platform/ui/control_adapters.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMouseEvent>
#include <QTest>

#include <deque>

namespace halvo::testing
{

namespace
{

// What every live ModalScripts shares: one sink, one queue.
struct Recorder
{
    int users = 0;
    MessageBoxSinkFunction previousSink;
    std::vector<std::string> messages;
    std::vector<int> opened;
    std::deque<DialogScript> scripts;
};

Recorder& TheRecorder()
{
    static Recorder recorder;
    return recorder;
}

void RunScripted(CDialog& dialog)
{
    Recorder& recorder = TheRecorder();
    recorder.opened.push_back(dialog.Template().id);
    if (recorder.scripts.empty())
        return; // cancelled by DoModal
    DialogScript script = std::move(recorder.scripts.front());
    recorder.scripts.pop_front();
    DialogHarness harness(dialog, DialogHarness::Adopt{});
    script(harness);
}

void Settle()
{
    ProcessPendingMessages();
}

} // namespace

ModalScripts::ModalScripts()
{
    Recorder& recorder = TheRecorder();
    if (recorder.users++ == 0)
    {
        recorder.previousSink = SetMessageBoxSink([](CWnd*, const std::string& text)
                                                  { TheRecorder().messages.push_back(text); });
        SetModalHook(RunScripted);
    }
    firstMessage_ = recorder.messages.size();
    firstOpened_ = recorder.opened.size();
}

ModalScripts::~ModalScripts()
{
    Recorder& recorder = TheRecorder();
    if (--recorder.users == 0)
    {
        SetMessageBoxSink(std::move(recorder.previousSink));
        SetModalHook({});
        recorder.messages.clear();
        recorder.opened.clear();
        recorder.scripts.clear();
    }
}

void ModalScripts::Then(DialogScript script)
{
    TheRecorder().scripts.push_back(std::move(script));
}

std::vector<std::string> ModalScripts::Messages() const
{
    const auto& all = TheRecorder().messages;
    return {all.begin() + static_cast<std::ptrdiff_t>(std::min(firstMessage_, all.size())),
            all.end()};
}

std::vector<int> ModalScripts::Opened() const
{
    const auto& all = TheRecorder().opened;
    return {all.begin() + static_cast<std::ptrdiff_t>(std::min(firstOpened_, all.size())),
            all.end()};
}

DialogHarness::DialogHarness(CDialog& dialog) : dialog_(dialog)
{
    dialog_.CreateModeless();
    Settle();
}

DialogHarness::DialogHarness(CDialog& dialog, Adopt) : dialog_(dialog)
{
    Settle();
}

DialogHarness::~DialogHarness() = default;

void DialogHarness::Click(int id)
{
    dialog_.Button(id).Click();
    Settle();
}

void DialogHarness::Select(int id, int index)
{
    ControlAdapter& control = dialog_.ControlAt(id);
    if (index >= -1 && index < control.Count())
        control.SelectByUser(index);
    Settle();
}

bool DialogHarness::SelectText(int id, const std::string& text)
{
    const std::vector<std::string> items = Items(id);
    for (std::size_t row = 0; row < items.size(); ++row)
    {
        if (items[row] == text)
        {
            Select(id, static_cast<int>(row));
            return true;
        }
    }
    return false;
}

void DialogHarness::Type(int id, const std::string& text)
{
    dialog_.Edit(id).TypeByUser(text);
    Settle();
}

void DialogHarness::SetDate(int id, const DateRecord& date)
{
    dialog_.DatePicker(id).SetTimeByUser(date);
    Settle();
}

void DialogHarness::PickDay(int id, int year, int month, int day)
{
    dialog_.DatePicker(id).PickDateByUser(year, month, day);
    Settle();
}

void DialogHarness::PressAt(int x, int y)
{
    PressOnWindow(dialog_, x, y);
}

void DialogHarness::TypeKeys(int id, const std::string& keys)
{
    QWidget* widget = dialog_.ControlAt(id).Widget();
    if (widget == nullptr)
        return;
    widget->setFocus();
    for (const QChar c : ToQString(keys))
    {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
    }
    Settle();
}

void DialogHarness::PressKey(KeyCode key)
{
    const int code = key == KeyCode::kReturn   ? Qt::Key_Return
                     : key == KeyCode::kEscape ? Qt::Key_Escape
                     : key == KeyCode::kSpace  ? Qt::Key_Space
                                               : Qt::Key_unknown;
    QWidget* window = dialog_.impl().widget.data();
    QKeyEvent press(QEvent::KeyPress, code, Qt::NoModifier);
    QApplication::sendEvent(window, &press);
    Settle();
}

void PressShortcut(CWnd& window, const std::string& keys)
{
    QWidget* top = window.impl().widget.data();
    if (top == nullptr)
        return;
    // Window shortcuts answer only in the active window.
    top->activateWindow();
    QApplication::setActiveWindow(top);
    Settle();
    QWidget* target = top->focusWidget() != nullptr ? top->focusWidget() : top;
    QTest::keySequence(target, QKeySequence(ToQString(keys)));
    Settle();
}

void DialogHarness::Command(int id)
{
    dialog_.Notify(Message::Command, MessageArgs{.id = id});
    Settle();
}

bool DialogHarness::OK()
{
    Click(IDOK);
    return Ended();
}

bool DialogHarness::Cancel()
{
    Click(IDCANCEL);
    return Ended();
}

std::string DialogHarness::Text(int id) const
{
    return FromQString(dialog_.ControlAt(id).Text());
}

bool DialogHarness::Checked(int id) const
{
    return dialog_.ControlAt(id).Checked();
}

int DialogHarness::Selection(int id) const
{
    return dialog_.ControlAt(id).Selection();
}

std::vector<std::string> DialogHarness::Items(int id) const
{
    const ControlAdapter& control = dialog_.ControlAt(id);
    std::vector<std::string> items;
    for (int row = 0; row < control.Count(); ++row)
        items.push_back(FromQString(control.ItemText(row)));
    return items;
}

bool DialogHarness::Enabled(int id) const
{
    return dialog_.Button(id).IsWindowEnabled();
}

Picture DialogHarness::Snapshot()
{
    Settle();
    return dialog_.Snapshot();
}

COLORREF DialogHarness::Pixel(int x, int y)
{
    return Snapshot().Pixel(x, y);
}

Picture DialogHarness::WindowPicture()
{
    Settle();
    Picture picture;
    if (QWidget* window = dialog_.impl().widget.data())
        picture.impl->image = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    return picture;
}

void PressOnWindow(CWnd& window, int x, int y)
{
    QWidget* surface = window.impl().Surface();
    const QPointF local(x, y);
    QMouseEvent press(QEvent::MouseButtonPress, local, surface->mapToGlobal(local), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(surface, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, local, surface->mapToGlobal(local),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(surface, &release);
    ProcessPendingMessages();
}

void PressKeyOnWindow(CWnd& window, KeyCode key)
{
    const int code = key == KeyCode::kReturn   ? Qt::Key_Return
                     : key == KeyCode::kEscape ? Qt::Key_Escape
                     : key == KeyCode::kSpace  ? Qt::Key_Space
                                               : Qt::Key_X;
    QKeyEvent press(QEvent::KeyPress, code, Qt::NoModifier,
                    key == KeyCode::kOther ? QStringLiteral("x") : QString());
    QApplication::sendEvent(window.impl().Surface(), &press);
    ProcessPendingMessages();
}

} // namespace halvo::testing
