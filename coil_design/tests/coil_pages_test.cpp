// The coil pages as a user drives them: the frame's markers, Enter by mode,
// the dialogs, the re-weighting, the spiral's pictures and the toroid's
// core tabs.
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <memory>

#include "coil_design/coil_wire.h"
#include "coil_design/loop_page.h"
#include "coil_design/solenoid_page.h"
#include "coil_design/spider_page.h"
#include "coil_design/spiral_page.h"
#include "coil_design/square_page.h"
#include "coil_design/toroid_cores.h"
#include "coil_design/toroid_page.h"
#include "core/kit/font.h"
#include "core/kit/testing.h"

using kit::testing::Dialog;
using kit::testing::Find;
using kit::testing::RecordingSink;
using kit::testing::Text;

namespace {

bool Shown(const QWidget* page, const char* name) { return !Find<QLabel>(page, name)->isHidden(); }

void Click(const QWidget* page, const char* name) { Find<QPushButton>(page, name)->click(); }

void Type(const QWidget* page, const char* name, const QString& text) {
  kit::testing::Type(Find<QLineEdit>(page, name), text);
}

void Enter(const QWidget* page, const char* name) { kit::testing::Enter(Find<QLineEdit>(page, name)); }

void Choose(const QWidget* page, const char* radio) { Find<QRadioButton>(page, radio)->click(); }

const QString kOutOfRange = QString::fromUtf8(coil_design::kTurnsOutOfRange.data(),
                                              static_cast<qsizetype>(coil_design::kTurnsOutOfRange.size()));

// The texts a page shows in the given controls, joined for one comparison.
QString Texts(const QWidget* page, std::initializer_list<const char*> names) {
  QStringList texts;
  for (const char* name : names)
    texts << Text(page, name);
  return texts.join(QLatin1Char('|'));
}

// The title of the group a control sits in.
QString GroupOf(const QWidget* page, const QString& name) {
  return qobject_cast<const QGroupBox*>(Find<QWidget>(page, name)->parentWidget())->title();
}

std::unique_ptr<QWidget> MakePage(const QString& kind) {
  if (kind == QLatin1String("solenoid"))
    return std::make_unique<coil_design::SolenoidPage>();
  if (kind == QLatin1String("square"))
    return std::make_unique<coil_design::SquarePage>();
  if (kind == QLatin1String("spider"))
    return std::make_unique<coil_design::SpiderPage>();
  if (kind == QLatin1String("spiral"))
    return std::make_unique<coil_design::SpiralPage>();
  if (kind == QLatin1String("toroid"))
    return std::make_unique<coil_design::ToroidPage>();
  return std::make_unique<coil_design::LoopPage>();
}

// The spider's and the spiral's own dialog, and the toroid's for its general
// core: three lines joined by CR LF, the first ending in an ideographic space.
const QString kRadiiText = QStringLiteral("外半径と内半径に矛盾がある、または　\r\n"
                                          "0 の入力値があるため、計算できません。\r\n"
                                          "正しい値を入力してください。");
const QString kCoreText = QStringLiteral("コアの内径と外径に矛盾がある、または　\r\n"
                                         "0 の入力値があるため、計算できません。\r\n"
                                         "正しい値を入力してください。");

void ShowCoreTab(const QWidget* page, int index) {
  Find<QTabWidget>(page, "PageControl2")->setCurrentIndex(index);
}

} // namespace

class CoilPagesTest : public QObject {
  Q_OBJECT

private slots:
  void initTestCase() { QApplication::setFont(kit::ProgramFont(12)); }

  // ---- the frame on every page ----------------------------------------------

  // Each page's form holds its own frame controls: every one in its group,
  // the results read-only and empty, the markers hidden, bold and 20 px.
  void frameControls_data() {
    QTest::addColumn<QString>("kind");
    // turns field, button, result, marker; target field, button, result, marker
    QTest::addColumn<QStringList>("groups");
    QTest::addColumn<QStringList>("wire"); // the length and weight lines
    QTest::newRow("solenoid") << "solenoid" << QStringList{"Edit44", "BitBtn3",  "Edit3", "Label12",
                                                           "Edit45", "BitBtn14", "Edit4", "Label13"}
                              << QStringList{"Label19", "Label39"};
    QTest::newRow("square") << "square" << QStringList{"Edit50", "BitBtn8",  "Edit11", "Label17",
                                                       "Edit51", "BitBtn15", "Edit12", "Label64"}
                            << QStringList{"Label65", "Label72"};
    QTest::newRow("loop") << "loop" << QStringList{"Edit55", "BitBtn11", "Edit17", "Label129",
                                                   "Edit56", "BitBtn18", "Edit20", "Label130"}
                          << QStringList{"Label131", "Label144"};
    QTest::newRow("spider") << "spider" << QStringList{"Edit155", "BitBtn44", "Edit154", "Label364",
                                                       "Edit157", "BitBtn45", "Edit156", "Label365"}
                            << QStringList{"Label361", "Label362", "Label363"};
    QTest::newRow("spiral") << "spiral" << QStringList{"Edit61", "BitBtn10", "Edit13", "Label77",
                                                       "Edit62", "BitBtn16", "Edit14", "Label111"}
                            << QStringList{"Label115", "Label118", "Edit63"};
    QTest::newRow("toroid") << "toroid" << QStringList{"Edit69", "BitBtn9",  "Edit15", "Label127",
                                                       "Edit70", "BitBtn17", "Edit16", "Label128"}
                            << QStringList{"Label83", "Label96", "Edit71", "Label46"};
  }

