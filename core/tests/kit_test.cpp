// The page kit: filter, key variants, guard and dialogs.
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryFile>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <cmath>

#include "core/errors.h"
#include "core/kit/kit.h"
#include "core/kit/testing.h"

using kit::testing::Dialog;
using kit::testing::RecordingSink;
using kit::testing::UrlRecorder;

namespace {

// A small window with two fields, a button and a log of what ran.
struct Bench : QWidget {
  QLineEdit* field = new QLineEdit(this);
  QLineEdit* partner = new QLineEdit(this);
  QPushButton* button = new QPushButton(QStringLiteral("計算"), this);
  QLabel* modeA = new QLabel(this);
  QLabel* modeB = new QLabel(this);
  QStringList log;
  Bench() {
    auto* layout = new QVBoxLayout(this);
    for (QWidget* w :
         {static_cast<QWidget*>(field), static_cast<QWidget*>(partner), static_cast<QWidget*>(button)})
      layout->addWidget(w);
    field->setObjectName("field");
    partner->setObjectName("partner");
    button->setObjectName("button");
  }
  kit::Handler Logs(const QString& name) {
    return [this, name] { log << name; };
  }
  kit::Handler Fails(const QString& name) {
    return [this, name] {
      log << name;
      throw quelm::CalcError(quelm::FaultKind::Conversion, "1.2.3");
    };
  }
  void ShowActive() {
    show();
    QApplication::setActiveWindow(this);
    QVERIFY(QTest::qWaitForWindowActive(this));
  }
};

} // namespace

class KitTest : public QObject {
  Q_OBJECT

private slots:
  void filterRunsOnTypingPastingAndWritesFromCode_data() {
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("expected");
    QTest::newRow("letter") << "12a"
                            << "12";
    QTest::newRow("comma") << "1,234.5"
                           << "1234.5";
    QTest::newRow("signs") << "-3e-2"
                           << "32";
    QTest::newRow("full-width") << "１２"
                                << "";
    QTest::newRow("extra points kept") << "1.2.3"
                                       << "1.2.3";
  }
  void filterRunsOnTypingPastingAndWritesFromCode() {
    QFETCH(QString, input);
    QFETCH(QString, expected);
    Bench bench;
    kit::Numeric({bench.field});
    bench.field->setText(input); // a paste or a write from code
    QCOMPARE(bench.field->text(), expected);
    kit::testing::Type(bench.field, input);
    QCOMPARE(bench.field->text(), expected);
  }

  void filterKeepsTheCaretAmongTheKeptCharacters() {
    Bench bench;
    kit::Numeric({bench.field});
    bench.field->setText("12");
    bench.field->setCursorPosition(1);
    QTest::keyClicks(bench.field, "x");
    QCOMPARE(bench.field->text(), QString("12"));
    QCOMPARE(bench.field->cursorPosition(), 1);
  }

  void changeActionRunsOnceAfterTheFilter() {
    Bench bench;
    QStringList seen;
    kit::Numeric(bench.field, [&] { seen << bench.field->text(); });
    bench.field->setText("4a5");
    QCOMPARE(seen, QStringList{"45"});
  }

  void enterVariantsRunTheirCalculations() {
    Bench bench;
    kit::EnterCalculatesTwice(bench.field, bench.Logs("first"), bench.Logs("second"));
    kit::EnterIgnored(bench.partner);
    QString typed;
    QObject::connect(bench.partner, &QLineEdit::returnPressed, bench.partner,
                     [&] { typed = "returnPressed"; });
    kit::testing::Enter(bench.field);
    QTest::keyClick(bench.field, Qt::Key_Enter); // the keypad's Enter too
    kit::testing::Enter(bench.partner);
    QCOMPARE(bench.log, (QStringList{"first", "second", "first", "second"}));
    QVERIFY(typed.isEmpty());
  }

  void aFailedStepShowsTheErrorAndStopsTheKeyAction() {
    RecordingSink sink;
    Bench bench;
    kit::EnterCalculatesTwice(bench.field, bench.Fails("first"), bench.Logs("second"));
    kit::testing::Enter(bench.field);
    QCOMPARE(bench.log, QStringList{"first"});
    QCOMPARE(sink.dialogs.size(), 1);
    QCOMPARE(sink.dialogs[0].kind, Dialog::Application);
    QCOMPARE(sink.dialogs[0].title, QString("QUELM 2.0"));
    QCOMPARE(sink.dialogs[0].text, QString("'1.2.3' は浮動小数点数ではありません."));
  }

