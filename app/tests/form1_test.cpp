// The window: its page tree, start state, navigation, hot spots and links.
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QUrl>
#include <QWheelEvent>

#include "app/form1.h"
#include "core/kit/testing.h"

using kit::testing::Find;
using kit::testing::UrlRecorder;

namespace {

QTabWidget* Tabs(const QObject* root, const char* name) { return Find<QTabWidget>(root, name); }

QString Current(const QObject* root, const char* control) {
  return Tabs(root, control)->currentWidget()->objectName();
}

void ClickTab(QTabWidget* control, int index) {
  QTabBar* bar = control->tabBar();
  QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
}

} // namespace

class Form1Test : public QObject {
  Q_OBJECT

  std::unique_ptr<TForm1> form;

  void Fresh() {
    form = std::make_unique<TForm1>();
    form->show();
    QApplication::setActiveWindow(form.get());
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
  }

private slots:
  void init() { Fresh(); }
  void cleanup() { form.reset(); }

  void windowIsFixedAndTitled() {
    QCOMPARE(form->objectName(), QString("Form1"));
    QCOMPARE(form->windowTitle(), QString("コルベナ QUELM 2.0"));
    QCOMPARE(form->size(), QSize(712, 506));
    QCOMPARE(form->minimumSize(), form->maximumSize());
    QVERIFY(!(form->windowFlags() & Qt::WindowMaximizeButtonHint));
    auto* exit = Find<QPushButton>(form.get(), "Button1");
    QCOMPARE(exit->text(), QString("終了"));
    QCOMPARE(exit->geometry(), QRect(663, 2, 46, 17));
  }

