#include "tuning/resonance_page.h"

#include <QFont>
#include <array>

#include "core/kit/kit.h"
#include "tuning/characteristics.h"
#include "tuning/resonance.h"
#include "ui_resonance_page.h"

namespace tuning {

namespace {

// Caption of Label224 for each item of RadioGroup7.
constexpr std::array<const char*, 3> kSolvedCaptions = {"共振周波数", "インダクタンス", "キャパシタンス"};

} // namespace

ResonancePage::ResonancePage(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::ResonancePage>()) {
  ui->setupUi(this);

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

QLineEdit* ResonancePage::SolverField(int item) const {
  const std::array<QLineEdit*, 3> fields = {ui->Edit108, ui->Edit109, ui->Edit110};
  return item >= 0 && item < 3 ? fields[static_cast<std::size_t>(item)] : nullptr;
}

QComboBox* ResonancePage::SolverUnits(int item) const {
  const std::array<QComboBox*, 3> lists = {ui->ComboBox22, ui->ComboBox33, ui->ComboBox34};
  return item >= 0 && item < 3 ? lists[static_cast<std::size_t>(item)] : nullptr;
}

// ---- The solver ----------------------------------------------------------------

void ResonancePage::RadioGroup7Click() {
  for (int item = 0; item < 3; ++item) {
    SolverField(item)->setEnabled(true);
    kit::Paint(SolverField(item), kit::Colour::Window);
  }
  kit::Blank(ui->Edit111);
  const int item = kit::RadioIndex(ui->RadioGroup7);
  if (QLineEdit* field = SolverField(item)) {
    kit::Paint(field, kit::Colour::ButtonFace);
    field->setEnabled(false);
    kit::Write(ui->Label224, kSolvedCaptions[static_cast<std::size_t>(item)]);
  }
}

void ResonancePage::BitBtn30Click() {
  const Real fValue = kit::Read(ui->Edit108);
  const Real lValue = kit::Read(ui->Edit109);
  const Real cValue = kit::Read(ui->Edit110);
  const Real f = kit::Factor(ui->ComboBox22, kFrequencyUnits).Apply(fValue);
  const Real l = kit::Factor(ui->ComboBox33, kSolverInductanceUnits).Apply(lValue);
  const Real c = kit::Factor(ui->ComboBox34, kCapacitanceUnits).Apply(cValue);

  const int item = kit::RadioIndex(ui->RadioGroup7);
  QLineEdit* field = SolverField(item);
  if (!field)
    return;
  const auto solved = SolveResonance(static_cast<Solved>(item), f, l, c);
  if (!solved) {
    kit::Blank(ui->Edit111);
    return;
  }
  kit::Write(field, solved->value);
  SolverUnits(item)->setCurrentIndex(solved->unitIndex);
  kit::Write(ui->Edit111, field->text().toStdString() + solved->unit);
}

void ResonancePage::ComboBox22Change() { BitBtn30Click(); }

void ResonancePage::Label78DblClick() { ui->GroupBox34->setVisible(true); }

// ---- The characteristics group ---------------------------------------------------

void ResonancePage::BitBtn38Click() {
  const Real lValue = kit::Read(ui->Edit109);
  const Real cValue = kit::Read(ui->Edit110);
  const Real fValue = kit::Read(ui->Edit132);
  const Real f = kit::Factor(ui->ComboBox32, kFrequencyUnits).Apply(fValue);
  const Real l = kit::Factor(ui->ComboBox33, kSolverInductanceUnits).Apply(lValue);
  const Real c = kit::Factor(ui->ComboBox34, kCapacitanceUnits).Apply(cValue);

  kit::Write(ui->Label294, SeriesImpedanceCaption(f, l, c));
  kit::Write(ui->Label295, ParallelImpedanceCaption(f, l, c));
  kit::Write(ui->Label220, CharacteristicImpedanceCaption(l, c));
  kit::Write(ui->Label221, CoilReactanceCaption(f, l));
  kit::Write(ui->Label222, CapacitorReactanceCaption(f, c));
}

} // namespace tuning
