// One start of a program guarded by SingleInstance in the folder given:
// prints "first" and runs until killed, or exits 0 once it has asked the
// first to come forward. The first prints "forward" for every such request,
// followed by the activation token the later start passed on, if any.

#include "platform/ui/framework.h"
#include "platform/ui/single_instance.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 2)
        return 2;
    halvo::EnsureApplication();
    halvo::SingleInstance instance{std::filesystem::path(argv[1])};
    if (!instance.Claim(
            [](const std::string& token)
            {
                std::printf(token.empty() ? "forward\n" : "forward %s\n", token.c_str());
                std::fflush(stdout);
            }))
        return 0;
    std::printf("first\n");
    std::fflush(stdout);
    for (;;)
        halvo::ProcessMessagesFor(1000);
}