  void refocusedAReturnsFocusWithTextSelected() {
    RecordingSink sink;
    Bench bench;
    bench.ShowActive();
    bench.field->setText("300");
    kit::EnterCalculatesRefocusedA(bench.field, bench.button, [&] {
      bench.log << QApplication::focusWidget()->objectName();
      kit::ZeroInputError(&bench);
    });
    bench.field->setFocus();
    kit::testing::Enter(bench.field);
    QCOMPARE(bench.log, QStringList{"button"}); // the calculation ran with focus on the button
    QCOMPARE(sink.dialogs.size(), 1);
    QCOMPARE(sink.dialogs[0].title, QString("エラー"));
    QCOMPARE(sink.dialogs[0].text, kit::testing::ZeroInputText());
    QCOMPARE(QApplication::focusWidget(), bench.field);
    QCOMPARE(bench.field->selectedText(), QString("300"));
  }

  void refocusedALeavesFocusOnTheButtonAfterAFault() {
    RecordingSink sink;
    Bench bench;
    bench.ShowActive();
    kit::EnterCalculatesRefocusedA(bench.field, bench.button, bench.Fails("calc"));
    bench.field->setFocus();
    kit::testing::Enter(bench.field);
    QCOMPARE(QApplication::focusWidget(), bench.button);
  }

  void refocusedBCalculatesBeforeTheRoundTrip() {
    Bench bench;
    bench.ShowActive();
    bench.field->setText("12");
    kit::EnterCalculatesRefocusedB(bench.field, bench.button,
                                   [&] { bench.log << QApplication::focusWidget()->objectName(); });
    bench.field->setFocus();
    kit::testing::Enter(bench.field);
    QCOMPARE(bench.log, QStringList{"field"});
    QCOMPARE(QApplication::focusWidget(), bench.field);
    QCOMPARE(bench.field->selectedText(), QString("12"));
  }

  void thenFocusesMovesToThePartnerOnlyAfterSuccess() {
    RecordingSink sink;
    Bench bench;
    bench.ShowActive();
    bench.partner->setText("45");
    kit::EnterCalculatesThenFocuses(bench.field, bench.Logs("calc"), bench.partner);
    bench.field->setFocus();
    kit::testing::Enter(bench.field);
    QCOMPARE(QApplication::focusWidget(), bench.partner);
    QCOMPARE(bench.partner->selectedText(), QString("45"));

    Bench failing;
    failing.ShowActive();
    kit::EnterCalculatesThenFocuses(failing.field, failing.Fails("calc"), failing.partner);
    failing.field->setFocus();
    kit::testing::Enter(failing.field);
    QCOMPARE(QApplication::focusWidget(), failing.field);
  }

  void byModeFollowsTheVisibleMarkers_data() {
    QTest::addColumn<bool>("aVisible");
    QTest::addColumn<bool>("bVisible");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("neither") << false << false << QStringList{};
    QTest::newRow("a") << true << false << QStringList{"a", "b"};
    QTest::newRow("b") << false << true << QStringList{"b", "a"};
  }
  void byModeFollowsTheVisibleMarkers() {
    QFETCH(bool, aVisible);
    QFETCH(bool, bVisible);
    QFETCH(QStringList, expected);
    Bench bench; // never shown: visibility is the marker's own flag
    bench.modeA->setVisible(aVisible);
    bench.modeB->setVisible(bVisible);
    kit::EnterCalculatesByMode(bench.field, bench.modeA, bench.modeB, bench.Logs("a"), bench.Logs("b"));
    kit::testing::Enter(bench.field);
    QCOMPARE(bench.log, expected);
  }

  void byModeReadsTheSecondMarkerAfterTheFirstPair() {
    Bench bench;
    bench.modeA->setVisible(true);
    bench.modeB->setVisible(false);
    // The first pair's calculation swaps the markers, as a calculation may.
    kit::EnterCalculatesByMode(bench.field, bench.modeA, bench.modeB, bench.Logs("a"), [&] {
      bench.log << "b";
      bench.modeB->setVisible(true);
    });
    kit::testing::Enter(bench.field);
    QCOMPARE(bench.log, (QStringList{"a", "b", "b", "a"}));
  }

  void anyKeyCalculatesBeforeTheKeyTakesEffect() {
    Bench bench;
    kit::AnyKeyCalculates(bench.field, [&] { bench.log << bench.field->text(); });
    QTest::keyClicks(bench.field, "ab");
    kit::testing::Enter(bench.field);
    QCOMPARE(bench.log, (QStringList{"", "a", "ab"}));
    QCOMPARE(bench.field->text(), QString("ab"));
  }