  void frameControls() {
    QFETCH(QString, kind);
    QFETCH(QStringList, groups);
    QFETCH(QStringList, wire);
    const std::unique_ptr<QWidget> page = MakePage(kind);
    const QStringList titles{QStringLiteral("インダクタンス計算"), QStringLiteral("巻数の計算")};
    for (int calc = 0; calc < 2; ++calc) {
      const QStringList names = groups.mid(calc * 4, 4);
      for (int i = 0; i < 3; ++i)
        QCOMPARE(GroupOf(page.get(), names[i]), titles[calc]);
      QCOMPARE(Find<QPushButton>(page.get(), names[1])->text(), QStringLiteral("計算"));
      QVERIFY(Find<QLineEdit>(page.get(), names[2])->isReadOnly());
      QVERIFY(Find<QLineEdit>(page.get(), names[2])->text().isEmpty());
      auto* marker = Find<QLabel>(page.get(), names[3]);
      QCOMPARE(marker->text(), QStringLiteral("▼"));
      QVERIFY(marker->isHidden());
      QVERIFY(marker->font().bold());
      QCOMPARE(marker->font().pixelSize(), 20);
    }
    for (const QString& line : wire)
      QCOMPARE(GroupOf(page.get(), line), QStringLiteral("必要な線材( UEW, PEW )"));
  }

