#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "core/kit/font.h"
#include "core/kit/testing.h"
#include "varicap/varicap_page.h"

using kit::testing::Find;
using kit::testing::RecordingSink;

namespace {

const QString kInnerNotSmaller =
    QStringLiteral("内径が外径より大きく、計算できません。\r\n正しい値を入力してください。");
const QString kOuterTooSmall = QStringLiteral("外径が小さいため、面積が確保できません。\r\n");

const char* const kDesignFields[] = {"Edit92", "Edit93", "Edit94", "Edit95", "Edit96"};

} // namespace

class VaricapPageTest : public QObject {
  Q_OBJECT

  QLineEdit* Edit(const varicap::VaricapPage& page, const char* name) {
    return Find<QLineEdit>(&page, QString::fromLatin1(name));
  }
  QComboBox* Combo(const varicap::VaricapPage& page, const char* name) {
    return Find<QComboBox>(&page, QString::fromLatin1(name));
  }
  QPushButton* Button(const varicap::VaricapPage& page, const char* name) {
    return Find<QPushButton>(&page, QString::fromLatin1(name));
  }
  QGroupBox* Radio(const varicap::VaricapPage& page) {
    return Find<QGroupBox>(&page, QStringLiteral("RadioGroup6"));
  }
  QString LabelText(const varicap::VaricapPage& page, const char* name) {
    return Find<QLabel>(&page, QString::fromLatin1(name))->text();
  }

private slots:
  void initTestCase() { QApplication::setFont(kit::ProgramFont(12)); }

  void defaults() {
    RecordingSink sink;
    varicap::VaricapPage page;
    const auto radios = Radio(page)->findChildren<QRadioButton*>(QString(), Qt::FindDirectChildrenOnly);
    QCOMPARE(radios.size(), 5);
    const QStringList captions = {"電極板の多重化", "面積 Ｓ", "間隔 ｄ", "容量 Ｃ", "比誘電率"};
    for (int i = 0; i < 5; ++i)
      QCOMPARE(radios[i]->text(), captions[i]);
    QCOMPARE(kit::RadioIndex(Radio(page)), 3);
    QCOMPARE(Radio(page)->title(), QStringLiteral("計算対象の選択と値の入力"));

    const QStringList texts = {"1", "300", "1", "300", "1.00059"};
    for (int i = 0; i < 5; ++i) {
      QLineEdit* field = Edit(page, kDesignFields[i]);
      QCOMPARE(field->text(), texts[i]);
      QVERIFY(field->isEnabled());
      QVERIFY(!field->isReadOnly());
      QCOMPARE(kit::PaintedColour(field), i == 3 ? kit::Colour::ButtonFace : kit::Colour::Window);
    }
    QCOMPARE(Edit(page, "Edit97")->text(), QString());
    QVERIFY(Edit(page, "Edit97")->isReadOnly());
    QCOMPARE(LabelText(page, "Label225"), QStringLiteral("容量 Ｃ"));
    QVERIFY(Find<QLabel>(&page, "Label225")->font().bold());

    struct List {
      const char* name;
      QStringList items;
      int current;
    };
    const List lists[] = {{"ComboBox19", {"m㎡", "c㎡", "㎡"}, 1},
                          {"ComboBox20", {"mm", "cm", "ｍ"}, 0},
                          {"ComboBox21", {"ｐＦ", "ｎＦ", "μＦ"}, 0}};
    for (const List& list : lists) {
      QComboBox* combo = Combo(page, list.name);
      QVERIFY(!combo->isEditable());
      QStringList items;
      for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
      QCOMPARE(items, list.items);
      QCOMPARE(combo->currentIndex(), list.current);
    }

    QCOMPARE(LabelText(page, "Label216"), QStringLiteral("cm平方"));
    QCOMPARE(LabelText(page, "Label217"), QStringLiteral("cm平方"));
    const std::pair<const char*, const char*> plateDefaults[] = {
        {"Edit98", "50"},  {"Edit99", "25"},  {"Edit100", "20"}, {"Edit101", "58"},
        {"Edit102", "22"}, {"Edit104", "25"}, {"Edit106", "58"}, {"Edit107", "22"}};
    for (const auto& [name, text] : plateDefaults)
      QCOMPARE(Edit(page, name)->text(), QString::fromUtf8(text));
    QVERIFY(Edit(page, "Edit103")->isReadOnly());
    QVERIFY(Edit(page, "Edit105")->isReadOnly());
    for (int n = 22; n <= 29; ++n) {
      QPushButton* button = Button(page, QStringLiteral("BitBtn%1").arg(n).toLatin1().constData());
      QCOMPARE(button->text(), QStringLiteral("計算"));
      QCOMPARE(button->icon().isNull(), n == 22);
    }
  }

