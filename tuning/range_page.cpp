#include "tuning/range_page.h"

#include "core/kit/kit.h"
#include "tuning/capacitor_range.h"
#include "tuning/inductor_range.h"
#include "ui_range_page.h"

namespace tuning {

RangePage::RangePage(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::RangePage>()) {
  ui->setupUi(this);

  kit::Numeric({ui->Edit26, ui->Edit27, ui->Edit28, ui->Edit29, ui->Edit30, ui->Edit35, ui->Edit36,
                ui->Edit37, ui->Edit38, ui->Edit39});

  const auto bitBtn4 = [this] { BitBtn4Click(); };
  const auto bitBtn5 = [this] { BitBtn5Click(); };
  kit::OnClick(ui->BitBtn4, bitBtn4);
  kit::OnClick(ui->BitBtn5, bitBtn5);
  kit::EnterCalculatesTwice(ui->Edit26, bitBtn4, bitBtn5);
  kit::EnterCalculatesThenFocuses(ui->Edit27, bitBtn4, ui->Edit28);
  kit::EnterCalculatesThenFocuses(ui->Edit28, bitBtn4, ui->Edit27);
  kit::EnterCalculatesThenFocuses(ui->Edit29, bitBtn5, ui->Edit30);
  kit::EnterCalculatesThenFocuses(ui->Edit30, bitBtn5, ui->Edit29);

  const auto bitBtn6 = [this] { BitBtn6Click(); };
  const auto bitBtn7 = [this] { BitBtn7Click(); };
  kit::OnClick(ui->BitBtn6, bitBtn6);
  kit::OnClick(ui->BitBtn7, bitBtn7);
  kit::EnterCalculatesTwice(ui->Edit35, bitBtn6, bitBtn7);
  kit::EnterCalculatesThenFocuses(ui->Edit36, bitBtn6, ui->Edit37);
  kit::EnterCalculatesThenFocuses(ui->Edit37, bitBtn6, ui->Edit36);
  kit::EnterCalculatesThenFocuses(ui->Edit38, bitBtn7, ui->Edit39);
  kit::EnterCalculatesThenFocuses(ui->Edit39, bitBtn7, ui->Edit38);
}

RangePage::~RangePage() = default;

// ---- Variable capacitor -------------------------------------------------------

void RangePage::BitBtn4Click() {
  const Real lValue = kit::Read(ui->Edit26);
  const Real c1Value = kit::Read(ui->Edit27);
  const Real c2Value = kit::Read(ui->Edit28);
  const Real l = kit::Factor(ui->ComboBox3, kFixedCoilUnits).Apply(lValue);
  const Real c1 = kit::Factor(ui->ComboBox5, kCapacitanceUnits).Apply(c1Value);
  const Real c2 = kit::Factor(ui->ComboBox5, kCapacitanceUnits).Apply(c2Value);
  const auto text = FrequencyRange(l, c1, c2);
  if (!text) {
    kit::Blank(ui->Edit5);
    kit::ZeroInputError(this);
    return;
  }
  kit::Write(ui->Edit5, *text);
}

void RangePage::BitBtn5Click() {
  const Real lValue = kit::Read(ui->Edit26);
  const Real f1Value = kit::Read(ui->Edit29);
  const Real f2Value = kit::Read(ui->Edit30);
  const Real l = kit::Factor(ui->ComboBox3, kFixedCoilUnits).Apply(lValue);
  const Real f1 = kit::Factor(ui->ComboBox6, kRangeFrequencyUnits).Apply(f1Value);
  const Real f2 = kit::Factor(ui->ComboBox6, kRangeFrequencyUnits).Apply(f2Value);
  const auto text = CapacitanceRange(l, f1, f2);
  if (!text) {
    kit::Blank(ui->Edit6);
    kit::ZeroInputError(this);
    return;
  }
  kit::Write(ui->Edit6, *text);
}

// ---- Variable inductor --------------------------------------------------------

void RangePage::BitBtn6Click() {
  const Real cValue = kit::Read(ui->Edit35);
  const Real l1Value = kit::Read(ui->Edit36);
  const Real l2Value = kit::Read(ui->Edit37);
  const Real c = kit::Factor(ui->ComboBox4, kCapacitanceUnits).Apply(cValue);
  const Real l1 = kit::Factor(ui->ComboBox7, kVariableInductorUnits).Apply(l1Value);
  const Real l2 = kit::Factor(ui->ComboBox7, kVariableInductorUnits).Apply(l2Value);
  const auto text = FrequencyRange(c, l1, l2);
  if (!text) {
    kit::Blank(ui->Edit7);
    kit::ZeroInputError(this);
    return;
  }
  kit::Write(ui->Edit7, *text);
}

void RangePage::BitBtn7Click() {
  const Real cValue = kit::Read(ui->Edit35);
  const Real f1Value = kit::Read(ui->Edit38);
  const Real f2Value = kit::Read(ui->Edit39);
  const Real c = kit::Factor(ui->ComboBox4, kCapacitanceUnits).Apply(cValue);
  const Real f1 = kit::Factor(ui->ComboBox8, kRangeFrequencyUnits).Apply(f1Value);
  const Real f2 = kit::Factor(ui->ComboBox8, kRangeFrequencyUnits).Apply(f2Value);
  const auto text = InductanceRange(c, f1, f2);
  if (!text) {
    kit::Blank(ui->Edit8);
    kit::ZeroInputError(this);
    return;
  }
  kit::Write(ui->Edit8, *text);
}

} // namespace tuning
