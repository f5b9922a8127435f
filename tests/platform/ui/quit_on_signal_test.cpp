// SIGTERM and SIGHUP reach the window thread as a quit instead of ending
// the process where it stands.
#include "platform/ui/framework.h"
#include "platform/ui/quit_on_signal.h"

#include <gtest/gtest.h>

#include <signal.h>

namespace halvo
{
namespace
{

TEST(QuitOnSignals, TermAndHupBecomeOneQuitOnTheWindowThread)
{
    EnsureApplication();
    for (const int signal : {SIGTERM, SIGHUP})
    {
        int quits = 0;
        QuitOnSignals([&] { ++quits; });
        // Without the handler the default action ends this test right here.
        ASSERT_EQ(::raise(signal), 0);
        EXPECT_EQ(quits, 0) << "nothing runs inside the signal handler";
        for (int wait = 0; wait < 100 && quits == 0; ++wait)
            ProcessMessagesFor(20);
        EXPECT_EQ(quits, 1) << "signal " << signal;
    }
}

} // namespace
} // namespace halvo
