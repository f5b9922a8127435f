// Fontconfig keeps a few blocks of its configuration for the life of the
// process; LeakSanitizer reports them at exit although nothing of ours leaks.
// The suppressions are built into the test programs so no environment
// variable is needed to run them.

extern "C" const char* __lsan_default_suppressions();

extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n";
}
