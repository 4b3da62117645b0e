// The options panel and the page " 波長と周波数 ": defaults, results through
// the buttons, the panel's normalisation, errors and their dialogs, the
// filter and the Enter behaviour of the fields and of the editable list.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "antenna/options_panel.h"
#include "antenna/wavelength_page.h"
#include "core/kit/font.h"
#include "core/kit/testing.h"

using kit::testing::Dialog;
using kit::testing::Find;
using kit::testing::RecordingSink;

namespace {

const QString kOverflow = QStringLiteral("浮動小数点数のオーバーフロー.");
// 1E-4930: typed as a plain decimal, as the filter lets nothing else through.
const QString kTiny = QStringLiteral("0.") + QString(4929, QLatin1Char('0')) + QStringLiteral("1");

// The page above the options panel, as on the antenna page.
struct Bench : QWidget {
  antenna::OptionsPanel* panel;
  antenna::WavelengthPage* page;
  Bench() {
    setFont(kit::ProgramFont(12));
    panel = new antenna::OptionsPanel(this);
    page = new antenna::WavelengthPage(panel, this);
    page->move(0, 0);
    panel->move(0, 388);
    resize(680, 440);
  }
  template <class T> T* Get(const char* name) const { return Find<T>(this, QString::fromLatin1(name)); }
  QLineEdit* Edit(const char* name) const { return Get<QLineEdit>(name); }
  QCheckBox* Box(const char* name) const { return Get<QCheckBox>(name); }
  QComboBox* Combo(const char* name) const { return Get<QComboBox>(name); }
  void SetFactor(bool enabled, const QString& text) {
    Box("CheckBox2")->setChecked(enabled);
    Combo("ComboBox9")->setEditText(text);
  }
  void ShowActive() {
    show();
    QApplication::setActiveWindow(this);
    QVERIFY(QTest::qWaitForWindowActive(this));
  }
};

QStringList Items(const QComboBox* combo) {
  QStringList items;
  for (int i = 0; i < combo->count(); ++i)
    items << combo->itemText(i);
  return items;
}

QStringList RadioCaptions(const QGroupBox* group) {
  QStringList captions;
  for (const QRadioButton* b : group->findChildren<QRadioButton*>(QString(), Qt::FindDirectChildrenOnly))
    captions << b->text();
  return captions;
}

} // namespace

class WavelengthPageTest : public QObject {
  Q_OBJECT

private slots:
  void initTestCase() { QApplication::setFont(kit::ProgramFont(12)); }

  void panelDefaults() {
    Bench b;
    QCOMPARE(b.panel->objectName(), QString("Panel4"));
    QCOMPARE(b.panel->size(), QSize(677, 49));
    QCOMPARE(b.Get<QLabel>("Label148")->text(), QString("オプション"));
    QCOMPARE(b.Box("CheckBox1")->text(), QString("速度を 30万km/sで概算する"));
    QCOMPARE(b.Box("CheckBox1")->toolTip(), QString("チェックをはずすと、299,792,458 m/s で計算"));
    QVERIFY(b.Box("CheckBox1")->isChecked());
    QCOMPARE(b.Box("CheckBox2")->text(), QString("短縮率を有効にする"));
    QVERIFY(!b.Box("CheckBox2")->isChecked());
    QComboBox* k = b.Combo("ComboBox9");
    QVERIFY(k->isEditable());
    QCOMPARE(Items(k), (QStringList{"0.98", "0.97", "0.95", "0.9", "0.8", "0.67"}));
    QCOMPARE(k->currentText(), QString("0.95"));
    QCOMPARE(k->currentIndex(), 2);
    QCOMPARE(b.panel->WaveSpeed(), 300.0L);
    b.Box("CheckBox1")->setChecked(false);
    QCOMPARE(b.panel->WaveSpeed(), 299.792458L);

    // A click on the heading changes nothing.
    QTest::mouseClick(b.Get<QLabel>("Label148"), Qt::LeftButton);
    QVERIFY(!b.Box("CheckBox2")->isChecked());
    QCOMPARE(k->currentText(), QString("0.95"));
  }

