#include "calc/fp_traps.h"

#include <setjmp.h>
#include <signal.h>

#include <cfenv>

namespace {

// x87 control word of a request: all six exceptions masked, precision control
// 11 (64-bit significand), rounding control 00 (to nearest).
constexpr unsigned short kRequestControlWord = 0x037F;

constexpr int kTrappedExceptions = FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW;

sigjmp_buf trapReturn;
volatile sig_atomic_t trapCode = 0;
volatile sig_atomic_t insideTrappedRegion = 0;

void OnFloatingPointTrap(int, siginfo_t* info, void*) {
  if (insideTrappedRegion == 0) {
    // Not ours: let the faulting instruction run again under the default
    // action, which ends the process as it would without this handler.
    signal(SIGFPE, SIG_DFL);
    return;
  }
  trapCode = info->si_code;
  // The handler runs with a fresh FPU state; RunTrapped restores its own.
  siglongjmp(trapReturn, 1);
}

FpError FromSignalCode(int code) {
  switch (code) {
    case FPE_FLTDIV:
      return FpError::kDivisionByZero;
    case FPE_FLTOVF:
      return FpError::kOverflow;
    default:  // FPE_FLTINV, and an x87 stack fault, which reports as invalid
      return FpError::kInvalidOperation;
  }
}

}  // namespace

const char* FpErrorMessage(FpError error) {
  switch (error) {
    case FpError::kDivisionByZero:
      return "Floating point division by zero";
    case FpError::kInvalidOperation:
      return "Invalid floating point operation";
    case FpError::kOverflow:
      return "Floating point overflow";
    case FpError::kNone:
      break;
  }
  return "";
}

RequestFpuScope::RequestFpuScope() {
  fegetenv(&saved_);
  fesetenv(FE_DFL_ENV);  // flags clear, SSE unit at its defaults
  unsigned short controlWord = kRequestControlWord;
  asm volatile("fldcw %0" : : "m"(controlWord));
}

RequestFpuScope::~RequestFpuScope() {
  fesetenv(&saved_);
}

FpError RunTrapped(void (*body)(void*), void* context) {
  struct sigaction action = {};
  struct sigaction previous = {};
  action.sa_sigaction = OnFloatingPointTrap;
  action.sa_flags = SA_SIGINFO;
  sigemptyset(&action.sa_mask);
  sigaction(SIGFPE, &action, &previous);

  fenv_t outside;
  fegetenv(&outside);
  FpError error = FpError::kNone;
  // Saving the signal mask matters: it unblocks SIGFPE again on the way back,
  // or the next trap would end the process.
  if (sigsetjmp(trapReturn, 1) == 0) {
    feclearexcept(FE_ALL_EXCEPT);
    insideTrappedRegion = 1;
    feenableexcept(kTrappedExceptions);
    body(context);
    // x87 exceptions are delivered at the next x87 instruction: make sure a
    // pending one fires here, inside the region.
    asm volatile("fwait");
    fedisableexcept(kTrappedExceptions);
    insideTrappedRegion = 0;
  } else {
    insideTrappedRegion = 0;
    error = FromSignalCode(trapCode);
  }
  fesetenv(&outside);
  sigaction(SIGFPE, &previous, nullptr);
  return error;
}