  // Every field and list of the new pages has a name of its own for a
  // screen reader: the name given in the form, or else its caption label.
  void accessibleNames() {
    for (const char* kind : {"spider", "spiral", "toroid"}) {
      const std::unique_ptr<QWidget> page = MakePage(kind);
      QStringList names;
      for (QWidget* w : page->findChildren<QWidget*>()) {
        if (!qobject_cast<QLineEdit*>(w) && !qobject_cast<QComboBox*>(w))
          continue;
        QString name = w->accessibleName();
        for (const QLabel* label : w->parentWidget()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
          name += name.isEmpty() && label->buddy() == w ? label->text() : QString();
        QVERIFY2(!name.isEmpty() && !name.contains(QLatin1Char('<')) && !names.contains(name),
                 qPrintable(kind + (":" + w->objectName())));
        names << name;
      }
    }
  }

  // ---- the solenoid page ---------------------------------------------------

  void solenoidStartsBlank() {
    coil_design::SolenoidPage page;
    QCOMPARE(Texts(&page, {"Edit40", "Edit41", "Edit42", "Edit43", "Edit44", "Edit45"}),
             QStringLiteral("50|60|0.6|1|100|300"));
    QCOMPARE(Texts(&page, {"Edit3", "Edit4", "Label19", "Label38", "Label39", "Label211"}),
             QStringLiteral("||長さ ：|線径 ：|重量 ：|長岡係数"));
    QVERIFY(!Shown(&page, "Label12"));
    QVERIFY(!Shown(&page, "Label13"));
    QVERIFY(Find<QRadioButton>(&page, "RadioButton3")->isChecked());
    QCOMPARE(Find<QRadioButton>(&page, "RadioButton4")->parent()->objectName(), QStringLiteral("GroupBox9"));
    QVERIFY(Find<QLineEdit>(&page, "Edit3")->isReadOnly());
    QVERIFY(Find<QLineEdit>(&page, "Edit4")->isReadOnly());
    QCOMPARE(Find<QPushButton>(&page, "BitBtn3")->text(), QStringLiteral("計算"));
    QCOMPARE(Find<QLabel>(&page, "Label12")->text(), QStringLiteral("▼"));
    QVERIFY(Find<QLabel>(&page, "Label12")->font().bold());
    QCOMPARE(Find<QLineEdit>(&page, "Edit43")->toolTip(),
             QStringLiteral(" 　空芯、非磁性体の場合に選択します　"));
  }

  void solenoidDefaults_data() {
    QTest::addColumn<bool>("wireGiven");
    QTest::addColumn<QString>("inductance");
    QTest::addColumn<QString>("turns");
    QTest::newRow("length b")
        << false << "298.91 μH|長さ ： 15.71 m|線径 ： 0.6 mm |重量 ： 39.8 g|長岡係数 ： 0.72686059"
        << "100.18 巻|長さ ： 15.74 m|線径 ： 0.5989 mm|重量 ： 39.7 g|長岡係数 ： 0.72686059";
    QTest::newRow("wire Φ")
        << true
        << "298.91 μH|長さ ： 15.71 m|線径 ： 0.6 mm 　(コイル長b= 60mm)|重量 ： 39.8 g|"
           "長岡係数 ： 0.72686059"
        << "100.28 巻|長さ ： 15.75 m|線径 ： 0.6 mm 　(コイル長b= 60.168mm)|重量 ： 39.9 g|"
           "長岡係数 ： 0.72742827";
  }

  void solenoidDefaults() {
    QFETCH(bool, wireGiven);
    QFETCH(QString, inductance);
    QFETCH(QString, turns);
    RecordingSink sink;
    coil_design::SolenoidPage page;
    if (wireGiven)
      Choose(&page, "RadioButton4");
    Click(&page, "BitBtn3");
    QCOMPARE(Texts(&page, {"Edit3", "Label19", "Label38", "Label39", "Label211"}), inductance);
    QVERIFY(Shown(&page, "Label12"));
    QVERIFY(!Shown(&page, "Label13"));
    Click(&page, "BitBtn14");
    QCOMPARE(Texts(&page, {"Edit4", "Label19", "Label38", "Label39", "Label211"}), turns);
    QVERIFY(!Shown(&page, "Label12"));
    QVERIFY(Shown(&page, "Label13"));
    QCOMPARE(sink.dialogs.size(), 0);
  }

  void solenoidEnterInTheGroupFields() {
    RecordingSink sink;
    coil_design::SolenoidPage page;
    Type(&page, "Edit44", "50");
    Enter(&page, "Edit44");
    QCOMPARE(Text(&page, "Edit44"), QStringLiteral("50")); // Enter swallowed
    QCOMPARE(Text(&page, "Label39").left(4), QStringLiteral("重量 ："));
    QVERIFY(Text(&page, "Edit3").endsWith(QStringLiteral(" μH")));
    QVERIFY(Text(&page, "Edit4").isEmpty());
    Enter(&page, "Edit45");
    QCOMPARE(Text(&page, "Edit4"), QStringLiteral("100.18 巻"));
    QVERIFY(Shown(&page, "Label13"));
    QVERIFY(!Shown(&page, "Label12"));
  }

  void solenoidEnterByModeBeforeAnyCalculation() {
    RecordingSink sink;
    coil_design::SolenoidPage page;
    for (const char* field : {"Edit40", "Edit41", "Edit42", "Edit43"})
      Enter(&page, field);
    QCOMPARE(Texts(&page, {"Edit3", "Edit4", "Label19"}), QStringLiteral("||長さ ："));
    QVERIFY(!Shown(&page, "Label12"));
    QVERIFY(!Shown(&page, "Label13"));
    QCOMPARE(sink.dialogs.size(), 0);
  }

  // After a turns calculation, Enter runs the inductance and then the turns
  // calculation: the wire group ends with the turns results.
  void solenoidEnterByModeAfterTurns() {
    RecordingSink sink;
    coil_design::SolenoidPage page;
    Click(&page, "BitBtn14");
    Type(&page, "Edit40", "40");
    Enter(&page, "Edit40");
    coil_design::SolenoidPage fresh;
    Type(&fresh, "Edit40", "40");
    Click(&fresh, "BitBtn3");
    const QString inductance = Text(&fresh, "Edit3");
    Click(&fresh, "BitBtn14");
    QCOMPARE(Texts(&page, {"Edit3", "Edit4", "Label19", "Label38", "Label39", "Label211"}),
             Texts(&fresh, {"Edit3", "Edit4", "Label19", "Label38", "Label39", "Label211"}));
    QCOMPARE(Text(&page, "Edit3"), inductance);
    QVERIFY(Shown(&page, "Label13"));
    QVERIFY(!Shown(&page, "Label12"));
  }

  // After an inductance calculation: turns first, then inductance, which
  // fills the wire group last.
  void solenoidEnterByModeAfterInductance() {
    RecordingSink sink;
    coil_design::SolenoidPage page;
    Click(&page, "BitBtn3");
    Enter(&page, "Edit43");
    QCOMPARE(Texts(&page, {"Edit3", "Edit4", "Label19", "Label38", "Label39"}),
             QStringLiteral("298.91 μH|100.18 巻|長さ ： 15.71 m|線径 ： 0.6 mm |重量 ： 39.8 g"));
    QVERIFY(Shown(&page, "Label12"));
    QVERIFY(!Shown(&page, "Label13"));
  }

  // A zero dimension with a marker visible: both calculations run and each
  // shows ZeroInputError.
  void solenoidEnterByModeWithAZero() {
    RecordingSink sink;
    coil_design::SolenoidPage page;
    Click(&page, "BitBtn3");
    Type(&page, "Edit40", "");
    Enter(&page, "Edit40");
    QCOMPARE(sink.dialogs.size(), 2);
    for (const Dialog& dialog : sink.dialogs) {
      QCOMPARE(dialog.kind, Dialog::Error);
      QCOMPARE(dialog.text, kit::testing::ZeroInputText());
    }
    QCOMPARE(Texts(&page, {"Edit3", "Edit4"}), QStringLiteral(" | "));
    QVERIFY(!Shown(&page, "Label12"));
    QVERIFY(!Shown(&page, "Label13"));
    QCOMPARE(Text(&page, "Label19"), QStringLiteral("長さ ： 15.71 m"));
  }

  // A failing first pair ends the key action: the second test is not made.
  void solenoidEnterByModeStopsAtAFault() {
    RecordingSink sink;
    coil_design::SolenoidPage page;
    Click(&page, "BitBtn14");
    Type(&page, "Edit44", "1.2.3"); // read by the inductance calculation only
    Type(&page, "Edit41", "70");
    sink.clear();
    Enter(&page, "Edit41");
    QCOMPARE(sink.dialogs.size(), 1);
    QCOMPARE(sink.dialogs[0].kind, Dialog::Application);
    QVERIFY(Shown(&page, "Label13"));
    QVERIFY(!Shown(&page, "Label12"));
    QVERIFY(Text(&page, "Edit3").isEmpty());
    QCOMPARE(Text(&page, "Edit4"), QStringLiteral("100.18 巻")); // the turns did not run again
  }

  // A rejected calculation hides both markers, blanks only its own result
  // and leaves the wire group showing the other calculation's results.
  void solenoidRejectionKeepsTheWireGroup() {
    RecordingSink sink;
    coil_design::SolenoidPage page;
    Click(&page, "BitBtn14");
    const QString wire = Texts(&page, {"Label19", "Label38", "Label39", "Label211"});
    Type(&page, "Edit44", "0");
    Click(&page, "BitBtn3");
    QCOMPARE(sink.dialogs.size(), 1);
    QCOMPARE(sink.dialogs[0].kind, Dialog::Error);
    QCOMPARE(sink.dialogs[0].title, QStringLiteral("エラー"));
    QCOMPARE(sink.dialogs[0].text, kit::testing::ZeroInputText());
    QCOMPARE(Text(&page, "Edit3"), QStringLiteral(" "));
    QCOMPARE(Text(&page, "Edit4"), QStringLiteral("100.18 巻"));
    QCOMPARE(Texts(&page, {"Label19", "Label38", "Label39", "Label211"}), wire);
    QVERIFY(!Shown(&page, "Label12"));
    QVERIFY(!Shown(&page, "Label13"));
  }

  void solenoidWireDiameterCountsOnlyWhenSelected() {
    RecordingSink sink;
    coil_design::SolenoidPage page;
    Type(&page, "Edit42", "");
    Click(&page, "BitBtn3");
    Click(&page, "BitBtn14");
    QCOMPARE(sink.dialogs.size(), 0);
    Choose(&page, "RadioButton4");
    Click(&page, "BitBtn3");
    Click(&page, "BitBtn14");
    QCOMPARE(sink.dialogs.size(), 2);
    QCOMPARE(Texts(&page, {"Edit3", "Edit4"}), QStringLiteral(" | "));
  }

  // A text that is no number stops the calculation before the markers change.
  void solenoidConversionErrorLeavesTheMarkers() {
    RecordingSink sink;
    coil_design::SolenoidPage page;
    Click(&page, "BitBtn3");
    Type(&page, "Edit41", "1.2.3");
    Click(&page, "BitBtn14");
    QCOMPARE(sink.dialogs.size(), 1);
    QCOMPARE(sink.dialogs[0].kind, Dialog::Application);
    QCOMPARE(sink.dialogs[0].title, QStringLiteral("QUELM 2.0"));
    QCOMPARE(sink.dialogs[0].text, QStringLiteral("'1.2.3' は浮動小数点数ではありません."));
    QVERIFY(Shown(&page, "Label12"));
    QVERIFY(!Shown(&page, "Label13"));
    QVERIFY(Text(&page, "Edit4").isEmpty());
  }

  // With Φ given, a target no larger than one turn's inductance runs the
  // search down to no turns at all: a division by zero after the marker
  // shows, the fields keep their texts.
  void solenoidSearchBelowOneTurn() {
    RecordingSink sink;
    coil_design::SolenoidPage page;
    Choose(&page, "RadioButton4");
    Click(&page, "BitBtn14");
    const QString before = Texts(&page, {"Edit4", "Label19", "Label38", "Label39", "Label211"});
    Type(&page, "Edit45", "0.01");
    Click(&page, "BitBtn14");
    QCOMPARE(sink.dialogs.size(), 1);
    QCOMPARE(sink.dialogs[0].kind, Dialog::Application);
    QCOMPARE(sink.dialogs[0].text, QStringLiteral("0 による浮動小数点数除算."));
    QVERIFY(Shown(&page, "Label13"));
    QCOMPARE(Texts(&page, {"Edit4", "Label19", "Label38", "Label39", "Label211"}), before);
  }

  // A target beyond 10000 turns: the page's error dialog, nothing changes
  // but the marker, which no longer claims the wire group.
  void solenoidSearchOutOfRange() {
    RecordingSink sink;
    coil_design::SolenoidPage page;
    Choose(&page, "RadioButton4");
    Click(&page, "BitBtn3");
    const QString before = Texts(&page, {"Edit3", "Edit4", "Label19", "Label38", "Label39", "Label211"});
    Type(&page, "Edit45", "100000000");
    Click(&page, "BitBtn14");
    QCOMPARE(sink.dialogs.size(), 1);
    QCOMPARE(sink.dialogs[0].kind, Dialog::Error);
    QCOMPARE(sink.dialogs[0].text, kOutOfRange);
    QCOMPARE(Texts(&page, {"Edit3", "Edit4", "Label19", "Label38", "Label39", "Label211"}), before);
    QVERIFY(!Shown(&page, "Label12"));
    QVERIFY(!Shown(&page, "Label13"));
  }

  // The program's own path: the real message box, closed from a timer.
  void solenoidOutOfRangeShowsARealBox() {
    coil_design::SolenoidPage page;
    Choose(&page, "RadioButton4");
    Type(&page, "Edit45", "100000000");
    const auto shown = kit::testing::CloseRealBoxes([&] { Click(&page, "BitBtn14"); });
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown[0].title, QStringLiteral("エラー"));
    QCOMPARE(shown[0].text, kOutOfRange);
    QCOMPARE(shown[0].icon, int(QMessageBox::Critical));
  }

