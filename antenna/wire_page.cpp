#include "antenna/wire_page.h"

#include "antenna/options_panel.h"
#include "antenna/wire_antenna.h"
#include "core/kit/kit.h"
#include "ui_wire_page.h"

// The picture lives in this static library; register it before use.
static void InitAntennaResources() { Q_INIT_RESOURCE(antenna); }

namespace antenna {

WirePage::WirePage(OptionsPanel* options, QWidget* parent)
    : QWidget(parent), options_(options), ui(std::make_unique<Ui::WirePage>()) {
  InitAntennaResources();
  ui->setupUi(this);
  ui->Image13->load(QStringLiteral(":/antenna/wire_antenna.svg"));

  kit::Numeric({ui->Edit117, ui->Edit118, ui->Edit134, ui->Edit135});
  const auto bitBtn39 = [this] { BitBtn39Click(); };
  for (QLineEdit* field : {ui->Edit117, ui->Edit118, ui->Edit134, ui->Edit135})
    kit::EnterCalculates(field, bitBtn39);
  kit::OnClick(ui->BitBtn39, bitBtn39);
}

WirePage::~WirePage() = default;

// All five texts exist before the first label changes.
void WirePage::BitBtn39Click() {
  const WireInputs in{kit::Read(ui->Edit117), kit::Read(ui->Edit118), kit::Read(ui->Edit134),
                      kit::Read(ui->Edit135)};
  const WireTexts texts =
      WireAntennaResult(in, options_->WaveSpeed(), options_->ShorteningText(), options_->ShorteningEnabled());
  kit::Write(ui->Label236, texts.effectiveHeight);
  kit::Write(ui->Label291, texts.capacitance);
  kit::Write(ui->Label292, texts.inductance);
  kit::Write(ui->Label293, texts.radiationResistance);
  kit::Write(ui->Label346, texts.loadingCoil);
}

} // namespace antenna
