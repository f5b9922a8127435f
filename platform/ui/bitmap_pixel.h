#pragma once

// Reading a bitmap resource's own pixels, apart from any window showing it.

#include "platform/colour.h"

#include <optional>

namespace halvo
{

// The colour of a bitmap resource's pixel at (x, y); none outside the
// picture or when the bitmap is missing.
std::optional<COLORREF> BitmapPixel(int bitmapId, int x, int y);

} // namespace halvo
