#include "coil_design/toroid_page.h"

#include "coil_design/coil_frame.h"
#include "coil_design/picture.h"
#include "core/kit/kit.h"
#include "ui_toroid_page.h"

namespace coil_design {

namespace {

// The copper weight in grams keeps two decimals on this page.
constexpr int kWeightDecimals = 2;

} // namespace

ToroidPage::ToroidPage(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::ToroidPage>()) {
  ui->setupUi(this);
  frame_ = std::make_unique<CoilFrame>(CoilFrameWidgets{.turnsField = ui->Edit69,
                                                        .inductanceButton = ui->BitBtn9,
                                                        .inductanceResult = ui->Edit15,
                                                        .inductanceMarker = ui->Label127,
                                                        .targetField = ui->Edit70,
                                                        .turnsButton = ui->BitBtn17,
                                                        .turnsResult = ui->Edit16,
                                                        .turnsMarker = ui->Label128,
                                                        .lengthLine = ui->Label83,
                                                        .diameterField = ui->Edit71,
                                                        .weightLine = ui->Label96},
                                       kWeightDecimals);
  frame_->Connect([this] { BitBtn9Click(); }, [this] { BitBtn17Click(); });
  frame_->SetDiameterChange([this] { Edit71Change(); });
  ShowPicture(ui->Image4, QStringLiteral(":/coil_design/toroid.svg"));
  kit::Numeric({ui->Edit64, ui->Edit65, ui->Edit66, ui->Edit67});
  kit::OnPick(ui->ComboBox_S2, [this] { ComboBox_S2Change(); });
  kit::OnPick(ui->ComboBox_S6, [this] { ComboBox_S6Change(); });
  kit::OnPick(ui->ComboBox_S43, [this] { ComboBox_S43Change(); });
  kit::OnPick(ui->ComboBox_S61, [this] { ComboBox_S61Change(); });
}

ToroidPage::~ToroidPage() = default;

std::array<ToroidPage::CoreTab, 4> ToroidPage::CoreTabs() const {
  return {{{ui->s2, ui->ComboBox_S2, ui->Label149, ui->Label150, ToroidMaterial::Iron2},
           {ui->s6, ui->ComboBox_S6, ui->Label165, ui->Label166, ToroidMaterial::Iron6},
           {ui->s43, ui->ComboBox_S43, ui->Label168, ui->Label169, ToroidMaterial::Ferrite43},
           {ui->s61, ui->ComboBox_S61, ui->Label171, ui->Label172, ToroidMaterial::Ferrite61}}};
}

const ToroidCoreRow& ToroidPage::Size(const CoreTab& tab) {
  const auto rows = ToroidCoreTable(tab.material);
  return rows[static_cast<std::size_t>(kit::SelectedIndex(tab.sizes, rows.size()))];
}

void ToroidPage::ShowSize(const CoreTab& tab) {
  kit::Write(tab.al, ToroidAlText(Size(tab)));
  kit::Write(tab.dimensions, ToroidDimensionText(Size(tab)));
}

void ToroidPage::ComboBox_S2Change() { ShowSize(CoreTabs()[0]); }
void ToroidPage::ComboBox_S6Change() { ShowSize(CoreTabs()[1]); }
void ToroidPage::ComboBox_S43Change() { ShowSize(CoreTabs()[2]); }
void ToroidPage::ComboBox_S61Change() { ShowSize(CoreTabs()[3]); }

ToroidCore ToroidPage::Core() const {
  for (const CoreTab& tab : CoreTabs()) {
    if (ui->PageControl2->currentWidget() == tab.page)
      return CatalogueToroidCore(Size(tab));
  }
  // "一般": a core of any size; only here are the core's fields read.
  return GeneralToroidCore(kit::Read(ui->Edit64), kit::Read(ui->Edit65), kit::Read(ui->Edit66),
                           kit::Read(ui->Edit67));
}

void ToroidPage::WriteWire(const ToroidCore& core, Real turns) {
  frame_->WriteWireLength(ToroidWireLength(core, turns));
  kit::Write(ui->Label46, MaxTurnsEstimate(core.b, kit::Read(ui->Edit71)));
}

void ToroidPage::BitBtn9Click() {
  const ToroidCore core = Core();
  const Real turns = kit::Read(ui->Edit69);
  if (!frame_->Start(
          CoilFrame::Inductance, [&] { return ToroidInductanceRejected(core, turns); }, kCoreRejected))
    return;
  frame_->WriteResult(CoilFrame::Inductance, ToroidInductanceText(ToroidInductance(core, turns)));
  WriteWire(core, turns);
}

void ToroidPage::BitBtn17Click() {
  const ToroidCore core = Core();
  const Real target = kit::Read(ui->Edit70);
  if (!frame_->Start(
          CoilFrame::Turns, [&] { return ToroidTurnsRejected(core, target); }, kCoreRejected))
    return;
  const Real turns = ToroidTurns(core, target);
  frame_->WriteResult(CoilFrame::Turns, TurnsText(turns));
  WriteWire(core, turns);
}

void ToroidPage::Edit71Change() {
  // An empty text or 0 starts nothing.
  if (!(kit::Read(ui->Edit71) > 0))
    return;
  if (frame_->Shows(CoilFrame::Inductance))
    BitBtn9Click();
  else
    BitBtn17Click();
}

} // namespace coil_design
