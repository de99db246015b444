// quorvel-calc: one calculation request without the window, for scripts and
// tests. It starts as the program does (parameter set all 0, result fields
// empty, status "Готов ..."), runs the request on the thirteen texts given and
// prints what the window would show afterwards.

#include <cstdio>
#include <cstring>
#include <string>

#include "calc/calc_request.h"
#include "calc/decimal_separator.h"
#include "calc/transducer_params.h"

namespace {

void PrintUsage(FILE* out) {
  std::fputs(
      "usage: quorvel-calc [--params] D1 D2 h Br R1 R2 H s D Roe Lambda Deltaz v\n"
      "  Runs one calculation on the thirteen input texts and prints the status line,\n"
      "  the four result fields and, after an error, the error box's message.\n"
      "  --params  also print the seventeen values of the parameter set afterwards.\n"
      "  Exit status: 0 done or a check failed, 1 conversion or floating-point error,\n"
      "  2 wrong arguments.\n",
      out);
}

}  // namespace

int main(int argc, char** argv) {
  const char decimalSeparator = ReadLocaleDecimalSeparator();

  int first = 1;
  bool printParams = false;
  if (argc > 1 && std::strcmp(argv[1], "--params") == 0) {
    printParams = true;
    first = 2;
  }
  if (argc - first != kInputCount) {
    PrintUsage(stderr);
    return 2;
  }

  InputTexts inputs;
  for (int i = 0; i < kInputCount; ++i) {
    inputs[i] = argv[first + i];
  }
  ShownTexts shown;
  const std::optional<std::string> error =
      CalculationRequest(transducerParams, inputs, shown, decimalSeparator);

  std::printf("status: %s\n", shown.ready.c_str());
  std::printf("N: %s\n", shown.N.c_str());
  std::printf("Rdif: %s\n", shown.Rdif.c_str());
  std::printf("Ldif: %s\n", shown.Ldif.c_str());
  std::printf("Edif: %s\n", shown.Edif.c_str());
  if (error) {
    std::printf("error: %s.\n", error->c_str());
  }
  if (printParams) {
    for (const ParamField& field : kParamFields) {
      std::printf("%s=%.21Lg\n", field.name, transducerParams.*field.member);
    }
  }
  return error ? 1 : 0;
}
