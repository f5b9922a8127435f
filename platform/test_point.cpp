#include "platform/test_point.h"

namespace halvo
{
namespace
{

TestPointHandler g_handler = nullptr;

} // namespace

void SetTestPointHandler(TestPointHandler handler)
{
    g_handler = handler;
}

void ReachTestPoint(TestPoint point)
{
    if (g_handler != nullptr)
        g_handler(point);
}

} // namespace halvo
