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

quelm::Real OptionsPanel::WaveSpeed() const { return antenna::WaveSpeed(ui->CheckBox1->isChecked()); }

void OptionsPanel::NormaliseShortening() {
  if (antenna::NormaliseShortening(ui->ComboBox9->currentText().toStdString(), ui->CheckBox2->isChecked())
          .uncheck)
    ui->CheckBox2->setChecked(false);
}

std::optional<quelm::Real> OptionsPanel::ShorteningFactor() const {
  return antenna::NormaliseShortening(ui->ComboBox9->currentText().toStdString(), ui->CheckBox2->isChecked())
      .factor;
}

} // namespace antenna
