#include "coil_design/loop_page.h"

#include "coil_design/coil_frame.h"
#include "core/kit/kit.h"
#include "ui_loop_page.h"

namespace coil_design {

namespace {

const FrameSpec kFrame{
    "Edit55",
    "13",
    "BitBtn11",
    "Edit17",
    "Label129", // inductance from turns
    "Edit56",
    "360",
    "BitBtn18",
    "Edit20",
    "Label130", // turns from inductance
    FrameSpec::EnteredDiameter,
    "Label131",
    "Edit57",
    "Label144",
    "Label145",
    2,
};

} // namespace

LoopPage::LoopPage(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::LoopPage>()) {
  ui->setupUi(this);
  frame_ = ui->coilFrame;
  frame_->Setup(kFrame);
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
  const Real turns = kit::Read(frame_->TurnsField());
  if (!frame_->Start(CoilFrame::Inductance, [&] { return LoopInductanceRejected(in, turns); }))
    return;
  frame_->WriteResult(CoilFrame::Inductance, InductanceText(LoopInductance(in, turns)));
  frame_->WriteWireLength(LoopWireLength(in, turns));
}

void LoopPage::BitBtn18Click() {
  const LoopInputs in = Dimensions();
  const Real target = kit::Read(frame_->TargetField());
  if (!frame_->Start(CoilFrame::Turns, [&] { return LoopTurnsRejected(in, target); }))
    return;
  const Real turns = LoopTurns(in, target);
  frame_->WriteResult(CoilFrame::Turns, TurnsText(turns));
  frame_->WriteWireLength(LoopWireLength(in, turns));
}

void LoopPage::Edit57Change() { frame_->Reweigh(); }

} // namespace coil_design
