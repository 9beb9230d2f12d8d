// Under LeakSanitizer: fontconfig keeps a few hundred bytes from its own
// initialisation that it frees only in FcFini, which a process drawing text
// until its last static destructor cannot call.  This is not ours to fix,
// so leaks allocated inside fontconfig are not reported.  Qt's desktop
// integration leaves a buffer inside libdbus the same way.  Without the
// sanitizer this function is never called.
extern "C" __attribute__((used, visibility("default"))) const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n"
           "leak:libdbus-1.so\n";
}