  void pageTree_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QStringList>("pages");
    QTest::addColumn<QStringList>("captions");
    QTest::newRow("PageControl1") << "PageControl1"
                                  << QStringList{"TabSheet1",  "TabSheet2", "TabSheet5", "TabSheet3",
                                                 "TabSheet16", "TabSheet4", "TabSheet20"}
                                  << QStringList{"1 アンテナ回路", "2 同調回路設計", "3 バリコン設計",
                                                 "4 コイル設計",   "5 コイル評価",   "6 検波・出力回路",
                                                 "QUELM"};
    QTest::newRow("PageControl8") << "PageControl8"
                                  << QStringList{"TabSheet24", "TabSheet30", "TabSheet25", "TabSheet29",
                                                 "TabSheet31"}
                                  << QStringList{" 波長と周波数 ", " ワイヤーアンテナ ", " 実効長(高) ",
                                                 " 電界強度 ", "アンテナアナライザー"};
    QTest::newRow("PageControl7") << "PageControl7" << QStringList{"TabSheet22", "TabSheet23"}
                                  << QStringList{" 共振状況 ", " 受信範囲 "};
    QTest::newRow("PageControl3") << "PageControl3" << QStringList{"TabSheet8",  "TabSheet9",  "TabSheet15",
                                                                   "TabSheet34", "TabSheet10", "TabSheet11"}
                                  << QStringList{"ソレノイド(円筒)", "スクエア(角柱)",   "ループ（方形）",
                                                 "スパイダー(蜘蛛)", "スパイラル(渦巻)", "トロイダル(環状)"};
    QTest::newRow("PageControl2") << "PageControl2" << QStringList{"s2", "s6", "s43", "s61", "TabSheet7"}
                                  << QStringList{" ＃２", " ＃６", "＃４３", "＃６１", "一般"};
    QTest::newRow("PageControl5") << "PageControl5"
                                  << QStringList{"TabSheet17", "TabSheet18", "TabSheet6", "TabSheet28",
                                                 "TabSheet33"}
                                  << QStringList{" 直列共振法 ", " 動作特性法 ", " 分布容量 ",
                                                 " Ｑ／表皮効果 ", " ＡＷＧ "};
    QTest::newRow("PageControl6") << "PageControl6"
                                  << QStringList{"TabSheet26", "TabSheet32", "TabSheet19", "TabSheet27",
                                                 "TabSheet21"}
                                  << QStringList{" 包絡線検波 ", "ダイオード・シミュレーション",
                                                 " 抵抗器カラーコード", "コンデンサー容量表示", " イヤホン "};
    QTest::newRow("PageControl4") << "PageControl4" << QStringList{"TabSheet12", "TabSheet13", "TabSheet14"}
                                  << QStringList{"  about QUELM ", "  notice  ", "  copyright "};
  }
  void pageTree() {
    QFETCH(QString, control);
    QFETCH(QStringList, pages);
    QFETCH(QStringList, captions);
    QTabWidget* tabs = Tabs(form.get(), control.toLatin1().constData());
    QStringList names, texts;
    for (int i = 0; i < tabs->count(); ++i) {
      names << tabs->widget(i)->objectName();
      texts << tabs->tabText(i);
    }
    QCOMPARE(names, pages);
    QCOMPARE(texts, captions);
  }

  void startsOnTheHomePage() {
    QCOMPARE(Current(form.get(), "PageControl1"), QString("TabSheet20"));
    QCOMPARE(Current(form.get(), "PageControl4"), QString("TabSheet12"));
    for (const char* control :
         {"PageControl8", "PageControl7", "PageControl3", "PageControl2", "PageControl5", "PageControl6"})
      QCOMPARE(Tabs(form.get(), control)->currentIndex(), 0);
    QVERIFY(!Find<QWidget>(form.get(), "Image2")->isHidden());
    QVERIFY(!Find<QWidget>(form.get(), "Image12")->isHidden());
    QCOMPARE(Tabs(form.get(), "PageControl4")->tabPosition(), QTabWidget::South);
  }

  void analyzerTabCannotBeReached() {
    QTabWidget* pc8 = Tabs(form.get(), "PageControl8");
    QVERIFY(!pc8->isTabVisible(4));
    QVERIFY(!pc8->isTabEnabled(4));
    ClickTab(Tabs(form.get(), "PageControl1"), 0);
    QCOMPARE(Current(form.get(), "PageControl1"), QString("TabSheet1"));
    ClickTab(pc8, 3);
    QCOMPARE(pc8->currentIndex(), 3);
    // Keyboard: Ctrl+Tab and the arrow keys pass over it.
    QTest::keyClick(pc8, Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(pc8->currentIndex(), 0);
    pc8->setCurrentIndex(3);
    pc8->tabBar()->setFocus();
    QTest::keyClick(pc8->tabBar(), Qt::Key_Right);
    QVERIFY(pc8->currentIndex() != 4);
    // The wheel.
    pc8->setCurrentIndex(3);
    for (int delta : {-120, 120}) {
      QWheelEvent wheel(QPointF(5, 5), pc8->tabBar()->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, delta),
                        Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
      QApplication::sendEvent(pc8->tabBar(), &wheel);
      QVERIFY(pc8->currentIndex() != 4);
    }
  }

  void returningHomeShowsAbout_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("mouse") << "mouse";
    QTest::newRow("keyboard") << "keyboard";
  }
  void returningHomeShowsAbout() {
    QFETCH(QString, how);
    QTabWidget* pc1 = Tabs(form.get(), "PageControl1");
    QTabWidget* pc4 = Tabs(form.get(), "PageControl4");
    ClickTab(pc4, 1);
    QCOMPARE(pc4->currentIndex(), 1);
    ClickTab(pc1, 2);
    QCOMPARE(Current(form.get(), "PageControl1"), QString("TabSheet5"));
    if (how == "mouse") {
      ClickTab(pc1, 6);
    } else {
      pc1->tabBar()->setFocus();
      for (int i = 0; i < 4; ++i)
        QTest::keyClick(pc1->tabBar(), Qt::Key_Right);
    }
    QCOMPARE(Current(form.get(), "PageControl1"), QString("TabSheet20"));
    QCOMPARE(pc4->currentIndex(), 0);
  }

  void aSelectionFromCodeDoesNotRunTheChangeAction() {
    QTabWidget* pc1 = Tabs(form.get(), "PageControl1");
    QTabWidget* pc4 = Tabs(form.get(), "PageControl4");
    form->SelectPage(pc1, Find<QWidget>(form.get(), "TabSheet2"));
    pc4->setCurrentIndex(2);
    form->SelectPage(pc1, Find<QWidget>(form.get(), "TabSheet20"));
    QCOMPARE(pc4->currentIndex(), 2);
  }

  void hotSpots_data() {
    QTest::addColumn<QString>("spot");
    QTest::addColumn<QString>("top");
    QTest::addColumn<QString>("sub"); // the page 6 sub-page, if any
    QTest::addColumn<bool>("hand");
    QTest::addColumn<QString>("hint");
    QTest::newRow("antenna") << "Label54"
                             << "TabSheet1"
                             << "" << true << "　アンテナ（→１）";
    QTest::newRow("earth") << "Label59"
                           << "TabSheet2"
                           << "" << false << "　アース（→2）　";
    QTest::newRow("varicap") << "Label51"
                             << "TabSheet5"
                             << "" << true << " バリコン（→３）　";
    QTest::newRow("coil") << "Label52"
                          << "TabSheet3"
                          << "" << true << "　同調コイル（→４）";
    QTest::newRow("diode") << "Label56"
                           << "TabSheet4"
                           << "TabSheet26" << true << "　ダイオード（→６）　";
    QTest::newRow("resistor") << "Label55"
                              << "TabSheet4"
                              << "TabSheet19" << true << " 抵抗器（→６）";
    QTest::newRow("capacitor") << "Label237"
                               << "TabSheet4"
                               << "TabSheet27" << true << "コンデンサー（→６）";
    QTest::newRow("earphone") << "Label57"
                              << "TabSheet4"
                              << "TabSheet21" << true << "クリスタルイヤホン（→６）";
  }
  void hotSpots() {
    QFETCH(QString, spot);
    QFETCH(QString, top);
    QFETCH(QString, sub);
    QFETCH(bool, hand);
    QFETCH(QString, hint);
    // Page 6 last left on the earphone page; page 1 on the field strength page.
    Tabs(form.get(), "PageControl6")->setCurrentIndex(4);
    Tabs(form.get(), "PageControl8")->setCurrentIndex(3);
    Tabs(form.get(), "PageControl4")->setCurrentIndex(1);
    QSignalSpy shown(form.get(), &TForm1::TabSheet4Shown);
    auto* label = Find<QLabel>(form.get(), spot);
    QCOMPARE(label->toolTip(), hint);
    QCOMPARE(label->cursor().shape(), hand ? Qt::PointingHandCursor : Qt::ArrowCursor);
    QVERIFY(label->text().isEmpty());

    QTest::mouseClick(label, Qt::LeftButton);
    QCOMPARE(Current(form.get(), "PageControl1"), top);
    if (!sub.isEmpty()) {
      QCOMPARE(Current(form.get(), "PageControl6"), sub);
      QCOMPARE(shown.count(), 1);
    } else {
      QCOMPARE(shown.count(), 0);
      QCOMPARE(Current(form.get(), "PageControl6"), QString("TabSheet21"));
    }
    QCOMPARE(Current(form.get(), "PageControl8"), QString("TabSheet29")); // sub-pages stay as last shown
    // A hot spot's selection is not a user's tab change: back home from code,
    // the home sub-page is still as it was.
    form->SelectPage(Tabs(form.get(), "PageControl1"), Find<QWidget>(form.get(), "TabSheet20"));
    QCOMPARE(Tabs(form.get(), "PageControl4")->currentIndex(), 1);
  }

  // Page 6's show action runs whenever the page becomes visible, whoever
  // selects it, and updates the colour code page; a change of its sub-page
  // or a selection of the page already in front does not run it.
  void pageSixRunsItsShowActionWheneverItBecomesVisible() {
    QTabWidget* pc1 = Tabs(form.get(), "PageControl1");
    QWidget* page6 = Find<QWidget>(form.get(), "TabSheet4");
    QWidget* home = Find<QWidget>(form.get(), "TabSheet20");
    auto* resistance = Find<QLineEdit>(form.get(), "Edit9");
    QSignalSpy shown(form.get(), &TForm1::TabSheet4Shown);
    QCOMPARE(resistance->text(), QString());
    ClickTab(pc1, 5); // the user's click
    QCOMPARE(shown.count(), 1);
    QCOMPARE(resistance->text(), QString("200 kΩ"));
    ClickTab(Tabs(form.get(), "PageControl6"), 4);
    form->SelectPage(pc1, page6);
    QCOMPARE(shown.count(), 1);
    // The third band changed from code (no update of its own), then the page
    // shown again by each way there is.
    kit::SetRadioIndex(Find<QGroupBox>(form.get(), "RadioGroup3"), 2);
    form->SelectPage(pc1, home);
    form->SelectPage(pc1, page6); // from code
    QCOMPARE(shown.count(), 2);
    QCOMPARE(resistance->text(), QString("2 kΩ"));
    pc1->setCurrentWidget(home);
    pc1->setCurrentWidget(page6); // bypassing the helper
    QCOMPARE(shown.count(), 3);
    pc1->tabBar()->setFocus();
    QTest::keyClick(pc1->tabBar(), Qt::Key_Right);
    QTest::keyClick(pc1->tabBar(), Qt::Key_Left); // the keyboard
    QCOMPARE(shown.count(), 4);
    form->hide();
    form->show(); // the window shown on it
    QCOMPARE(shown.count(), 5);
    form->SelectPage(pc1, home);
    QTest::mouseClick(Find<QLabel>(form.get(), "Label55"), Qt::LeftButton); // a hot spot
    QCOMPARE(shown.count(), 6);
  }

  void theHotSpotsLieOverTheSchematic() {
    const QRect picture = Find<QWidget>(form.get(), "Image2")->geometry();
    QCOMPARE(picture, QRect(137, 29, 441, 241));
    QCOMPARE(Find<QWidget>(form.get(), "Image12")->geometry(), picture);
    for (const char* spot :
         {"Label54", "Label59", "Label51", "Label52", "Label56", "Label55", "Label237", "Label57"})
      QVERIFY2(picture.contains(Find<QLabel>(form.get(), spot)->geometry()), spot);
    QCOMPARE(Find<QLabel>(form.get(), "Label56")->geometry(), QRect(303, 83, 50, 54));
  }

  void captionDoubleClickTogglesTheDrawing() {
    auto* caption = Find<QLabel>(form.get(), "Label60");
    auto* image2 = Find<QWidget>(form.get(), "Image2");
    QCOMPARE(caption->text(), QString("ゲルマラジオの回路図(例)"));
    QTest::mouseClick(caption, Qt::LeftButton);
    QVERIFY(!image2->isHidden());
    QTest::mouseDClick(caption, Qt::LeftButton);
    QVERIFY(image2->isHidden());
    QVERIFY(!Find<QWidget>(form.get(), "Image12")->isHidden());
    QTest::mouseDClick(caption, Qt::LeftButton);
    QVERIFY(!image2->isHidden());
  }

  void linksGoToTheDesktop() {
    UrlRecorder recorder({QStringLiteral("https"), QStringLiteral("mailto")});
    Tabs(form.get(), "PageControl4")->setCurrentIndex(1);
    auto* info = Find<QLabel>(form.get(), "Label103");
    QTest::mouseClick(info, Qt::LeftButton);
    Tabs(form.get(), "PageControl4")->setCurrentIndex(2);
    auto* mail = Find<QLabel>(form.get(), "Label62");
    QTest::mouseClick(mail, Qt::LeftButton);
    QCOMPARE(recorder.opened.size(), 2);
    QCOMPARE(recorder.opened[0].toString(), info->text() + "?v=QUELM20");
    QVERIFY(!info->text().contains('?'));
    QCOMPARE(recorder.opened[1].toString(), "mailto:" + mail->text());
  }

  // Controls are found by name across the whole window: a name given twice
  // (two pages both holding a "Label12") would make one of them unreachable.
  void everyControlNameIsUnique() {
    const QRegularExpression given(
        "^(Edit|BitBtn|ComboBox|CheckBox|RadioGroup|RadioButton|Label|GroupBox|Panel|Image|PageControl|"
        "TabSheet|Memo|Button|SG_)[0-9A-Za-z_]*$");
    QMap<QString, int> seen;
    for (QObject* child : form->findChildren<QObject*>()) {
      if (given.match(child->objectName()).hasMatch())
        ++seen[child->objectName()];
    }
    QVERIFY(seen.size() > 100);
    QStringList twice;
    for (auto it = seen.cbegin(); it != seen.cend(); ++it) {
      if (it.value() > 1)
        twice << it.key();
    }
    QVERIFY2(twice.isEmpty(), qPrintable(twice.join(", ")));
  }

  // A screen reader speaks every field, list, memo and grid by a name of its
  // own: its caption, and no two controls of one page share a name.
  void everyFieldHasItsOwnAccessibleName() {
    QMap<QWidget*, QMap<QString, QStringList>> byPage;
    QStringList missing;
    const auto inputs = form->findChildren<QWidget*>();
    for (QWidget* w : inputs) {
      const bool input = qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) ||
                         qobject_cast<QPlainTextEdit*>(w) || qobject_cast<QTableWidget*>(w);
      if (!input || qobject_cast<QComboBox*>(w->parentWidget()))
        continue; // an editable list's own line edit speaks through the list
      // Its own name, or its caption label as its buddy (not a group's title,
      // which does not tell two fields apart).
      const QString name = kit::testing::SpokenName(w).trimmed();
      if (name.isEmpty()) {
        missing << w->objectName();
        continue;
      }
      // The leaf page the control sits on: the nearest page of a tab control.
      QWidget* page = w;
      while (page &&
             !(page->parentWidget() && qobject_cast<QTabWidget*>(page->parentWidget()->parentWidget())))
        page = page->parentWidget();
      byPage[page][name] << w->objectName();
    }
    QStringList shared;
    for (auto page = byPage.cbegin(); page != byPage.cend(); ++page) {
      for (auto name = page->cbegin(); name != page->cend(); ++name) {
        if (name->size() > 1)
          shared << page.key()->objectName() + ": \"" + name.key() + "\" " + name->join(',');
      }
    }
    QVERIFY2(missing.isEmpty() && shared.isEmpty(),
             qPrintable("no name: " + missing.join(',') + "\nshared:\n" + shared.join('\n')));
  }

  void exitClosesTheWindow() {
    QVERIFY(form->isVisible());
    QTest::mouseClick(Find<QPushButton>(form.get(), "Button1"), Qt::LeftButton);
    QVERIFY(!form->isVisible());
  }
};

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
