#pragma once

// The one bridge from the framework to the windows that are plain Qt (not
// built from the seed's templates): the widget they are parented to.

class QWidget;

namespace halvo
{

class CWnd;

QWidget* OwnWindowParent(CWnd& window);

} // namespace halvo
