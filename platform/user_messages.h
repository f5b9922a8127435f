#pragma once

#include <string>

namespace halvo
{

// Where the system's user-visible messages go. The desktop program shows
// them in message boxes owned by a window; the command line prints them as
// lines on stderr; tests record them.
class UserMessages
{
  public:
    virtual ~UserMessages() = default;
    // A message the user must see, in the system's own words.
    virtual void Show(const std::string& text) = 0;
    // A problem worth a line in a log (a skipped seed line, say), not a box.
    virtual void Warn(const std::string& text) = 0;
    // Something the user must learn once that has already happened (the
    // database was damaged and their data reset). The desktop program shows
    // it in a box; the command line has said it with Warn, so by default
    // nothing more is done.
    virtual void Notify(const std::string& text) { (void)text; }
};

} // namespace halvo
