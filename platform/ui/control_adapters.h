#pragma once

// Inside the framework: one adapter per kind of control, so the handles of
// controls.h never ask the toolkit what a widget is. Adding a kind of
// control means one adapter class and one line in MakeControl.

#include "platform/ui/framework_impl.h"

#include <functional>
#include <memory>

namespace halvo
{

// How a control tells its dialog that the user did something.
using ControlNotifier = std::function<void(Message message, const MessageArgs& args)>;

class ControlAdapter
{
  public:
    explicit ControlAdapter(QWidget* widget) : widget_(widget) {}
    virtual ~ControlAdapter() = default;
    ControlAdapter(const ControlAdapter&) = delete;
    ControlAdapter& operator=(const ControlAdapter&) = delete;

    QWidget* Widget() const { return widget_; }

    virtual void SetText(const QString&) {}
    virtual QString Text() const { return {}; }

    // Check boxes and buttons.
    virtual bool Checked() const { return false; }
    virtual void SetChecked(bool) {}
    virtual void ClickByUser() {}

    // Edits.
    virtual void TypeByUser(const QString&) {}

    // Lists and combos; icon lists take an icon with each entry.
    virtual int Count() const { return 0; }
    virtual QString ItemText(int) const { return {}; }
    virtual void Insert(int, const QString&, int /*iconId*/) {}
    virtual void Clear() {}
    virtual int Selection() const { return -1; }
    virtual void Select(int) {}
    virtual void SelectByUser(int) {}
    virtual bool Sorted() const { return false; }

    // Date and date-time pickers.
    virtual DateRecord Date() const { return {}; }
    virtual void SetDate(const DateRecord&) {}
    virtual void SetDateByUser(const DateRecord&) {}
    virtual void PickDayByUser(int, int, int) {}
    virtual void SetFormat(const QString&) {}

  private:
    QWidget* widget_;
};

// The control of a template, built on the dialog's surface.
std::unique_ptr<ControlAdapter> MakeControl(const ControlTemplate& control, QWidget* surface,
                                            ControlNotifier notify);

// Stands in for an id the dialog's template does not have, so a release
// build does nothing instead of touching another control.
ControlAdapter& MissingControl();

} // namespace halvo
