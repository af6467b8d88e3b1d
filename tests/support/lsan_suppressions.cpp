// Fontconfig keeps a few caches for the life of the process, which the leak
// checker of sanitizer builds reports at exit; they are not ours.

extern "C" const char* __lsan_default_suppressions();

extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig\n"; }