  void pageDefaults() {
    Bench b;
    QCOMPARE(b.page->objectName(), QString("TabSheet24"));
    QCOMPARE(b.Get<QGroupBox>("GroupBox1")->title(), QString("波長から周波数を計算"));
    QCOMPARE(b.Get<QGroupBox>("GroupBox2")->title(), QString("周波数から波長を計算"));
    QCOMPARE(b.Edit("Edit24")->text(), QString("300"));
    QCOMPARE(b.Edit("Edit25")->text(), QString("1000"));
    QComboBox* length = b.Combo("ComboBox1");
    QComboBox* frequency = b.Combo("ComboBox2");
    QVERIFY(!length->isEditable() && !frequency->isEditable());
    QCOMPARE(Items(length), (QStringList{"mm", "cm", "m", "km"}));
    QCOMPARE(length->currentText(), QString("m"));
    QCOMPARE(Items(frequency), (QStringList{"Hz", "kHz", "MHz", "GHz"}));
    QCOMPARE(frequency->currentText(), QString("kHz"));
    auto* group = b.Get<QGroupBox>("RadioGroup5");
    QCOMPARE(group->title(), QString("入力値"));
    QCOMPARE(RadioCaptions(group), (QStringList{"λ", "λ/2", "λ/4", "λ/6"}));
    QCOMPARE(kit::RadioIndex(group), 0);
    for (const char* name : {"BitBtn1", "BitBtn2"}) {
      QCOMPARE(b.Get<QPushButton>(name)->text(), QString("計算"));
      QVERIFY(!b.Get<QPushButton>(name)->icon().isNull());
    }
    for (const char* name : {"Edit1", "Edit2", "Edit18", "Edit19", "Edit31"}) {
      QVERIFY2(b.Edit(name)->isReadOnly(), name);
      QVERIFY2(b.Edit(name)->text().isEmpty(), name);
    }
  }

