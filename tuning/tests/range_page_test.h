#pragma once
#include <QObject>

class RangePageTest : public QObject {
  Q_OBJECT

private slots:
  void defaults();
  void unitListsDoNotRecalculate();
  void fieldsAreFiltered();
  void fixedPartRunsBoth_data();
  void fixedPartRunsBoth();
  void zeroFixedPartShowsTwoDialogs_data();
  void zeroFixedPartShowsTwoDialogs();
  void enterAlternatesBetweenEnds_data();
  void enterAlternatesBetweenEnds();
  void zeroEndStillMovesFocus();
  void conversionErrorKeepsFocusAndResult();
  void realDialogsOneAfterTheOther();
};
