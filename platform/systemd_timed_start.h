#pragma once

// Starting the program at a local date-time through the systemd user
// manager: one transient timer per request, named after the unit prefix and
// the wanted time, with the start's own environment (display, sound server,
// data folder) carried over so the program comes up where the user is.

#include "platform/alarm_services.h"

#include <string>

namespace halvo
{

class SystemdTimedStart : public TimedStart
{
  public:
    // The prefix names every unit this service makes; tests choose their own
    // so they never touch the user's timer.
    explicit SystemdTimedStart(std::string unitPrefix = "halvo-tavorin-adhan");

    bool Request(const DateRecord& when, const std::filesystem::path& executable) override;
    bool Cancel() override;
    std::optional<DateRecord> Pending() override;
    bool Available() override;

    std::string LastFailure() const override { return lastFailure_; }

    // "halvo-tavorin-adhan-20260320-1921": the unit of a wanted time.
    std::string UnitName(const DateRecord& when) const;
    // The wanted time of one of our unit names; none for another name.
    std::optional<DateRecord> TimeOfUnit(const std::string& unit) const;

  private:
    bool Run(const std::vector<std::string>& arguments, std::string* output = nullptr);

    std::string prefix_;
    std::string lastFailure_;
};

// The systemd calendar text of a local date-time's minute, in UTC so the
// user manager's own time zone cannot shift it: "2026-03-21 02:21:00 UTC".
std::string UtcCalendarText(const DateRecord& local);

} // namespace halvo
