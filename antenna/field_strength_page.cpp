#include "antenna/field_strength_page.h"

#include "antenna/options_panel.h"
#include "antenna/reception_distance.h"
#include "core/kit/kit.h"
#include "ui_field_strength_page.h"

// The button glyphs live in this static library; register them before use.
static void InitAntennaResources() { Q_INIT_RESOURCE(antenna); }

namespace antenna {

FieldStrengthPage::FieldStrengthPage(OptionsPanel* options, QWidget* parent)
    : QWidget(parent), options_(options), ui(std::make_unique<Ui::FieldStrengthPage>()) {
  InitAntennaResources();
  ui->setupUi(this);
  // Both ground fields start disabled, holding the plains' values.
  kit::EnableField(ui->Edit113, false);
  kit::EnableField(ui->Edit114, false);

  kit::Numeric({ui->Edit112, ui->Edit113, ui->Edit114, ui->Edit115, ui->Edit116, ui->Edit145});
  for (QLineEdit* field : {ui->Edit112, ui->Edit113, ui->Edit114, ui->Edit115})
    kit::EnterIgnored(field);
  kit::EnterCalculates(ui->Edit116, [this] { BitBtn31Click(); });
  kit::EnterCalculates(ui->Edit145, [this] { BitBtn41Click(); });
  kit::OnClick(ui->BitBtn31, [this] { BitBtn31Click(); });
  kit::OnClick(ui->BitBtn41, [this] { BitBtn41Click(); });
  kit::OnPick(ui->ComboBox23, [this] { ComboBox23Click(); });
  kit::OnCheck(ui->CheckBox7, [this] { CheckBox7Click(); });
  kit::OnCheck(ui->CheckBox8, [this] { CheckBox8Click(); });
}

FieldStrengthPage::~FieldStrengthPage() = default;

void FieldStrengthPage::ComboBox23Click() {
  const GroundType& ground = kit::Selected(ui->ComboBox23, kGroundTypes);
  if (!ui->CheckBox7->isChecked())
    kit::Write(ui->Edit113, ground.permittivity);
  if (!ui->CheckBox8->isChecked())
    kit::Write(ui->Edit114, ground.conductivity);
}

void FieldStrengthPage::CheckBox7Click() { ShowOverride(ui->CheckBox7, ui->Edit113); }

void FieldStrengthPage::CheckBox8Click() { ShowOverride(ui->CheckBox8, ui->Edit114); }

// A checked box opens its field to the user; an unchecked one greys it and
// puts the ground's value back.
void FieldStrengthPage::ShowOverride(const QCheckBox* box, QLineEdit* field) {
  kit::EnableField(field, box->isChecked());
  if (!box->isChecked())
    ComboBox23Click();
}

// The shared inputs in the order the calculations read them (a disabled
// field is read as it stands).
FieldPath FieldStrengthPage::Path() const {
  FieldPath path;
  path.antennaFactor = kit::Selected(ui->ComboBox24, kStationAntennaFactors);
  path.frequency = kit::Read(ui->Edit112);
  path.permittivity = kit::Read(ui->Edit113);
  path.conductivity = kit::Read(ui->Edit114);
  path.power = kit::Read(ui->Edit115);
  path.approximateSpeed = options_->ApproximateSpeed();
  return path;
}

void FieldStrengthPage::BitBtn31Click() {
  const FieldPath path = Path();
  kit::Write(ui->Label264, FieldStrengthResult(path, kit::Read(ui->Edit116)));
}

void FieldStrengthPage::BitBtn41Click() {
  const FieldPath path = Path();
  kit::Write(ui->Label317, ReceptionDistanceResult(path, kit::Read(ui->Edit145)));
}

} // namespace antenna
