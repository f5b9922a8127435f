#include "platform/ui/own_window_parent.h"

#include "platform/ui/framework_impl.h"

namespace halvo
{

QWidget* OwnWindowParent(CWnd& window)
{
    return window.impl().widget.data();
}

} // namespace halvo