  void editableListNeitherCompletesNorInserts() {
    Bench bench;
    auto* combo = new QComboBox(&bench);
    combo->setEditable(true);
    combo->addItems({"0.98", "0.97", "0.95", "0.9", "0.8", "0.67"});
    combo->setCurrentIndex(2);
    kit::NumericCombo(combo);
    combo->lineEdit()->selectAll();
    QTest::keyClicks(combo->lineEdit(), "0.6x");
    QCOMPARE(combo->currentText(), QString("0.6"));
    kit::testing::Enter(combo);
    QCOMPARE(combo->count(), 6);
    QCOMPARE(combo->currentText(), QString("0.6"));
  }

  void digitsOnlyKeysLetCodeWriteDecimals() {
    Bench bench;
    kit::DigitsOnlyKeys(bench.field);
    QTest::keyClicks(bench.field, "1.5a2");
    QCOMPARE(bench.field->text(), QString("152"));
    bench.field->setText("1.1287");
    QCOMPARE(bench.field->text(), QString("1.1287"));
  }

  void radioPickRunsOnlyWhenTheItemChanges() {
    Bench bench;
    auto* group = new QGroupBox(&bench);
    auto* first = new QRadioButton("f", group);
    new QRadioButton("L", group);
    first->setChecked(true);
    int runs = 0;
    kit::OnRadioPick(group, [&] { ++runs; });
    kit::testing::PickRadio(group, 0);
    QCOMPARE(runs, 0);
    kit::testing::PickRadio(group, 1);
    QCOMPARE(runs, 1);
    QCOMPARE(kit::RadioIndex(group), 1);
    kit::SetRadioIndex(group, 0); // from code: nothing runs
    QCOMPARE(runs, 1);
  }

  void pickRunsForUsersOnly() {
    Bench bench;
    auto* combo = new QComboBox(&bench);
    combo->addItems({"pF", "μF"});
    int runs = 0;
    kit::OnPick(combo, [&] { ++runs; });
    combo->setCurrentIndex(1);
    QCOMPARE(runs, 0);
    kit::testing::Pick(combo, 0);
    QCOMPARE(runs, 1);
  }

  // An unfiltered field keeps every text; its action sees each change.
  void textChangeRunsOnTypingAndWritesFromCode() {
    Bench bench;
    kit::OnTextChange(bench.field, [&] { bench.log << bench.field->text(); });
    QTest::keyClicks(bench.field, "2a");
    bench.field->setText("x.");
    QCOMPARE(bench.log, (QStringList{"2", "2a", "x."}));
  }