  void wavelengthToFrequency_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("part");
    QTest::addColumn<int>("unit");
    QTest::addColumn<bool>("approximate");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QString>("factor");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("enabledAfter");
    QTest::newRow("defaults") << "300" << 0 << 2 << true << false << "0.95"
                              << "1000 kHz" << false;
    QTest::newRow("exact speed") << "300" << 0 << 2 << false << false << "0.95"
                                 << "999.308193333333 kHz" << false;
    QTest::newRow("quarter wave") << "75" << 2 << 2 << true << false << "0.95"
                                  << "1000 kHz" << false;
    QTest::newRow("half wave") << "150" << 1 << 2 << true << false << "0.95"
                               << "1000 kHz" << false;
    QTest::newRow("sixth wave") << "50" << 3 << 2 << true << false << "0.95"
                                << "1000 kHz" << false;
    QTest::newRow("shortened") << "300" << 0 << 2 << true << true << "0.95"
                               << "950 kHz" << true;
    QTest::newRow("typed factor") << "300" << 0 << 2 << true << true << "0.6"
                                  << "600 kHz" << true;
    QTest::newRow("10 MHz is MHz") << "30" << 0 << 2 << true << false << "0.95"
                                   << "10 MHz" << false;
    QTest::newRow("10 kHz is kHz") << "30000" << 0 << 2 << true << false << "0.95"
                                   << "10 kHz" << false;
    QTest::newRow("3 mm") << "3" << 0 << 0 << true << false << "0.95"
                          << "100 GHz" << false;
    QTest::newRow("cm") << "1" << 0 << 1 << true << false << "0.95"
                        << "30 GHz" << false;
    QTest::newRow("km in Hz") << "300" << 0 << 3 << true << false << "0.95"
                              << "1000 Hz" << false;
    QTest::newRow("empty factor unchecks") << "300" << 0 << 2 << true << true << ""
                                           << "1000 kHz" << false;
    QTest::newRow("zero factor unchecks") << "300" << 0 << 2 << true << true << "0"
                                          << "1000 kHz" << false;
    QTest::newRow("point factor unchecks") << "300" << 0 << 2 << true << true << "."
                                           << "1000 kHz" << false;
  }
  void wavelengthToFrequency() {
    QFETCH(QString, typed);
    QFETCH(int, part);
    QFETCH(int, unit);
    QFETCH(bool, approximate);
    QFETCH(bool, enabled);
    QFETCH(QString, factor);
    QFETCH(QString, expected);
    QFETCH(bool, enabledAfter);
    RecordingSink sink;
    Bench b;
    b.Edit("Edit24")->setText(typed);
    kit::testing::PickRadio(b.Get<QGroupBox>("RadioGroup5"), part);
    kit::testing::Pick(b.Combo("ComboBox1"), unit);
    b.Box("CheckBox1")->setChecked(approximate);
    b.SetFactor(enabled, factor);
    b.Get<QPushButton>("BitBtn1")->click();
    QCOMPARE(b.Edit("Edit1")->text(), expected);
    QCOMPARE(b.Box("CheckBox2")->isChecked(), enabledAfter);
    QVERIFY(sink.dialogs.isEmpty());
  }

  void frequencyToWavelength_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("unit");
    QTest::addColumn<bool>("approximate");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QString>("factor");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<bool>("enabledAfter");
    const QStringList mw{"300 m", "150 m", "75 m", "50 m"};
    QTest::newRow("defaults") << "1000" << 1 << true << false << "0.95" << mw << false;
    QTest::newRow("shortened") << "1000" << 1 << true << true << "0.95"
                               << QStringList{"285 m", "142.5 m", "71.25 m", "47.5 m"} << true;
    QTest::newRow("exact speed") << "1000" << 1 << false << false << "0.95"
                                 << QStringList{"299.792458 m", "149.896229 m", "74.9481145 m",
                                                "49.9654096666667 m"}
                                 << false;
    QTest::newRow("1 MHz") << "1" << 2 << true << false << "0.95" << mw << false;
    QTest::newRow("1 m stays metres")
        << "300" << 2 << true << false << "0.95"
        << QStringList{"1 m", "0.5 m", "0.25 m", "0.166666666666667 m"} << false;
    QTest::newRow("cm") << "600" << 2 << true << false << "0.95"
                        << QStringList{"50 cm", "25 cm", "12.5 cm", "8.33333333333333 cm"} << false;
    QTest::newRow("kHz in m") << "3000" << 1 << true << false << "0.95"
                              << QStringList{"100 m", "50 m", "25 m", "16.6666666666667 m"} << false;
    QTest::newRow("kHz in km") << "100" << 1 << true << false << "0.95"
                               << QStringList{"3 km", "1.5 km", "0.75 km", "0.5 km"} << false;
    QTest::newRow("Hz in km") << "1000" << 0 << true << false << "0.95"
                              << QStringList{"300 km", "150 km", "75 km", "50 km"} << false;
    QTest::newRow("Hz above 1000 km")
        << "1" << 0 << true << false << "0.95"
        << QStringList{"300000 km", "150000 km", "75000 km", "50000 km"} << false;
    QTest::newRow("GHz in mm") << "1" << 3 << true << false << "0.95"
                               << QStringList{"300 mm", "150 mm", "75 mm", "50 mm"} << false;
    QTest::newRow("below 1 mm") << "1000" << 3 << true << false << "0.95"
                                << QStringList{"0.3 mm", "0.15 mm", "0.075 mm", "0.05 mm"} << false;
    QTest::newRow("empty factor unchecks") << "1000" << 1 << true << true << "" << mw << false;
    QTest::newRow("point factor unchecks") << "1000" << 1 << true << true << "." << mw << false;
  }
  void frequencyToWavelength() {
    QFETCH(QString, typed);
    QFETCH(int, unit);
    QFETCH(bool, approximate);
    QFETCH(bool, enabled);
    QFETCH(QString, factor);
    QFETCH(QStringList, expected);
    QFETCH(bool, enabledAfter);
    RecordingSink sink;
    Bench b;
    b.Edit("Edit25")->setText(typed);
    kit::testing::Pick(b.Combo("ComboBox2"), unit);
    b.Box("CheckBox1")->setChecked(approximate);
    b.SetFactor(enabled, factor);
    b.Get<QPushButton>("BitBtn2")->click();
    const QStringList got{b.Edit("Edit2")->text(), b.Edit("Edit18")->text(), b.Edit("Edit19")->text(),
                          b.Edit("Edit31")->text()};
    QCOMPARE(got, expected);
    QCOMPARE(b.Box("CheckBox2")->isChecked(), enabledAfter);
    QVERIFY(sink.dialogs.isEmpty());
  }

  void zeroWavelength_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("part");
    for (int part = 0; part < 4; ++part) {
      QTest::addRow("zero, item %d", part) << "0" << part;
      QTest::addRow("empty, item %d", part) << "" << part;
      QTest::addRow("point, item %d", part) << "." << part;
    }
  }
  void zeroWavelength() {
    QFETCH(QString, typed);
    QFETCH(int, part);
    RecordingSink sink;
    Bench b;
    b.Get<QPushButton>("BitBtn1")->click();
    QCOMPARE(b.Edit("Edit1")->text(), QString("1000 kHz"));
    b.Edit("Edit24")->setText(typed);
    kit::testing::PickRadio(b.Get<QGroupBox>("RadioGroup5"), part);
    b.SetFactor(true, ""); // the calculation ends before the panel is read
    b.Get<QPushButton>("BitBtn1")->click();
    QCOMPARE(b.Edit("Edit1")->text(), QString(" "));
    QCOMPARE(sink.dialogs.size(), 1);
    QCOMPARE(sink.dialogs[0].kind, Dialog::Error);
    QCOMPARE(sink.dialogs[0].title, QString("エラー"));
    QCOMPARE(sink.dialogs[0].text, kit::testing::ZeroInputText());
    QVERIFY(b.Box("CheckBox2")->isChecked());
  }

  void zeroFrequencyBlanksOnlyTheWavelength() {
    RecordingSink sink;
    Bench b;
    b.Get<QPushButton>("BitBtn2")->click();
    for (const QString& typed : {QString("0"), QString(""), QString(".")}) {
      sink.clear();
      b.Edit("Edit25")->setText(typed);
      b.Get<QPushButton>("BitBtn2")->click();
      QCOMPARE(b.Edit("Edit2")->text(), QString(" "));
      QCOMPARE(b.Edit("Edit18")->text(), QString("150 m"));
      QCOMPARE(b.Edit("Edit19")->text(), QString("75 m"));
      QCOMPARE(b.Edit("Edit31")->text(), QString("50 m"));
      QCOMPARE(sink.dialogs.size(), 1);
      QCOMPARE(sink.dialogs[0].title, QString("エラー"));
      QCOMPARE(sink.dialogs[0].text, kit::testing::ZeroInputText());
    }
  }

  // A text that is not a number, in a field or in the factor list (read even
  // while the factor is off), stops the calculation; results keep their text.
  void conversionErrors_data() {
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("factor");
    QTest::newRow("wavelength field") << "1.2.3"
                                      << "0.95";
    QTest::newRow("factor list") << "300"
                                 << "1.2.3";
  }
  void conversionErrors() {
    QFETCH(QString, edit);
    QFETCH(QString, factor);
    RecordingSink sink;
    Bench b;
    b.Get<QPushButton>("BitBtn1")->click();
    b.Get<QPushButton>("BitBtn2")->click();
    b.Edit("Edit24")->setText(edit);
    b.Edit("Edit25")->setText(edit == "300" ? QString("1000") : edit);
    b.SetFactor(false, factor);
    b.Get<QPushButton>("BitBtn1")->click();
    b.Get<QPushButton>("BitBtn2")->click();
    QCOMPARE(sink.dialogs.size(), 2);
    for (const Dialog& d : sink.dialogs) {
      QCOMPARE(d.kind, Dialog::Application);
      QCOMPARE(d.title, QString("QUELM 2.0"));
      QCOMPARE(d.text, QString("'1.2.3' は浮動小数点数ではありません."));
    }
    QCOMPARE(b.Edit("Edit1")->text(), QString("1000 kHz"));
    const QStringList got{b.Edit("Edit2")->text(), b.Edit("Edit18")->text(), b.Edit("Edit19")->text(),
                          b.Edit("Edit31")->text()};
    QCOMPARE(got, (QStringList{"300 m", "150 m", "75 m", "50 m"}));
  }

  void aTinyWavelengthOverflowsTheFrequency() {
    RecordingSink sink;
    Bench b;
    b.Get<QPushButton>("BitBtn1")->click();
    b.Edit("Edit24")->setText(kTiny);
    b.SetFactor(true, "");
    b.Get<QPushButton>("BitBtn1")->click();
    QCOMPARE(sink.dialogs.size(), 1);
    QCOMPARE(sink.dialogs[0].title, QString("QUELM 2.0"));
    QCOMPARE(sink.dialogs[0].text, kOverflow);
    QCOMPARE(b.Edit("Edit1")->text(), QString("1000 kHz"));
    // The panel was normalised before the frequency overflowed.
    QVERIFY(!b.Box("CheckBox2")->isChecked());
  }

  void aTinyFrequencyOverflowsTheWavelength() {
    RecordingSink sink;
    Bench b;
    b.Get<QPushButton>("BitBtn2")->click();
    b.Edit("Edit25")->setText(kTiny);
    b.SetFactor(true, "");
    b.Get<QPushButton>("BitBtn2")->click();
    QCOMPARE(sink.dialogs.size(), 1);
    QCOMPARE(sink.dialogs[0].text, kOverflow);
    QCOMPARE(b.Edit("Edit2")->text(), QString("300 m"));
    QCOMPARE(b.Edit("Edit31")->text(), QString("50 m"));
    // The wavelength overflowed before the panel was read.
    QVERIFY(b.Box("CheckBox2")->isChecked());
  }

  void fieldsAreFiltered() {
    Bench b;
    kit::testing::Type(b.Edit("Edit24"), "1a2,3");
    QCOMPARE(b.Edit("Edit24")->text(), QString("123"));
    b.Edit("Edit25")->setText("-3e-2");
    QCOMPARE(b.Edit("Edit25")->text(), QString("32"));
    b.Edit("Edit25")->setText("1.2.3");
    QCOMPARE(b.Edit("Edit25")->text(), QString("1.2.3"));
  }

  void factorListIsFilteredWithoutCompletion_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");
    QTest::newRow("no inline completion") << "0.6"
                                          << "0.6";
    QTest::newRow("prefix of an item") << "0.9"
                                       << "0.9";
    QTest::newRow("letters dropped") << "0.9x5"
                                     << "0.95";
    QTest::newRow("signs dropped") << "-0.5"
                                   << "0.5";
    QTest::newRow("full-width dropped") << "０.5"
                                        << ".5";
  }
  void factorListIsFilteredWithoutCompletion() {
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    Bench b;
    b.ShowActive();
    QComboBox* k = b.Combo("ComboBox9");
    k->setFocus();
    kit::testing::Type(k->lineEdit(), typed);
    QCOMPARE(k->currentText(), expected);
    QCOMPARE(k->count(), 6);
  }

  void typedFactorIsUsed() {
    Bench b;
    b.ShowActive();
    QComboBox* k = b.Combo("ComboBox9");
    k->setFocus();
    kit::testing::Type(k->lineEdit(), "0.5");
    b.Box("CheckBox2")->setChecked(true);
    b.Get<QPushButton>("BitBtn2")->click();
    QCOMPARE(b.Edit("Edit2")->text(), QString("150 m"));
  }

  // Enter in the list neither adds the text as an item nor picks a matching
  // one, and runs nothing.
  void enterInTheFactorListDoesNothing_data() {
    QTest::addColumn<QString>("typed");
    QTest::newRow("new value") << "0.5";
    QTest::newRow("matches an item") << "0.8";
  }
  void enterInTheFactorListDoesNothing() {
    QFETCH(QString, typed);
    RecordingSink sink;
    Bench b;
    b.ShowActive();
    QComboBox* k = b.Combo("ComboBox9");
    k->setFocus();
    kit::testing::Type(k->lineEdit(), typed);
    kit::testing::Enter(k);
    QTest::keyClick(k->lineEdit(), Qt::Key_Enter);
    QCOMPARE(k->count(), 6);
    QCOMPARE(k->currentIndex(), 2);
    QCOMPARE(k->currentText(), typed);
    QCOMPARE(QApplication::focusWidget(), k);
    QVERIFY(b.Edit("Edit1")->text().isEmpty());
    QVERIFY(b.Edit("Edit2")->text().isEmpty());
    QVERIFY(sink.dialogs.isEmpty());
  }

  // Variant (a): focus to the button, calculation, focus back to the field
  // with its whole text selected.
  void enterCalculatesWithAFocusRoundTrip_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("expected");
    QTest::newRow("wavelength") << "Edit24"
                                << "BitBtn1"
                                << "30"
                                << "Edit1"
                                << "10 MHz";
    QTest::newRow("frequency") << "Edit25"
                               << "BitBtn2"
                               << "300"
                               << "Edit2"
                               << "1 km";
  }
  void enterCalculatesWithAFocusRoundTrip() {
    QFETCH(QString, field);
    QFETCH(QString, button);
    QFETCH(QString, typed);
    QFETCH(QString, result);
    QFETCH(QString, expected);
    RecordingSink sink;
    Bench b;
    b.ShowActive();
    auto* edit = Find<QLineEdit>(&b, field);
    edit->setFocus();
    kit::testing::Type(edit, typed);
    kit::testing::Enter(edit);
    QCOMPARE(Find<QLineEdit>(&b, result)->text(), expected);
    QCOMPARE(edit->text(), typed); // Enter did not reach the field
    QCOMPARE(QApplication::focusWidget(), edit);
    QCOMPARE(edit->selectedText(), typed);

    // A zero input: the dialog comes up with focus on the button, and focus
    // then returns to the field with its text selected.
    kit::testing::Type(edit, "0");
    kit::testing::Enter(edit);
    QCOMPARE(Find<QLineEdit>(&b, result)->text(), QString(" "));
    QCOMPARE(sink.dialogs.size(), 1);
    QCOMPARE(sink.dialogs[0].text, kit::testing::ZeroInputText());
    QCOMPARE(sink.focusAtDialog[0], Find<QPushButton>(&b, button));
    QCOMPARE(QApplication::focusWidget(), edit);
    QCOMPARE(edit->selectedText(), QString("0"));

    // A conversion failure: the key action stops, focus stays on the button.
    sink.clear();
    kit::testing::Type(edit, "1.2.3");
    kit::testing::Enter(edit);
    QCOMPARE(sink.dialogs.size(), 1);
    QCOMPARE(sink.dialogs[0].title, QString("QUELM 2.0"));
    QCOMPARE(sink.dialogs[0].text, QString("'1.2.3' は浮動小数点数ではありません."));
    QCOMPARE(QApplication::focusWidget(), Find<QPushButton>(&b, button));
  }

  void aFactorFaultOnEnterLeavesFocusOnTheButton() {
    RecordingSink sink;
    Bench b;
    b.ShowActive();
    b.SetFactor(false, "1.2.3");
    QLineEdit* edit = b.Edit("Edit24");
    edit->setFocus();
    kit::testing::Enter(edit);
    QCOMPARE(sink.dialogs.size(), 1);
    QCOMPARE(sink.dialogs[0].text, QString("'1.2.3' は浮動小数点数ではありません."));
    QCOMPARE(QApplication::focusWidget(), b.Get<QPushButton>("BitBtn1"));
    QVERIFY(b.Edit("Edit1")->text().isEmpty());
  }

  // The program's own path: a real modal box, closed from a timer.
  void realZeroInputBoxIsShown() {
    Bench b;
    b.Edit("Edit25")->setText("0");
    const auto shown = kit::testing::CloseRealBoxes([&] { b.Get<QPushButton>("BitBtn2")->click(); });
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown[0].title, QString("エラー"));
    QCOMPARE(shown[0].text, kit::testing::ZeroInputText());
    QCOMPARE(shown[0].icon, int(QMessageBox::Critical));
    QCOMPARE(b.Edit("Edit2")->text(), QString(" "));
  }

  void render() {
    if (qEnvironmentVariableIsEmpty("QUELM_RENDER"))
      QSKIP("set QUELM_RENDER to a PNG path to render the page");
    Bench b;
    b.Get<QPushButton>("BitBtn1")->click();
    b.Get<QPushButton>("BitBtn2")->click();
    QVERIFY(b.grab().save(qEnvironmentVariable("QUELM_RENDER")));
  }
};

QTEST_MAIN(WavelengthPageTest)
#include "wavelength_page_test.moc"
