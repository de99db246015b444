#include "calc/calc_request.h"

#include "calc/fp_traps.h"
#include "calc/input_checks.h"
#include "calc/number_to_text.h"
#include "calc/text_to_number.h"
#include "model/differential_inductance.h"
#include "model/induced_emf.h"
#include "model/winding.h"

namespace {

// The models in their fixed order; each result is stored as soon as it is
// known, so a trap leaves exactly the results computed before it.
void ComputeResults(TransducerParams& p) {
  p.Rdif = WindingResistance(p);
  DifferentialInductance(p);  // stores Ldif
  p.N = WindingTurns(p);
  p.Edif = -InducedEmf(p);
}

}  // namespace

std::optional<std::string> CalculationRequest(TransducerParams& params, const InputTexts& inputs,
                                              ShownTexts& shown, char decimalSeparator) {
  const RequestFpuScope fpu;

  for (int i = 0; i < kInputCount; ++i) {
    const std::optional<long double> value = TextToNumber(inputs[i], decimalSeparator);
    if (!value) {
      return "'" + std::string(TrimBlanks(inputs[i])) + "' is not a valid floating point value";
    }
    params.*kParamFields[i].member = *value;
  }

  const char* failedCheck = nullptr;
  auto checks = [&] { failedCheck = FirstFailedCheck(params); };
  if (const FpError error = RunTrapped(checks); error != FpError::kNone) {
    return FpErrorMessage(error);
  }
  if (failedCheck != nullptr) {
    shown.ready = failedCheck;
    shown.N.clear();
    shown.Rdif.clear();
    shown.Ldif.clear();
    shown.Edif.clear();
    return std::nullopt;
  }

  shown.ready = "Ждите ...";
  auto models = [&] { ComputeResults(params); };
  if (const FpError error = RunTrapped(models); error != FpError::kNone) {
    return FpErrorMessage(error);
  }

  shown.N = NumberToText(params.N, decimalSeparator);
  shown.Rdif = NumberToText(params.Rdif, decimalSeparator);
  shown.Ldif = NumberToText(params.Ldif, decimalSeparator);
  shown.Edif = NumberToText(params.Edif, decimalSeparator);
  shown.ready = params.vv != 0.0L ? "Готов ..." : "Расчет для нулевой осевой скорости";
  return std::nullopt;
}
