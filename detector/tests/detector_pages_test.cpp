// The detector pages as a user drives them: the envelope's blanking and
// unit picks, the diode modes' colours and memo lines, the colour code's
// update and swatches, the live marking and the letter keys, the links and
// the earphone chart.
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QUrl>

#include "core/kit/font.h"
#include "core/kit/testing.h"
#include "detector/capacitor_marking_page.h"
#include "detector/colour_code_page.h"
#include "detector/diode_simulation_page.h"
#include "detector/earphone.h"
#include "detector/earphone_chart.h"
#include "detector/earphone_page.h"
#include "detector/envelope_page.h"

using kit::testing::Find;
using kit::testing::RecordingSink;
using kit::testing::Text;
using kit::testing::Texts;
using kit::testing::UrlRecorder;

namespace {

void Type(const QWidget* page, const char* name, const QString& text) {
  kit::testing::Type(Find<QLineEdit>(page, name), text);
}
void Click(const QWidget* page, const char* name) { Find<QPushButton>(page, name)->click(); }
void Pick(const QWidget* page, const char* name, int index) {
  kit::testing::Pick(Find<QComboBox>(page, name), index);
}
QStringList Memo(const QWidget* page) {
  return Find<QPlainTextEdit>(page, "Memo_DiSim_Ans")->toPlainText().split('\n');
}
QColor Centre(QWidget* widget) { return widget->grab().toImage().pixelColor(widget->width() / 2, 4); }

QStringList EnvelopeOutputs(const QWidget* page) {
  return Texts(page, {"Label246", "Label247", "Label248", "Label257"});
}

} // namespace

class DetectorPagesTest : public QObject {
  Q_OBJECT

private slots:
  void initTestCase() { QApplication::setFont(kit::ProgramFont(12)); }

  // ---- 包絡線検波 -------------------------------------------------------------

  void envelopeEvaluatesOnPressEnterAndUnitPicks() {
    detector::EnvelopePage page;
    QCOMPARE(EnvelopeOutputs(&page), QStringList({"　", "　", "　", "遮断周波数 ： "}));
    Click(&page, "BitBtn36");
    QCOMPARE(EnvelopeOutputs(&page), QStringList({"0.16 μs", "5 μs", "53.05 μs", "遮断周波数 ： 31.83 kHz"}));
    Pick(&page, "ComboBox30", 1); // 10 nF
    QCOMPARE(EnvelopeOutputs(&page),
             QStringList({"0.00016 ms", "5 ms", "0.05 ms", "遮断周波数 ： 31.83 Hz"}));
    Type(&page, "Edit129", "0");
    kit::testing::Enter(Find<QLineEdit>(&page, "Edit129"));
    QCOMPARE(EnvelopeOutputs(&page), QStringList({"159.15 ns", "0 ns", "53051.65 ns", "遮断周波数 ： "}));
  }

