#pragma once

#include <QApplication>
#include <QtTest>

#include "app/application_setup.h"

// Runs one Qt Test class with the program's application settings, on the
// offscreen platform (96 dpi, no display needed) unless QT_QPA_PLATFORM says
// otherwise.
template <typename Test>
int RunGuiTest(int argc, char* argv[]) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QApplication application(argc, argv);
  SetUpApplication();
  Test test;
  return QTest::qExec(&test, argc, argv);
}
