// Under LeakSanitizer (sanitizer builds run the generator at build time):
// fontconfig keeps a few hundred bytes of its own initialisation that only
// FcFini frees, and the GDI's text keeps fontconfig alive to the end of the
// process.  Leaks allocated inside fontconfig are not reported, so that a
// sanitizer build does not fail on them.  Without the sanitizer this function
// is never called.
extern "C" __attribute__((used, visibility("default"))) const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n";
}