  // A page's show action, whoever shows it; a page already in front, another
  // page, or a window restored from the taskbar does not run it.
  void showActionRunsWhenThePageBecomesVisible() {
    QTabWidget tabs;
    auto* first = new QWidget;
    auto* second = new QWidget;
    tabs.addTab(first, "1");
    tabs.addTab(second, "2");
    int runs = 0;
    kit::OnShow(second, [&] { ++runs; });
    tabs.setCurrentIndex(1); // the window is not shown yet: the page is not visible
    QCOMPARE(runs, 0);
    tabs.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tabs));
    QCOMPARE(runs, 1);
    tabs.setCurrentIndex(1);
    QCOMPARE(runs, 1);
    tabs.setCurrentIndex(0);
    tabs.setCurrentIndex(1);
    QCOMPARE(runs, 2);
    tabs.showMinimized();
    tabs.showNormal();
    QCOMPARE(runs, 2);
    tabs.hide();
    tabs.show();
    QCOMPARE(runs, 3);
  }

  // The fill in its exact colour, inside a frame that sets white apart from
  // the page; the text in its own colour.
  void swatchesFillExactlyInsideAFrame() {
    QLabel label(QStringLiteral("■"));
    label.resize(30, 20);
    label.setAlignment(Qt::AlignLeft | Qt::AlignTop);
    kit::PaintSwatch(&label, 0xD9D262U, 0x00FFFFU);
    QImage image = label.grab().toImage();
    QCOMPARE(image.pixelColor(24, 12), QColor(0xD9, 0xD2, 0x62));
    QCOMPARE(label.palette().color(QPalette::WindowText), QColor(0x00, 0xFF, 0xFF));
    kit::PaintSwatch(&label, 0xFFFFFFU);
    image = label.grab().toImage();
    QCOMPARE(image.pixelColor(24, 12), QColor(Qt::white));
    QVERIFY(qGray(image.pixelColor(24, 0).rgb()) < 128);
    QVERIFY(qGray(image.pixelColor(29, 12).rgb()) < 128);
    kit::PaintSwatch(&label, kit::Colour::ButtonFace);
    QCOMPARE(label.grab().toImage().pixelColor(24, 12), QApplication::palette().color(QPalette::Button));
  }

  void paintUsesThePaletteRoles() {
    Bench bench;
    kit::Paint(bench.field, kit::Colour::ButtonFace);
    QCOMPARE(bench.field->palette().color(QPalette::Base), QApplication::palette().color(QPalette::Button));
    QCOMPARE(kit::PaintedColour(bench.field), kit::Colour::ButtonFace);
    kit::Paint(bench.field, kit::Colour::Light3D);
    QCOMPARE(bench.field->palette().color(QPalette::Base), QApplication::palette().color(QPalette::Midlight));
    kit::Paint(bench.field, kit::Colour::Window);
    QCOMPARE(bench.field->palette().color(QPalette::Base), QApplication::palette().color(QPalette::Base));
  }

  void enableFieldSwitchesStateAndColourTogether() {
    Bench bench;
    kit::EnableField(bench.field, false);
    QVERIFY(!bench.field->isEnabled());
    QCOMPARE(kit::PaintedColour(bench.field), kit::Colour::ButtonFace);
    kit::EnableField(bench.field, true);
    QVERIFY(bench.field->isEnabled());
    QCOMPARE(kit::PaintedColour(bench.field), kit::Colour::Window);
  }

  // The whole address, query included, goes to the desktop's handler.
  void linksAreShownAndOpenedThroughTheDesktop() {
    QLabel label;
    kit::ShowAsLink(&label, "https://example.org/page/");
    QCOMPARE(label.text(), QString("https://example.org/page/"));
    QVERIFY(label.font().underline());
    QCOMPARE(label.palette().color(QPalette::WindowText), QColor(Qt::blue));
    QCOMPARE(label.cursor().shape(), Qt::PointingHandCursor);
    UrlRecorder recorder;
    kit::OpenLink("https://example.org/page/?v=1");
    QCOMPARE(recorder.opened, (QList<QUrl>{QUrl("https://example.org/page/?v=1")}));
  }

  // A solved value in a disabled field stays a result to read: its text
  // stands out by at least 4.5:1 on each fill colour.
  void disabledPaintedFieldsStayReadable_data() {
    QTest::addColumn<int>("colour");
    QTest::newRow("window") << int(kit::Colour::Window);
    QTest::newRow("button face") << int(kit::Colour::ButtonFace);
    QTest::newRow("3-D light") << int(kit::Colour::Light3D);
  }
  void disabledPaintedFieldsStayReadable() {
    QFETCH(int, colour);
    Bench bench;
    kit::Paint(bench.field, static_cast<kit::Colour>(colour));
    bench.field->setEnabled(false);
    const QPalette p = bench.field->palette();
    const auto luminance = [](const QColor& c) {
      const auto channel = [](double v) {
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
      };
      return 0.2126 * channel(c.red() / 255.0) + 0.7152 * channel(c.green() / 255.0) +
             0.0722 * channel(c.blue() / 255.0);
    };
    const double text = luminance(p.color(QPalette::Disabled, QPalette::Text));
    const double fill = luminance(p.color(QPalette::Disabled, QPalette::Base));
    const double ratio = (std::max(text, fill) + 0.05) / (std::min(text, fill) + 0.05);
    QVERIFY2(ratio >= 4.5, qPrintable(QString::number(ratio)));
  }

  // Every text is read before any is scaled; a field without a list stays as
  // typed.
  void readInReadsFirstThenScales() {
    Bench bench;
    auto* units = new QComboBox(&bench);
    units->addItems({"kHz", "MHz"});
    units->setCurrentIndex(1);
    constexpr std::array<quelm::UnitFactor, 2> table = {quelm::Times(3), quelm::Times(6)};
    bench.field->setText("2.5");
    bench.partner->setText("7");
    const auto [f, n] = kit::ReadIn({{bench.field, units, table}, {bench.partner}});
    QVERIFY(f == 2500000);
    QVERIFY(n == 7);
    bench.partner->setText("1.2.3");
    bench.field->setText("1" + QString(4930, QLatin1Char('0'))); // in MHz it would overflow
    try {
      kit::ReadIn({{bench.field, units, table}, {bench.partner}});
      QFAIL("no fault");
    } catch (const quelm::CalcError& error) {
      QCOMPARE(error.kind(), quelm::FaultKind::Conversion);
    }
  }

  // Memo lines by index: one line changes, a missing one is added.
  void writeLineReplacesOneLine() {
    QPlainTextEdit memo;
    memo.setPlainText("a\nb\nc");
    kit::WriteLine(&memo, 1, "新しい行");
    kit::WriteLine(&memo, 0, "");
    QCOMPARE(memo.toPlainText(), QString("\n新しい行\nc"));
    kit::WriteLine(&memo, 4, "e");
    QCOMPARE(memo.toPlainText(), QString("\n新しい行\nc\n\ne"));
  }

  void gridCellsAreReadOnlyAndRowsExchangeInPlace() {
    QTableWidget grid;
    constexpr std::array<int, 2> widths = {80, 110};
    kit::SetColumnWidths(&grid, widths);
    kit::SetHeader(&grid, {"ＡＷＧ", "直径(mm)"});
    kit::SetRow(&grid, 0, {"1", "7.348"});
    kit::SetRow(&grid, 2, {"3", "5.827"});
    QCOMPARE(grid.rowCount(), 3);
    QCOMPARE(grid.columnWidth(1), 110);
    QCOMPARE(grid.horizontalHeader()->sectionResizeMode(0), QHeaderView::Fixed);
    QCOMPARE(grid.horizontalHeaderItem(1)->text(), QString("直径(mm)"));
    QVERIFY(!(grid.item(0, 1)->flags() & Qt::ItemIsEditable));
    QVERIFY(grid.item(0, 1)->flags() & Qt::ItemIsSelectable);
    grid.setSelectionBehavior(QAbstractItemView::SelectRows);
    grid.selectRow(0);
    kit::ExchangeRows(&grid, 0, 2);
    QCOMPARE(grid.item(0, 0)->text(), QString("3"));
    QCOMPARE(grid.item(2, 1)->text(), QString("7.348"));
    QCOMPARE(grid.selectionModel()->selectedRows().size(), 1);
    QCOMPARE(grid.selectionModel()->selectedRows().first().row(), 0);
    kit::ExchangeRows(&grid, 1, 2); // row 1 has no cells yet
    QCOMPARE(grid.item(1, 1)->text(), QString("7.348"));
    QCOMPARE(grid.item(2, 1)->text(), QString());
    QVERIFY(!(grid.item(2, 1)->flags() & Qt::ItemIsEditable));
  }

  void pictureFillsTheLabel() {
    QTemporaryFile svg(QDir::tempPath() + "/kit_test_XXXXXX.svg");
    QVERIFY(svg.open());
    svg.write("<svg xmlns='http://www.w3.org/2000/svg' width='20' height='10' viewBox='0 0 20 10'>"
              "<rect width='20' height='10' fill='#ff0000'/></svg>");
    svg.close();
    QLabel label;
    label.resize(40, 40);
    kit::ShowPicture(&label, svg.fileName());
    const QImage image = label.pixmap().toImage();
    QCOMPARE(image.size(), QSize(40, 40) * label.devicePixelRatioF());
    // Scaled to 40 × 20 and centred: red in the middle, clear above.
    QCOMPARE(image.pixelColor(20, 20), QColor(Qt::red));
    QCOMPARE(image.pixelColor(20, 5).alpha(), 0);
  }

  // The program's own path: a real modal box, closed by the "user".
  void realBoxesCarryTitleIconAndText() {
    Bench bench;
    bench.ShowActive();
    bool guarded = true;
    const auto shown = kit::testing::CloseRealBoxes([&] {
      kit::ZeroInputError(&bench);
      guarded = kit::Guard(&bench, [] { throw quelm::CalcError(quelm::FaultKind::Overflow); });
    });
    QVERIFY(!guarded);
    QCOMPARE(shown.size(), 2);
    QCOMPARE(shown[0].title, QString("エラー"));
    QCOMPARE(shown[0].text, kit::testing::ZeroInputText());
    QCOMPARE(shown[0].icon, int(QMessageBox::Critical));
    QCOMPARE(shown[0].buttons, 1);
    QCOMPARE(shown[1].title, QString("QUELM 2.0"));
    QCOMPARE(shown[1].text, QString("浮動小数点数のオーバーフロー."));
    QCOMPARE(shown[1].icon, int(QMessageBox::Critical));
  }
};

QTEST_MAIN(KitTest)
#include "kit_test.moc"
