#include "coil_design/square_page.h"

#include "coil_design/coil_frame.h"
#include "coil_design/picture.h"
#include "core/kit/kit.h"
#include "ui_square_page.h"

namespace coil_design {

namespace {

// The copper weight in grams keeps one decimal on this page.
constexpr int kWeightDecimals = 1;

} // namespace

SquarePage::SquarePage(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::SquarePage>()) {
  ui->setupUi(this);
  frame_ = std::make_unique<CoilFrame>(CoilFrameWidgets{.turnsField = ui->Edit50,
                                                        .inductanceButton = ui->BitBtn8,
                                                        .inductanceResult = ui->Edit11,
                                                        .inductanceMarker = ui->Label17,
                                                        .targetField = ui->Edit51,
                                                        .turnsButton = ui->BitBtn15,
                                                        .turnsResult = ui->Edit12,
                                                        .turnsMarker = ui->Label64,
                                                        .lengthLine = ui->Label65,
                                                        .diameterLine = ui->Label71,
                                                        .weightLine = ui->Label72},
                                       kWeightDecimals);
  frame_->Connect([this] { BitBtn8Click(); }, [this] { BitBtn15Click(); });
  ShowPicture(ui->Image3, QStringLiteral(":/coil_design/square.svg"));
  kit::Numeric({ui->Edit46, ui->Edit133, ui->Edit47, ui->Edit48, ui->Edit49});
}

SquarePage::~SquarePage() = default;

SquareInputs SquarePage::Dimensions() const {
  SquareInputs in;
  in.sideA = kit::Read(ui->Edit46);
  in.sideB = kit::Read(ui->Edit133);
  in.length = kit::Read(ui->Edit47);
  in.wire = kit::Read(ui->Edit48);
  in.permeability = kit::Read(ui->Edit49);
  in.byLength = ui->RadioButton5->isChecked();
  return in;
}

void SquarePage::BitBtn8Click() {
  const SquareInputs in = Dimensions();
  const Real turns = kit::Read(ui->Edit50);
  if (!frame_->Start(CoilFrame::Inductance, [&] { return SquareInductanceRejected(in, turns); }))
    return;
  frame_->WriteResult(CoilFrame::Inductance, InductanceText(SquareInductance(in, turns)));
  frame_->WriteWire(SquareWire(in, turns));
}

void SquarePage::BitBtn15Click() {
  const SquareInputs in = Dimensions();
  const Real target = kit::Read(ui->Edit51);
  if (!frame_->Start(CoilFrame::Turns, [&] { return SquareTurnsRejected(in, target); }))
    return;
  const SquareTurns result = SquareTurnsOf(in, target);
  if (!result.inRange) {
    frame_->Abandon(CoilFrame::Turns, kTurnsOutOfRange);
    return;
  }
  frame_->WriteResult(CoilFrame::Turns, TurnsText(result.turns));
  frame_->WriteWire(SquareWire(in, result.turns));
}

} // namespace coil_design
