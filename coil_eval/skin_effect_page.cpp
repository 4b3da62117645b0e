#include "coil_eval/skin_effect_page.h"

#include "coil_eval/skin_effect.h"
#include "core/kit/kit.h"
#include "ui_skin_effect_page.h"

namespace coil_eval {

SkinEffectPage::SkinEffectPage(QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::SkinEffectPage>()) {
  ui->setupUi(this);
  kit::Numeric({ui->Edit125, ui->Edit126, ui->Edit147, ui->Edit148, ui->Edit149, ui->Edit150});
  kit::OnClick(ui->BitBtn42, [this] { BitBtn42Click(); });
  kit::OnClick(ui->BitBtn43, [this] { BitBtn43Click(); });
}

SkinEffectPage::~SkinEffectPage() = default;

void SkinEffectPage::BitBtn42Click() {
  const auto [f, l, r] = kit::ReadIn({{ui->Edit125, ui->ComboBox25, kSkinFrequencyUnits},
                                      {ui->Edit126, ui->ComboBox26, kSkinInductanceUnits},
                                      {ui->Edit147}});
  kit::Write(ui->Edit146, QualityText({.frequency = f, .inductance = l, .resistance = r}));
}

void SkinEffectPage::BitBtn43Click() {
  const auto [f, l, d, length, rho] = kit::ReadIn({{ui->Edit125, ui->ComboBox25, kSkinFrequencyUnits},
                                                   {ui->Edit126, ui->ComboBox26, kSkinInductanceUnits},
                                                   {ui->Edit148},
                                                   {ui->Edit149},
                                                   {ui->Edit150}});
  const SkinInputs in{.frequency = f, .inductance = l, .diameter = d, .length = length, .resistivity = rho};
  ResistanceLines(in, [this](int line, const std::string& text) { kit::WriteLine(ui->Memo1, line, text); });
}

} // namespace coil_eval
