#include "coil_design/loop_page.h"

#include "coil_design/coil_frame.h"
#include "coil_design/picture.h"
#include "core/kit/kit.h"
#include "ui_loop_page.h"

namespace coil_design {

namespace {

// The copper weight in grams keeps two decimals on this page.
constexpr int kWeightDecimals = 2;

} // namespace

LoopPage::LoopPage(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::LoopPage>()) {
  ui->setupUi(this);
  frame_ = std::make_unique<CoilFrame>(CoilFrameWidgets{.turnsField = ui->Edit55,
                                                        .inductanceButton = ui->BitBtn11,
                                                        .inductanceResult = ui->Edit17,
                                                        .inductanceMarker = ui->Label129,
                                                        .targetField = ui->Edit56,
                                                        .turnsButton = ui->BitBtn18,
                                                        .turnsResult = ui->Edit20,
                                                        .turnsMarker = ui->Label130,
                                                        .lengthLine = ui->Label131,
                                                        .diameterField = ui->Edit57,
                                                        .weightLine = ui->Label144,
                                                        .hiddenLength = ui->Label145},
                                       kWeightDecimals);
  frame_->Connect([this] { BitBtn11Click(); }, [this] { BitBtn18Click(); });
  frame_->SetDiameterChange([this] { Edit57Change(); });
  ShowPicture(ui->Image7, QStringLiteral(":/coil_design/loop.svg"));
  kit::Numeric({ui->Edit52, ui->Edit53, ui->Edit54});
}

LoopPage::~LoopPage() = default;

LoopInputs LoopPage::Dimensions() const {
  LoopInputs in;
  in.side = kit::Read(ui->Edit52);
  in.section = kit::Read(ui->Edit53);
  in.permeability = kit::Read(ui->Edit54);
  return in;
}

void LoopPage::BitBtn11Click() {
  const LoopInputs in = Dimensions();
  const Real turns = kit::Read(ui->Edit55);
  if (!frame_->Start(CoilFrame::Inductance, [&] { return LoopInductanceRejected(in, turns); }))
    return;
  frame_->WriteResult(CoilFrame::Inductance, InductanceText(LoopInductance(in, turns)));
  frame_->WriteWireLength(LoopWireLength(in, turns));
}

void LoopPage::BitBtn18Click() {
  const LoopInputs in = Dimensions();
  const Real target = kit::Read(ui->Edit56);
  if (!frame_->Start(CoilFrame::Turns, [&] { return LoopTurnsRejected(in, target); }))
    return;
  const Real turns = LoopTurns(in, target);
  frame_->WriteResult(CoilFrame::Turns, TurnsText(turns));
  frame_->WriteWireLength(LoopWireLength(in, turns));
}

void LoopPage::Edit57Change() { frame_->Reweigh(); }

} // namespace coil_design