  // ---- the square page ------------------------------------------------------

  void squareDefaults_data() {
    QTest::addColumn<bool>("wireGiven");
    QTest::addColumn<QString>("inductance");
    QTest::addColumn<QString>("turns");
    QTest::newRow("length c") << false << "395.72 μH|長さ ： 33.8 m|線径 ： 1.1538 mm|重量 ： 316.3 g"
                              << "12.4 巻|長さ ： 32.24 m|線径 ： 1.2097 mm|重量 ： 331.6 g";
    QTest::newRow("wire Φ") << true << "452.87 μH|長さ ： 33.8 m|線径 ： 0.6 mm|重量 ： 85.5 g"
                            << "11.46 巻|長さ ： 29.8 m|線径 ： 0.6 mm|重量 ： 75.4 g";
  }

  void squareDefaults() {
    QFETCH(bool, wireGiven);
    QFETCH(QString, inductance);
    QFETCH(QString, turns);
    RecordingSink sink;
    coil_design::SquarePage page;
    QCOMPARE(Texts(&page, {"Edit46", "Edit133", "Edit47", "Edit48", "Edit49", "Edit50", "Edit51"}),
             QStringLiteral("650|650|15|0.6|1|13|360"));
    QCOMPARE(Texts(&page, {"Label65", "Label71", "Label72"}), QStringLiteral("長さ ：|線径 ：|重量 ："));
    if (wireGiven)
      Choose(&page, "RadioButton6");
    Enter(&page, "Edit50");
    QCOMPARE(Texts(&page, {"Edit11", "Label65", "Label71", "Label72"}), inductance);
    QVERIFY(Shown(&page, "Label17"));
    QVERIFY(!Shown(&page, "Label64"));
    Enter(&page, "Edit51");
    QCOMPARE(Texts(&page, {"Edit12", "Label65", "Label71", "Label72"}), turns);
    QVERIFY(!Shown(&page, "Label17"));
    QVERIFY(Shown(&page, "Label64"));
    QCOMPARE(sink.dialogs.size(), 0);
  }

