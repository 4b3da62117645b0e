#include "app/form1.h"

#include <QProxyStyle>
#include <QPushButton>
#include <QStyleFactory>
#include <QTabBar>
#include <QTabWidget>

#include "antenna/analyzer_page.h"
#include "antenna/effective_length_page.h"
#include "antenna/field_strength_page.h"
#include "antenna/options_panel.h"
#include "antenna/wavelength_page.h"
#include "antenna/wire_page.h"
#include "app/home_page.h"
#include "coil_design/loop_page.h"
#include "coil_design/solenoid_page.h"
#include "coil_design/spider_page.h"
#include "coil_design/spiral_page.h"
#include "coil_design/square_page.h"
#include "coil_design/toroid_page.h"
#include "coil_eval/awg_page.h"
#include "coil_eval/distributed_capacitance_page.h"
#include "coil_eval/operating_characteristics_page.h"
#include "coil_eval/series_resonance_page.h"
#include "coil_eval/skin_effect_page.h"
#include "core/kit/font.h"
#include "core/kit/kit.h"
#include "detector/capacitor_marking_page.h"
#include "detector/colour_code_page.h"
#include "detector/diode_simulation_page.h"
#include "detector/earphone_page.h"
#include "detector/envelope_page.h"
#include "tuning/range_page.h"
#include "tuning/resonance_page.h"
#include "varicap/varicap_page.h"

// The window's pictures live in this static library's resources.
static void InitResources() { Q_INIT_RESOURCE(quelm); }

namespace {

// Tabs as narrow as their captions allow, so that the seven top tabs fit
// beside the exit button as they do in the classic look.
class CompactTabs : public QProxyStyle {
public:
  CompactTabs() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}
  int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
    if (metric == PM_TabBarTabHSpace)
      return 12;
    return QProxyStyle::pixelMetric(metric, option, widget);
  }
};

QStyle* TabStyle() {
  static CompactTabs* style = new CompactTabs;
  return style;
}

void StyleTabs(QTabWidget* control, int fontPixels) {
  control->tabBar()->setStyle(TabStyle());
  control->tabBar()->setFont(kit::ProgramFont(fontPixels));
  control->setUsesScrollButtons(false);
  control->tabBar()->setElideMode(Qt::ElideNone);
  control->tabBar()->setExpanding(false);
}

// A sub-page control placed on a page, its tab captions at a pixel size.
QTabWidget* SubControl(QWidget* page, const char* name, QRect geometry, int tabFontPixels) {
  auto* control = new QTabWidget(page);
  control->setObjectName(QString::fromLatin1(name));
  control->setGeometry(geometry);
  StyleTabs(control, tabFontPixels);
  return control;
}

// Adds a page to a control; an empty page stands where a calculator is still
// to come.
QWidget* AddPage(QTabWidget* control, const char* name, const char* caption, QWidget* content = nullptr) {
  QWidget* page = content ? content : new QWidget;
  page->setObjectName(QString::fromLatin1(name));
  control->addTab(page, QString::fromUtf8(caption));
  return page;
}

} // namespace

TForm1::TForm1(QWidget* parent) : QWidget(parent, Qt::Window) {
  InitResources();
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("コルベナ QUELM 2.0"));
  // A single fixed border: system menu, minimise and close, no maximise.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  setFont(kit::ProgramFont(12));
  setFixedSize(712, 506);
  move(480, 154);

  BuildPageTree();

  Button1 = new QPushButton(QStringLiteral("終了"), this);
  Button1->setObjectName(QStringLiteral("Button1"));
  Button1->setGeometry(663, 2, 46, 17);
  Button1->raise();
  kit::OnClick(Button1, [this] { Button1Click(); });

  connect(PageControl1, &QTabWidget::currentChanged, this, [this] {
    if (!selectingFromCode)
      PageControl1Change();
  });
  // Page 6's show action, whoever makes it visible: the user's tab, a
  // selection from code, a hot spot, the window shown on it.
  kit::OnShow(Sheet("TabSheet4"), [this] { TabSheet4Show(); });

  WireHomePage();
  FormCreate();
}

