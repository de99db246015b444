// The headless driver as scripts use it: its output lines and exit codes.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <string>

namespace {

const std::string kDefaults = "0.004 0.009 0.003 0.9 0.005 0.01 0.005 0.001 0.0001 1.67E-8 0.6 0 0";

struct Outcome {
  std::string out;
  int exitCode;
};

// Runs the driver through the shell; `environment` is prefixed to the command.
Outcome RunDriver(const std::string& arguments, const std::string& environment = "") {
  const std::string command =
      environment + " " + std::string(QUORVEL_CALC_PATH) + " " + arguments + " 2>/dev/null";
  FILE* pipe = popen(command.c_str(), "r");
  Outcome outcome{"", -1};
  if (pipe == nullptr) {
    return outcome;
  }
  char buffer[256];
  size_t n;
  while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) {
    outcome.out.append(buffer, n);
  }
  const int status = pclose(pipe);
  outcome.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return outcome;
}

TEST(QuorvelCalcTest, PrintsStatusAndResultsOfOneRequest) {
  Outcome o = RunDriver(kDefaults);
  EXPECT_EQ(o.exitCode, 0);
  EXPECT_EQ(o.out,
            "status: Расчет для нулевой осевой скорости\n"
            "N: 1910\n"
            "Rdif: 382.7\n"
            "Ldif: 0.05518\n"
            "Edif: 0\n");

  o = RunDriver("0.004 0.009 0.003 0.9 0.005 0.01 0.005 0.001 0.0001 1.67E-8 0.6 0 1");
  EXPECT_EQ(o.exitCode, 0);
  EXPECT_EQ(o.out, "status: Готов ...\nN: 1910\nRdif: 382.7\nLdif: 0.05518\nEdif: 5.531\n");
}

TEST(QuorvelCalcTest, FailedCheckEmptiesTheResultsAndExitsZero) {
  const Outcome o = RunDriver("0.004 0.009 0.003 0.9 0 0.01 0.005 0.001 0.0001 1.67E-8 0.6 0 0");
  EXPECT_EQ(o.exitCode, 0);
  EXPECT_EQ(o.out, "status: Введите R1 > 0\nN: \nRdif: \nLdif: \nEdif: \n");
}

TEST(QuorvelCalcTest, ErrorsEndWithTheBoxMessageAndExitOne) {
  Outcome o = RunDriver("abc 0.009 0.003 0.9 0.005 0.01 0.005 0.001 0.0001 1.67E-8 0.6 0 0");
  EXPECT_EQ(o.exitCode, 1);
  EXPECT_EQ(o.out,
            "status: Готов ...\nN: \nRdif: \nLdif: \nEdif: \n"
            "error: 'abc' is not a valid floating point value.\n");

  o = RunDriver("0.004 0.009 0.003 0.9 0.005 0.01 0.005 0.001 0 1.67E-8 0.6 0 0");
  EXPECT_EQ(o.exitCode, 1);
  EXPECT_EQ(o.out,
            "status: Ждите ...\nN: \nRdif: \nLdif: \nEdif: \n"
            "error: Floating point division by zero.\n");
}

TEST(QuorvelCalcTest, ParamsFollowInFieldOrder) {
  const Outcome o = RunDriver(
      "--params -0.001 0.009 0.003 0.9 0.005 0.01 0.005 0.001 0.0001 "
      "1.67E-8 0.6 \" 0.25 \" 3");
  EXPECT_EQ(o.exitCode, 0);
  EXPECT_EQ(o.out,
            "status: Введите D1 >= 0\nN: \nRdif: \nLdif: \nEdif: \n"
            "D1=-0.000999999999999999999958\n"
            "D2=0.00900000000000000000016\n"
            "hh=0.00299999999999999999998\n"
            "Br=0.899999999999999999978\n"
            "R1=0.0049999999999999999999\n"
            "R2=0.0099999999999999999998\n"
            "H=0.0049999999999999999999\n"
            "ss=0.000999999999999999999958\n"
            "D=0.000100000000000000000001\n"
            "Roe=1.66999999999999999993e-08\n"
            "Lambda=0.600000000000000000022\n"
            "Deltaz=0.25\n"
            "vv=3\n"
            "N=0\n"
            "Rdif=0\n"
            "Ldif=0\n"
            "Edif=0\n");
}

TEST(QuorvelCalcTest, WrongArgumentCountsExitTwo) {
  for (const char* arguments : {"", "--params", "1 2 3", "--params 1 2 3 4 5 6 7 8 9 10 11 12",
                                "1 2 3 4 5 6 7 8 9 10 11 12 13 14", "--help"}) {
    SCOPED_TRACE(arguments);
    const Outcome o = RunDriver(arguments);
    EXPECT_EQ(o.exitCode, 2);
    EXPECT_EQ(o.out, "");
  }
}

TEST(QuorvelCalcTest, DecimalSeparatorFollowsTheLocale) {
  // The set-up script generates ru_RU.UTF-8; elsewhere it may be missing.
  const Outcome locales = RunDriver("", "locale -a | grep -qix ru_RU.utf8 &&");
  if (locales.exitCode != 2) {
    GTEST_SKIP() << "no ru_RU.UTF-8 locale on this system";
  }
  Outcome o = RunDriver(kDefaults, "LC_ALL=ru_RU.UTF-8");
  EXPECT_EQ(o.exitCode, 1);
  EXPECT_EQ(o.out,
            "status: Готов ...\nN: \nRdif: \nLdif: \nEdif: \n"
            "error: '0.004' is not a valid floating point value.\n");

  o = RunDriver("0,004 0,009 0,003 0,9 0,005 0,01 0,005 0,001 0,0001 1,67E-8 0,6 0 0",
                "LC_ALL=ru_RU.UTF-8");
  EXPECT_EQ(o.exitCode, 0);
  EXPECT_NE(o.out.find("Rdif: 382,7\nLdif: 0,05518\n"), std::string::npos);
}

}  // namespace