  // The seven arrows point towards the field that receives the result.
  void arrowsPointTowardsTheResult() {
    RecordingSink sink;
    varicap::VaricapPage page;
    const QImage left = QIcon(":/varicap/arrow_left.svg").pixmap(16, 16).toImage();
    const QImage right = QIcon(":/varicap/arrow_right.svg").pixmap(16, 16).toImage();
    QVERIFY(!left.isNull());
    QVERIFY(left != right);
    for (const char* name : {"BitBtn23", "BitBtn24", "BitBtn25", "BitBtn29"})
      QCOMPARE(Button(page, name)->icon().pixmap(16, 16).toImage(), left);
    for (const char* name : {"BitBtn26", "BitBtn27", "BitBtn28"})
      QCOMPARE(Button(page, name)->icon().pixmap(16, 16).toImage(), right);
  }

  void solveAtStartThenChangeUnit() {
    RecordingSink sink;
    varicap::VaricapPage page;
    Button(page, "BitBtn22")->click();
    QCOMPARE(Edit(page, "Edit95")->text(), QStringLiteral("265.7824"));
    QCOMPARE(Edit(page, "Edit97")->text(), QStringLiteral("265.7824 ｐＦ"));
    // The solved quantity's own list shows the result in the new unit.
    kit::testing::Pick(Combo(page, "ComboBox21"), 1);
    QCOMPARE(Edit(page, "Edit95")->text(), QStringLiteral("0.2658"));
    QCOMPARE(Edit(page, "Edit97")->text(), QStringLiteral("0.2658 ｎＦ"));
    QVERIFY(sink.dialogs.isEmpty());
  }

  void solveEachQuantity_data() {
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("result");
    QTest::newRow("N") << 0 << "1.1287"
                       << "1.1287";
    QTest::newRow("S") << 1 << "338.6229"
                       << "338.6229 c㎡";
    QTest::newRow("d") << 2 << "0.8859"
                       << "0.8859 mm";
    QTest::newRow("C") << 3 << "265.7824"
                       << "265.7824 ｐＦ";
    QTest::newRow("er") << 4 << "1.1294"
                        << "1.1294";
  }

  void solveEachQuantity() {
    QFETCH(int, item);
    QFETCH(QString, field);
    QFETCH(QString, result);
    RecordingSink sink;
    varicap::VaricapPage page;
    kit::testing::PickRadio(Radio(page), item);
    Button(page, "BitBtn22")->click();
    QCOMPARE(Edit(page, kDesignFields[item])->text(), field);
    QCOMPARE(Edit(page, "Edit97")->text(), result);
    // The other four fields keep their texts.
    const QStringList texts = {"1", "300", "1", "300", "1.00059"};
    for (int i = 0; i < 5; ++i) {
      if (i != item)
        QCOMPARE(Edit(page, kDesignFields[i])->text(), texts[i]);
    }
    QVERIFY(sink.dialogs.isEmpty());
  }

  void radioRecoloursBlanksAndRelabelsWithoutSolving_data() {
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("caption");
    QTest::newRow("N") << 0 << "多重化";
    QTest::newRow("S") << 1 << "面積 Ｓ";
    QTest::newRow("d") << 2 << "間隔 ｄ";
    QTest::newRow("er") << 4 << "比誘電率";
  }

  void radioRecoloursBlanksAndRelabelsWithoutSolving() {
    RecordingSink sink;
    QFETCH(int, item);
    QFETCH(QString, caption);
    varicap::VaricapPage page;
    Button(page, "BitBtn22")->click();
    kit::testing::PickRadio(Radio(page), item);
    QCOMPARE(Edit(page, "Edit97")->text(), QStringLiteral(" "));
    QCOMPARE(LabelText(page, "Label225"), caption);
    const QStringList texts = {"1", "300", "1", "265.7824", "1.00059"};
    for (int i = 0; i < 5; ++i) {
      QLineEdit* field = Edit(page, kDesignFields[i]);
      QCOMPARE(field->text(), texts[i]);
      QVERIFY(field->isEnabled());
      QVERIFY(!field->isReadOnly());
      QCOMPARE(kit::PaintedColour(field), i == item ? kit::Colour::ButtonFace : kit::Colour::Window);
    }
  }

