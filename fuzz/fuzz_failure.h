#pragma once

#include <string_view>

// Reports a broken property with the text it broke on (escaped, so that
// control characters show) and aborts, which libFuzzer records as a crash.
[[noreturn]] void FuzzFailure(const char* what, std::string_view text);
