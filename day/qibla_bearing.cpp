#include "day/qibla_bearing.h"

#include "locations/location_database.h"
#include "platform/clock.h"
#include "settings/settings.h"
#include "sky/qibla.h"

namespace halvo
{

std::optional<double> QiblaBearing(UserMessages& messages)
{
    std::int32_t longitude = 0;
    std::int32_t latitude = 0;
    double utcOffset = 0; // not needed for a direction
    if (!LookupCity(LocalNow(), ReadSetting(setting::kCityName), longitude, latitude, utcOffset,
                    messages))
        return std::nullopt;
    return QiblaBearingAt(longitude, latitude);
}

} // namespace halvo
