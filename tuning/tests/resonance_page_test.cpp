// The page " 共振状況 ": the solver's radio group, disabled field, unit snap
// and re-solve, the expand double click, and the characteristics captions.

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include "core/kit/font.h"
#include "core/kit/testing.h"
#include "tuning/resonance_page.h"

using kit::testing::Enter;
using kit::testing::Find;
using kit::testing::Pick;
using kit::testing::PickRadio;
using kit::testing::RecordingSink;
using kit::testing::Type;

namespace {

QLineEdit* Edit(const QWidget& page, const char* name) { return Find<QLineEdit>(&page, name); }
QComboBox* Combo(const QWidget& page, const char* name) { return Find<QComboBox>(&page, name); }
QLabel* Label(const QWidget& page, const char* name) { return Find<QLabel>(&page, name); }
QGroupBox* Selector(const QWidget& page) { return Find<QGroupBox>(&page, "RadioGroup7"); }
void Click(const QWidget& page, const char* name) { Find<QPushButton>(&page, name)->click(); }

const char* const kSolverFields[] = {"Edit108", "Edit109", "Edit110"};

// The solver's field states: only `solved` disabled and painted button face.
void CheckFieldStates(const QWidget& page, int solved) {
  for (int i = 0; i < 3; ++i) {
    QLineEdit* field = Edit(page, kSolverFields[i]);
    QCOMPARE(field->isEnabled(), i != solved);
    QCOMPARE(kit::PaintedColour(field), i == solved ? kit::Colour::ButtonFace : kit::Colour::Window);
  }
}

} // namespace

