// The whole calculation request on thirteen fuzzed texts: it never crashes or
// hangs, and whatever it raised, the caller's floating-point environment and
// SIGFPE handler are exactly as before it. Input: the fields as lines, in
// field order; missing fields take the window's default texts, so that most
// requests get past the checks into the models.

#include <fenv.h>
#include <signal.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "calc/calc_request.h"
#include "calc/transducer_params.h"
#include "fuzz/fuzz_failure.h"

namespace {

constexpr std::array<const char*, kInputCount> kDefaultTexts = {
    "0.004", "0.009",  "0.003",   "0.9", "0.005", "0.01", "0.005",
    "0.001", "0.0001", "1.67E-8", "0.6", "0",     "0",
};

constexpr int kDFieldIndex = 8;

// Lines of the input, each ended by '\n' except maybe the last; lines past
// the thirteenth are ignored.
InputTexts FieldsOf(std::string_view input) {
  InputTexts fields;
  for (int i = 0; i < kInputCount; ++i) {
    fields[i] = kDefaultTexts[i];
  }
  for (int i = 0; i < kInputCount && !input.empty(); ++i) {
    const size_t end = input.find('\n');
    fields[i] = input.substr(0, end);
    input.remove_prefix(end == std::string_view::npos ? input.size() : end + 1);
  }
  return fields;
}

std::string Joined(const InputTexts& fields) {
  std::string joined;
  for (const std::string& field : fields) {
    joined += field + '\n';
  }
  return joined;
}

// Everything of the floating-point environment a request may touch. The x87
// condition codes are left out: they are results of comparisons, not state.
struct FpuState {
  unsigned short controlWord;
  unsigned short statusWord;
  unsigned short tagWord;
  unsigned int mxcsr;
  bool operator==(const FpuState&) const = default;
};

FpuState CurrentFpuState() {
  constexpr unsigned short kConditionCodes = 0x4700;
  fenv_t env;
  fegetenv(&env);
  return {env.__control_word, static_cast<unsigned short>(env.__status_word & ~kConditionCodes),
          env.__tags, env.__mxcsr};
}

struct sigaction CurrentFpeAction() {
  struct sigaction action = {};
  sigaction(SIGFPE, nullptr, &action);
  return action;
}

bool IsKnownError(const std::string& error) {
  const std::string_view conversionEnd = "' is not a valid floating point value";
  return error == "Floating point division by zero" ||
         error == "Invalid floating point operation" || error == "Floating point overflow" ||
         (error.size() > conversionEnd.size() && error.front() == '\'' &&
          error.ends_with(conversionEnd));
}

bool ShowsNonFinite(const ShownTexts& shown) {
  for (const std::string* text : {&shown.N, &shown.Rdif, &shown.Ldif, &shown.Edif}) {
    if (text->find("NAN") != std::string::npos || text->find("INF") != std::string::npos) {
      return true;
    }
  }
  return false;
}

// One request on a fresh parameter set, with every property checked.
std::optional<std::string> CheckedRequest(const InputTexts& fields) {
  // A clean caller (libFuzzer's own arithmetic leaves flags behind), so that
  // "as before" also means every trap masked and every flag clear.
  fesetenv(FE_DFL_ENV);
  const FpuState fpuBefore = CurrentFpuState();
  const struct sigaction fpeBefore = CurrentFpeAction();

  TransducerParams params;
  ShownTexts shown;
  const std::optional<std::string> error = CalculationRequest(params, fields, shown, '.');

  const std::string input = Joined(fields);
  if (!(CurrentFpuState() == fpuBefore)) {
    FuzzFailure("floating-point environment changed by the request", input);
  }
  const struct sigaction fpeAfter = CurrentFpeAction();
  // Only the handler and SA_SIGINFO: the C library adds flags of its own.
  if (fpeAfter.sa_sigaction != fpeBefore.sa_sigaction ||
      (fpeAfter.sa_flags & SA_SIGINFO) != (fpeBefore.sa_flags & SA_SIGINFO)) {
    FuzzFailure("SIGFPE handler changed by the request", input);
  }
  if (error && !IsKnownError(*error)) {
    FuzzFailure("unknown error message", input);
  }
  if (ShowsNonFinite(shown)) {
    FuzzFailure("a result field shows a non-finite value", input);
  }
  return error;
}

// Proves, once libFuzzer's own handlers are in place, that the traps reach
// the request's handler: a zero wire diameter is a division by zero.
void CheckDivisionByZeroTraps() {
  InputTexts fields = FieldsOf("");
  fields[kDFieldIndex] = "0";
  const std::optional<std::string> error = CheckedRequest(fields);
  if (error != "Floating point division by zero") {
    FuzzFailure("D = 0 did not trap as a division by zero", error.value_or("no error"));
  }
}

}  // namespace

// 1, ASan's default, and not 2, nor allow_user_segv_handler=0: ASan keeps
// its SIGFPE report for a stray trap but lets the request install its own
// handler, which the traps must reach.
extern "C" const char* __asan_default_options() {
  return "handle_sigfpe=1";
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static bool trapsChecked = false;
  if (!trapsChecked) {
    CheckDivisionByZeroTraps();
    trapsChecked = true;
  }
  CheckedRequest(FieldsOf(std::string_view(reinterpret_cast<const char*>(data), size)));
  return 0;
}
