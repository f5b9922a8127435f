#pragma once

#include "engine/date_record.h"
#include "platform/ui/dialog.h"

namespace halvo
{

// "Date Settings": a Gregorian and a Hijri date side by side, kept in step.
// Apply leaves the chosen Gregorian date for the main display.
class CDateSettingsDlg : public CDialog
{
  public:
    explicit CDateSettingsDlg(CWnd* parent);

    bool OnInitDialog() override;
    void OnOK() override; // Apply
    void OnCancel() override;

    // After the dialog: whether the user applied a date, and which (year,
    // month and day only).
    bool Applied() const { return applied_; }
    const DateRecord& ChosenDate() const { return chosenDate_; }

  protected:
    const MessageMap& GetMessageMap() const override;

  private:
    void OnPaint(CDC& dc);
    void OnGregorianChange();
    void OnHijriChange();

    DateRecord chosenDate_{};
    bool applied_ = false;
};

} // namespace halvo
