#pragma once

// The names the Qt-free layers hand to the windows (prayers, months,
// weekdays, feasts, Moon phases), listed once so the catalogues carry them.
// The windows translate them by their English text when they show them.

#include <span>

namespace halvo
{

std::span<const char* const> ShownNames();

} // namespace halvo
