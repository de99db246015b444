// Linked only into sanitizer builds: the options every binary that runs a
// calculation request needs, built in so that no environment is required.

// The request catches floating-point traps with its own SIGFPE handler.
// AddressSanitizer would otherwise register a SIGFPE handler of its own
// (reporting the trap as a deadly signal), and depending on handle_sigfpe may
// forbid the program to replace it; with 0 it leaves SIGFPE alone.
extern "C" const char* __asan_default_options() {
  return "handle_sigfpe=0:detect_leaks=1";
}

extern "C" const char* __ubsan_default_options() {
  return "print_stacktrace=1";
}
