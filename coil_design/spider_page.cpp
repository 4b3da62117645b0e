#include "coil_design/spider_page.h"

#include "coil_design/coil_frame.h"
#include "coil_design/picture.h"
#include "core/kit/kit.h"
#include "ui_spider_page.h"

namespace coil_design {

namespace {

// The copper weight in grams keeps two decimals on this page.
constexpr int kWeightDecimals = 2;

} // namespace

SpiderPage::SpiderPage(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::SpiderPage>()) {
  ui->setupUi(this);
  frame_ = std::make_unique<CoilFrame>(CoilFrameWidgets{.turnsField = ui->Edit155,
                                                        .inductanceButton = ui->BitBtn44,
                                                        .inductanceResult = ui->Edit154,
                                                        .inductanceMarker = ui->Label364,
                                                        .targetField = ui->Edit157,
                                                        .turnsButton = ui->BitBtn45,
                                                        .turnsResult = ui->Edit156,
                                                        .turnsMarker = ui->Label365,
                                                        .lengthLine = ui->Label361,
                                                        .diameterLine = ui->Label362,
                                                        .weightLine = ui->Label363},
                                       kWeightDecimals);
  frame_->Connect([this] { BitBtn44Click(); }, [this] { BitBtn45Click(); });
  ShowPicture(ui->Image16, QStringLiteral(":/coil_design/spider.svg"));
  kit::Numeric({ui->Edit124, ui->Edit151, ui->Edit152, ui->Edit153});
  for (QLineEdit* field : {ui->Edit124, ui->Edit151, ui->Edit152, ui->Edit153})
    kit::EnterIgnored(field);
}

SpiderPage::~SpiderPage() = default;

SpiderInputs SpiderPage::Dimensions() const {
  SpiderInputs in;
  in.inner = kit::Read(ui->Edit124);
  in.outer = kit::Read(ui->Edit151);
  in.wire = kit::Read(ui->Edit152);
  in.permeability = kit::Read(ui->Edit153);
  in.byOuter = ui->RadioButton7->isChecked();
  return in;
}

void SpiderPage::BitBtn44Click() {
  const SpiderInputs in = Dimensions();
  const Real turns = kit::Read(ui->Edit155);
  if (!frame_->Start(
          CoilFrame::Inductance, [&] { return SpiderInductanceRejected(in, turns); }, kRadiiRejected))
    return;
  frame_->WriteResult(CoilFrame::Inductance, SpiderInductanceText(SpiderInductance(in, turns)));
  frame_->WriteWire(SpiderWire(in, turns, SpiderCalc::Inductance));
}

void SpiderPage::BitBtn45Click() {
  const SpiderInputs in = Dimensions();
  const Real target = kit::Read(ui->Edit157);
  // With Φ given, μs = 0 is refused here too: no count of turns would reach
  // the target.
  if (!frame_->Start(
          CoilFrame::Turns, [&] { return SpiderTurnsRejected(in, target); }, kRadiiRejected))
    return;
  const SpiderTurns result = SpiderTurnsOf(in, target);
  if (!result.inRange) {
    frame_->Abandon(CoilFrame::Turns, kTurnsOutOfRange);
    return;
  }
  frame_->WriteResult(CoilFrame::Turns, SpiderTurnsText(result.turns));
  frame_->WriteWire(SpiderWire(in, result.turns, SpiderCalc::Turns));
}

} // namespace coil_design
