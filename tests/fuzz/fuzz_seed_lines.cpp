// Seed-file lines: the field cutting of city and zone lines, and the file
// reader's line checks over whole files (written to an in-memory file).
#include "startup/seed_lines.h"
#include "tests/fuzz/fuzz_support.h"

#include "platform/text/utf8.h"

#include <sys/mman.h>
#include <unistd.h>

#include <string>

using namespace halvo;
using fuzz::Require;

namespace
{

void CheckLine(std::string_view line)
{
    const CityLine city = ParseCityLine(line);
    if (city.kind == SeedLineKind::kRecord)
        Require(!city.city.name.empty(), "a city record has a name");
    if (city.kind == SeedLineKind::kSkip)
        Require(!city.problem.empty(), "a skipped city line says why");
    const ZoneLine zone = ParseZoneLine(line);
    if (zone.kind == SeedLineKind::kSkip)
        Require(!zone.problem.empty(), "a skipped zone line says why");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input = fuzz::Text(data, size);
    CheckLine(input);

    static const int file = ::memfd_create("seed", MFD_CLOEXEC);
    if (file < 0 || ::ftruncate(file, 0) != 0 || ::pwrite(file, data, size, 0) != ssize_t(size))
        return 0;
    SeedFileReader reader("/proc/self/fd/" + std::to_string(file));
    Require(reader.IsOpen(), "an in-memory file opens as a regular file");
    std::size_t lines = 0;
    std::size_t feeds = 0;
    for (char c : input)
        feeds += c == '\n';
    while (auto line = reader.Next())
    {
        ++lines;
        Require(line->number == static_cast<int>(lines), "lines are numbered from 1");
        if (!line->problem.empty())
            continue;
        Require(line->text.find('\n') == std::string::npos, "a line holds no line feed");
        Require(IsPrintableUtf8(line->text), "a usable line is printable UTF-8");
        Require(Utf16Length(line->text) <= kMaxTextUnits, "a usable line fits the buffers");
        CheckLine(line->text);
    }
    Require(lines <= feeds + 1, "no more lines than line feeds allow");
    Require(!reader.Failed(), "reading memory never fails");
    return 0;
}
