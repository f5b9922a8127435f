#pragma once

#include "platform/ui/templates.h"

namespace halvo
{

// A menu resource by id; an empty menu (id 0) when there is none.
const MenuResource& FindMenu(int id);

} // namespace halvo
