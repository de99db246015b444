#include "calc/calc_request.h"

#include <gtest/gtest.h>

#include <fenv.h>

#include <cstring>
#include <string>

#include "tests/reference_digits.h"

namespace {

// The texts the window starts with, in field order.
const InputTexts kDefaultTexts = {"0.004", "0.009",  "0.003",   "0.9", "0.005", "0.01", "0.005",
                                  "0.001", "0.0001", "1.67E-8", "0.6", "0",     "0"};

enum Field { kD1, kD2, khh, kBr, kR1, kR2, kH, kss, kD, kRoe, kLambda, kDeltaz, kvv };

// One program state: a fresh parameter set and the window's texts, on which
// requests run one after another.
class CalcRequestTest : public ::testing::Test {
 protected:
  std::optional<std::string> Run(const InputTexts& texts, char separator = '.') {
    return CalculationRequest(params, texts, shown, separator);
  }
  static InputTexts With(std::initializer_list<std::pair<Field, const char*>> changes) {
    InputTexts texts = kDefaultTexts;
    for (const auto& [field, text] : changes) {
      texts[field] = text;
    }
    return texts;
  }
  // Results shown by an earlier request, so that a later one can be seen to
  // leave them alone.
  void ShowEarlierResults() {
    ASSERT_EQ(Run(With({{kvv, "1"}})), std::nullopt);
    before = shown;
    paramsBefore = params;
  }
  // The four result fields, to compare them at once.
  static std::array<std::string, 4> Results(const ShownTexts& texts) {
    return {texts.N, texts.Rdif, texts.Ldif, texts.Edif};
  }
  // Every field's ten value bytes alike (the padding after each is not a value).
  static bool SameBits(const TransducerParams& a, const TransducerParams& b) {
    for (const ParamField& field : kParamFields) {
      if (std::memcmp(&(a.*field.member), &(b.*field.member), 10) != 0) {
        return false;
      }
    }
    return true;
  }

