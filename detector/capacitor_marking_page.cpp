#include "detector/capacitor_marking_page.h"

#include <cstdint>

#include "core/kit/font.h"
#include "core/kit/kit.h"
#include "detector/capacitor_marking.h"
#include "ui_capacitor_marking_page.h"

namespace detector {

namespace {

constexpr std::uint32_t kBodyWhite = 0xFFFFFF;
constexpr std::uint32_t kLeadSilver = 0xC0C0C0;

} // namespace

CapacitorMarkingPage::CapacitorMarkingPage(QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::CapacitorMarkingPage>()) {
  ui->setupUi(this);
  // The drawing: a white body on two silver leads, the marking large on it.
  kit::PaintSwatch(ui->capacitorBody, kBodyWhite);
  kit::PaintSwatch(ui->leadLeftWire, kLeadSilver);
  kit::PaintSwatch(ui->leadRightWire, kLeadSilver);
  QFont marking = kit::ProgramFont(40);
  marking.setBold(true);
  ui->Label249->setFont(marking);

  // The code field takes any text.
  kit::OnTextChange(ui->Edit131, [this] { Edit131Change(); });
  kit::EnterCalculates(ui->Edit131, [this] { BitBtn37Click(); });
  kit::OnClick(ui->BitBtn37, [this] { BitBtn37Click(); });
  kit::OnPick(ui->ComboBox31, [this] { ComboBox31Change(); });
  kit::AnyKeyCalculates(ui->ComboBox31, [this] { BitBtn37Click(); });
}

CapacitorMarkingPage::~CapacitorMarkingPage() = default;

void CapacitorMarkingPage::BitBtn37Click() {
  const std::string code = ui->Edit131->text().toStdString();
  const ToleranceLetter& letter = kit::Selected(ui->ComboBox31, kToleranceLetters);
  if (const auto capacitance = CapacitanceTexts(code)) {
    kit::Write(ui->Label271, capacitance->picofarads);
    kit::Write(ui->Label272, capacitance->nanofarads);
    kit::Write(ui->Label273, capacitance->microfarads);
  }
  if (const auto tolerance = MarkingToleranceText(code, letter))
    kit::Write(ui->Label254, *tolerance);
}

void CapacitorMarkingPage::Edit131Change() {
  kit::Write(ui->Label249, MarkingText(ui->Edit131->text().toStdString(),
                                       kit::Selected(ui->ComboBox31, kToleranceLetters)));
}

void CapacitorMarkingPage::ComboBox31Change() {
  kit::Write(ui->Label254, kToleranceCaption);
  Edit131Change();
}

} // namespace detector
