// The cost of one EMF evaluation, the program's against the literal term-by-
// term one, and of one whole calculation request, at the window's default
// inputs with v = 1.

#include <benchmark/benchmark.h>

#include "calc/calc_request.h"
#include "model/induced_emf.h"
#include "model/magnet_field.h"
#include "tests/default_inputs.h"
#include "tests/reference/literal_emf.h"

namespace {

TransducerParams DefaultsAtUnitVelocity() {
  TransducerParams p = DefaultInputs();
  p.vv = 1.0L;
  return p;
}

void BM_InducedEmf(benchmark::State& state) {
  TransducerParams p = DefaultsAtUnitVelocity();
  p.Deltaz = static_cast<long double>(state.range(0)) * 0.001L;
  for (auto _ : state) {
    benchmark::DoNotOptimize(InducedEmf(p));
  }
}
BENCHMARK(BM_InducedEmf)->ArgName("Deltaz_mm")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_LiteralInducedEmf(benchmark::State& state) {
  TransducerParams p = DefaultsAtUnitVelocity();
  p.Deltaz = static_cast<long double>(state.range(0)) * 0.001L;
  for (auto _ : state) {
    benchmark::DoNotOptimize(LiteralInducedEmf(p));
  }
}
BENCHMARK(BM_LiteralInducedEmf)
    ->ArgName("Deltaz_mm")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond);

void BM_MagnetFieldZ(benchmark::State& state) {
  const TransducerParams p = DefaultsAtUnitVelocity();
  for (auto _ : state) {
    benchmark::DoNotOptimize(MagnetFieldZ(p, 0.003L, 0.0035L, p.Br));
  }
}
BENCHMARK(BM_MagnetFieldZ);

void BM_LiteralMagnetFieldZ(benchmark::State& state) {
  const TransducerParams p = DefaultsAtUnitVelocity();
  for (auto _ : state) {
    benchmark::DoNotOptimize(LiteralMagnetFieldZ(p, 0.003L, 0.0035L, p.Br));
  }
}
BENCHMARK(BM_LiteralMagnetFieldZ);

// The calculate button's whole work on the default texts with v = 1:
// conversions, checks, winding, inductance and EMF.
void BM_CalculationRequest(benchmark::State& state) {
  const InputTexts texts = {"0.004", "0.009",  "0.003",   "0.9", "0.005", "0.01", "0.005",
                            "0.001", "0.0001", "1.67E-8", "0.6", "0",     "1"};
  for (auto _ : state) {
    TransducerParams params;
    ShownTexts shown;
    benchmark::DoNotOptimize(CalculationRequest(params, texts, shown, '.'));
    benchmark::DoNotOptimize(params.Edif);
  }
}
BENCHMARK(BM_CalculationRequest)->Unit(benchmark::kMillisecond);

}  // namespace