  TransducerParams params;
  ShownTexts shown;
  ShownTexts before;
  TransducerParams paramsBefore;
};

TEST_F(CalcRequestTest, DefaultInputsShowTheFourResultsForZeroVelocity) {
  EXPECT_EQ(Run(kDefaultTexts), std::nullopt);
  EXPECT_EQ(shown.N, "1910");
  EXPECT_EQ(shown.Rdif, "382.7");
  EXPECT_EQ(shown.Ldif, "0.05518");
  EXPECT_EQ(shown.Edif, "0");
  EXPECT_EQ(shown.ready, "Расчет для нулевой осевой скорости");
  EXPECT_DIGITS(params.N, "1909.859349681432");
  EXPECT_DIGITS(params.Rdif, "382.7358");
  EXPECT_DIGITS(params.Ldif, "0.05517807410607819");
  EXPECT_EQ(params.Edif, 0.0L);
}

TEST_F(CalcRequestTest, NonZeroVelocityShowsTheEmfAndEndsReady) {
  EXPECT_EQ(Run(With({{kvv, "1"}})), std::nullopt);
  EXPECT_EQ(shown.N, "1910");
  EXPECT_EQ(shown.Rdif, "382.7");
  EXPECT_EQ(shown.Ldif, "0.05518");
  EXPECT_EQ(shown.Edif, "5.531");
  EXPECT_EQ(shown.ready, "Готов ...");
  EXPECT_DIGITS(params.Edif, "5.53082100089");
  EXPECT_DIGITS(params.N, "1909.859349681432");  // the turns of one coil overwrite N(ss)

  EXPECT_EQ(Run(With({{kvv, "-2"}})), std::nullopt);
  EXPECT_EQ(shown.Edif, "-11.06");
  EXPECT_EQ(shown.ready, "Готов ...");
}

TEST_F(CalcRequestTest, RepeatedAndNegativeWireDiameterRequestsGiveTheSameResults) {
  ASSERT_EQ(Run(kDefaultTexts), std::nullopt);
  const ShownTexts first = shown;
  const TransducerParams firstParams = params;
  ASSERT_EQ(Run(kDefaultTexts), std::nullopt);
  EXPECT_TRUE(SameBits(params, firstParams));

  ASSERT_EQ(Run(With({{kD, "-0.0001"}})), std::nullopt);
  EXPECT_EQ(shown.N, first.N);
  EXPECT_EQ(shown.Rdif, first.Rdif);
  EXPECT_EQ(shown.Ldif, first.Ldif);
  EXPECT_EQ(params.N, firstParams.N);
  EXPECT_EQ(params.Rdif, firstParams.Rdif);
  EXPECT_EQ(params.Ldif, firstParams.Ldif);
}

TEST_F(CalcRequestTest, ConversionFailureStopsAtItsFieldAndChangesNoText) {
  ShowEarlierResults();
  InputTexts texts = With({{kD1, "0.002"}, {kD2, "0.008"}, {khh, "0.002"}, {kBr, "1.1"}});
  texts[kR1] = " \t0.004 m ";
  texts[kR2] = "0.02";

  EXPECT_EQ(Run(texts), "'0.004 m' is not a valid floating point value");
  EXPECT_EQ(params.D1, 0.002L);
  EXPECT_EQ(params.D2, 0.008L);
  EXPECT_EQ(params.hh, 0.002L);
  EXPECT_EQ(params.Br, 1.1L);
  TransducerParams rest = params;
  rest.D1 = paramsBefore.D1;
  rest.D2 = paramsBefore.D2;
  rest.hh = paramsBefore.hh;
  rest.Br = paramsBefore.Br;
  EXPECT_TRUE(SameBits(rest, paramsBefore));  // R1 to vv and all results untouched
  EXPECT_EQ(shown.ready, before.ready);
  EXPECT_EQ(shown.N, before.N);
  EXPECT_EQ(shown.Edif, before.Edif);
}

TEST_F(CalcRequestTest, EmptySecondFieldUpdatesOnlyTheFirst) {
  EXPECT_EQ(Run(With({{kD1, "0.001"}, {kD2, ""}})), "'' is not a valid floating point value");
  EXPECT_EQ(params.D1, 0.001L);
  EXPECT_EQ(params.D2, 0.0L);
  EXPECT_EQ(shown.ready, "Готов ...");
  EXPECT_EQ(shown.N, "");
}

TEST_F(CalcRequestTest, CommaSeparatorRejectsTheDefaultTexts) {
  EXPECT_EQ(Run(kDefaultTexts, ','), "'0.004' is not a valid floating point value");
  EXPECT_TRUE(SameBits(params, TransducerParams{}));

  InputTexts commaTexts = kDefaultTexts;
  for (std::string& text : commaTexts) {
    for (char& c : text) {
      c = c == '.' ? ',' : c;
    }
  }
  EXPECT_EQ(Run(commaTexts, ','), std::nullopt);
  EXPECT_EQ(shown.Rdif, "382,7");
  EXPECT_EQ(shown.Ldif, "0,05518");
}

struct CheckCase {
  InputTexts texts;
  const char* message;
};

TEST_F(CalcRequestTest, FirstFailingCheckDecidesAndEmptiesTheResults) {
  const CheckCase cases[] = {
      {With({{kR1, "0"}, {kD1, "-1"}}), "Введите R1 > 0"},
      {With({{kD1, "-0.001"}, {kD2, "0"}}), "Введите D1 >= 0"},
      {With({{kD2, "0.004"}}), "Введите D2 > D1"},
      {With({{khh, "0"}, {kBr, "0"}}), "Введите h > 0"},
      {With({{kBr, "-0.9"}}), "Введите Br > 0"},
      {With({{kR2, "0.005"}, {kD, "1"}}), "Введите R2 > R1"},
      {With({{kD, "0.005"}}), "Введите D < R2 - R1"},
      {With({{kH, "0.0001"}}), "Введите D < H"},
      {With({{kss, "0"}, {kLambda, "0"}}), "Введите s > 0"},
      {With({{kLambda, "0"}}), "Введите Lambda > 0"},
      {With({{kLambda, "1"}}), "Введите Lambda < 1"},
      {With({{kR1, "0.004"}, {kRoe, "0"}}), "Введите R1 > 0.5D2 или s > h + 2 |Delta z|"},
      {With({{kR1, "0.0045"}}), "Введите R1 > 0.5D2 или s > h + 2 |Delta z|"},
      {With({{kRoe, "-1.67E-8"}}), "Введите Roe > 0"},
  };
  for (const CheckCase& c : cases) {
    SCOPED_TRACE(c.message);
    ShowEarlierResults();
    EXPECT_EQ(Run(c.texts), std::nullopt);
    EXPECT_EQ(shown.ready, c.message);
    EXPECT_EQ(Results(shown), Results(ShownTexts{}));
    // Every input is updated, every result kept.
    EXPECT_EQ(params.N, paramsBefore.N);
    EXPECT_EQ(params.Rdif, paramsBefore.Rdif);
    EXPECT_EQ(params.Ldif, paramsBefore.Ldif);
    EXPECT_EQ(params.Edif, paramsBefore.Edif);
  }
}

TEST_F(CalcRequestTest, FailedCheckKeepsAllThirteenNewInputs) {
  ASSERT_EQ(Run(With({{kLambda, "1"}, {kDeltaz, "0.25"}, {kvv, "3"}})), std::nullopt);
  EXPECT_EQ(params.Lambda, 1.0L);
  EXPECT_EQ(params.Deltaz, 0.25L);
  EXPECT_EQ(params.vv, 3.0L);
}

TEST_F(CalcRequestTest, MagnetMayFitTheGapInsteadOfTheBore) {
  EXPECT_EQ(Run(With({{kR1, "0.004"}, {kss, "0.004"}, {kDeltaz, "0.0004"}})), std::nullopt);
  EXPECT_EQ(shown.ready, "Расчет для нулевой осевой скорости");
  EXPECT_NE(shown.N, "");
}

struct ErrorCase {
  const char* what;
  InputTexts texts;
  const char* message;
};

TEST_F(CalcRequestTest, FloatingPointErrorsEndTheRequestAndKeepTheShownTexts) {
  const ErrorCase cases[] = {
      {"zero wire diameter", With({{kD, "0"}}), "Floating point division by zero"},
      {"D^4 underflows to zero", With({{kD, "1E-1300"}}), "Floating point division by zero"},
      {"huge radii", With({{kR2, "1E3000"}}), "Floating point overflow"},
      {"logarithm of a negative coil length", With({{kD, "-0.002"}, {kH, "-0.001"}}),
       "Invalid floating point operation"},
  };
  for (const ErrorCase& c : cases) {
    SCOPED_TRACE(c.what);
    ShowEarlierResults();
    EXPECT_EQ(Run(c.texts), c.message);
    EXPECT_EQ(shown.ready, "Ждите ...");
    EXPECT_EQ(Results(shown), Results(before));
    EXPECT_EQ(params.Edif, paramsBefore.Edif);
  }
}

TEST_F(CalcRequestTest, OverflowInTheChecksKeepsTheOldStatus) {
  ShowEarlierResults();
  EXPECT_EQ(Run(With({{kR1, "0.004"}, {kDeltaz, "1E4932"}})), "Floating point overflow");
  EXPECT_EQ(shown.ready, "Готов ...");
  EXPECT_EQ(shown.N, before.N);
  EXPECT_EQ(params.Deltaz, 1E4932L);
}

TEST_F(CalcRequestTest, ResultsStoredBeforeAnErrorStay) {
  ShowEarlierResults();
  // Rdif divides by zero first: nothing is stored.
  ASSERT_EQ(Run(With({{kD, "0"}})), "Floating point division by zero");
  EXPECT_EQ(params.Rdif, paramsBefore.Rdif);
  EXPECT_EQ(params.N, paramsBefore.N);
  EXPECT_EQ(params.Ldif, paramsBefore.Ldif);

  // A coil of zero length: Rdif is 0, then the first coil stores N(0) = 0 and
  // divides by its zero length.
  ASSERT_EQ(Run(With({{kD, "-1"}, {kH, "0"}})), "Floating point division by zero");
  EXPECT_EQ(params.Rdif, 0.0L);
  EXPECT_EQ(params.N, 0.0L);
  EXPECT_EQ(params.Ldif, paramsBefore.Ldif);
  EXPECT_EQ(params.Edif, paramsBefore.Edif);
}

TEST_F(CalcRequestTest, RequestAfterAnErrorGivesTheRightResults) {
  for (int i = 0; i < 3; ++i) {
    ASSERT_EQ(Run(With({{kD, "0"}})), "Floating point division by zero");
    ASSERT_EQ(Run(With({{kR2, "1E3000"}})), "Floating point overflow");
  }
  ASSERT_EQ(Run(kDefaultTexts), std::nullopt);
  EXPECT_EQ(shown.Rdif, "382.7");
  EXPECT_DIGITS(params.Ldif, "0.05517807410607819");
}

// The request sets its own precision and rounding, and leaves the caller's
// floating-point environment exactly as it found it.
TEST_F(CalcRequestTest, OwnFloatingPointSettingsAndCallersEnvironmentRestored) {
  TransducerParams reference;
  ShownTexts referenceShown;
  ASSERT_EQ(CalculationRequest(reference, kDefaultTexts, referenceShown, '.'), std::nullopt);

  unsigned short doublePrecisionUpward = 0x0B7F;  // 53-bit significand, rounding up
  asm volatile("fldcw %0" : : "m"(doublePrecisionUpward));
  feraiseexcept(FE_INEXACT);
  fenv_t callers;
  fegetenv(&callers);

  for (const InputTexts& texts : {kDefaultTexts, With({{kD, "0"}}), With({{kD1, "x"}})}) {
    Run(texts);
    fenv_t after;
    fegetenv(&after);
    EXPECT_EQ(after.__control_word, callers.__control_word);
    EXPECT_EQ(after.__status_word & FE_ALL_EXCEPT, callers.__status_word & FE_ALL_EXCEPT);
    EXPECT_EQ(after.__mxcsr, callers.__mxcsr);
    if (texts == kDefaultTexts) {
      EXPECT_TRUE(SameBits(params, reference));
      EXPECT_EQ(shown.Ldif, referenceShown.Ldif);
    }
  }
  fesetenv(FE_DFL_ENV);
}

}  // namespace