  void squareDimensionFieldsHaveNoEnterAction() {
    RecordingSink sink;
    coil_design::SquarePage page;
    Click(&page, "BitBtn15");
    Type(&page, "Edit46", "400");
    for (const char* field : {"Edit46", "Edit133", "Edit47", "Edit48", "Edit49"})
      Enter(&page, field);
    QCOMPARE(Text(&page, "Edit12"), QStringLiteral("12.4 巻"));
    QVERIFY(Text(&page, "Edit11").isEmpty());
  }

  // The wire diameter takes part in the inductance check also when the coil
  // length is given.
  void squareEmptyWireDiameter() {
    RecordingSink sink;
    coil_design::SquarePage page;
    Click(&page, "BitBtn15");
    Type(&page, "Edit48", "");
    Click(&page, "BitBtn8");
    QCOMPARE(sink.dialogs.size(), 1);
    QCOMPARE(sink.dialogs[0].text, kit::testing::ZeroInputText());
    QCOMPARE(Text(&page, "Edit11"), QStringLiteral(" "));
    QCOMPARE(Texts(&page, {"Edit12", "Label65"}), QStringLiteral("12.4 巻|長さ ： 32.24 m"));
    QVERIFY(!Shown(&page, "Label17"));
    QVERIFY(!Shown(&page, "Label64"));
    Click(&page, "BitBtn15"); // not used by the turns calculation with c given
    QCOMPARE(sink.dialogs.size(), 1);
    QVERIFY(Shown(&page, "Label64"));
  }

  void squareSearchOutOfRange() {
    RecordingSink sink;
    coil_design::SquarePage page;
    Choose(&page, "RadioButton6");
    Click(&page, "BitBtn15");
    const QString before = Texts(&page, {"Edit12", "Label65", "Label71", "Label72"});
    Type(&page, "Edit51", "1000000000000");
    Click(&page, "BitBtn15");
    QCOMPARE(sink.dialogs.size(), 1);
    QCOMPARE(sink.dialogs[0].kind, Dialog::Error);
    QCOMPARE(sink.dialogs[0].text, kOutOfRange);
    QCOMPARE(Texts(&page, {"Edit12", "Label65", "Label71", "Label72"}), before);
    QVERIFY(!Shown(&page, "Label17"));
    QVERIFY(!Shown(&page, "Label64"));
  }

  // ---- the loop page --------------------------------------------------------

  void loopDefaults() {
    RecordingSink sink;
    coil_design::LoopPage page;
    QCOMPARE(Texts(&page, {"Edit52", "Edit53", "Edit54", "Edit55", "Edit56", "Edit57"}),
             QStringLiteral("650|15|1|13|360|0.5"));
    QCOMPARE(Texts(&page, {"Label131", "Label144", "Label145"}), QStringLiteral("長さ ：|重量 ：|"));
    QVERIFY(Find<QLabel>(&page, "Label145")->isHidden());
    QVERIFY(!page.findChild<QLabel*>("Label38")); // no diameter line in this form
    Click(&page, "BitBtn11");
    QCOMPARE(Texts(&page, {"Edit17", "Label131", "Label144", "Label145"}),
             QStringLiteral("395.47 μH|長さ ： 33.8 m|重量 ： 59.4 g|33.8"));
    QVERIFY(Shown(&page, "Label129"));
    Enter(&page, "Edit56");
    QCOMPARE(Texts(&page, {"Edit20", "Label131", "Label144", "Label145"}),
             QStringLiteral("12.4 巻|長さ ： 32.25 m|重量 ： 56.67 g|32.25"));
    QVERIFY(!Shown(&page, "Label129"));
    QVERIFY(Shown(&page, "Label130"));
    QCOMPARE(sink.dialogs.size(), 0);
  }

  void loopReweighsBeforeAnyCalculation() {
    RecordingSink sink;
    coil_design::LoopPage page;
    Type(&page, "Edit57", "0.8");
    QCOMPARE(Texts(&page, {"Label131", "Label144"}), QStringLiteral("長さ ：|重量 ： 0 g"));
    QVERIFY(!Shown(&page, "Label129"));
    QVERIFY(!Shown(&page, "Label130"));
  }

