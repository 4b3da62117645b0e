// The coil evaluation pages as a user drives them: the option colours, the
// live √2 labels, the dialogs, the memo lines and the AWG grid.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>
#include <memory>

#include "coil_eval/awg_page.h"
#include "coil_eval/distributed_capacitance_page.h"
#include "coil_eval/operating_characteristics_page.h"
#include "coil_eval/series_resonance_page.h"
#include "coil_eval/skin_effect_page.h"
#include "core/kit/font.h"
#include "core/kit/testing.h"

using kit::testing::Dialog;
using kit::testing::Find;
using kit::testing::RecordingSink;

namespace {

QLineEdit* Edit(const QWidget* page, const char* name) { return Find<QLineEdit>(page, name); }
QString Text(const QWidget* page, const char* name) { return Edit(page, name)->text(); }
void Type(const QWidget* page, const char* name, const QString& text) {
  kit::testing::Type(Edit(page, name), text);
}
void Click(const QWidget* page, const char* name) { Find<QAbstractButton>(page, name)->click(); }

std::unique_ptr<QWidget> MakePage(const QString& kind) {
  if (kind == "series")
    return std::make_unique<coil_eval::SeriesResonancePage>();
  if (kind == "operating")
    return std::make_unique<coil_eval::OperatingCharacteristicsPage>();
  if (kind == "distributed")
    return std::make_unique<coil_eval::DistributedCapacitancePage>();
  if (kind == "skin")
    return std::make_unique<coil_eval::SkinEffectPage>();
  return std::make_unique<coil_eval::AwgPage>();
}

QStringList Lines(const QWidget* page) {
  return Find<QPlainTextEdit>(page, "Memo1")->toPlainText().split(QLatin1Char('\n'));
}

QStringList Rows(const QTableWidget* grid) {
  QStringList rows;
  for (int r = 0; r < grid->rowCount(); ++r)
    rows << grid->item(r, 0)->text() + "," + grid->item(r, 1)->text() + "," + grid->item(r, 2)->text();
  return rows;
}

} // namespace

class CoilEvalPagesTest : public QObject {
  Q_OBJECT

private slots:
  void initTestCase() { QApplication::setFont(kit::ProgramFont(12)); }

  // Every field, list, memo and grid has a name of its own for a screen reader.
  void everyInputHasItsOwnSpokenName_data() {
    QTest::addColumn<QString>("kind");
    for (const char* kind : {"series", "operating", "distributed", "skin", "awg"})
      QTest::newRow(kind) << kind;
  }
  void everyInputHasItsOwnSpokenName() {
    QFETCH(QString, kind);
    const auto page = MakePage(kind);
    QStringList names;
    for (QWidget* w : page->findChildren<QWidget*>()) {
      if (!qobject_cast<QLineEdit*>(w) && !qobject_cast<QComboBox*>(w) && !qobject_cast<QPlainTextEdit*>(w) &&
          !qobject_cast<QTableWidget*>(w))
        continue;
      if (qobject_cast<QLineEdit*>(w) && qobject_cast<QComboBox*>(w->parentWidget()))
        continue;
      const QString name = kit::testing::SpokenName(w).trimmed();
      QVERIFY2(!name.isEmpty(), qPrintable(w->objectName()));
      QVERIFY2(!names.contains(name), qPrintable(w->objectName() + ": " + name));
      names << name;
    }
  }

  // ---- 直列共振法 ---------------------------------------------------------------

  // Each box paints its two fields (button face while ticked), which stay
  // editable; nothing is calculated.
  void seriesOptionsRecolourTheirFields() {
    coil_eval::SeriesResonancePage page;
    const auto fill = [&page](const char* name) {
      return Edit(&page, name)->palette().color(QPalette::Base);
    };
    const QColor window = QApplication::palette().color(QPalette::Base);
    const QColor face = QApplication::palette().color(QPalette::Button);
    QCOMPARE(QList<QColor>({fill("Edit77"), fill("Edit78"), fill("Edit79"), fill("Edit80")}),
             QList<QColor>({window, window, face, face}));
    Click(&page, "CheckBox3");
    Click(&page, "CheckBox4");
    QCOMPARE(QList<QColor>({fill("Edit77"), fill("Edit78"), fill("Edit79"), fill("Edit80")}),
             QList<QColor>({face, face, window, window}));
    for (const char* name : {"Edit77", "Edit78", "Edit79", "Edit80"})
      QVERIFY(Edit(&page, name)->isEnabled() && !Edit(&page, name)->isReadOnly());
    QCOMPARE(Text(&page, "Edit32"), QString());
  }

