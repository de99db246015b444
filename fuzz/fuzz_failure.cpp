#include "fuzz/fuzz_failure.h"

#include <cstdio>
#include <cstdlib>

[[noreturn]] void FuzzFailure(const char* what, std::string_view text) {
  std::fprintf(stderr, "\nFUZZ FAILURE: %s\n  text: \"", what);
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte < 0x7f && c != '"' && c != '\\') {
      std::fputc(c, stderr);
    } else {
      std::fprintf(stderr, "\\x%02x", byte);
    }
  }
  std::fputs("\"\n", stderr);
  std::abort();
}