TForm1::~TForm1() = default;

// The page tree, one line per page, in tab order.
void TForm1::BuildPageTree() {
  PageControl1 = new QTabWidget(this);
  PageControl1->setObjectName(QStringLiteral("PageControl1"));
  PageControl1->setGeometry(0, 1, 713, 505);
  StyleTabs(PageControl1, 13);

  QWidget* TabSheet1 = AddPage(PageControl1, "TabSheet1", "1 アンテナ回路");
  QWidget* TabSheet2 = AddPage(PageControl1, "TabSheet2", "2 同調回路設計");
  AddPage(PageControl1, "TabSheet5", "3 バリコン設計", new varicap::VaricapPage);
  QWidget* TabSheet3 = AddPage(PageControl1, "TabSheet3", "4 コイル設計");
  QWidget* TabSheet16 = AddPage(PageControl1, "TabSheet16", "5 コイル評価");
  QWidget* TabSheet4 = AddPage(PageControl1, "TabSheet4", "6 検波・出力回路");
  home = new app::HomePage;
  AddPage(PageControl1, "TabSheet20", "QUELM", home);

  // 1 アンテナ回路: the sub-pages over the options panel they all read.
  QTabWidget* PageControl8 = SubControl(TabSheet1, "PageControl8", {15, 8, 678, 407}, 15);
  auto* options = new antenna::OptionsPanel(TabSheet1);
  options->move(15, 418);
  AddPage(PageControl8, "TabSheet24", " 波長と周波数 ", new antenna::WavelengthPage(options));
  AddPage(PageControl8, "TabSheet30", " ワイヤーアンテナ ", new antenna::WirePage(options));
  AddPage(PageControl8, "TabSheet25", " 実効長(高) ", new antenna::EffectiveLengthPage(options));
  AddPage(PageControl8, "TabSheet29", " 電界強度 ", new antenna::FieldStrengthPage(options));
  AddPage(PageControl8, "TabSheet31", "アンテナアナライザー", new antenna::AnalyzerPage);

  // 2 同調回路設計
  QTabWidget* PageControl7 = SubControl(TabSheet2, "PageControl7", {15, 7, 678, 465}, 15);
  AddPage(PageControl7, "TabSheet22", " 共振状況 ", new tuning::ResonancePage);
  AddPage(PageControl7, "TabSheet23", " 受信範囲 ", new tuning::RangePage);

  // 4 コイル設計
  QTabWidget* PageControl3 = SubControl(TabSheet3, "PageControl3", {15, 8, 678, 465}, 12);
  AddPage(PageControl3, "TabSheet8", "ソレノイド(円筒)", new coil_design::SolenoidPage);
  AddPage(PageControl3, "TabSheet9", "スクエア(角柱)", new coil_design::SquarePage);
  AddPage(PageControl3, "TabSheet15", "ループ（方形）", new coil_design::LoopPage);
  AddPage(PageControl3, "TabSheet34", "スパイダー(蜘蛛)", new coil_design::SpiderPage);
  AddPage(PageControl3, "TabSheet10", "スパイラル(渦巻)", new coil_design::SpiralPage);
  AddPage(PageControl3, "TabSheet11", "トロイダル(環状)", new coil_design::ToroidPage); // with PageControl2

  // 5 コイル評価
  QTabWidget* PageControl5 = SubControl(TabSheet16, "PageControl5", {15, 8, 678, 465}, 15);
  AddPage(PageControl5, "TabSheet17", " 直列共振法 ", new coil_eval::SeriesResonancePage);
  AddPage(PageControl5, "TabSheet18", " 動作特性法 ", new coil_eval::OperatingCharacteristicsPage);
  AddPage(PageControl5, "TabSheet6", " 分布容量 ", new coil_eval::DistributedCapacitancePage);
  AddPage(PageControl5, "TabSheet28", " Ｑ／表皮効果 ", new coil_eval::SkinEffectPage);
  AddPage(PageControl5, "TabSheet33", " ＡＷＧ ", new coil_eval::AwgPage);

  // 6 検波・出力回路
  QTabWidget* PageControl6 = SubControl(TabSheet4, "PageControl6", {15, 8, 678, 465}, 12);
  auto* envelope = new detector::EnvelopePage; // its unit lists' action is shared with the diode page
  colourCode = new detector::ColourCodePage;   // updated by page 6's show action
  AddPage(PageControl6, "TabSheet26", " 包絡線検波 ", envelope);
  AddPage(PageControl6, "TabSheet32", "ダイオード・シミュレーション",
          new detector::DiodeSimulationPage(envelope));
  AddPage(PageControl6, "TabSheet19", " 抵抗器カラーコード", colourCode);
  AddPage(PageControl6, "TabSheet27", "コンデンサー容量表示", new detector::CapacitorMarkingPage);
  AddPage(PageControl6, "TabSheet21", " イヤホン ", new detector::EarphonePage);

  // The window opens on the home page, every sub-control on its first page.
  PageControl1->setCurrentWidget(Sheet("TabSheet20"));
}

