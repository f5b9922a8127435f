// Coordinates and zone rules as the stores hold them (texts and 16-bit
// fields from seed files or the user), through the conversions and the
// day computation that every display runs.
#include "cli/cli_support.h"
#include "engine/day_texts.h"
#include "engine/prayer_engine.h"
#include "locations/daylight_saving.h"
#include "platform/text/number_text.h"
#include "sky/qibla.h"
#include "startup/seed_lines.h"
#include "tests/fuzz/fuzz_support.h"

#include <cmath>
#include <string>

using namespace halvo;
using fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input = fuzz::Text(data, size);

    // A typed coordinate: hundredths within the limit, or a refusal.
    try
    {
        const int hundredths = cli::ParseHundredths(input, "--lat", 90);
        Require(hundredths >= -9000 && hundredths <= 9000, "a latitude stays within 90 degrees");
    }
    catch (const cli::UsageError&)
    {
    }

    // A stored city line: its coordinates are read as leading integers,
    // whatever they hold, and the day and the bearing come out without a
    // crash.
    const CityLine city = ParseCityLine(input);
    if (city.kind == SeedLineKind::kRecord)
    {
        const std::int32_t longitude = LeadingInteger(city.city.longitude);
        const std::int32_t latitude = LeadingInteger(city.city.latitude);
        QiblaBearingAt(longitude, latitude);
        PrayerEngine engine;
        engine.Setup(longitude / 100.0, latitude / 100.0, city.city.zoneId % 24,
                     MakeDate(2026, 6, 21), 18.0, 17.0, 0);
        for (const PrayerTime& time : engine.times)
            Require(!TimeText(time).empty(), "every time has a text");
    }

    // A stored zone line: offsets on dates across the years are finite and
    // labelled.
    const ZoneLine zone = ParseZoneLine(input);
    if (zone.kind == SeedLineKind::kRecord)
    {
        for (const int year : {1, 1582, 2026, 9999})
            for (const int month : {1, 3, 6, 10, 12})
            {
                const double offset = UtcOffsetForZone(zone.zone, MakeDate(year, month, 28));
                Require(std::isfinite(offset), "a zone's offset is finite");
                Require(!OffsetLabel(offset, zone.zone.standardName).empty(), "a label");
            }
    }
    return 0;
}
