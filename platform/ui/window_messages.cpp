#include "platform/ui/window_messages.h"

#include <cstdio>

namespace halvo
{

void WindowMessages::Show(const std::string& text)
{
    MessageBox(owner_, text);
}

void WindowMessages::Warn(const std::string& text)
{
    std::fprintf(stderr, "halvo-tavorin: %s\n", text.c_str());
}

} // namespace halvo