void TForm1::FormCreate() {
  // The analyzer's tab is hidden for good: hidden tabs stay reachable by
  // Ctrl+Tab, arrows and the wheel unless they are disabled too.
  QTabWidget* PageControl8 = Control("PageControl8");
  const int analyzer = PageControl8->indexOf(Sheet("TabSheet31"));
  PageControl8->setTabVisible(analyzer, false);
  PageControl8->setTabEnabled(analyzer, false);
}

void TForm1::WireHomePage() {
  const std::pair<const char*, void (TForm1::*)()> hotSpots[] = {
      {"Label54", &TForm1::Label54Click},   {"Label59", &TForm1::Label59Click},
      {"Label51", &TForm1::Label51Click},   {"Label52", &TForm1::Label52Click},
      {"Label56", &TForm1::Label56Click},   {"Label55", &TForm1::Label55Click},
      {"Label237", &TForm1::Label237Click}, {"Label57", &TForm1::Label57Click},
  };
  for (const auto& [name, handler] : hotSpots)
    kit::OnLabelClick(home->findChild<QWidget*>(QString::fromLatin1(name)),
                      [this, handler] { (this->*handler)(); });
}

QWidget* TForm1::Sheet(const char* name) const { return findChild<QWidget*>(QString::fromLatin1(name)); }

QTabWidget* TForm1::Control(const char* name) const {
  return findChild<QTabWidget*>(QString::fromLatin1(name));
}

void TForm1::SelectPage(QTabWidget* control, QWidget* page) {
  const bool outer = selectingFromCode;
  selectingFromCode = true;
  control->setCurrentWidget(page);
  selectingFromCode = outer;
}

void TForm1::PageControl1Change() {
  if (PageControl1->currentWidget() == home)
    home->PageControl4()->setCurrentIndex(0);
}

void TForm1::TabSheet4Show() {
  colourCode->TabSheet4Show();
  emit TabSheet4Shown();
}

void TForm1::Button1Click() { close(); }

void TForm1::Label54Click() { SelectPage(PageControl1, Sheet("TabSheet1")); }
void TForm1::Label59Click() { SelectPage(PageControl1, Sheet("TabSheet2")); }
void TForm1::Label51Click() { SelectPage(PageControl1, Sheet("TabSheet5")); }
void TForm1::Label52Click() { SelectPage(PageControl1, Sheet("TabSheet3")); }

// The four hot spots of page 6 select their sub-page first, so that the page
// opens on it.
void TForm1::OpenPage6On(const char* subPage) {
  SelectPage(Control("PageControl6"), Sheet(subPage));
  SelectPage(PageControl1, Sheet("TabSheet4"));
}

void TForm1::Label56Click() { OpenPage6On("TabSheet26"); }
void TForm1::Label55Click() { OpenPage6On("TabSheet19"); }
void TForm1::Label237Click() { OpenPage6On("TabSheet27"); }
void TForm1::Label57Click() { OpenPage6On("TabSheet21"); }