  void loopReweighsEveryChange_data() {
    QTest::addColumn<QString>("diameter");
    QTest::addColumn<QString>("weight");
    QTest::newRow("thicker") << "0.8"
                             << "重量 ： 152.06 g";
    QTest::newRow("empty") << ""
                           << "重量 ： 0 g";
    QTest::newRow("letters filtered") << "1a"
                                      << "重量 ： 237.59 g";
  }

  void loopReweighsEveryChange() {
    QFETCH(QString, diameter);
    QFETCH(QString, weight);
    RecordingSink sink;
    coil_design::LoopPage page;
    Click(&page, "BitBtn11");
    Type(&page, "Edit57", diameter);
    QCOMPARE(Texts(&page, {"Label131", "Label144", "Edit17"}), "長さ ： 33.8 m|" + weight + "|395.47 μH");
    QVERIFY(Shown(&page, "Label129"));
    QVERIFY(!Shown(&page, "Label130"));
    QCOMPARE(sink.dialogs.size(), 0);
  }

  // The wire diameter is read after the inductance is written: a diameter
  // that is no number leaves the new inductance and the old wire group.
  void loopBadDiameterStopsAfterTheResult() {
    RecordingSink sink;
    coil_design::LoopPage page;
    Click(&page, "BitBtn18");
    Type(&page, "Edit57", "1.2.3");
    // the re-weighting reads it too, at "1.2." already
    QCOMPARE(sink.dialogs.last().text, QStringLiteral("'1.2.3' は浮動小数点数ではありません."));
    sink.clear();
    Click(&page, "BitBtn11");
    QCOMPARE(sink.dialogs.size(), 1);
    QCOMPARE(sink.dialogs[0].text, QStringLiteral("'1.2.3' は浮動小数点数ではありません."));
    QCOMPARE(Texts(&page, {"Edit17", "Label131", "Label145"}),
             QStringLiteral("395.47 μH|長さ ： 32.25 m|32.25"));
    QVERIFY(Shown(&page, "Label129"));
  }

  void loopRejections() {
    RecordingSink sink;
    coil_design::LoopPage page;
    Click(&page, "BitBtn11");
    Type(&page, "Edit53", "");
    Click(&page, "BitBtn18");
    QCOMPARE(sink.dialogs.size(), 1);
    QCOMPARE(sink.dialogs[0].text, kit::testing::ZeroInputText());
    QCOMPARE(Texts(&page, {"Edit17", "Edit20", "Label131", "Label144"}),
             QStringLiteral("395.47 μH| |長さ ： 33.8 m|重量 ： 59.4 g"));
    QVERIFY(!Shown(&page, "Label129"));
    QVERIFY(!Shown(&page, "Label130"));
    for (const char* field : {"Edit52", "Edit53", "Edit54", "Edit57"})
      Enter(&page, field); // no Enter action
    QCOMPARE(sink.dialogs.size(), 1);
  }

  // ---- the spider page ------------------------------------------------------

  void spiderCalculations_data() {
    QTest::addColumn<bool>("wireGiven");
    QTest::addColumn<QString>("turns");
    QTest::newRow("outer b") << false << "70.8 巻|長さ ： 11.7008 m|線径 ： 0.49 mm|重量 ： 19.75 g";
    QTest::newRow("wire Φ") << true << "70.8 巻|長さ ： 11.758 m|線径 ： 0.5 mm|重量 ： 20.66 g";
  }

  // The dimension fields swallow Enter and run nothing.
  void spiderCalculations() {
    QFETCH(bool, wireGiven);
    QFETCH(QString, turns);
    RecordingSink sink;
    coil_design::SpiderPage page;
    if (wireGiven)
      Choose(&page, "RadioButton8");
    Enter(&page, "Edit155");
    QCOMPARE(Texts(&page, {"Edit154", "Label361", "Label362", "Label363"}),
             QStringLiteral("292.99 μH|長さ ： 11.2815 m|線径 ： 0.5 mm|重量 ： 19.83 g"));
    Enter(&page, "Edit157");
    for (const char* field : {"Edit124", "Edit151", "Edit152", "Edit153"})
      Enter(&page, field);
    QCOMPARE(Texts(&page, {"Edit156", "Label361", "Label362", "Label363"}), turns);
    QVERIFY(!Shown(&page, "Label364"));
    QVERIFY(Shown(&page, "Label365"));
    QCOMPARE(sink.dialogs.size(), 0);
  }