  // An edit blanks what depends on the field, and nothing else.
  void envelopeEditsBlankTheirOutputs_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QStringList>("outputs");
    QTest::newRow("carrier") << "Edit127" << QStringList({"", "5 μs", "53.05 μs", "遮断周波数 ： 31.83 kHz"});
    QTest::newRow("signal") << "Edit128" << QStringList({"0.16 μs", "5 μs", "", "遮断周波数 ： 31.83 kHz"});
    QTest::newRow("resistance") << "Edit129" << QStringList({"0.16 μs", "", "53.05 μs", "遮断周波数 ： "});
    QTest::newRow("capacitance") << "Edit130" << QStringList({"0.16 μs", "", "53.05 μs", "遮断周波数 ： "});
  }
  void envelopeEditsBlankTheirOutputs() {
    QFETCH(QString, field);
    QFETCH(QStringList, outputs);
    detector::EnvelopePage page;
    Click(&page, "BitBtn36");
    QTest::keyClick(Find<QLineEdit>(&page, field), Qt::Key_5);
    QCOMPARE(EnvelopeOutputs(&page), outputs);
  }

  // ---- ダイオード・シミュレーション --------------------------------------------------

  // The fields a mode reads in the window colour, the rest in 3-D light; a
  // new mode blanks the memo, the press fills the mode's lines.
  void diodeModesRecolourAndWriteTheirLines_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("read"); // of Vc, Vi, Zo, V: 1 read, 0 ignored
    QTest::addColumn<QStringList>("lines");
    // clang-format off
    QTest::newRow("①") << 0 << "1000" << QStringList({"Idc = 8.697μA", "Vo = 869.7mV", "Vo/Vc = 86.97%", "Po = 7.563μW", " ", " "});
    QTest::newRow("②") << 1 << "1000" << QStringList({"G = 19.14μS", "Z = 52.25kΩ", " ", " ", " ", " "});
    QTest::newRow("③") << 2 << "0110" << QStringList({"Vc = 999mV   (Vc/Vi = 99.9%)", "Vo = 868.8mV   (Vo/Vi = 86.88%)", "Po = 7.547μW", " ", " ", " "});
    QTest::newRow("④") << 3 << "0001" << QStringList({"Idc = 4.554μA", " ", " ", " ", " ", " "});
    // clang-format on
  }
  void diodeModesRecolourAndWriteTheirLines() {
    QFETCH(int, mode);
    QFETCH(QString, read);
    QFETCH(QStringList, lines);
    detector::DiodeSimulationPage page;
    QCOMPARE(Memo(&page), QStringList(6, "　"));
    const auto colours = [&page] {
      QString marks;
      for (const char* name : {"Edit_Is", "Edit_VT", "Edit_Ro", "Edit_Vc", "Edit_Vi", "Edit_Zo", "Edit_V"}) {
        const kit::Colour colour = kit::PaintedColour(Find<QLineEdit>(&page, name));
        marks += colour == kit::Colour::Window ? '1' : colour == kit::Colour::Light3D ? '0' : '?';
      }
      return marks;
    };
    QCOMPARE(colours(), QString("1111000"));
    Pick(&page, "ComboBox_DiSim", mode);
    QCOMPARE(colours(), "111" + read);
    QCOMPARE(Memo(&page), QStringList(6, " "));
    Click(&page, "BitBtn35");
    QCOMPARE(Memo(&page), lines);
  }

  // A fault leaves the lines before it; a refusal blanks the lines below
  // its message. The unit lists share the envelope page's change action:
  // that page is evaluated, this memo stays as it was.
  void diodeFaultsRefusalsAndUnitPicks() {
    RecordingSink sink;
    detector::EnvelopePage envelope;
    detector::DiodeSimulationPage page(&envelope);
    Type(&page, "Edit_Ro", "0");
    Click(&page, "BitBtn35");
    QCOMPARE(Memo(&page), QStringList({"Idc = 3.262GA", "Vo = 0fV", "Vo/Vc = 0%", "　", "　", "　"}));
    QCOMPARE(sink.dialogs.size(), 1);
    QCOMPARE(sink.dialogs[0].text, QString("不正な浮動小数点数演算命令."));
    Type(&page, "Edit_Vc", "");
    kit::testing::Enter(Find<QLineEdit>(&page, "Edit_Vc"));
    QCOMPARE(Memo(&page), QStringList({"req. Ist>0 TV>0 Vc>0", " ", " ", " ", " ", " "}));
    QCOMPARE(Text(&envelope, "Label257"), QString("遮断周波数 ： "));
    Pick(&page, "ComboBox_Is", 1);
    QCOMPARE(Text(&envelope, "Label257"), QString("遮断周波数 ： 31.83 kHz"));
    QCOMPARE(Memo(&page), QStringList({"req. Ist>0 TV>0 Vc>0", " ", " ", " ", " ", " "}));
  }

  // ---- 抵抗器カラーコード --------------------------------------------------------------

  void colourCodeUpdatesTextsAndSwatches() {
    detector::ColourCodePage page;
    page.resize(670, 440);
    QCOMPARE(Texts(&page, {"Edit9", "Edit10"}), QStringList({"", ""}));
    const QColor face = QApplication::palette().color(QPalette::Button);
    QCOMPARE(Centre(Find<QLabel>(&page, "Label33")), face);
    page.TabSheet4Show();
    QCOMPARE(Texts(&page, {"Edit9", "Edit10"}), QStringList({"200 kΩ", "±5％ (J)"}));
    QCOMPARE(Centre(Find<QLabel>(&page, "Label33")), QColor(0xFF, 0x00, 0x00));
    QCOMPARE(Centre(Find<QLabel>(&page, "Label34")), QColor(0x00, 0x00, 0x00));
    QCOMPARE(Centre(Find<QLabel>(&page, "Label35")), QColor(0xFF, 0xFF, 0x00));
    QCOMPARE(Centre(Find<QLabel>(&page, "Label36")), QColor(0xD9, 0xD2, 0x62));
    // Each pick updates the page at once.
    for (const auto& [group, index] :
         {std::pair{"RadioGroup1", 4}, {"RadioGroup2", 7}, {"RadioGroup3", 2}, {"RadioGroup4", 1}})
      kit::testing::PickRadio(Find<QGroupBox>(&page, group), index);
    QCOMPARE(Texts(&page, {"Edit9", "Edit10"}), QStringList({"4.7 kΩ", "±1％ (F)"}));
    kit::testing::PickRadio(Find<QGroupBox>(&page, "RadioGroup4"), 12);
    QCOMPARE(Text(&page, "Edit10"), QString("±20％ (M)"));
    QCOMPARE(Centre(Find<QLabel>(&page, "Label36")), face);
  }

  // ---- コンデンサー容量表示 ------------------------------------------------------------

  void capacitorMarkingFollowsTypingAndLetters() {
    detector::CapacitorMarkingPage page;
    QCOMPARE(Text(&page, "Label249"), QString("223K"));
    Type(&page, "Edit131", "104");
    QCOMPARE(Text(&page, "Label249"), QString("104Ｋ"));
    Click(&page, "BitBtn37");
    QCOMPARE(Texts(&page, {"Label271", "Label272", "Label273", "Label254"}),
             QStringList({"100000 ｐＦ", "100 ｎＦ", "0.1 μＦ", "誤差　　±10％"}));
    Pick(&page, "ComboBox31", 15); // なし
    QCOMPARE(Texts(&page, {"Label249", "Label254"}), QStringList({"104", "誤差"}));
  }

  // A key in the letter list decodes with the letter it had: the letter the
  // key then picks only resets the tolerance to its caption.
  void capacitorLetterKeysDecodeFirst() {
    detector::CapacitorMarkingPage page;
    page.show();
    auto* letters = Find<QComboBox>(&page, "ComboBox31");
    Type(&page, "Edit131", "47");
    letters->setFocus();
    QTest::keyClick(letters, Qt::Key_Down);
    QCOMPARE(letters->currentIndex(), 8);
    QCOMPARE(Texts(&page, {"Label271", "Label272", "Label254", "Label249"}),
             QStringList({"47 ｐＦ", " ", "誤差", "47Ｍ"}));
    QTest::keyClick(letters, Qt::Key_Shift);
    QCOMPARE(Text(&page, "Label254"), QString("誤差　　±20％"));
  }

  void capacitorFaultsKeepWhatWasWritten_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("picofarads");
    QTest::addColumn<QString>("nanofarads");
    QTest::addColumn<QString>("fault");
    // clang-format off
    QTest::newRow("two characters") << "4x" << "4x ｐＦ" << " " << "'4x' は整数ではありません.";
    QTest::newRow("three characters") << "1x3" << "　　" << "　　" << "'1x' は浮動小数点数ではありません.";
    QTest::newRow("empty") << "" << "　　" << "　　" << "'' は整数ではありません.";
    // clang-format on
  }
  void capacitorFaultsKeepWhatWasWritten() {
    QFETCH(QString, code);
    QFETCH(QString, picofarads);
    QFETCH(QString, nanofarads);
    QFETCH(QString, fault);
    RecordingSink sink;
    detector::CapacitorMarkingPage page;
    Type(&page, "Edit131", code);
    QCOMPARE(Text(&page, "Edit131"), code); // not filtered
    kit::testing::Enter(Find<QLineEdit>(&page, "Edit131"));
    QCOMPARE(Texts(&page, {"Label271", "Label272", "Label254"}),
             QStringList({picofarads, nanofarads, "誤差"}));
    QCOMPARE(sink.dialogs.size(), 1);
    QCOMPARE(sink.dialogs[0].text, fault);
  }

  // ---- Links and the chart -------------------------------------------------------

  void linksOpenTheirPagesThroughTheDesktop() {
    UrlRecorder recorder;
    detector::DiodeSimulationPage diode;
    detector::EarphonePage earphone;
    for (QLabel* link : {Find<QLabel>(&diode, "Label331"), Find<QLabel>(&earphone, "Label174"),
                         Find<QLabel>(&earphone, "Label179")}) {
      QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
      QTest::mouseClick(link, Qt::LeftButton);
    }
    QCOMPARE(Text(&diode, "Label331"), QString("探検 ゲルマラジオ"));
    QCOMPARE(recorder.opened.size(), 3);
    QVERIFY(recorder.opened[0].toString().endsWith("/germanium/index.html"));
    QCOMPARE(recorder.opened[1].toString(), Text(&earphone, "Label174") + "?v=QUELM20");
    QCOMPARE(recorder.opened[2].toString(), Text(&earphone, "Label179") + "?v=QUELM20");
    QVERIFY(recorder.opened[1].toString().endsWith("/report/s100.htm?v=QUELM20"));
    QVERIFY(recorder.opened[2].toString().endsWith("/report/s200.htm?v=QUELM20"));
  }

  // Each curve is drawn where its impedance lies on the log axis.
  void chartDrawsTheCurvesWhereTheyLie() {
    detector::EarphoneChart chart;
    chart.resize(621, 345);
    const QImage image = chart.grab().toImage();
    const auto at = [&](quelm::Real hz, quelm::Real kiloohms) {
      const QPointF point = chart.At(hz, kiloohms);
      return image.pixelColor(static_cast<int>(point.x()), static_cast<int>(point.y()));
    };
    const QColor crystal = at(1000, detector::CrystalEarphoneKiloohms(1000));
    QVERIFY2(crystal.red() > 200 && crystal.green() > 200 && crystal.blue() < 100,
             qPrintable(crystal.name()));
    const QColor ceramic = at(1500, detector::CeramicEarphoneKiloohms(1500));
    QVERIFY2(ceramic.red() < 100 && ceramic.green() < 100 && ceramic.blue() > 180,
             qPrintable(ceramic.name()));
    QCOMPARE(at(3750, 150), QColor(Qt::white));
  }
};

QTEST_MAIN(DetectorPagesTest)
#include "detector_pages_test.moc"
