#pragma once

#include "platform/ui/framework.h"
#include "platform/user_messages.h"

namespace halvo
{

// The system's messages as message boxes owned by a window; warnings as
// lines on stderr.
class WindowMessages : public UserMessages
{
  public:
    explicit WindowMessages(CWnd* owner) : owner_(owner) {}
    void Show(const std::string& text) override;
    void Warn(const std::string& text) override;

  protected:
    CWnd* Owner() const { return owner_; }

  private:
    CWnd* owner_;
};

} // namespace halvo
