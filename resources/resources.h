#pragma once

#include "platform/ui/templates.h"

namespace halvo {

// A menu resource by id; an empty menu (id 0) when there is none.
const MenuResource& FindMenu(int id);

// A dialog template by id; an empty template (id 0) when there is none.
const DialogTemplate& FindDialogTemplate(int id);

} // namespace halvo
