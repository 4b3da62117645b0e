#include "antenna/options_panel.h"

#include "antenna/wave_options.h"
#include "core/kit/kit.h"
#include "ui_options_panel.h"

namespace antenna {

OptionsPanel::OptionsPanel(QWidget* parent) : QFrame(parent), ui(std::make_unique<Ui::OptionsPanel>()) {
  ui->setupUi(this);
  kit::NumericCombo(ui->ComboBox9);
}

OptionsPanel::~OptionsPanel() = default;

quelm::Real OptionsPanel::WaveSpeed() const { return antenna::WaveSpeed(ApproximateSpeed()); }

bool OptionsPanel::ApproximateSpeed() const { return ui->CheckBox1->isChecked(); }

void OptionsPanel::NormaliseShortening() {
  if (antenna::NormaliseShortening(ShorteningText(), ShorteningEnabled()).uncheck)
    ui->CheckBox2->setChecked(false);
}

std::optional<quelm::Real> OptionsPanel::ShorteningFactor() const {
  return antenna::NormaliseShortening(ShorteningText(), ShorteningEnabled()).factor;
}

std::string OptionsPanel::ShorteningText() const { return ui->ComboBox9->currentText().toStdString(); }

bool OptionsPanel::ShorteningEnabled() const { return ui->CheckBox2->isChecked(); }

} // namespace antenna