  // The area list relabels the two side labels and re-solves.
  void areaUnitRelabelsAndResolves_data() {
    QTest::addColumn<int>("unit");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("result");
    QTest::newRow("m㎡") << 0 << "mm平方"
                         << "2.6578 ｐＦ";
    QTest::newRow("c㎡") << 1 << "cm平方"
                         << "265.7824 ｐＦ";
    QTest::newRow("㎡") << 2 << "ｍ平方"
                        << "2657823.5365 ｐＦ";
  }

  void areaUnitRelabelsAndResolves() {
    RecordingSink sink;
    QFETCH(int, unit);
    QFETCH(QString, label);
    QFETCH(QString, result);
    varicap::VaricapPage page;
    Edit(page, "Edit104")->setText("7");
    kit::testing::Pick(Combo(page, "ComboBox19"), unit);
    QCOMPARE(LabelText(page, "Label216"), label);
    QCOMPARE(LabelText(page, "Label217"), label);
    QCOMPARE(Edit(page, "Edit97")->text(), result);
    // The plate dimensions are not converted.
    QCOMPARE(Edit(page, "Edit98")->text(), QStringLiteral("50"));
    QCOMPARE(Edit(page, "Edit104")->text(), QStringLiteral("7"));
    QVERIFY(sink.dialogs.isEmpty());
  }

  void settingAListFromCodeRunsNothing() {
    RecordingSink sink;
    varicap::VaricapPage page;
    Combo(page, "ComboBox19")->setCurrentIndex(0);
    Combo(page, "ComboBox21")->setCurrentIndex(2);
    QCOMPARE(LabelText(page, "Label216"), QStringLiteral("cm平方"));
    QCOMPARE(Edit(page, "Edit97")->text(), QString());
    QCOMPARE(Edit(page, "Edit95")->text(), QStringLiteral("300"));
  }

  void knownUnitChangeReinterpretsAndResolves() {
    RecordingSink sink;
    varicap::VaricapPage page;
    kit::testing::Pick(Combo(page, "ComboBox20"), 1); // 1 cm
    QCOMPARE(Edit(page, "Edit97")->text(), QStringLiteral("26.5782 ｐＦ"));
    QCOMPARE(Edit(page, "Edit94")->text(), QStringLiteral("1"));
    QVERIFY(sink.dialogs.isEmpty());
  }

  void zeroKnownBlanksTheResultOnly() {
    RecordingSink sink;
    varicap::VaricapPage page;
    Button(page, "BitBtn22")->click();
    Edit(page, "Edit94")->setText("");
    Button(page, "BitBtn22")->click();
    QCOMPARE(Edit(page, "Edit97")->text(), QStringLiteral(" "));
    QCOMPARE(Edit(page, "Edit95")->text(), QStringLiteral("265.7824"));
    QVERIFY(sink.dialogs.isEmpty());
  }

  // Every field is read, the solved one too, before anything is written.
  void notANumberStopsBeforeWriting_data() {
    QTest::addColumn<QString>("field");
    QTest::newRow("known area") << "Edit93";
    QTest::newRow("solved capacitance") << "Edit95";
  }

  void notANumberStopsBeforeWriting() {
    QFETCH(QString, field);
    RecordingSink sink;
    varicap::VaricapPage page;
    Find<QLineEdit>(&page, field)->setText("1.2.3");
    Button(page, "BitBtn22")->click();
    QCOMPARE(sink.dialogs.size(), 1);
    QCOMPARE(sink.dialogs[0].kind, kit::testing::Dialog::Application);
    QCOMPARE(sink.dialogs[0].text, QStringLiteral("'1.2.3' は浮動小数点数ではありません."));
    QCOMPARE(Edit(page, "Edit97")->text(), QString());
    QCOMPARE(Find<QLineEdit>(&page, field)->text(), QStringLiteral("1.2.3"));
  }

  void enterSolvesAndKeepsFocus_data() {
    QTest::addColumn<int>("index");
    for (int i = 0; i < 5; ++i)
      QTest::newRow(kDesignFields[i]) << i;
  }

