// The sub-pages " ワイヤーアンテナ ", " 実効長(高) ", " 電界強度 " and
// "アンテナアナライザー": start and reset texts, partial writes before a
// fault, which calculators clear the shortening factor's box, the ground list
// and its override boxes, the Enter variants (with the defaults' results),
// accessible names and the link.
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <QUrl>

#include "antenna/analyzer_page.h"
#include "antenna/effective_length_page.h"
#include "antenna/field_strength_page.h"
#include "antenna/options_panel.h"
#include "antenna/wire_page.h"
#include "core/kit/font.h"
#include "core/kit/links.h"
#include "core/kit/testing.h"

using kit::testing::Find;
using kit::testing::RecordingSink;
using kit::testing::UrlRecorder;

namespace {

const QStringList kWireLabels{"Label236", "Label291", "Label292", "Label293", "Label346"};
const QStringList kAnalyzerResults{"Edit141", "Edit142", "Edit143", "Edit144"};

// The four pages over one options panel, as on the antenna page.
struct Bench : QWidget {
  antenna::OptionsPanel* panel = new antenna::OptionsPanel(this);
  QList<QWidget*> pages{new antenna::WirePage(panel, this), new antenna::EffectiveLengthPage(panel, this),
                        new antenna::FieldStrengthPage(panel, this), new antenna::AnalyzerPage(this)};
  Bench() {
    setFont(kit::ProgramFont(12));
    panel->move(0, 388);
    resize(680, 440);
  }
  template <class T> T* Get(const QString& name) const { return Find<T>(this, name); }
  QLineEdit* Edit(const QString& name) const { return Get<QLineEdit>(name); }
  QCheckBox* Box(const QString& name) const { return Get<QCheckBox>(name); }
  // The text of a result: a label or a read-only field.
  QString Text(const QString& name) const {
    if (auto* label = findChild<QLabel*>(name))
      return label->text();
    return Edit(name)->text();
  }
  QStringList Texts(const QStringList& names) const {
    QStringList texts;
    for (const QString& name : names)
      texts << Text(name);
    return texts;
  }
  void Click(const QString& button) { Get<QPushButton>(button)->click(); }
  void SetFactor(bool enabled, const QString& text) {
    Box("CheckBox2")->setChecked(enabled);
    Get<QComboBox>("ComboBox9")->setEditText(text);
  }
  void ShowActive() {
    show();
    QApplication::setActiveWindow(this);
    QVERIFY(QTest::qWaitForWindowActive(this));
  }
};

QString AccessibleName(QWidget* w) {
  return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
}

} // namespace

class CircuitPagesTest : public QObject {
  Q_OBJECT

private slots:
  void initTestCase() { QApplication::setFont(kit::ProgramFont(12)); }

  void startTexts() {
    Bench b;
    QCOMPARE(b.Texts(kWireLabels), (QStringList{"[ｍ]", "[ pF ]", "[μH ]", "[ mΩ ]", "[μH ]"}));
    QCOMPARE(b.Texts({"Label231", "Label227", "Label318", "Label319"}),
             (QStringList{"実効長", "実効長", "kHz", "m"}));
    QCOMPARE(b.Texts({"Label264", "Label317"}), (QStringList{"[mV/m] ", "[km]"}));
    QCOMPARE(b.Texts(kAnalyzerResults), (QStringList{"2", "20", "200", "10"}));
    for (const QString& name : kAnalyzerResults)
      QVERIFY(b.Edit(name)->isReadOnly());
  }

