#pragma once

#include "platform/user_messages.h"

#include <optional>

namespace halvo
{

// Bearing from the current city (the CityName setting, looked up with
// today's date) to the Kaaba, in radians clockwise from north. None when
// the city is not stored; the lookup's message then goes to messages.
std::optional<double> QiblaBearing(UserMessages& messages);

} // namespace halvo
