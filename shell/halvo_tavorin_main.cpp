#include "shell/prayer_app.h"

int main(int argc, char** argv)
{
    halvo::CPrayerApp app;
    return app.Run(argc, argv);
}