  void enterSolvesAndKeepsFocus() {
    RecordingSink sink;
    QFETCH(int, index);
    varicap::VaricapPage page;
    page.show();
    QApplication::setActiveWindow(&page);
    QVERIFY(QTest::qWaitForWindowActive(&page));
    QLineEdit* field = Edit(page, kDesignFields[index]);
    field->setFocus();
    kit::testing::Enter(field);
    QCOMPARE(Edit(page, "Edit97")->text(), QStringLiteral("265.7824 ｐＦ"));
    QCOMPARE(QApplication::focusWidget(), field);
    QVERIFY(sink.dialogs.isEmpty());
  }

  void multiplicityTakesOnlyDigitsFromTheKeyboard() {
    RecordingSink sink;
    varicap::VaricapPage page;
    QLineEdit* n = Edit(page, "Edit92");
    kit::testing::Type(n, "2.5a");
    QCOMPARE(n->text(), QStringLiteral("25"));
    // A solved N keeps its decimals.
    kit::testing::Type(n, "1");
    kit::testing::PickRadio(Radio(page), 0);
    Button(page, "BitBtn22")->click();
    QCOMPARE(n->text(), QStringLiteral("1.1287"));
    // Other design fields take a point from the keyboard.
    kit::testing::Type(Edit(page, "Edit94"), "0.5");
    QCOMPARE(Edit(page, "Edit94")->text(), QStringLiteral("0.5"));
  }

