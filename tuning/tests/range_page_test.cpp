// The page " 受信範囲 ": exact result texts, the Enter variants and their
// focus, and the zero-input dialogs.

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "core/kit/font.h"
#include "core/kit/testing.h"
#include "tuning/range_page.h"

using kit::testing::Enter;
using kit::testing::Find;
using kit::testing::Pick;
using kit::testing::RecordingSink;
using kit::testing::Type;
using kit::testing::ZeroInputText;

namespace {

QLineEdit* Edit(const QWidget& page, const QString& name) { return Find<QLineEdit>(&page, name); }

void ShowActive(QWidget& page) {
  page.show();
  QApplication::setActiveWindow(&page);
  QVERIFY(QTest::qWaitForWindowActive(&page));
}

} // namespace

class RangePageTest : public QObject {
  Q_OBJECT

private slots:
  void initTestCase();
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

void RangePageTest::initTestCase() { QApplication::setFont(kit::ProgramFont(12)); }

void RangePageTest::defaults() {
  tuning::RangePage page;
  struct Field {
    const char* name;
    const char* text;
  };
  const Field fields[] = {{"Edit26", "320"},  {"Edit27", "260"}, {"Edit28", "30"},  {"Edit29", "531"},
                          {"Edit30", "1602"}, {"Edit35", "300"}, {"Edit36", "300"}, {"Edit37", "30"},
                          {"Edit38", "531"},  {"Edit39", "1602"}};
  for (const Field& f : fields) {
    QCOMPARE(Edit(page, f.name)->text(), QString::fromUtf8(f.text));
    QVERIFY(!Edit(page, f.name)->isReadOnly());
  }
  for (const char* result : {"Edit5", "Edit6", "Edit7", "Edit8"}) {
    QCOMPARE(Edit(page, result)->text(), QString());
    QVERIFY(Edit(page, result)->isReadOnly());
  }
  struct List {
    const char* name;
    QStringList items;
    int current;
  };
  const QStringList frequencies = {"Hz", "kHz", "MHz", "GHz"};
  const List lists[] = {
      {"ComboBox3", {"mH", "μH"}, 1},    {"ComboBox5", {"ｐＦ", "μＦ"}, 0}, {"ComboBox6", frequencies, 1},
      {"ComboBox4", {"ｐＦ", "μＦ"}, 0}, {"ComboBox7", {"μH", "mH"}, 0},    {"ComboBox8", frequencies, 1},
  };
  for (const List& list : lists) {
    QComboBox* combo = Find<QComboBox>(&page, list.name);
    QVERIFY(!combo->isEditable());
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
      items << combo->itemText(i);
    QCOMPARE(items, list.items);
    QCOMPARE(combo->currentIndex(), list.current);
  }
  for (const char* button : {"BitBtn4", "BitBtn5", "BitBtn6", "BitBtn7"})
    QCOMPARE(Find<QPushButton>(&page, button)->text(), QStringLiteral("計算"));
  QStringList titles;
  for (QGroupBox* group : page.findChildren<QGroupBox*>())
    titles << group->title();
  for (const char* title : {"　バリコン（キャパシタンス可変）　", "　μ同調器（インダクタンス可変）　",
                            "周波数を計算", "容量を計算", "インダクタンスを計算"})
    QVERIFY2(titles.contains(QString::fromUtf8(title)), title);
}

void RangePageTest::unitListsDoNotRecalculate() {
  RecordingSink sink;
  tuning::RangePage page;
  Find<QPushButton>(&page, "BitBtn4")->click();
  Pick(Find<QComboBox>(&page, "ComboBox3"), 0);
  Pick(Find<QComboBox>(&page, "ComboBox5"), 1);
  QCOMPARE(Edit(page, "Edit5")->text(), QStringLiteral("551.77 ～ 1624.37 kHz"));
  // The new units count at the next calculation: 320 mH with 260 and 30 μF.
  Find<QPushButton>(&page, "BitBtn4")->click();
  QCOMPARE(Edit(page, "Edit5")->text(), QStringLiteral("17.45 ～ 51.37 Hz"));
  Pick(Find<QComboBox>(&page, "ComboBox8"), 2);
  Find<QPushButton>(&page, "BitBtn7")->click();
  QCOMPARE(Edit(page, "Edit8")->text(), QStringLiteral("0.299 ～ 0.033 nH"));
  QVERIFY(sink.dialogs.isEmpty());
}

void RangePageTest::fieldsAreFiltered() {
  tuning::RangePage page;
  for (const char* name :
       {"Edit26", "Edit27", "Edit28", "Edit29", "Edit30", "Edit35", "Edit36", "Edit37", "Edit38", "Edit39"}) {
    Type(Edit(page, name), QStringLiteral("-3e-2"));
    QCOMPARE(Edit(page, name)->text(), QStringLiteral("32"));
  }
}

void RangePageTest::fixedPartRunsBoth_data() {
  QTest::addColumn<QString>("field");
  QTest::addColumn<QString>("upper");
  QTest::addColumn<QString>("lower");
  QTest::addColumn<QString>("upperText");
  QTest::addColumn<QString>("lowerText");
  QTest::newRow("coil") << "Edit26"
                        << "Edit5"
                        << "Edit6"
                        << "551.77 ～ 1624.37 kHz"
                        << "280.738 ～ 30.844 pF";
  QTest::newRow("capacitor") << "Edit35"
                             << "Edit7"
                             << "Edit8"
                             << "530.52 ～ 1677.64 kHz"
                             << "299.454 ～ 32.9 μH";
}

void RangePageTest::fixedPartRunsBoth() {
  QFETCH(QString, field);
  QFETCH(QString, upper);
  QFETCH(QString, lower);
  QFETCH(QString, upperText);
  QFETCH(QString, lowerText);
  RecordingSink sink;
  tuning::RangePage page;
  ShowActive(page);
  Edit(page, field)->setFocus();
  Enter(Edit(page, field));
  QCOMPARE(Edit(page, upper)->text(), upperText);
  QCOMPARE(Edit(page, lower)->text(), lowerText);
  QCOMPARE(QApplication::focusWidget(), Edit(page, field));
  QVERIFY(sink.dialogs.isEmpty());
}

void RangePageTest::zeroFixedPartShowsTwoDialogs_data() {
  QTest::addColumn<QString>("field");
  QTest::addColumn<QString>("upper");
  QTest::addColumn<QString>("lower");
  QTest::addColumn<QString>("text");
  QTest::newRow("coil zero") << "Edit26"
                             << "Edit5"
                             << "Edit6"
                             << "0";
  QTest::newRow("coil empty") << "Edit26"
                              << "Edit5"
                              << "Edit6"
                              << "";
  QTest::newRow("capacitor point") << "Edit35"
                                   << "Edit7"
                                   << "Edit8"
                                   << ".";
}

void RangePageTest::zeroFixedPartShowsTwoDialogs() {
  QFETCH(QString, field);
  QFETCH(QString, upper);
  QFETCH(QString, lower);
  QFETCH(QString, text);
  RecordingSink sink;
  tuning::RangePage page;
  ShowActive(page);
  Edit(page, upper)->setText(QStringLiteral("old"));
  Edit(page, lower)->setText(QStringLiteral("old"));
  Edit(page, field)->setFocus();
  Type(Edit(page, field), text);
  Enter(Edit(page, field));
  QCOMPARE(sink.dialogs.size(), 2);
  for (const auto& dialog : sink.dialogs) {
    QCOMPARE(dialog.kind, kit::testing::Dialog::Error);
    QCOMPARE(dialog.title, QStringLiteral("エラー"));
    QCOMPARE(dialog.text, ZeroInputText());
  }
  QCOMPARE(Edit(page, upper)->text(), QStringLiteral(" "));
  QCOMPARE(Edit(page, lower)->text(), QStringLiteral(" "));
  QCOMPARE(QApplication::focusWidget(), Edit(page, field));
}

void RangePageTest::enterAlternatesBetweenEnds_data() {
  QTest::addColumn<QString>("field");
  QTest::addColumn<QString>("partner");
  QTest::addColumn<QString>("result");
  QTest::addColumn<QString>("text");
  const QString capacitorFrequencies = "551.77 ～ 1624.37 kHz";
  const QString capacitances = "280.738 ～ 30.844 pF";
  const QString inductorFrequencies = "530.52 ～ 1677.64 kHz";
  const QString inductances = "299.454 ～ 32.9 μH";
  QTest::newRow("Edit27") << "Edit27"
                          << "Edit28"
                          << "Edit5" << capacitorFrequencies;
  QTest::newRow("Edit28") << "Edit28"
                          << "Edit27"
                          << "Edit5" << capacitorFrequencies;
  QTest::newRow("Edit29") << "Edit29"
                          << "Edit30"
                          << "Edit6" << capacitances;
  QTest::newRow("Edit30") << "Edit30"
                          << "Edit29"
                          << "Edit6" << capacitances;
  QTest::newRow("Edit36") << "Edit36"
                          << "Edit37"
                          << "Edit7" << inductorFrequencies;
  QTest::newRow("Edit37") << "Edit37"
                          << "Edit36"
                          << "Edit7" << inductorFrequencies;
  QTest::newRow("Edit38") << "Edit38"
                          << "Edit39"
                          << "Edit8" << inductances;
  QTest::newRow("Edit39") << "Edit39"
                          << "Edit38"
                          << "Edit8" << inductances;
}

void RangePageTest::enterAlternatesBetweenEnds() {
  QFETCH(QString, field);
  QFETCH(QString, partner);
  QFETCH(QString, result);
  QFETCH(QString, text);
  RecordingSink sink;
  tuning::RangePage page;
  ShowActive(page);
  Edit(page, field)->setFocus();
  Enter(Edit(page, field));
  QCOMPARE(Edit(page, result)->text(), text);
  QCOMPARE(QApplication::focusWidget(), Edit(page, partner));
  QCOMPARE(Edit(page, partner)->selectedText(), Edit(page, partner)->text());
  // The other results are untouched.
  int written = 0;
  for (const char* other : {"Edit5", "Edit6", "Edit7", "Edit8"})
    written += Edit(page, other)->text().isEmpty() ? 0 : 1;
  QCOMPARE(written, 1);

  // Enter again in the partner comes back.
  Enter(Edit(page, partner));
  QCOMPARE(QApplication::focusWidget(), Edit(page, field));
  QCOMPARE(Edit(page, field)->selectedText(), Edit(page, field)->text());
  QVERIFY(sink.dialogs.isEmpty());
}

void RangePageTest::zeroEndStillMovesFocus() {
  RecordingSink sink;
  tuning::RangePage page;
  ShowActive(page);
  Find<QPushButton>(&page, "BitBtn6")->click();
  Edit(page, "Edit37")->setFocus();
  Type(Edit(page, "Edit37"), QStringLiteral("0"));
  Enter(Edit(page, "Edit37"));
  QCOMPARE(sink.dialogs.size(), 1);
  QCOMPARE(sink.dialogs[0].text, ZeroInputText());
  QCOMPARE(Edit(page, "Edit7")->text(), QStringLiteral(" "));
  QCOMPARE(QApplication::focusWidget(), Edit(page, "Edit36"));
}

void RangePageTest::conversionErrorKeepsFocusAndResult() {
  RecordingSink sink;
  tuning::RangePage page;
  ShowActive(page);
  Find<QPushButton>(&page, "BitBtn5")->click();
  Edit(page, "Edit29")->setFocus();
  Type(Edit(page, "Edit29"), QStringLiteral("1.2.3"));
  Enter(Edit(page, "Edit29"));
  QCOMPARE(sink.dialogs.size(), 1);
  QCOMPARE(sink.dialogs[0].kind, kit::testing::Dialog::Application);
  QCOMPARE(sink.dialogs[0].text, QStringLiteral("'1.2.3' は浮動小数点数ではありません."));
  QCOMPARE(Edit(page, "Edit6")->text(), QStringLiteral("280.738 ～ 30.844 pF"));
  QCOMPARE(QApplication::focusWidget(), Edit(page, "Edit29"));
}

// Without a recording sink the program shows real modal boxes: Enter with a
// zero coil raises the zero-input box twice, one after the other.
void RangePageTest::realDialogsOneAfterTheOther() {
  tuning::RangePage page;
  ShowActive(page);
  Type(Edit(page, "Edit26"), QStringLiteral("0"));
  QStringList seen;
  for (const auto& box : kit::testing::CloseRealBoxes([&] { Enter(Edit(page, "Edit26")); }))
    seen << box.title + "|" + box.text;
  const QString expected = QStringLiteral("エラー|") + ZeroInputText();
  QCOMPARE(seen, QStringList({expected, expected}));
  QCOMPARE(Edit(page, "Edit5")->text(), QStringLiteral(" "));
  QCOMPARE(Edit(page, "Edit6")->text(), QStringLiteral(" "));
}

QTEST_MAIN(RangePageTest)
#include "range_page_test.moc"
