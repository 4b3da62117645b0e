#include "detector/envelope_page.h"

#include "core/kit/kit.h"
#include "detector/envelope.h"
#include "detector/picture.h"
#include "ui_envelope_page.h"

namespace detector {

EnvelopePage::EnvelopePage(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::EnvelopePage>()) {
  ui->setupUi(this);
  ShowPicture(ui->Image11, QStringLiteral("envelope_detector"));
  // An edit blanks the outputs that depend on the field.
  kit::Numeric(ui->Edit127, [this] { ui->Label246->clear(); });
  kit::Numeric(ui->Edit128, [this] { ui->Label248->clear(); });
  for (QLineEdit* field : {ui->Edit129, ui->Edit130}) {
    kit::Numeric(field, [this] {
      kit::Write(ui->Label257, kCutOffCaption);
      ui->Label247->clear();
    });
  }
  const auto bitBtn36 = [this] { BitBtn36Click(); };
  for (QLineEdit* field : {ui->Edit127, ui->Edit128, ui->Edit129, ui->Edit130})
    kit::EnterCalculates(field, bitBtn36);
  kit::OnClick(ui->BitBtn36, bitBtn36);
  for (QComboBox* list : {ui->ComboBox27, ui->ComboBox28, ui->ComboBox30})
    kit::OnPick(list, bitBtn36);
  kit::OnPick(ui->ComboBox29, [this] { ComboBox29Change(); });
}

EnvelopePage::~EnvelopePage() = default;

void EnvelopePage::BitBtn36Click() {
  const auto [r, c, fc, fs] = kit::ReadIn({{ui->Edit129, ui->ComboBox29, kLoadResistanceUnits},
                                           {ui->Edit130, ui->ComboBox30, kSmoothingCapacitanceUnits},
                                           {ui->Edit127, ui->ComboBox27, kCarrierUnits},
                                           {ui->Edit128, ui->ComboBox28, kSignalUnits}});
  kit::Write(ui->Label257, CutOffText(r, c));
  const Real tau = TimeConstant(r, c);
  const TimeUnit unit = TimeUnitOf(tau);
  kit::Write(ui->Label247, TimeConstantText(tau, unit));
  kit::Write(ui->Label248, SignalBoundText(fs, unit));
  kit::Write(ui->Label246, CarrierBoundText(fc, unit));
}

void EnvelopePage::ComboBox29Change() { BitBtn36Click(); }

} // namespace detector
