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
  const auto [l, c1, c2] = kit::ReadIn({{ui->Edit26, ui->ComboBox3, kFixedCoilUnits},
                                        {ui->Edit27, ui->ComboBox5, kCapacitanceUnits},
                                        {ui->Edit28, ui->ComboBox5, kCapacitanceUnits}});
  const auto text = FrequencyRange(l, c1, c2);
  if (!text)
    return kit::RejectZeroInput(ui->Edit5);
  kit::Write(ui->Edit5, *text);
}

void RangePage::BitBtn5Click() {
  const auto [l, f1, f2] = kit::ReadIn({{ui->Edit26, ui->ComboBox3, kFixedCoilUnits},
                                        {ui->Edit29, ui->ComboBox6, kRangeFrequencyUnits},
                                        {ui->Edit30, ui->ComboBox6, kRangeFrequencyUnits}});
  const auto text = CapacitanceRange(l, f1, f2);
  if (!text)
    return kit::RejectZeroInput(ui->Edit6);
  kit::Write(ui->Edit6, *text);
}

// ---- Variable inductor --------------------------------------------------------

void RangePage::BitBtn6Click() {
  const auto [c, l1, l2] = kit::ReadIn({{ui->Edit35, ui->ComboBox4, kCapacitanceUnits},
                                        {ui->Edit36, ui->ComboBox7, kVariableInductorUnits},
                                        {ui->Edit37, ui->ComboBox7, kVariableInductorUnits}});
  const auto text = FrequencyRange(c, l1, l2);
  if (!text)
    return kit::RejectZeroInput(ui->Edit7);
  kit::Write(ui->Edit7, *text);
}

void RangePage::BitBtn7Click() {
  const auto [c, f1, f2] = kit::ReadIn({{ui->Edit35, ui->ComboBox4, kCapacitanceUnits},
                                        {ui->Edit38, ui->ComboBox8, kRangeFrequencyUnits},
                                        {ui->Edit39, ui->ComboBox8, kRangeFrequencyUnits}});
  const auto text = InductanceRange(c, f1, f2);
  if (!text)
    return kit::RejectZeroInput(ui->Edit8);
  kit::Write(ui->Edit8, *text);
}

} // namespace tuning
