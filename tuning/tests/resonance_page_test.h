#pragma once
#include <QObject>

class ResonancePageTest : public QObject {
  Q_OBJECT

private slots:
  void defaults();
  void solveAtStart();
  void radioSwitch_data();
  void radioSwitch();
  void clickOnSelectedItemChangesNothing();
  void unitSnapsWithoutResolving();
  void userPickResolves_data();
  void userPickResolves();
  void zeroProductBlanksOnly();
  void conversionErrorWritesNothing();
  void hugeResultKeepsItsDigits();
  void enterSolvesAndKeepsFocus_data();
  void enterSolvesAndKeepsFocus();
  void expandNeedsDoubleClick();
  void characteristicsCaptions_data();
  void characteristicsCaptions();
  void characteristicsReadSolverFieldsAsTheyStand();
  void characteristicsConversionErrorChangesNoCaption();
};
