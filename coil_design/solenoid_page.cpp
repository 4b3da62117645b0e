#include "coil_design/solenoid_page.h"

#include "coil_design/coil_frame.h"
#include "coil_design/picture.h"
#include "core/kit/kit.h"
#include "ui_solenoid_page.h"

namespace coil_design {

namespace {

// The copper weight in grams keeps one decimal on this page.
constexpr int kWeightDecimals = 1;

} // namespace

SolenoidPage::SolenoidPage(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::SolenoidPage>()) {
  ui->setupUi(this);
  frame_ = std::make_unique<CoilFrame>(CoilFrameWidgets{.turnsField = ui->Edit44,
                                                        .inductanceButton = ui->BitBtn3,
                                                        .inductanceResult = ui->Edit3,
                                                        .inductanceMarker = ui->Label12,
                                                        .targetField = ui->Edit45,
                                                        .turnsButton = ui->BitBtn14,
                                                        .turnsResult = ui->Edit4,
                                                        .turnsMarker = ui->Label13,
                                                        .lengthLine = ui->Label19,
                                                        .diameterLine = ui->Label38,
                                                        .weightLine = ui->Label39},
                                       kWeightDecimals);
  frame_->Connect([this] { BitBtn3Click(); }, [this] { BitBtn14Click(); });
  ShowPicture(ui->Image1, QStringLiteral(":/coil_design/solenoid.svg"));

  kit::Numeric({ui->Edit40, ui->Edit41, ui->Edit42, ui->Edit43});
  // A dimension confirmed with Enter repeats both calculations, the one
  // whose results the wire group shows last.
  for (QLineEdit* field : {ui->Edit40, ui->Edit41, ui->Edit42, ui->Edit43})
    kit::EnterCalculatesByMode(
        field, ui->Label13, ui->Label12, [this] { BitBtn3Click(); }, [this] { BitBtn14Click(); });
}

SolenoidPage::~SolenoidPage() = default;

SolenoidInputs SolenoidPage::Dimensions() const {
  SolenoidInputs in;
  in.diameter = kit::Read(ui->Edit40);
  in.length = kit::Read(ui->Edit41);
  in.wire = kit::Read(ui->Edit42);
  in.permeability = kit::Read(ui->Edit43);
  in.byLength = ui->RadioButton3->isChecked();
  return in;
}

void SolenoidPage::BitBtn3Click() {
  const SolenoidInputs in = Dimensions();
  const Real turns = kit::Read(ui->Edit44);
  if (!frame_->Start(CoilFrame::Inductance, [&] { return SolenoidInductanceRejected(in, turns); }))
    return;
  const SolenoidInductance result = SolenoidInductanceOf(in, turns);
  frame_->WriteResult(CoilFrame::Inductance, InductanceText(result.henries));
  frame_->WriteWire(SolenoidWire(in, turns, SolenoidCalc::Inductance));
  kit::Write(ui->Label211, NagaokaText(result.coefficient));
}

void SolenoidPage::BitBtn14Click() {
  const SolenoidInputs in = Dimensions();
  const Real target = kit::Read(ui->Edit45);
  if (!frame_->Start(CoilFrame::Turns, [&] { return SolenoidTurnsRejected(in, target); }))
    return;
  const SolenoidTurns result = SolenoidTurnsOf(in, target);
  if (!result.inRange) {
    frame_->Abandon(CoilFrame::Turns, kTurnsOutOfRange);
    return;
  }
  frame_->WriteResult(CoilFrame::Turns, TurnsText(result.turns));
  frame_->WriteWire(SolenoidWire(in, result.turns, SolenoidCalc::Turns));
  kit::Write(ui->Label211, NagaokaText(result.coefficient));
}

} // namespace coil_design
