// Leak-check suppressions for the font and GUI stack wxWidgets brings up (fontconfig behind the
// PostScript DC's fonts; GLib, GTK and D-Bus when started with GUI): process-wide caches kept
// until exit. Built into the tool, the examples and the test binary, so that sanitizer runs need no
// environment variable, however they are started (ctest, directly, under xvfb-run).
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n"
           "leak:libdbus-1.so\n"
           "leak:libglib-2.0.so\n"
           "leak:libgobject-2.0.so\n"
           "leak:libgio-2.0.so\n"
           "leak:libgtk-3.so\n"
           "leak:libgdk-3.so\n";
}

// The tool's stderr is part of its interface: no suppression statistics at exit.
extern "C" const char* __lsan_default_options() { return "print_suppressions=0"; }
