#pragma once

#include "platform/ui/dialog.h"

#include <string>
#include <vector>

namespace halvo
{

// "Islamic Feasts": the nine feasts of the current Hijri year with their
// Gregorian dates, and a Tools menu that leads to the reminder.
class CFeastsDlg : public CDialog
{
  public:
    explicit CFeastsDlg(CWnd* parent);

    bool OnInitDialog() override;

    // The Hijri year the list shows: that of the real date when it opened.
    int HijriYear() const { return hijriYear_; }
    // The Gregorian dates of the rows, in the table's order.
    std::vector<std::string> RowDates() const;

  protected:
    const MessageMap& GetMessageMap() const override;

  private:
    void OnPaint(CDC& dc);
    void OnFeastReminders();
    void OnExit();

    int hijriYear_ = 0;
};

} // namespace halvo
