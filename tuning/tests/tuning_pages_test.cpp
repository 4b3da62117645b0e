// Runs the page tests of the tuned-circuit subsystem.
#include <QApplication>
#include <QTest>

#include "core/kit/font.h"
#include "tuning/tests/range_page_test.h"
#include "tuning/tests/resonance_page_test.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setFont(kit::ProgramFont(12));
  int failures = 0;
  ResonancePageTest resonance;
  failures += QTest::qExec(&resonance, argc, argv);
  RangePageTest range;
  failures += QTest::qExec(&range, argc, argv);
  return failures == 0 ? 0 : 1;
}
