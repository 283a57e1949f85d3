// Fontconfig keeps its configuration and pattern caches until the process ends, and cairo's font lookup fills
// them; they are not leaks of ours. Read by LeakSanitizer when the tests run under AddressSanitizer, unused
// otherwise.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n"
           "leak:libcairo.so\n";
}