class ResonancePageTest : public QObject {
  Q_OBJECT

private slots:
  void initTestCase();
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

void ResonancePageTest::initTestCase() { QApplication::setFont(kit::ProgramFont(12)); }

void ResonancePageTest::defaults() {
  tuning::ResonancePage page;
  const auto radios = Selector(page)->findChildren<QRadioButton*>(QString(), Qt::FindDirectChildrenOnly);
  QCOMPARE(radios.size(), 3);
  QCOMPARE(radios[0]->text(), QStringLiteral("周波数 Ｆ"));
  QCOMPARE(radios[1]->text(), QStringLiteral("コイル Ｌ"));
  QCOMPARE(radios[2]->text(), QStringLiteral("コンデンサ Ｃ"));
  QCOMPARE(Selector(page)->title(), QStringLiteral("計算対象の選択と値の入力"));
  QCOMPARE(kit::RadioIndex(Selector(page)), 2);
  CheckFieldStates(page, 2);

  QCOMPARE(Edit(page, "Edit108")->text(), QStringLiteral("1000"));
  QCOMPARE(Edit(page, "Edit109")->text(), QStringLiteral("360"));
  QCOMPARE(Edit(page, "Edit110")->text(), QStringLiteral("300"));
  QCOMPARE(Edit(page, "Edit132")->text(), QStringLiteral("1000"));
  QCOMPARE(Edit(page, "Edit111")->text(), QString());
  QVERIFY(Edit(page, "Edit111")->isReadOnly());
  QCOMPARE(Label(page, "Label224")->text(), QStringLiteral("キャパシタンス"));
  QVERIFY(Label(page, "Label224")->font().bold());

  struct List {
    const char* name;
    QStringList items;
    int current;
  };
  const List lists[] = {
      {"ComboBox22", {"Hz", "kHz", "MHz"}, 1},
      {"ComboBox33", {"μＨ", "mＨ"}, 0},
      {"ComboBox34", {"ｐＦ", "μＦ"}, 0},
      {"ComboBox32", {"Hz", "kHz", "MHz"}, 1},
  };
  for (const List& list : lists) {
    QComboBox* combo = Combo(page, list.name);
    QVERIFY(!combo->isEditable());
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
      items << combo->itemText(i);
    QCOMPARE(items, list.items);
    QCOMPARE(combo->currentIndex(), list.current);
  }

  QCOMPARE(Find<QPushButton>(&page, "BitBtn30")->text(), QStringLiteral("計算"));
  QCOMPARE(Find<QPushButton>(&page, "BitBtn38")->text(), QStringLiteral("計算"));
  QCOMPARE(Label(page, "Label78")->text(), QStringLiteral("expand"));
  QCOMPARE(Label(page, "Label78")->font().pixelSize(), 12);
  QGroupBox* group = Find<QGroupBox>(&page, "GroupBox34");
  QCOMPARE(group->title(), QStringLiteral("左記ＬＣ条件における特性"));
  QVERIFY(group->isHidden());
  QCOMPARE(Label(page, "Label221")->text(), QStringLiteral("（コイル XL）　"));
  QCOMPARE(Label(page, "Label222")->text(), QStringLiteral("（コンデンサ XC）　"));
  QCOMPARE(Label(page, "Label294")->text(), QStringLiteral("（直列共振 Zs）"));
  QCOMPARE(Label(page, "Label295")->text(), QStringLiteral("（並列共振 Zp）"));
  QCOMPARE(Label(page, "Label220")->text(), QStringLiteral("特性インピーダンス　"));
}

void ResonancePageTest::solveAtStart() {
  RecordingSink sink;
  tuning::ResonancePage page;
  Click(page, "BitBtn30");
  QCOMPARE(Edit(page, "Edit110")->text(), QStringLiteral("70.362"));
  QCOMPARE(Combo(page, "ComboBox34")->currentIndex(), 0);
  QCOMPARE(Edit(page, "Edit111")->text(), QStringLiteral("70.362 ｐＦ"));
  QVERIFY(sink.dialogs.isEmpty());
}

void ResonancePageTest::radioSwitch_data() {
  QTest::addColumn<int>("item");
  QTest::addColumn<QString>("caption");
  QTest::addColumn<QString>("value");
  QTest::addColumn<int>("unitIndex");
  QTest::addColumn<QString>("result");
  QTest::newRow("frequency") << 0 << "共振周波数"
                             << "484.293" << 1 << "484.293 kHz";
  QTest::newRow("inductance") << 1 << "インダクタンス"
                              << "84.434" << 0 << "84.434 μＨ";
}

void ResonancePageTest::radioSwitch() {
  QFETCH(int, item);
  QFETCH(QString, caption);
  QFETCH(QString, value);
  QFETCH(int, unitIndex);
  QFETCH(QString, result);
  RecordingSink sink;
  tuning::ResonancePage page;
  Edit(page, "Edit111")->setText(QStringLiteral("old"));

  PickRadio(Selector(page), item);
  // Picking does not solve: the texts stay, the result is blanked.
  CheckFieldStates(page, item);
  QCOMPARE(Label(page, "Label224")->text(), caption);
  QCOMPARE(Edit(page, "Edit111")->text(), QStringLiteral(" "));
  QCOMPARE(Edit(page, "Edit108")->text(), QStringLiteral("1000"));
  QCOMPARE(Edit(page, "Edit109")->text(), QStringLiteral("360"));
  QCOMPARE(Edit(page, "Edit110")->text(), QStringLiteral("300"));

  Click(page, "BitBtn30");
  QCOMPARE(Edit(page, kSolverFields[item])->text(), value);
  QCOMPARE(Combo(page, item == 0 ? "ComboBox22" : "ComboBox33")->currentIndex(), unitIndex);
  QCOMPARE(Edit(page, "Edit111")->text(), result);
  QVERIFY(sink.dialogs.isEmpty());
}

void ResonancePageTest::clickOnSelectedItemChangesNothing() {
  tuning::ResonancePage page;
  Click(page, "BitBtn30");
  PickRadio(Selector(page), 2);
  QCOMPARE(Edit(page, "Edit111")->text(), QStringLiteral("70.362 ｐＦ"));
}

void ResonancePageTest::unitSnapsWithoutResolving() {
  RecordingSink sink;
  tuning::ResonancePage page;
  PickRadio(Selector(page), 1);
  Type(Edit(page, "Edit110"), QStringLiteral("1"));
  QSignalSpy picks(Combo(page, "ComboBox33"), &QComboBox::activated);
  Click(page, "BitBtn30");
  // 25330.296 μＨ is shown in millihenries, and the list follows.
  QCOMPARE(Edit(page, "Edit109")->text(), QStringLiteral("25.33"));
  QCOMPARE(Combo(page, "ComboBox33")->currentIndex(), 1);
  QCOMPARE(Edit(page, "Edit111")->text(), QStringLiteral("25.33 ｍＨ"));
  QCOMPARE(picks.count(), 0);

  // The next solve takes the snapped unit as its input unit.
  PickRadio(Selector(page), 0);
  Click(page, "BitBtn30");
  QCOMPARE(Edit(page, "Edit111")->text(), QStringLiteral("1000.006 kHz"));
  QVERIFY(sink.dialogs.isEmpty());
}

void ResonancePageTest::userPickResolves_data() {
  QTest::addColumn<QString>("list");
  QTest::addColumn<int>("index");
  QTest::addColumn<QString>("capacitor");
  QTest::addColumn<int>("capacitorUnit");
  QTest::addColumn<QString>("result");
  // The solved quantity's own list: re-solved and snapped back.
  QTest::newRow("solved list") << "ComboBox34" << 1 << "70.362" << 0 << "70.362 ｐＦ";
  // A known quantity's list: its number kept in the new unit.
  QTest::newRow("coil in mH") << "ComboBox33" << 1 << "0.07" << 0 << "0.07 ｐＦ";
  QTest::newRow("frequency in MHz") << "ComboBox22" << 2 << "0" << 0 << "0 ｐＦ";
  QTest::newRow("frequency in Hz") << "ComboBox22" << 0 << "70.3619" << 1 << "70.3619 μＦ";
}

void ResonancePageTest::userPickResolves() {
  QFETCH(QString, list);
  QFETCH(int, index);
  QFETCH(QString, capacitor);
  QFETCH(int, capacitorUnit);
  QFETCH(QString, result);
  RecordingSink sink;
  tuning::ResonancePage page;
  Pick(Find<QComboBox>(&page, list), index);
  QCOMPARE(Edit(page, "Edit110")->text(), capacitor);
  QCOMPARE(Combo(page, "ComboBox34")->currentIndex(), capacitorUnit);
  QCOMPARE(Edit(page, "Edit111")->text(), result);
  QCOMPARE(Find<QComboBox>(&page, list)->currentIndex(), list == "ComboBox34" ? 0 : index);
  QVERIFY(sink.dialogs.isEmpty());
}

void ResonancePageTest::zeroProductBlanksOnly() {
  RecordingSink sink;
  tuning::ResonancePage page;
  Pick(Combo(page, "ComboBox22"), 0); // 1000 Hz: 70.3619 μＦ
  QCOMPARE(Edit(page, "Edit111")->text(), QStringLiteral("70.3619 μＦ"));
  Type(Edit(page, "Edit108"), QString());
  Click(page, "BitBtn30");
  QCOMPARE(Edit(page, "Edit111")->text(), QStringLiteral(" "));
  // The solved field and its list keep what they held.
  QCOMPARE(Edit(page, "Edit110")->text(), QStringLiteral("70.3619"));
  QCOMPARE(Combo(page, "ComboBox34")->currentIndex(), 1);
  QVERIFY(sink.dialogs.isEmpty());
}

void ResonancePageTest::conversionErrorWritesNothing() {
  RecordingSink sink;
  tuning::ResonancePage page;
  Click(page, "BitBtn30");
  Type(Edit(page, "Edit109"), QStringLiteral("1.2.3"));
  Click(page, "BitBtn30");
  QCOMPARE(sink.dialogs.size(), 1);
  QCOMPARE(sink.dialogs[0].kind, kit::testing::Dialog::Application);
  QCOMPARE(sink.dialogs[0].text, QStringLiteral("'1.2.3' は浮動小数点数ではありません."));
  QCOMPARE(Edit(page, "Edit110")->text(), QStringLiteral("70.362"));
  QCOMPARE(Edit(page, "Edit111")->text(), QStringLiteral("70.362 ｐＦ"));
}

void ResonancePageTest::hugeResultKeepsItsDigits() {
  RecordingSink sink;
  tuning::ResonancePage page;
  PickRadio(Selector(page), 0);
  Type(Edit(page, "Edit109"), QStringLiteral("0.000000000000000001"));
  Type(Edit(page, "Edit110"), QStringLiteral("0.000000001"));
  Click(page, "BitBtn30");
  QCOMPARE(Edit(page, "Edit108")->text(), QStringLiteral("5032921210448700"));
  QCOMPARE(Combo(page, "ComboBox22")->currentIndex(), 2);
  QCOMPARE(Edit(page, "Edit111")->text(), QStringLiteral("5032921210448700 MHz"));
  QVERIFY(sink.dialogs.isEmpty());

  // Solving the capacitance back from the written frequency gives the
  // capacitance again (in pF, rounded).
  PickRadio(Selector(page), 2);
  Click(page, "BitBtn30");
  QCOMPARE(Edit(page, "Edit111")->text(), QStringLiteral("0 ｐＦ"));
}

void ResonancePageTest::enterSolvesAndKeepsFocus_data() {
  QTest::addColumn<QString>("field");
  QTest::newRow("Edit108") << "Edit108";
  QTest::newRow("Edit109") << "Edit109";
}

void ResonancePageTest::enterSolvesAndKeepsFocus() {
  QFETCH(QString, field);
  RecordingSink sink;
  tuning::ResonancePage page;
  page.show();
  QApplication::setActiveWindow(&page);
  QVERIFY(QTest::qWaitForWindowActive(&page));
  QLineEdit* edit = Find<QLineEdit>(&page, field);
  edit->setFocus();
  Enter(edit);
  QCOMPARE(Edit(page, "Edit111")->text(), QStringLiteral("70.362 ｐＦ"));
  QCOMPARE(QApplication::focusWidget(), edit);
  QCOMPARE(edit->text(), field == "Edit108" ? QStringLiteral("1000") : QStringLiteral("360"));
}

void ResonancePageTest::expandNeedsDoubleClick() {
  tuning::ResonancePage page;
  page.show();
  QVERIFY(QTest::qWaitForWindowExposed(&page));
  QLabel* expand = Label(page, "Label78");
  QGroupBox* group = Find<QGroupBox>(&page, "GroupBox34");
  QTest::mouseClick(expand, Qt::LeftButton);
  QVERIFY(group->isHidden());
  QTest::mouseDClick(expand, Qt::LeftButton);
  QVERIFY(!group->isHidden());
  QTest::mouseDClick(expand, Qt::LeftButton);
  QVERIFY(!group->isHidden());
}

void ResonancePageTest::characteristicsCaptions_data() {
  QTest::addColumn<QString>("frequency");
  QTest::addColumn<int>("unit");
  QTest::addColumn<QStringList>("captions"); // Label221, 222, 294, 295, 220
  QTest::newRow("defaults") << "1000" << 1
                            << QStringList{"（コイル XL） 　　　2.262 ｋΩ", "（コンデンサ XC）　530.516 Ω",
                                           "（直列共振 Zs） 1.731 ｋΩ", "（並列共振 Zp） 693.069 Ω",
                                           "特性インピーダンス　1.095 ｋΩ"};
  // 1/(ωL) equals ωC exactly here: no division fault, the wording instead.
  QTest::newRow("exact parallel resonance")
      << "484293.0692771226850937" << 0
      << QStringList{"（コイル XL） 　　　1.095 ｋΩ", "（コンデンサ XC）　1.095 ｋΩ", "（直列共振 Zs） 0 Ω",
                     "（並列共振 Zp）  １ＴΩ以上（無限大）", "特性インピーダンス　1.095 ｋΩ"};
  QTest::newRow("no frequency") << "" << 1
                                << QStringList{"（コイル XL）", "（コンデンサ XC）", "（直列共振 Zs） ",
                                               "（並列共振 Zp） ", "特性インピーダンス　1.095 ｋΩ"};
}

void ResonancePageTest::characteristicsCaptions() {
  QFETCH(QString, frequency);
  QFETCH(int, unit);
  QFETCH(QStringList, captions);
  RecordingSink sink;
  tuning::ResonancePage page;
  Type(Edit(page, "Edit132"), frequency);
  Pick(Combo(page, "ComboBox32"), unit);
  QCOMPARE(Label(page, "Label221")->text(), QStringLiteral("（コイル XL）　")); // no change action
  Click(page, "BitBtn38");
  const char* const labels[] = {"Label221", "Label222", "Label294", "Label295", "Label220"};
  for (int i = 0; i < 5; ++i)
    QCOMPARE(Label(page, labels[i])->text(), captions[i]);
  QVERIFY(sink.dialogs.isEmpty());
}

void ResonancePageTest::characteristicsReadSolverFieldsAsTheyStand() {
  RecordingSink sink;
  tuning::ResonancePage page;
  Click(page, "BitBtn38");
  QCOMPARE(Label(page, "Label222")->text(), QStringLiteral("（コンデンサ XC）　530.516 Ω"));

  // A new capacitance from the solver does not refresh the group...
  Click(page, "BitBtn30");
  QCOMPARE(Edit(page, "Edit110")->text(), QStringLiteral("70.362"));
  QCOMPARE(Label(page, "Label222")->text(), QStringLiteral("（コンデンサ XC）　530.516 Ω"));
  // ...the next calculation here uses it, with its unit.
  Click(page, "BitBtn38");
  QCOMPARE(Label(page, "Label222")->text(), QStringLiteral("（コンデンサ XC）　2.262 ｋΩ"));
  Pick(Combo(page, "ComboBox33"), 1); // re-solves C for 360 mＨ: 0.07 ｐＦ
  Enter(Edit(page, "Edit132"));
  QCOMPARE(Label(page, "Label221")->text(), QStringLiteral("（コイル XL） 　　　2.262 ＭΩ"));
  QCOMPARE(Label(page, "Label222")->text(), QStringLiteral("（コンデンサ XC）　2.274 ＭΩ"));
  QVERIFY(sink.dialogs.isEmpty());
}

void ResonancePageTest::characteristicsConversionErrorChangesNoCaption() {
  RecordingSink sink;
  tuning::ResonancePage page;
  Type(Edit(page, "Edit132"), QStringLiteral("1.2.3"));
  Click(page, "BitBtn38");
  QCOMPARE(sink.dialogs.size(), 1);
  QCOMPARE(sink.dialogs[0].text, QStringLiteral("'1.2.3' は浮動小数点数ではありません."));
  QCOMPARE(Label(page, "Label294")->text(), QStringLiteral("（直列共振 Zs）"));
  QCOMPARE(Label(page, "Label220")->text(), QStringLiteral("特性インピーダンス　"));
}

QTEST_MAIN(ResonancePageTest)
#include "resonance_page_test.moc"