  // A refused input brings the results back to their captions (which differ
  // from the start texts on the wire page) without a dialog; a fault keeps
  // the results written before it and the old text of the rest.
  void aSecondRunAfterAnEdit_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("results");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QString>("fault"); // the application error box's text, if any
    const QStringList wireReset{"[ｍ]", "[pF]", "[μH]", "[mΩ]", "[μH]"};
    const QStringList vertical{"Label318", "Label319"};
    const QString divide = "0 による浮動小数点数除算.";
    const QString invalid = "不正な浮動小数点数演算命令.";
    // 1E18 m: the frequency rounds to 0 kHz; the height, times 100, leaves
    // the 64-bit range of the rounding.
    const char* const kHuge = "1000000000000000000";
    struct Row {
      const char *name, *field, *typed, *button;
      QStringList results, expected;
      QString fault;
    };
    const Row rows[] = {
        {"wire height", "Edit118", "0", "BitBtn39", kWireLabels, wireReset, {}},
        {"wire diameter", "Edit134", "", "BitBtn39", kWireLabels, wireReset, {}},
        {"loop turns", "Edit121", "", "BitBtn32", {"Label231"}, {"実効長"}, {}},
        {"empty dipole", "Edit119", "", "BitBtn33", {"Label227"}, {"実効長"}, {}},
        {"zero dipole is no refusal", "Edit119", "0", "BitBtn33", {"Label227"}, {"実効長 : 0 ｍ"}, {}},
        {"empty vertical", "Edit123", "", "BitBtn34", vertical, {" ", " "}, {}},
        {"distance zero", "Edit116", "0", "BitBtn31", {"Label264"}, {"[mV/m]"}, {}},
        {"ground zero", "Edit113", "", "BitBtn41", {"Label317"}, {"[km]"}, {}},
        {"analyzer", "Edit138", "", "BitBtn40", kAnalyzerResults, {"", "", "", ""}, {}},
        {"vertical beyond rounding", "Edit123", kHuge, "BitBtn34", vertical, {"0 kHz", "12.73 ｍ"}, invalid},
        {"vertical of zero length", "Edit123", "0", "BitBtn34", vertical, {"3750 kHz", "12.73 ｍ"}, divide},
        {"target over E(1 km)", "Edit145", "3000", "BitBtn41", {"Label317"}, {"44.52 [km] "}, divide},
    };
    for (const Row& r : rows)
      QTest::newRow(r.name) << r.field << r.typed << r.button << r.results << r.expected << r.fault;
  }
  void aSecondRunAfterAnEdit() {
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, button);
    QFETCH(QStringList, results);
    QFETCH(QStringList, expected);
    QFETCH(QString, fault);
    RecordingSink sink;
    Bench b;
    b.Click(button);
    b.Edit(field)->setText(typed);
    b.Click(button);
    QCOMPARE(b.Texts(results), expected);
    QCOMPARE(sink.dialogs.size(), fault.isEmpty() ? 0 : 1);
    if (!fault.isEmpty())
      QCOMPARE(sink.dialogs[0].text, fault);
  }

  // Only the dipole normalises the panel: a checked box with a zero factor
  // is cleared by it and by no other calculator.
  void onlyTheDipoleClearsTheFactorBox_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("checkedAfter");
    for (const char* button : {"BitBtn39", "BitBtn32", "BitBtn34", "BitBtn31", "BitBtn41", "BitBtn40"})
      QTest::newRow(button) << button << true;
    QTest::newRow("BitBtn33") << "BitBtn33" << false;
  }
  void onlyTheDipoleClearsTheFactorBox() {
    QFETCH(QString, button);
    QFETCH(bool, checkedAfter);
    RecordingSink sink;
    Bench b;
    b.SetFactor(true, "0");
    b.Click(button);
    QCOMPARE(b.Box("CheckBox2")->isChecked(), checkedAfter);
    QVERIFY(sink.dialogs.isEmpty());
  }

  void theFactorAppliesWhereItIsRead() {
    Bench b;
    b.SetFactor(true, "0.95");
    b.Click("BitBtn33");
    QCOMPARE(b.Text("Label227"), QString("実効長 : 1.256 ｍ"));
    b.Click("BitBtn34");
    QCOMPARE(b.Text("Label318"), QString("3750 kHz")); // no factor for the vertical antenna
  }

  // The wire reads the factor without the empty test and writes nothing
  // before it has every text.
  void anEmptyFactorStopsTheWireBeforeAnyLabel() {
    RecordingSink sink;
    Bench b;
    b.Click("BitBtn39");
    const QStringList before = b.Texts(kWireLabels);
    QCOMPARE(before, (QStringList{"6.4 ｍ", "126.6 pF", "14.2 μH", "687.5 ｍΩ", "185.9 μH"}));
    b.Edit("Edit117")->setText("20");
    b.SetFactor(true, "");
    b.Click("BitBtn39");
    QCOMPARE(sink.dialogs.size(), 1);
    QCOMPARE(sink.dialogs[0].text, QString("'' は浮動小数点数ではありません."));
    QCOMPARE(b.Texts(kWireLabels), before);
    QVERIFY(b.Box("CheckBox2")->isChecked());
  }

  // A target that no distance within 1,000,000 km reaches, over the sea.
  void theDistanceSearchSaysWhenItFindsNoNumber() {
    Bench b;
    kit::testing::Pick(b.Get<QComboBox>("ComboBox23"), 3);
    b.Edit("Edit145")->setText("0.00001");
    b.Click("BitBtn41");
    QCOMPARE(b.Text("Label317"), QString("100万 km 以上"));
  }

  void theGroundListFillsTheFieldsItMay() {
    Bench b;
    QLineEdit* permittivity = b.Edit("Edit113");
    QLineEdit* conductivity = b.Edit("Edit114");
    for (QLineEdit* field : {permittivity, conductivity}) {
      QVERIFY(!field->isEnabled());
      QCOMPARE(kit::PaintedColour(field), kit::Colour::ButtonFace);
    }
    QCOMPARE(permittivity->text() + " " + conductivity->text(), QString("15 0.005"));
    kit::testing::Pick(b.Get<QComboBox>("ComboBox23"), 3);
    QCOMPARE(permittivity->text() + " " + conductivity->text(), QString("80 5"));
    // A disabled field is still read: the sea's path.
    b.Click("BitBtn31");
    QCOMPARE(b.Text("Label264"), QString("312.84 [mV/m] "));

    b.Box("CheckBox7")->click();
    QVERIFY(permittivity->isEnabled());
    QCOMPARE(kit::PaintedColour(permittivity), kit::Colour::Window);
    permittivity->setText("20");
    kit::testing::Pick(b.Get<QComboBox>("ComboBox23"), 0);
    QCOMPARE(permittivity->text() + " " + conductivity->text(), QString("20 0.001"));

    b.Box("CheckBox8")->click();
    conductivity->setText("0.01");
    kit::testing::Pick(b.Get<QComboBox>("ComboBox23"), 1);
    QCOMPARE(permittivity->text() + " " + conductivity->text(), QString("20 0.01"));
    b.Box("CheckBox8")->click();
    QVERIFY(!conductivity->isEnabled());
    QCOMPARE(kit::PaintedColour(conductivity), kit::Colour::ButtonFace);
    QCOMPARE(permittivity->text() + " " + conductivity->text(), QString("20 0.002"));

    b.Box("CheckBox7")->click();
    QVERIFY(!permittivity->isEnabled());
    QCOMPARE(permittivity->text(), QString("15"));
  }

  // Enter in a field runs its calculator; in the station's and ground's
  // fields it does nothing.
  void enterCalculates_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("expected");
    const char* const rows[][3] = {
        {"Edit117", "Label236", "6.4 ｍ"},
        {"Edit118", "Label236", "6.4 ｍ"},
        {"Edit134", "Label236", "6.4 ｍ"},
        {"Edit135", "Label236", "6.4 ｍ"},
        {"Edit120", "Label231", "実効長 : 0.105 ｍ"},
        {"Edit121", "Label231", "実効長 : 0.105 ｍ"},
        {"Edit122", "Label231", "実効長 : 0.105 ｍ"},
        {"Edit119", "Label227", "実効長 : 1.194 ｍ"},
        {"Edit123", "Label318", "3750 kHz"},
        {"Edit116", "Label264", "173.52 [mV/m] "},
        {"Edit145", "Label317", "44.52 [km] "},
        {"Edit112", "Label264", "[mV/m] "},
        {"Edit113", "Label264", "[mV/m] "},
        {"Edit114", "Label264", "[mV/m] "},
        {"Edit115", "Label264", "[mV/m] "},
    };
    for (const auto& [field, result, expected] : rows)
      QTest::newRow(field) << field << result << expected;
  }
  void enterCalculates() {
    QFETCH(QString, field);
    QFETCH(QString, result);
    QFETCH(QString, expected);
    Bench b;
    b.ShowActive();
    QLineEdit* edit = b.Edit(field);
    edit->setEnabled(true);
    edit->setFocus();
    const QString typed = edit->text();
    kit::testing::Enter(edit);
    QCOMPARE(b.Text(result), expected);
    QCOMPARE(edit->text(), typed);
    QCOMPARE(QApplication::focusWidget(), edit);
  }

  // C1, R3 and F: calculation, then the round trip through the button back
  // to the field; a fault stops before the round trip.
  void analyzerEnterRefocuses_data() {
    QTest::addColumn<QString>("field");
    for (const char* field : {"Edit136", "Edit139", "Edit140"})
      QTest::newRow(field) << field;
  }
  void analyzerEnterRefocuses() {
    QFETCH(QString, field);
    RecordingSink sink;
    Bench b;
    b.ShowActive();
    QLineEdit* edit = b.Edit(field);
    edit->setFocus();
    edit->deselect();
    kit::testing::Enter(edit);
    QCOMPARE(b.Texts(kAnalyzerResults), (QStringList{"400", "1000", "2.7", "352.6"}));
    QCOMPARE(QApplication::focusWidget(), edit);
    QCOMPARE(edit->selectedText(), edit->text());

    kit::testing::Type(edit, "1.2.3");
    edit->deselect();
    kit::testing::Enter(edit);
    QCOMPARE(sink.dialogs.size(), 1);
    QCOMPARE(QApplication::focusWidget(), edit);
    QVERIFY(edit->selectedText().isEmpty());
  }

  // VR1 and VR2 calculate and hand focus to each other.
  void analyzerEnterMovesBetweenTheResistors() {
    Bench b;
    b.ShowActive();
    QLineEdit* vr1 = b.Edit("Edit137");
    QLineEdit* vr2 = b.Edit("Edit138");
    vr1->setFocus();
    kit::testing::Type(vr1, "4");
    kit::testing::Enter(vr1);
    QCOMPARE(b.Text("Edit142"), QString("2000"));
    QCOMPARE(QApplication::focusWidget(), vr2);
    QCOMPARE(vr2->selectedText(), QString("20"));
    kit::testing::Type(vr2, "10");
    kit::testing::Enter(vr2);
    QCOMPARE(b.Texts({"Edit141", "Edit142"}), (QStringList{"200", "4000"}));
    QCOMPARE(QApplication::focusWidget(), vr1);
    QCOMPARE(vr1->selectedText(), QString("4"));
  }

  void theReportLinkGoesToTheDesktop() {
    Bench b;
    UrlRecorder recorder;
    auto* link = b.Get<QLabel>("Label309");
    QTest::mouseClick(link, Qt::LeftButton);
    QCOMPARE(link->text(), QString(links::kAnalyzerReport));
    QCOMPARE(recorder.opened, (QList<QUrl>{QUrl(link->text() + "?v=QUELM18")}));
  }

  // Every field, list and result of a page has a name of its own.
  void accessibleNamesAreGivenAndDistinct() {
    Bench b;
    const QStringList resultLabels{"Label236", "Label291", "Label292", "Label293", "Label346", "Label231",
                                   "Label227", "Label318", "Label319", "Label264", "Label317"};
    for (QWidget* page : b.pages) {
      QList<QWidget*> named;
      for (QLineEdit* w : page->findChildren<QLineEdit*>())
        named << w;
      for (QComboBox* w : page->findChildren<QComboBox*>())
        named << w;
      for (QLabel* w : page->findChildren<QLabel*>())
        if (resultLabels.contains(w->objectName()))
          named << w;
      QSet<QString> seen;
      for (QWidget* w : named) {
        const QString name = AccessibleName(w);
        QVERIFY2(!name.trimmed().isEmpty(), qPrintable(w->objectName()));
        QVERIFY2(!seen.contains(name), qPrintable(w->objectName() + " " + name));
        seen << name;
      }
    }
    QCOMPARE(AccessibleName(b.Edit("Edit117")), QString("水平部の長さ"));
    QCOMPARE(AccessibleName(b.Get<QLabel>("Label236")), QString("実効高"));
  }
};

QTEST_MAIN(CircuitPagesTest)
#include "circuit_pages_test.moc"