  void seriesReadsTheOptions_data() {
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QString>("q");
    QTest::newRow("defaults") << QStringList{} << "200.2";
    QTest::newRow("corrected") << QStringList{"CheckBox4"} << "210.2";
    QTest::newRow("direct") << QStringList{"CheckBox3"} << "0.2";
  }
  void seriesReadsTheOptions() {
    QFETCH(QStringList, clicks);
    QFETCH(QString, q);
    RecordingSink sink;
    coil_eval::SeriesResonancePage page;
    for (const QString& box : clicks)
      Find<QCheckBox>(&page, box)->click();
    Click(&page, "BitBtn13");
    QCOMPARE(Text(&page, "Edit32"), q);
    QVERIFY(sink.dialogs.isEmpty());
  }

  // ---- 動作特性法 ---------------------------------------------------------------

  void threeDbLabelsFollowTheTyping() {
    RecordingSink sink;
    coil_eval::OperatingCharacteristicsPage page;
    auto* down = Find<QLabel>(&page, "Label155");
    auto* up = Find<QLabel>(&page, "Label187");
    Type(&page, "Edit72", "1000");
    QCOMPARE(down->text(), QString("707.107"));
    Type(&page, "Edit73", "1");
    QCOMPARE(up->text(), QString("1.414"));
    Type(&page, "Edit72", "1.2.3"); // "1.2" converts; "1.2." and "1.2.3" do not
    QCOMPARE(down->text(), QString("0.849"));
    QCOMPARE(sink.dialogs.size(), 2);
    QCOMPARE(sink.dialogs.last().text, QString("'1.2.3' は浮動小数点数ではありません."));
    Edit(&page, "Edit72")->clear();
    QCOMPARE(down->text(), QString(" "));
    QCOMPARE(up->text(), QString("1.414"));
  }

  void equalFrequenciesKeepTheResults() {
    RecordingSink sink;
    coil_eval::OperatingCharacteristicsPage page;
    Type(&page, "Edit76", "1.2.3"); // never read
    Click(&page, "BitBtn12");
    QCOMPARE(Text(&page, "Edit33") + "|" + Text(&page, "Edit34"), QString("200|5"));
    Type(&page, "Edit75", "997.5");
    Click(&page, "BitBtn12");
    QCOMPARE(sink.dialogs.size(), 1);
    QCOMPARE(sink.dialogs[0].kind, Dialog::Application);
    QCOMPARE(sink.dialogs[0].text, QString("0 による浮動小数点数除算."));
    QCOMPARE(Text(&page, "Edit33") + "|" + Text(&page, "Edit34"), QString("200|5"));
  }

  // ---- 分布容量 -----------------------------------------------------------------

  void distributedDefaultsAndUnits() {
    RecordingSink sink;
    coil_eval::DistributedCapacitancePage page;
    Type(&page, "Edit88", "1.4");
    kit::testing::Pick(Find<QComboBox>(&page, "ComboBox12"), 2); // MHz
    kit::testing::Pick(Find<QComboBox>(&page, "ComboBox17"), 1); // μF, not converted
    for (const char* button : {"BitBtn19", "BitBtn21", "BitBtn20"})
      Click(&page, button);
    QCOMPARE(Text(&page, "Edit22") + "|" + Text(&page, "Edit23") + "|" + Text(&page, "Edit21"),
             QString("1.67 pF|1.01 μF|1.01 pF"));
    QVERIFY(sink.dialogs.isEmpty());
  }

