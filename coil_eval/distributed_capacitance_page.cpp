#include "coil_eval/distributed_capacitance_page.h"

#include "coil_eval/distributed_capacitance.h"
#include "core/kit/kit.h"
#include "ui_distributed_capacitance_page.h"

namespace coil_eval {

DistributedCapacitancePage::DistributedCapacitancePage(QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::DistributedCapacitancePage>()) {
  ui->setupUi(this);
  kit::Numeric({ui->Edit83, ui->Edit84, ui->Edit85, ui->Edit86, ui->Edit87, ui->Edit88, ui->Edit89,
                ui->Edit90, ui->Edit91});
  kit::OnClick(ui->BitBtn19, [this] { BitBtn19Click(); });
  kit::OnClick(ui->BitBtn21, [this] { BitBtn21Click(); });
  kit::OnClick(ui->BitBtn20, [this] { BitBtn20Click(); });
}

DistributedCapacitancePage::~DistributedCapacitancePage() = default;

void DistributedCapacitancePage::BitBtn19Click() {
  const auto [fA, cA, fB, cB] = kit::ReadIn({{ui->Edit88, ui->ComboBox12, kKilohertzUnits},
                                             {ui->Edit89, ui->ComboBox13, kFaradUnits},
                                             {ui->Edit90, ui->ComboBox14, kKilohertzUnits},
                                             {ui->Edit91, ui->ComboBox15, kFaradUnits}});
  if (TwoResonancesRejected(fA, cA, fB, cB))
    return kit::RejectZeroInput(ui->Edit22);
  kit::Write(ui->Edit22, TwoResonancesText(fA, cA, fB, cB));
}

void DistributedCapacitancePage::BitBtn21Click() {
  // C stays in the unit its list names, which is also the result's.
  const auto [f0, c, f] = kit::ReadIn({{ui->Edit83, ui->ComboBox16, kKilohertzUnits},
                                       {ui->Edit84},
                                       {ui->Edit85, ui->ComboBox18, kKilohertzUnits}});
  if (SelfResonanceAndCapacitorRejected(f0, c, f))
    return kit::RejectZeroInput(ui->Edit23);
  kit::Write(ui->Edit23,
             SelfResonanceAndCapacitorText(f0, c, f, kit::Selected(ui->ComboBox17, kCapacitanceUnitTexts)));
}

void DistributedCapacitancePage::BitBtn20Click() {
  const auto [f0, l] =
      kit::ReadIn({{ui->Edit86, ui->ComboBox10, kHertzUnits}, {ui->Edit87, ui->ComboBox11, kHenryUnits}});
  if (SelfResonanceAndInductanceRejected(f0, l))
    return kit::RejectZeroInput(ui->Edit21);
  kit::Write(ui->Edit21, SelfResonanceAndInductanceText(f0, l));
}

} // namespace coil_eval
