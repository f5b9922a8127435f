#pragma once

// halvo-tavorin --timetable-pdf FILE [--month YYYY-MM] [--city NAME]: the
// timetable window's PDF without a window, for scripts. It needs no
// display: the toolkit runs on its offscreen platform.

#include <optional>
#include <string>
#include <vector>

namespace halvo
{

struct TimetablePdfRequest
{
    std::string file;
    int year = 0; // 0: this month
    int month = 0;
    std::optional<std::string> city; // none: the current city
    std::string error;               // a usage error, one line
};

// None when --timetable-pdf is not among the arguments.
std::optional<TimetablePdfRequest>
ReadTimetablePdfRequest(const std::vector<std::string>& arguments);

// Runs the start-up data steps and writes the file: 0, or one line on
// stderr and 1 (a failure) or 2 (bad input).
int RunTimetablePdf(const TimetablePdfRequest& request, int argc, char** argv);

} // namespace halvo