  void distributedRefusesZeroPerMethod_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("result");
    QTest::newRow("CB") << "Edit91"
                        << "BitBtn19"
                        << "Edit22";
    QTest::newRow("C") << "Edit84"
                       << "BitBtn21"
                       << "Edit23";
    QTest::newRow("L") << "Edit87"
                       << "BitBtn20"
                       << "Edit21";
  }
  void distributedRefusesZeroPerMethod() {
    QFETCH(QString, field);
    QFETCH(QString, button);
    QFETCH(QString, result);
    RecordingSink sink;
    coil_eval::DistributedCapacitancePage page;
    for (const char* each : {"BitBtn19", "BitBtn21", "BitBtn20"})
      Click(&page, each);
    Type(&page, qPrintable(field), ".");
    Click(&page, qPrintable(button));
    QCOMPARE(sink.dialogs.size(), 1);
    QCOMPARE(sink.dialogs[0].text, kit::testing::ZeroInputText());
    int blanks = 0;
    for (const char* each : {"Edit22", "Edit23", "Edit21"})
      blanks += Text(&page, each) == " " ? 1 : 0;
    QCOMPARE(blanks, 1);
    QCOMPARE(Text(&page, qPrintable(result)), QString(" "));
  }

  // The program's own boxes: the zero-input box, then the fault of equal
  // frequencies, which leaves the result as it was.
  void distributedRealBoxes() {
    coil_eval::DistributedCapacitancePage page;
    page.show();
    Click(&page, "BitBtn19");
    Type(&page, "Edit85", "0");
    Type(&page, "Edit90", "1400");
    Type(&page, "Edit91", "40");
    QStringList seen;
    for (const auto& box : kit::testing::CloseRealBoxes([&] {
           Click(&page, "BitBtn21");
           Click(&page, "BitBtn19");
         }))
      seen << box.title + "|" + box.text;
    QCOMPARE(seen, QStringList(
                       {"エラー|" + kit::testing::ZeroInputText(), "QUELM 2.0|不正な浮動小数点数演算命令."}));
    QCOMPARE(Text(&page, "Edit23"), QString(" "));
    QCOMPARE(Text(&page, "Edit22"), QString("1.67 pF"));
  }

  // ---- Ｑ／表皮効果 -------------------------------------------------------------

  // Q reads f, L and R only; the memo's lines are written by index.
  void qAndMemoLines() {
    RecordingSink sink;
    coil_eval::SkinEffectPage page;
    Type(&page, "Edit150", "1.2.3");
    Click(&page, "BitBtn42");
    QCOMPARE(Text(&page, "Edit146"), QString("188.5"));
    Type(&page, "Edit147", "0");
    Click(&page, "BitBtn42");
    QCOMPARE(Text(&page, "Edit146"), QString());
    Type(&page, "Edit150", "1.68");
    const QString space = QStringLiteral("　");
    QCOMPARE(Lines(&page), QStringList(8, space));
    Click(&page, "BitBtn43");
    QCOMPARE(Lines(&page), QStringList({"直流抵抗Rdc = 2.567Ω", space, "表皮深さδ = 65.23μm",
                                        "表皮効果による抵抗Rse = 5.657Ω", "（ 条件：線材半径>>δ )", space,
                                        "近接効果による抵抗Rpe = unknown", "誘導リアクタンスXL = 1.885kΩ"}));
    // A zero blanks lines 0 to 6; line 7 keeps the last reactance.
    Type(&page, "Edit149", "0");
    Click(&page, "BitBtn43");
    QStringList blanked(7, " ");
    blanked << "誘導リアクタンスXL = 1.885kΩ";
    QCOMPARE(Lines(&page), blanked);
    // A text that is no number stops before any line.
    Type(&page, "Edit149", "30");
    Type(&page, "Edit150", "1.2.3");
    Click(&page, "BitBtn43");
    QCOMPARE(Lines(&page), blanked);
    QCOMPARE(sink.dialogs.size(), 1);
    QCOMPARE(sink.dialogs[0].text, QString("'1.2.3' は浮動小数点数ではありません."));
  }

  // ---- ＡＷＧ -------------------------------------------------------------------

  void awgGridAtCreation() {
    coil_eval::AwgPage page;
    auto* grid = Find<QTableWidget>(&page, "SG_AWG");
    QCOMPARE(grid->rowCount(), 54);
    QCOMPARE(grid->columnCount(), 3);
    QStringList header;
    for (int c = 0; c < 3; ++c)
      header << grid->horizontalHeaderItem(c)->text() + ":" + QString::number(grid->columnWidth(c));
    QCOMPARE(header, QStringList({"ＡＷＧ:80", "直径(mm):80", "断面積(mm^2):110"}));
    const QStringList rows = Rows(grid);
    QCOMPARE(rows.first(), QString("0000(4/0),11.68,107.2"));
    QCOMPARE(rows[1], QString("000(3/0),10.40,85.01"));
    QCOMPARE(rows[9], QString("6,4.115,13.30"));
    QCOMPARE(rows[37], QString("34,0.160,0.020"));
    QCOMPARE(rows.last(), QString("50,0.0251,0.000497"));
    QVERIFY(grid->verticalHeader()->isHidden());
    QCOMPARE(grid->selectionBehavior(), QAbstractItemView::SelectRows);
    QCOMPARE(grid->editTriggers(), QAbstractItemView::NoEditTriggers);
    QVERIFY(!(grid->item(5, 1)->flags() & Qt::ItemIsEditable));
    QCOMPARE(grid->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
  }

  void awgReversesInPlace() {
    coil_eval::AwgPage page;
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    auto* grid = Find<QTableWidget>(&page, "SG_AWG");
    const QStringList initial = Rows(grid);
    grid->selectRow(5);
    grid->verticalScrollBar()->setValue(7);
    Click(&page, "Button_AWG");
    QStringList reversed = initial;
    std::reverse(reversed.begin(), reversed.end());
    QCOMPARE(Rows(grid), reversed);
    QCOMPARE(grid->selectionModel()->selectedRows().size(), 1);
    QCOMPARE(grid->selectionModel()->selectedRows().first().row(), 5);
    QCOMPARE(grid->verticalScrollBar()->value(), 7);
    Click(&page, "Button_AWG");
    QCOMPARE(Rows(grid), initial);
  }
};

QTEST_MAIN(CoilEvalPagesTest)
#include "coil_eval_pages_test.moc"
