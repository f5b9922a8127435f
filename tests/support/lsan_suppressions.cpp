// Fontconfig keeps a few blocks of its configuration for the life of the
// process, and libdbus those of the session-bus connection when Qt's bus
// thread is still closing it at exit; LeakSanitizer reports them although
// nothing of ours leaks.
// The suppressions are built into the test programs so no environment
// variable is needed to run them.

extern "C" const char* __lsan_default_suppressions();

extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n"
           "leak:libdbus-1.so\n";
}
