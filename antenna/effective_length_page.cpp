#include "antenna/effective_length_page.h"

#include "antenna/dipole_antenna.h"
#include "antenna/effective_length.h"
#include "antenna/loop_antenna.h"
#include "antenna/options_panel.h"
#include "antenna/vertical_antenna.h"
#include "core/kit/kit.h"
#include "ui_effective_length_page.h"

// The button glyphs live in this static library; register them before use.
static void InitAntennaResources() { Q_INIT_RESOURCE(antenna); }

namespace antenna {

EffectiveLengthPage::EffectiveLengthPage(OptionsPanel* options, QWidget* parent)
    : QWidget(parent), options_(options), ui(std::make_unique<Ui::EffectiveLengthPage>()) {
  InitAntennaResources();
  ui->setupUi(this);

  kit::Numeric({ui->Edit120, ui->Edit121, ui->Edit122, ui->Edit119, ui->Edit123});
  const auto bitBtn32 = [this] { BitBtn32Click(); };
  const auto bitBtn33 = [this] { BitBtn33Click(); };
  const auto bitBtn34 = [this] { BitBtn34Click(); };
  for (QLineEdit* field : {ui->Edit120, ui->Edit121, ui->Edit122})
    kit::EnterCalculates(field, bitBtn32);
  kit::EnterCalculates(ui->Edit119, bitBtn33);
  kit::EnterCalculates(ui->Edit123, bitBtn34);
  kit::OnClick(ui->BitBtn32, bitBtn32);
  kit::OnClick(ui->BitBtn33, bitBtn33);
  kit::OnClick(ui->BitBtn34, bitBtn34);
}

EffectiveLengthPage::~EffectiveLengthPage() = default;

void EffectiveLengthPage::BitBtn32Click() {
  const Real f = kit::Read(ui->Edit120);
  const Real turns = kit::Read(ui->Edit121);
  const Real area = kit::Read(ui->Edit122);
  kit::Write(ui->Label231, LoopEffectiveLength(f, turns, area, options_->WaveSpeed()));
}

// Only an empty length is refused; the panel is normalised before the
// length is read.
void EffectiveLengthPage::BitBtn33Click() {
  if (ui->Edit119->text().isEmpty())
    return kit::Write(ui->Label227, kEffectiveLengthCaption);
  options_->NormaliseShortening();
  const std::optional<Real> k = options_->ShorteningFactor();
  kit::Write(ui->Label227, DipoleEffectiveLength(kit::Read(ui->Edit119), k));
}

// The frequency is written before the height's text is formed.
void EffectiveLengthPage::BitBtn34Click() {
  if (ui->Edit123->text().isEmpty()) {
    kit::Write(ui->Label318, kVerticalBlank);
    return kit::Write(ui->Label319, kVerticalBlank);
  }
  const VerticalAntenna v = ComputeVerticalAntenna(kit::Read(ui->Edit123), options_->WaveSpeed());
  kit::Write(ui->Label318, VerticalFrequencyText(v.frequency));
  kit::Write(ui->Label319, VerticalHeightText(v.effectiveHeight));
}

} // namespace antenna
