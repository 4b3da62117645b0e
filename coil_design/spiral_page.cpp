#include "coil_design/spiral_page.h"

#include "coil_design/coil_frame.h"
#include "coil_design/picture.h"
#include "core/kit/kit.h"
#include "ui_spiral_page.h"

namespace coil_design {

namespace {

// The copper weight in grams keeps two decimals on this page.
constexpr int kWeightDecimals = 2;

} // namespace

SpiralPage::SpiralPage(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::SpiralPage>()) {
  ui->setupUi(this);
  frame_ = std::make_unique<CoilFrame>(CoilFrameWidgets{.turnsField = ui->Edit61,
                                                        .inductanceButton = ui->BitBtn10,
                                                        .inductanceResult = ui->Edit13,
                                                        .inductanceMarker = ui->Label77,
                                                        .targetField = ui->Edit62,
                                                        .turnsButton = ui->BitBtn16,
                                                        .turnsResult = ui->Edit14,
                                                        .turnsMarker = ui->Label111,
                                                        .lengthLine = ui->Label115,
                                                        .diameterField = ui->Edit63,
                                                        .weightLine = ui->Label118,
                                                        .hiddenLength = ui->Label119},
                                       kWeightDecimals);
  frame_->Connect([this] { BitBtn10Click(); }, [this] { BitBtn16Click(); });
  frame_->SetDiameterChange([this] { Edit63Change(); });
  ShowPicture(ui->Image5, QStringLiteral(":/coil_design/spiral_square.svg"));
  ShowPicture(ui->Image6, QStringLiteral(":/coil_design/spiral_circle.svg"));
  kit::OnClick(ui->RadioButton1, [this] { RadioButton1Click(); });
  kit::OnClick(ui->RadioButton2, [this] { RadioButton2Click(); });
  kit::Numeric({ui->Edit58, ui->Edit59, ui->Edit60});
}

SpiralPage::~SpiralPage() = default;

SpiralInputs SpiralPage::Dimensions() const {
  SpiralInputs in;
  in.square = ui->RadioButton1->isChecked();
  in.outer = kit::Read(ui->Edit58);
  in.inner = kit::Read(ui->Edit59);
  in.permeability = kit::Read(ui->Edit60);
  return in;
}

void SpiralPage::BitBtn10Click() {
  const SpiralInputs in = Dimensions();
  const Real turns = kit::Read(ui->Edit61);
  if (!frame_->Start(
          CoilFrame::Inductance, [&] { return SpiralInductanceRejected(in, turns); }, kRadiiRejected))
    return;
  frame_->WriteResult(CoilFrame::Inductance, InductanceText(SpiralInductance(in, turns)));
  frame_->WriteWireLength(SpiralWireLength(in, turns));
}

void SpiralPage::BitBtn16Click() {
  const SpiralInputs in = Dimensions();
  const Real target = kit::Read(ui->Edit62);
  if (!frame_->Start(
          CoilFrame::Turns, [&] { return SpiralTurnsRejected(in, target); }, kRadiiRejected))
    return;
  const Real turns = SpiralTurns(in, target);
  frame_->WriteResult(CoilFrame::Turns, TurnsText(turns));
  frame_->WriteWireLength(SpiralWireLength(in, turns));
}

void SpiralPage::RadioButton1Click() { ui->Image6->hide(); }

void SpiralPage::RadioButton2Click() { ui->Image6->show(); }

void SpiralPage::Edit63Change() { frame_->Reweigh(); }

} // namespace coil_design
