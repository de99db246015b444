#pragma once

#include <array>
#include <optional>
#include <string>

#include "calc/transducer_params.h"

// The texts of the thirteen input fields, in field order:
// D1 D2 h Br R1 R2 H s D Roe Lambda Delta z v.
using InputTexts = std::array<std::string, kInputCount>;

// The texts of the window's four result fields and its status line (UTF-8).
struct ShownTexts {
  std::string N;
  std::string Rdif;
  std::string Ldif;
  std::string Edif;
  std::string ready = "Готов ...";
};

// The calculation request behind the calculate button: converts the inputs
// into the parameter set one by one, checks them, runs the models and writes
// the results and the status into `shown`. Returns the message of a
// conversion or floating-point error (the error box adds a period), which
// ends the request with `params` and `shown` as far as it had come.
std::optional<std::string> CalculationRequest(TransducerParams& params, const InputTexts& inputs,
                                              ShownTexts& shown, char decimalSeparator);