  // The page's own dialog: equal diameters, or μs = 0 for the turns search
  // with Φ given, which could never reach the target. A search beyond its
  // bound shows its own dialog and blanks nothing.
  void spiderRejections_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("turns"); // Edit156 afterwards
    QTest::newRow("equal diameters") << "Edit151"
                                     << "30" << kRadiiText << " ";
    QTest::newRow("μs 0") << "Edit153"
                          << "0" << kRadiiText << " ";
    QTest::newRow("beyond the bound") << "Edit157"
                                      << "1000000000000" << kOutOfRange << "70.8 巻";
  }

  void spiderRejections() {
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, dialog);
    QFETCH(QString, turns);
    RecordingSink sink;
    coil_design::SpiderPage page;
    Choose(&page, "RadioButton8");
    Click(&page, "BitBtn45");
    Type(&page, field.toLatin1().constData(), text);
    Click(&page, "BitBtn45");
    QCOMPARE(sink.dialogs.size(), 1);
    QCOMPARE(sink.dialogs[0].kind, Dialog::Error);
    QCOMPARE(sink.dialogs[0].text, dialog);
    QCOMPARE(Texts(&page, {"Edit156", "Label361"}), turns + "|長さ ： 11.758 m");
    QVERIFY(!Shown(&page, "Label365"));
  }

  // ---- the spiral page ------------------------------------------------------

  void spiralCalculations_data() {
    QTest::addColumn<bool>("circular");
    QTest::addColumn<QString>("inductance");
    QTest::addColumn<QString>("turns");
    QTest::newRow("方形") << false << "301.74 μH|長さ ： 34.22 m|重量 ： 60.14 g|34.22"
                          << "16.95 巻|長さ ： 34.2 m|重量 ： 60.1 g|34.2";
    QTest::newRow("円形") << true << "335.15 μH|長さ ： 38.01 m|重量 ： 66.8 g|38.01"
                          << "16.08 巻|長さ ： 37.56 m|重量 ： 66.01 g|37.56";
  }

  void spiralCalculations() {
    QFETCH(bool, circular);
    QFETCH(QString, inductance);
    QFETCH(QString, turns);
    RecordingSink sink;
    coil_design::SpiralPage page;
    if (circular)
      Choose(&page, "RadioButton2");
    Enter(&page, "Edit61");
    QCOMPARE(Texts(&page, {"Edit13", "Label115", "Label118", "Label119"}), inductance);
    Enter(&page, "Edit62");
    QCOMPARE(Texts(&page, {"Edit14", "Label115", "Label118", "Label119"}), turns);
    Type(&page, "Edit58", "290");
    Click(&page, "BitBtn10");
    QCOMPARE(sink.dialogs.size(), 1);
    QCOMPARE(sink.dialogs[0].text, kRadiiText);
  }

  // The circular spiral's picture lies over the square one and shows only
  // while "円形" is picked; a pick recalculates nothing.
  void spiralPictures() {
    coil_design::SpiralPage page;
    auto* square = Find<QLabel>(&page, "Image5");
    auto* circle = Find<QLabel>(&page, "Image6");
    QCOMPARE(circle->geometry(), square->geometry());
    QVERIFY(page.children().indexOf(circle) > page.children().indexOf(square));
    QVERIFY(circle->autoFillBackground());
    QVERIFY(circle->isHidden() && !square->isHidden());
    for (const char* radio : {"RadioButton2", "RadioButton2", "RadioButton1", "RadioButton2"})
      Choose(&page, radio);
    QVERIFY(!circle->isHidden());
    Choose(&page, "RadioButton1");
    QVERIFY(circle->isHidden());
    QCOMPARE(Texts(&page, {"Edit13", "Edit14", "Label115"}), QStringLiteral("||長さ ："));
  }

  // Edit63 re-weighs the length kept in the hidden Label119, also before any
  // calculation; the length line and the markers stay.
  void spiralReweighs() {
    RecordingSink sink;
    coil_design::SpiralPage page;
    QVERIFY(Find<QLabel>(&page, "Label119")->isHidden());
    Type(&page, "Edit63", "0.8");
    QCOMPARE(Text(&page, "Label118"), QStringLiteral("重量 ： 0 g"));
    Click(&page, "BitBtn10");
    Type(&page, "Edit63", "0.8");
    QCOMPARE(Texts(&page, {"Label115", "Label118"}), QStringLiteral("長さ ： 34.22 m|重量 ： 153.95 g"));
    QVERIFY(Shown(&page, "Label77") && !Shown(&page, "Label111"));
    QCOMPARE(sink.dialogs.size(), 0);
  }

  // ---- the toroid page ------------------------------------------------------

  // The page owns the catalogue's tabs (their names and captions are the
  // page tree's test), in one row; each material tab lists the catalogue's
  // sizes and shows the chosen one's labels.
  void toroidCoreTabs() {
    coil_design::ToroidPage page;
    auto* tabs = Find<QTabWidget>(&page, "PageControl2");
    QCOMPARE(tabs->geometry(), QRect(24, 12, 283, 202));
    QVERIFY(tabs->tabBar()->sizeHint().width() <= tabs->width());
    QCOMPARE(tabs->currentIndex(), 0);
    const char* const lists[] = {"ComboBox_S2", "ComboBox_S6", "ComboBox_S43", "ComboBox_S61"};
    for (int m = 0; m < 4; ++m) {
      auto* sizes = Find<QComboBox>(tabs->widget(m), lists[m]);
      QVERIFY(!sizes->isEditable());
      QStringList fromForm, fromTable;
      for (int i = 0; i < sizes->count(); ++i)
        fromForm << sizes->itemText(i);
      for (const auto& row : coil_design::ToroidCoreTable(static_cast<coil_design::ToroidMaterial>(m)))
        fromTable << QString::fromUtf8(row.item.data(), static_cast<qsizetype>(row.item.size()));
      QCOMPARE(fromForm, fromTable);
    }
    QCOMPARE(Texts(&page, {"Label149", "Label150", "Label168", "Label169"}),
             QStringLiteral(
                 "ＡL値 ： 12|寸法 ： a＝50.8 b＝31.8 c＝14|ＡL値 ： 1160|寸法 ： a＝61 b＝35.55 c＝12.7"));
    // a pick shows its own tab's labels and recalculates nothing; switching
    // tabs changes no label
    kit::testing::Pick(Find<QComboBox>(&page, "ComboBox_S6"), 3);
    kit::testing::Pick(Find<QComboBox>(&page, "ComboBox_S61"), 5);
    for (int tab : {1, 3, 0})
      ShowCoreTab(&page, tab);
    QCOMPARE(
        Texts(&page, {"Label165", "Label166", "Label171", "Label172", "Label149", "Edit15"}),
        QStringLiteral("ＡL値 ： 7|寸法 ： a＝23.9 b＝14.2 c＝7.92|ＡL値 ： 55|寸法 ： a＝9.5 b＝4.75 c＝3.3|"
                       "ＡL値 ： 12|"));
  }

  // The core comes from the active tab: a catalogue size, or the fields of
  // "一般", which a material tab does not even read.
  void toroidCalculations_data() {
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("inner"); // Edit65
    QTest::addColumn<QString>("inductance");
    QTest::addColumn<QString>("turns");
    QTest::newRow("T-200 ＃２") << 0 << "1.2.3"
                                << "30 μH|長さ ： 2.36 m|重量 ： 4.15 g|推定最大巻数 ： 約 169 巻"
                                << "50 巻|長さ ： 2.36 m|重量 ： 4.15 g|推定最大巻数 ： 約 169 巻";
    QTest::newRow("一般") << 4 << "2.25"
                          << "7.05 mH|長さ ： 1.02 m|重量 ： 1.79 g|推定最大巻数 ： 約 9 巻"
                          << "3.26 巻|長さ ： 0.07 m|重量 ： 0.12 g|推定最大巻数 ： 約 9 巻";
  }

  void toroidCalculations() {
    QFETCH(int, tab);
    QFETCH(QString, inner);
    QFETCH(QString, inductance);
    QFETCH(QString, turns);
    RecordingSink sink;
    coil_design::ToroidPage page;
    ShowCoreTab(&page, tab);
    Type(&page, "Edit65", inner);
    Enter(&page, "Edit69");
    QCOMPARE(Texts(&page, {"Edit15", "Label83", "Label96", "Label46"}), inductance);
    Enter(&page, "Edit70");
    QCOMPARE(Texts(&page, {"Edit16", "Label83", "Label96", "Label46"}), turns);
    QVERIFY(!Shown(&page, "Label127") && Shown(&page, "Label128"));
    QCOMPARE(sink.dialogs.size(), 0);
  }

  void toroidGeneralCoreRejected() {
    RecordingSink sink;
    coil_design::ToroidPage page;
    Click(&page, "BitBtn9");
    ShowCoreTab(&page, 4);
    Type(&page, "Edit65", "7.5");
    Click(&page, "BitBtn17");
    QCOMPARE(sink.dialogs.size(), 1);
    QCOMPARE(sink.dialogs[0].kind, Dialog::Error);
    QCOMPARE(sink.dialogs[0].text, kCoreText);
    QCOMPARE(Texts(&page, {"Edit15", "Edit16", "Label83"}), QStringLiteral("30 μH| |長さ ： 2.36 m"));
    QVERIFY(!Shown(&page, "Label127") && !Shown(&page, "Label128"));
  }

  // A fault stops the calculation after the lines written before it: no
  // turns on a catalogue core after the result, no wire diameter after the
  // length and the weight. Neither edit starts a calculation by itself.
  void toroidFaultsAfterPartialWrites_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("written"); // the first of Edit15, Label83, Label96, Label46
    QTest::newRow("no turns") << "Edit69"
                              << "0"
                              << "0 nH";
    QTest::newRow("no wire diameter") << "Edit71"
                                      << ""
                                      << "30 μH|長さ ： 2.36 m|重量 ： 0 g";
  }

  void toroidFaultsAfterPartialWrites() {
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, written);
    RecordingSink sink;
    coil_design::ToroidPage page;
    Type(&page, "Edit70", "1000");
    Click(&page, "BitBtn17");
    const QStringList before =
        Texts(&page, {"Edit15", "Label83", "Label96", "Label46"}).split(QLatin1Char('|'));
    Type(&page, field.toLatin1().constData(), text);
    Click(&page, "BitBtn9");
    QCOMPARE(sink.dialogs.size(), 1);
    QCOMPARE(sink.dialogs[0].kind, Dialog::Application);
    QCOMPARE(sink.dialogs[0].text, QStringLiteral("0 による浮動小数点数除算."));
    const QStringList now = Texts(&page, {"Edit15", "Label83", "Label96", "Label46"}).split(QLatin1Char('|'));
    const qsizetype count = written.count(QLatin1Char('|')) + 1;
    QCOMPARE(now.mid(0, count).join(QLatin1Char('|')), written);
    QCOMPARE(now.mid(count), before.mid(count));
    QVERIFY(Shown(&page, "Label127"));
  }

  // A new wire diameter recalculates by the markers: the turns when neither
  // shows, as just after start.
  void toroidWireDiameterRecalculates() {
    RecordingSink sink;
    coil_design::ToroidPage page;
    Type(&page, "Edit71", "0.6");
    QCOMPARE(Texts(&page, {"Edit15", "Edit16", "Label96"}), QStringLiteral("|50 巻|重量 ： 5.97 g"));
    QVERIFY(Shown(&page, "Label128"));
    Click(&page, "BitBtn9");
    Type(&page, "Edit71", "0.5");
    QCOMPARE(Texts(&page, {"Edit15", "Label96"}), QStringLiteral("30 μH|重量 ： 4.15 g"));
    QVERIFY(Shown(&page, "Label127") && !Shown(&page, "Label128"));
    QCOMPARE(sink.dialogs.size(), 0);
  }
};

QTEST_MAIN(CoilPagesTest)
#include "coil_pages_test.moc"