  void plateAreasGoIntoTheAreaFieldWithoutSolving_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("area");
    QTest::newRow("square") << "BitBtn23"
                            << "2500";
    QTest::newRow("rectangle") << "BitBtn24"
                               << "500";
    QTest::newRow("half ring") << "BitBtn25"
                               << "4523.89";
  }

  void plateAreasGoIntoTheAreaFieldWithoutSolving() {
    QFETCH(QString, button);
    QFETCH(QString, area);
    RecordingSink sink;
    varicap::VaricapPage page;
    Button(page, "BitBtn22")->click();
    Find<QPushButton>(&page, button)->click();
    QCOMPARE(Edit(page, "Edit93")->text(), area);
    QCOMPARE(Edit(page, "Edit95")->text(), QStringLiteral("265.7824"));
    QCOMPARE(Edit(page, "Edit97")->text(), QStringLiteral("265.7824 ｐＦ"));
    QVERIFY(sink.dialogs.isEmpty());
  }

  void plateDimensionsFromTheAreaField_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::newRow("square side") << "BitBtn26"
                                 << "Edit103"
                                 << "17.32";
    QTest::newRow("rectangle side") << "BitBtn27"
                                    << "Edit105"
                                    << "12";
    QTest::newRow("inner radius") << "BitBtn28"
                                  << "Edit107"
                                  << "56.33";
    QTest::newRow("outer radius") << "BitBtn29"
                                  << "Edit106"
                                  << "25.98";
  }

  void plateDimensionsFromTheAreaField() {
    RecordingSink sink;
    QFETCH(QString, button);
    QFETCH(QString, field);
    QFETCH(QString, text);
    varicap::VaricapPage page;
    Find<QPushButton>(&page, button)->click();
    QCOMPARE(Find<QLineEdit>(&page, field)->text(), text);
  }

  // The area written by the upper group is the one the lower group and the
  // design group read next.
  void theAreaFieldIsShared() {
    RecordingSink sink;
    varicap::VaricapPage page;
    Button(page, "BitBtn23")->click();
    Button(page, "BitBtn26")->click();
    QCOMPARE(Edit(page, "Edit103")->text(), QStringLiteral("50"));
    Button(page, "BitBtn22")->click();
    QCOMPARE(Edit(page, "Edit97")->text(), QStringLiteral("2214.8529 ｐＦ"));
    // A solved area (from the rounded capacitance) is what the plate groups
    // read.
    kit::testing::PickRadio(Radio(page), 1);
    Button(page, "BitBtn22")->click();
    QCOMPARE(Edit(page, "Edit93")->text(), QStringLiteral("2499.9999"));
    Button(page, "BitBtn27")->click();
    QCOMPARE(Edit(page, "Edit105")->text(), QStringLiteral("100"));
  }

  void plateDialogs_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("inputs"); // name, text, name, text, ...
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("message");
    QTest::newRow("equal radii") << "BitBtn25" << QStringList{"Edit101", "22"} << "Edit93"
                                 << kInnerNotSmaller;
    QTest::newRow("inner larger") << "BitBtn25" << QStringList{"Edit102", "60"} << "Edit93"
                                  << kInnerNotSmaller;
    QTest::newRow("area too large for outer")
        << "BitBtn28" << QStringList{"Edit93", "6000"} << "Edit107" << kOuterTooSmall;
    QTest::newRow("zero area zero outer")
        << "BitBtn28" << QStringList{"Edit93", "0", "Edit106", ""} << "Edit107" << kOuterTooSmall;
  }

  // Results of 10^15 and more are written into the filtered fields with
  // their digits in full: "1.6E15" would read back as 1.615.
  void largeResultsKeepTheirDigitsInInputFields_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("expected");
    QTest::newRow("square area") << "BitBtn23"
                                 << "Edit98"
                                 << "40000000"
                                 << "Edit93"
                                 << "1600000000000000";
    QTest::newRow("outer radius") << "BitBtn29"
                                  << "Edit107"
                                  << "2000000000000000"
                                  << "Edit106"
                                  << "2000000000000000";
  }
  void largeResultsKeepTheirDigitsInInputFields() {
    QFETCH(QString, button);
    QFETCH(QString, input);
    QFETCH(QString, value);
    QFETCH(QString, target);
    QFETCH(QString, expected);
    RecordingSink sink;
    varicap::VaricapPage page;
    Find<QLineEdit>(&page, input)->setText(value);
    Find<QPushButton>(&page, button)->click();
    QVERIFY(sink.dialogs.isEmpty());
    QCOMPARE(Find<QLineEdit>(&page, target)->text(), expected);
  }

  void plateDialogs() {
    QFETCH(QString, button);
    QFETCH(QStringList, inputs);
    QFETCH(QString, target);
    QFETCH(QString, message);
    RecordingSink sink;
    varicap::VaricapPage page;
    for (int i = 0; i + 1 < inputs.size(); i += 2)
      Find<QLineEdit>(&page, inputs[i])->setText(inputs[i + 1]);
    const QString before = Find<QLineEdit>(&page, target)->text();
    Find<QPushButton>(&page, button)->click();
    QCOMPARE(sink.dialogs.size(), 1);
    QCOMPARE(sink.dialogs[0].kind, kit::testing::Dialog::Error);
    QCOMPARE(sink.dialogs[0].title, QStringLiteral("エラー"));
    QCOMPARE(sink.dialogs[0].text, message);
    QCOMPARE(Find<QLineEdit>(&page, target)->text(), before);
  }

  void zeroSideIsASilentNoOp() {
    RecordingSink sink;
    varicap::VaricapPage page;
    Edit(page, "Edit104")->setText("0");
    Button(page, "BitBtn27")->click();
    Edit(page, "Edit104")->setText("");
    Button(page, "BitBtn27")->click();
    QCOMPARE(Edit(page, "Edit105")->text(), QString());
    QVERIFY(sink.dialogs.isEmpty());
  }

  void notANumberInTheAreaField() {
    RecordingSink sink;
    varicap::VaricapPage page;
    Edit(page, "Edit93")->setText("3..");
    Button(page, "BitBtn26")->click();
    QCOMPARE(sink.dialogs.size(), 1);
    QCOMPARE(sink.dialogs[0].text, QStringLiteral("'3..' は浮動小数点数ではありません."));
    QCOMPARE(Edit(page, "Edit103")->text(), QString());
  }

  // The program's own path: a real modal box, closed from a timer.
  void realErrorDialog() {
    varicap::VaricapPage page;
    page.show();
    Edit(page, "Edit101")->setText("22");
    const auto shown = kit::testing::CloseRealBoxes([&] { Button(page, "BitBtn25")->click(); });
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown[0].title, QStringLiteral("エラー"));
    QCOMPARE(shown[0].text, kInnerNotSmaller);
    QCOMPARE(shown[0].icon, int(QMessageBox::Critical));
    QCOMPARE(Edit(page, "Edit93")->text(), QStringLiteral("300"));
  }
};

QTEST_MAIN(VaricapPageTest)
#include "varicap_page_test.moc"
