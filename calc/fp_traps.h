#pragma once

#include <fenv.h>

// The floating-point errors that end a calculation request.
enum class FpError { kNone, kDivisionByZero, kInvalidOperation, kOverflow };

// The error's message as the error box shows it (before its closing period).
const char* FpErrorMessage(FpError error);

// Brackets one calculation request: saves the caller's floating-point
// environment, then sets the x87 unit to a 64-bit significand and rounding to
// nearest with every exception masked and every flag clear, whatever ran
// before; the destructor puts the caller's environment back.
class RequestFpuScope {
 public:
  RequestFpuScope();
  ~RequestFpuScope();
  RequestFpuScope(const RequestFpuScope&) = delete;
  RequestFpuScope& operator=(const RequestFpuScope&) = delete;

 private:
  fenv_t saved_;
};

// Runs body(context) with invalid operation, division by zero and overflow
// unmasked, and returns the first of them that fires, or kNone. A fired trap
// jumps straight back here, so the body must own nothing that needs a
// destructor. Underflow and inexact results pass silently. Not re-entrant.
FpError RunTrapped(void (*body)(void*), void* context);

template <typename Body>
FpError RunTrapped(Body& body) {
  return RunTrapped([](void* context) { (*static_cast<Body*>(context))(); }, &body);
}
