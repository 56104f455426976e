// Leak-check suppressions for the GUI stack the display tests start (GTK, GLib, D-Bus): it
// keeps process-wide allocations until exit. Built into the test binary, so every way of
// running it (ctest, directly, under xvfb-run) uses them without an environment variable.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libdbus-1.so\n"
           "leak:libglib-2.0.so\n"
           "leak:libgobject-2.0.so\n"
           "leak:libgio-2.0.so\n"
           "leak:libgtk-3.so\n"
           "leak:libgdk-3.so\n"
           "leak:libfontconfig.so\n";
}
