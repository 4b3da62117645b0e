#include "antenna/wavelength_page.h"

#include "antenna/options_panel.h"
#include "antenna/wavelength.h"
#include "core/kit/kit.h"
#include "ui_wavelength_page.h"

// The button glyphs live in this static library; register them before use.
static void InitAntennaResources() { Q_INIT_RESOURCE(antenna); }

namespace antenna {

WavelengthPage::WavelengthPage(OptionsPanel* options, QWidget* parent)
    : QWidget(parent), options_(options), ui(std::make_unique<Ui::WavelengthPage>()) {
  InitAntennaResources();
  ui->setupUi(this);

  kit::Numeric({ui->Edit24, ui->Edit25});
  kit::EnterCalculatesRefocusedA(ui->Edit24, ui->BitBtn1, [this] { BitBtn1Click(); });
  kit::EnterCalculatesRefocusedA(ui->Edit25, ui->BitBtn2, [this] { BitBtn2Click(); });
  kit::OnClick(ui->BitBtn1, [this] { BitBtn1Click(); });
  kit::OnClick(ui->BitBtn2, [this] { BitBtn2Click(); });
}

WavelengthPage::~WavelengthPage() = default;

void WavelengthPage::BitBtn1Click() {
  const Real lambda = TypedWavelength(kit::Read(ui->Edit24), kit::RadioIndex(ui->RadioGroup5));
  if (lambda == 0)
    return kit::RejectZeroInput(ui->Edit1);
  const Real metres = kit::Factor(ui->ComboBox1, kLengthUnits).Apply(lambda);
  options_->NormaliseShortening();
  const std::optional<Real> k = options_->ShorteningFactor();
  kit::Write(ui->Edit1, FrequencyText(FrequencyMHz(options_->WaveSpeed(), metres, k)));
}

void WavelengthPage::BitBtn2Click() {
  const Real f = kit::Read(ui->Edit25);
  if (f == 0)
    return kit::RejectZeroInput(ui->Edit2);
  const Real x = WavelengthInUnit(options_->WaveSpeed(), f);
  options_->NormaliseShortening();
  const Real shortened = Shortened(x, options_->ShorteningFactor());
  const WavelengthTexts texts = WavelengthResult(shortened, FrequencyUnitAt(ui->ComboBox2->currentIndex()));
  kit::Write(ui->Edit2, texts.lambda);
  kit::Write(ui->Edit18, texts.half);
  kit::Write(ui->Edit19, texts.quarter);
  kit::Write(ui->Edit31, texts.sixth);
}

} // namespace antenna
