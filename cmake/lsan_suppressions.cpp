// Linked into every executable of a sanitizer build. fontconfig and D-Bus (loaded by Qt) keep
// caches for the life of the process and never free them; LeakSanitizer would report those at
// every exit and hide the leaks that are ours.
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libfontconfig.so\nleak:libdbus-1.so\n";
}

// The summary of those suppressions would land in the console output that the tests compare.
extern "C" const char* __lsan_default_options() { return "print_suppressions=0"; }
