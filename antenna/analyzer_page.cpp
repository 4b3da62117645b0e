#include "antenna/analyzer_page.h"

#include "antenna/antenna_analyzer.h"
#include "core/kit/kit.h"
#include "core/kit/links.h"
#include "ui_analyzer_page.h"

// The picture and the button glyph live in this static library; register
// them before use.
static void InitAntennaResources() { Q_INIT_RESOURCE(antenna); }

namespace antenna {

AnalyzerPage::AnalyzerPage(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::AnalyzerPage>()) {
  InitAntennaResources();
  ui->setupUi(this);
  ui->Image14->load(QStringLiteral(":/antenna/analyzer_bridge.svg"));
  kit::ShowAsLink(ui->Label309, QString::fromUtf8(links::kAnalyzerReport));
  kit::OnLabelClick(ui->Label309, [this] { Label309Click(); });

  kit::Numeric({ui->Edit136, ui->Edit137, ui->Edit138, ui->Edit139, ui->Edit140});
  const auto bitBtn40 = [this] { BitBtn40Click(); };
  for (QLineEdit* field : {ui->Edit136, ui->Edit139, ui->Edit140})
    kit::EnterCalculatesRefocusedB(field, ui->BitBtn40, bitBtn40);
  kit::EnterCalculatesThenFocuses(ui->Edit137, bitBtn40, ui->Edit138);
  kit::EnterCalculatesThenFocuses(ui->Edit138, bitBtn40, ui->Edit137);
  kit::OnClick(ui->BitBtn40, bitBtn40);
}

AnalyzerPage::~AnalyzerPage() = default;

void AnalyzerPage::BitBtn40Click() {
  const BridgeReadings in{kit::Read(ui->Edit136), kit::Read(ui->Edit137), kit::Read(ui->Edit138),
                          kit::Read(ui->Edit139), kit::Read(ui->Edit140)};
  const AnalyzerTexts texts = AnalyzeBridge(in);
  kit::Write(ui->Edit141, texts.cx);
  kit::Write(ui->Edit142, texts.rx);
  kit::Write(ui->Edit143, texts.zx);
  kit::Write(ui->Edit144, texts.addedInductance);
}

void AnalyzerPage::Label309Click() {
  kit::OpenLink(QString::fromUtf8(links::kAnalyzerReport) + QString::fromUtf8(links::kAnalyzerQuery));
}

} // namespace antenna
