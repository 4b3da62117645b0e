#include "tuning/resonance_page.h"

#include <QFont>
#include <array>

#include "core/kit/kit.h"
#include "tuning/characteristics.h"
#include "tuning/resonance.h"
#include "ui_resonance_page.h"

namespace tuning {

ResonancePage::ResonancePage(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::ResonancePage>()) {
  ui->setupUi(this);
  solver_ = std::make_unique<kit::SolvedQuantity>(
      ui->RadioGroup7,
      std::vector<kit::SolvedQuantity::Item>{
          {ui->Edit108, "共振周波数"}, {ui->Edit109, "インダクタンス"}, {ui->Edit110, "キャパシタンス"}},
      ui->Label224, ui->Edit111, kit::SolvedQuantity::SolvedField::Disabled);

  kit::Numeric({ui->Edit108, ui->Edit109, ui->Edit110, ui->Edit132});
  kit::Paint(ui->Edit110, kit::Colour::ButtonFace);
  kit::OnRadioPick(ui->RadioGroup7, [this] { RadioGroup7Click(); });
  kit::OnClick(ui->BitBtn30, [this] { BitBtn30Click(); });
  for (QComboBox* list : {ui->ComboBox22, ui->ComboBox33, ui->ComboBox34})
    kit::OnPick(list, [this] { ComboBox22Change(); });
  for (QLineEdit* field : {ui->Edit108, ui->Edit109, ui->Edit110})
    kit::EnterCalculates(field, [this] { BitBtn30Click(); });

  // "expand" keeps its small face whatever the page's font.
  QFont small;
  small.setPixelSize(12);
  ui->Label78->setFont(small);
  kit::OnDoubleClick(ui->Label78, [this] { Label78DblClick(); });

  kit::OnClick(ui->BitBtn38, [this] { BitBtn38Click(); });
  kit::EnterCalculates(ui->Edit132, [this] { BitBtn38Click(); });
}

ResonancePage::~ResonancePage() = default;

QComboBox* ResonancePage::SolverUnits(int item) const {
  const std::array<QComboBox*, 3> lists = {ui->ComboBox22, ui->ComboBox33, ui->ComboBox34};
  return item >= 0 && item < 3 ? lists[static_cast<std::size_t>(item)] : nullptr;
}

// ---- The solver ----------------------------------------------------------------

void ResonancePage::RadioGroup7Click() { solver_->ShowPick(); }

void ResonancePage::BitBtn30Click() {
  // Every field is read, the solved one too (its text is then ignored).
  const auto [f, l, c] = kit::ReadIn({{ui->Edit108, ui->ComboBox22, kFrequencyUnits},
                                      {ui->Edit109, ui->ComboBox33, kSolverInductanceUnits},
                                      {ui->Edit110, ui->ComboBox34, kCapacitanceUnits}});

  const int item = solver_->Index();
  if (item < 0)
    return;
  const auto solved = SolveResonance(static_cast<Solved>(item), f, l, c);
  if (!solved)
    return solver_->BlankResult();
  solver_->Deliver(solved->value, solved->unit);
  SolverUnits(item)->setCurrentIndex(solved->unitIndex);
}

void ResonancePage::ComboBox22Change() { BitBtn30Click(); }

void ResonancePage::Label78DblClick() { ui->GroupBox34->setVisible(true); }

// ---- The characteristics group ---------------------------------------------------

void ResonancePage::BitBtn38Click() {
  const auto [l, c, f] = kit::ReadIn({{ui->Edit109, ui->ComboBox33, kSolverInductanceUnits},
                                      {ui->Edit110, ui->ComboBox34, kCapacitanceUnits},
                                      {ui->Edit132, ui->ComboBox32, kFrequencyUnits}});

  kit::Write(ui->Label294, SeriesImpedanceCaption(f, l, c));
  kit::Write(ui->Label295, ParallelImpedanceCaption(f, l, c));
  kit::Write(ui->Label220, CharacteristicImpedanceCaption(l, c));
  kit::Write(ui->Label221, CoilReactanceCaption(f, l));
  kit::Write(ui->Label222, CapacitorReactanceCaption(f, c));
}

} // namespace tuning
