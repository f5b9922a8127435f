#pragma once

#include "platform/ui/templates.h"

#include <vector>

namespace halvo
{

// A menu resource by id; an empty menu (id 0) when there is none.
const MenuResource& FindMenu(int id);

// A dialog template by id. An id without a template is a programming error
// (an assertion in debug builds; an empty template otherwise).
const DialogTemplate& FindDialog(int id);

// The ids of every dialog template, in increasing order.
std::vector<int> AllDialogIds();

} // namespace halvo
