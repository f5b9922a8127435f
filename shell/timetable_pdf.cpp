#include "shell/timetable_pdf.h"

#include "day/month_table.h"
#include "day/ui/timetable_document.h"
#include "platform/clock.h"
#include "platform/text/quoted.h"
#include "startup/startup_data.h"

#include <QGuiApplication>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace halvo
{

namespace
{

// Messages go to stderr as lines; the first one shown is kept to decide
// the exit status.
class StderrMessages : public UserMessages
{
  public:
    void Show(const std::string& text) override
    {
        if (shown.empty())
            shown = text;
    }
    void Warn(const std::string& text) override
    {
        std::fprintf(stderr, "halvo-tavorin: %s\n", EscapedForLine(text).c_str());
    }
    std::string shown;
};

// "2026-12" to year and month; false for anything else.
bool ParseMonth(const std::string& text, int& year, int& month)
{
    if (text.size() != 7 || text[4] != '-')
        return false;
    for (std::size_t i = 0; i < text.size(); ++i)
    {
        if (i != 4 && (text[i] < '0' || text[i] > '9'))
            return false;
    }
    year = std::stoi(text.substr(0, 4));
    month = std::stoi(text.substr(5, 2));
    return year >= 1600 && year <= 2400 && month >= 1 && month <= 12;
}

// A script reads one line on failure and nothing on success: the
// toolkit's own notes (a missing runtime folder, fonts) are not for it.
void KeepToolkitQuiet(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "halvo-tavorin: %s\n", message.toLocal8Bit().constData());
}

int Fail(int status, const std::string& text)
{
    std::fprintf(stderr, "halvo-tavorin: %s\n", text.c_str());
    return status;
}

} // namespace

std::optional<TimetablePdfRequest>
ReadTimetablePdfRequest(const std::vector<std::string>& arguments)
{
    // "--month=2027-02" is "--month 2027-02", as the usual parsers take it.
    std::vector<std::string> words;
    for (std::size_t i = 1; i < arguments.size(); ++i)
    {
        const std::string& word = arguments[i];
        const std::size_t equals = word.find('=');
        if (word.rfind("--", 0) == 0 && equals != std::string::npos)
        {
            words.push_back(word.substr(0, equals));
            words.push_back(word.substr(equals + 1));
        }
        else
        {
            words.push_back(word);
        }
    }
    if (std::find(words.begin(), words.end(), "--timetable-pdf") == words.end())
        return std::nullopt;
    TimetablePdfRequest request;
    bool fileGiven = false;
    for (std::size_t i = 0; i < words.size(); ++i)
    {
        const std::string& option = words[i];
        if (option != "--timetable-pdf" && option != "--month" && option != "--city")
        {
            request.error = "unknown option with --timetable-pdf: " + Quoted(option);
            return request;
        }
        if (i + 1 >= words.size())
        {
            request.error = option + " needs a value";
            return request;
        }
        const std::string& value = words[++i];
        if (option == "--timetable-pdf")
        {
            if (value.empty())
            {
                request.error = "--timetable-pdf needs a file name";
                return request;
            }
            request.file = value;
            fileGiven = true;
        }
        else if (option == "--month")
        {
            if (!ParseMonth(value, request.year, request.month))
            {
                request.error = "--month takes YYYY-MM (years 1600 to 2400), not " + Quoted(value);
                return request;
            }
        }
        else
        {
            request.city = value;
        }
    }
    if (!fileGiven)
        request.error = "--timetable-pdf needs a file name";
    return request;
}

int RunTimetablePdf(const TimetablePdfRequest& request, int argc, char** argv)
{
    if (!request.error.empty())
        return Fail(2, request.error);
    // Before the toolkit starts: a script has no display to give it.
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    qInstallMessageHandler(KeepToolkitQuiet);
    QGuiApplication application(argc, argv);
    StderrMessages messages;
    const StartupDataResult data = RunStartupDataSteps(messages);
    if (!data.ok)
        return Fail(1, data.failure);
    int year = request.year;
    int month = request.month;
    if (year == 0)
    {
        const DateRecord today = LocalNow();
        year = today.year;
        month = today.month;
    }
    const MonthTable table = request.city ? ComputeMonth(year, month, *request.city, messages)
                                          : ComputeCurrentCityMonth(year, month, messages);
    if (!table.cityFound)
    {
        const std::string text = messages.shown.empty() ? "the city is not stored" : messages.shown;
        return Fail(request.city ? 2 : 1, EscapedForLine(text));
    }
    QString error;
    if (!WriteTimetablePdf(table, QString::fromStdString(request.file), error))
        return Fail(1, "cannot write " + Quoted(request.file) + ": " +
                           EscapedForLine(error.toStdString()));
    return 0;
}

} // namespace halvo
