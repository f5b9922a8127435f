#pragma once

#include "platform/ui/dialog.h"

#include <optional>
#include <string>

namespace halvo
{

// "Qibla Direction": the bearing of the current city to the Kaaba on a
// large dial, with the bearing in degrees and minutes.
class CQiblaDlg : public CDialog
{
  public:
    explicit CQiblaDlg(CWnd* parent);

    // The line the last paint wrote; empty when there was no bearing.
    const std::string& ShownLine() const { return shownLine_; }

  protected:
    const MessageMap& GetMessageMap() const override;

  private:
    void OnPaint(CDC& dc);
    int OnShowLookupMessage();

    std::string shownLine_;
    // A missing city's message, told once per run of the dialog, after the
    // paint that found it missing.
    std::optional<std::string> waitingMessage_;
    bool messageTold_ = false;
};

} // namespace halvo
