// Linked only into sanitizer builds: the options every binary that runs a
// calculation request needs, built in so that no environment is required.

// The request catches floating-point traps with its own SIGFPE handler.
// handle_sigfpe=1 keeps AddressSanitizer's report for a stray SIGFPE outside a
// request but lets the request install its handler for the time of the
// models; with 2 (which allow_user_segv_handler=0 also implies) AddressSanitizer
// would keep SIGFPE to itself and report every trap as a deadly signal.
extern "C" const char* __asan_default_options() {
  return "handle_sigfpe=1:detect_leaks=1";
}

extern "C" const char* __ubsan_default_options() {
  return "print_stacktrace=1";
}
