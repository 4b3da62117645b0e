#include "detector/diode_simulation_page.h"

#include "core/kit/kit.h"
#include "core/kit/links.h"
#include "detector/diode_simulation.h"
#include "detector/envelope_page.h"
#include "detector/picture.h"
#include "ui_diode_simulation_page.h"

namespace detector {

DiodeSimulationPage::DiodeSimulationPage(EnvelopePage* envelope, QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::DiodeSimulationPage>()) {
  ui->setupUi(this);
  ShowPicture(ui->Image15, QStringLiteral("diode_detector"));
  kit::ShowAsLink(ui->Label331, ui->Label331->text());
  kit::OnLabelClick(ui->Label331, [this] { Label331Click(); });

  const auto fields = {ui->Edit_Is, ui->Edit_VT, ui->Edit_Ro, ui->Edit_Vc,
                       ui->Edit_Vi, ui->Edit_Zo, ui->Edit_V,  ui->Edit_DCRo};
  kit::Numeric(fields);
  for (QLineEdit* field : fields)
    kit::EnterCalculates(field, [this] { BitBtn35Click(); });
  kit::OnClick(ui->BitBtn35, [this] { BitBtn35Click(); });
  kit::OnPick(ui->ComboBox_DiSim, [this] { ComboBox_DiSimChange(); });
  if (envelope) {
    for (QComboBox* list : {ui->ComboBox_Is, ui->ComboBox_VT, ui->ComboBox_Ro, ui->ComboBox_Vc,
                            ui->ComboBox_Vi, ui->ComboBox_Zo, ui->ComboBox_V, ui->ComboBox_DCRo})
      kit::OnPick(list, [envelope] { envelope->ComboBox29Change(); });
  }
  PaintModeFields();
}

DiodeSimulationPage::~DiodeSimulationPage() = default;

void DiodeSimulationPage::BitBtn35Click() {
  const auto value = [](const QLineEdit* field, const QComboBox* list, const auto& table) {
    return DiodeValue(kit::Read(field), kit::Factor(list, table));
  };
  DiodeInputs in;
  in.is = value(ui->Edit_Is, ui->ComboBox_Is, kSaturationCurrentUnits);
  in.vt = value(ui->Edit_VT, ui->ComboBox_VT, kThermalVoltageUnits);
  in.ro = value(ui->Edit_Ro, ui->ComboBox_Ro, kResistanceUnits);
  in.vc = value(ui->Edit_Vc, ui->ComboBox_Vc, kVoltageUnits);
  in.vi = value(ui->Edit_Vi, ui->ComboBox_Vi, kVoltageUnits);
  in.zo = value(ui->Edit_Zo, ui->ComboBox_Zo, kResistanceUnits);
  in.v = value(ui->Edit_V, ui->ComboBox_V, kVoltageUnits);
  in.reverse = ui->CheckBox_V->isChecked();
  RunDiodeSimulation(
      kit::Selected(ui->ComboBox_DiSim, kDiodeModes), in,
      [this](int line, const std::string& text) { kit::WriteLine(ui->Memo_DiSim_Ans, line, text); });
}

void DiodeSimulationPage::ComboBox_DiSimChange() {
  PaintModeFields();
  for (int line = 0; line < kMemoLines; ++line)
    kit::WriteLine(ui->Memo_DiSim_Ans, line, kBlankLine);
}

void DiodeSimulationPage::PaintModeFields() {
  const FieldsRead read = FieldsReadBy(kit::Selected(ui->ComboBox_DiSim, kDiodeModes));
  const auto paint = [](QLineEdit* field, bool isRead) {
    kit::Paint(field, isRead ? kit::Colour::Window : kit::Colour::Light3D);
  };
  paint(ui->Edit_Vc, read.vc);
  paint(ui->Edit_Vi, read.vi);
  paint(ui->Edit_Zo, read.zo);
  paint(ui->Edit_V, read.v);
}

void DiodeSimulationPage::Label331Click() { kit::OpenLink(QString::fromUtf8(links::kGermaniumRadioPage)); }

} // namespace detector
