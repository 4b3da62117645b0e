#include "varicap/varicap_page.h"

#include <array>

#include "core/kit/kit.h"
#include "ui_varicap_page.h"
#include "varicap/plate_design.h"
#include "varicap/plate_dimensions.h"

// The arrow glyphs live in this static library; register them before use.
static void InitVaricapResources() { Q_INIT_RESOURCE(varicap); }

namespace varicap {

namespace {

// Caption of Label216 and Label217 for each item of ComboBox19: the
// length unit whose square is the area unit.
constexpr std::array<const char*, 3> kSideUnitCaptions = {"mm平方", "cm平方", "ｍ平方"};

} // namespace

VaricapPage::VaricapPage(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::VaricapPage>()) {
  InitVaricapResources();
  ui->setupUi(this);
  // The solved field stays editable: the user may type over a solved N.
  design_ = std::make_unique<kit::SolvedQuantity>(ui->RadioGroup6,
                                                  std::vector<kit::SolvedQuantity::Item>{
                                                      {ui->Edit92, "多重化"},
                                                      {ui->Edit93, "面積 Ｓ"},
                                                      {ui->Edit94, "間隔 ｄ"},
                                                      {ui->Edit95, "容量 Ｃ"},
                                                      {ui->Edit96, "比誘電率"},
                                                  },
                                                  ui->Label225, ui->Edit97,
                                                  kit::SolvedQuantity::SolvedField::Editable);

  kit::Numeric({ui->Edit92, ui->Edit93, ui->Edit94, ui->Edit95, ui->Edit96, ui->Edit98, ui->Edit99,
                ui->Edit100, ui->Edit101, ui->Edit102, ui->Edit104, ui->Edit106, ui->Edit107});
  kit::DigitsOnlyKeys(ui->Edit92);
  for (QLineEdit* field : {ui->Edit92, ui->Edit93, ui->Edit94, ui->Edit95, ui->Edit96})
    kit::EnterCalculates(field, [this] { BitBtn22Click(); });
  kit::Paint(ui->Edit95, kit::Colour::ButtonFace);

  kit::OnRadioPick(ui->RadioGroup6, [this] { RadioGroup6Click(); });
  kit::OnClick(ui->BitBtn22, [this] { BitBtn22Click(); });
  kit::OnPick(ui->ComboBox19, [this] { ComboBox19Change(); });
  kit::OnPick(ui->ComboBox20, [this] { ComboBox20Change(); });
  kit::OnPick(ui->ComboBox21, [this] { ComboBox21Change(); });

  kit::OnClick(ui->BitBtn23, [this] { BitBtn23Click(); });
  kit::OnClick(ui->BitBtn24, [this] { BitBtn24Click(); });
  kit::OnClick(ui->BitBtn25, [this] { BitBtn25Click(); });
  kit::OnClick(ui->BitBtn26, [this] { BitBtn26Click(); });
  kit::OnClick(ui->BitBtn27, [this] { BitBtn27Click(); });
  kit::OnClick(ui->BitBtn28, [this] { BitBtn28Click(); });
  kit::OnClick(ui->BitBtn29, [this] { BitBtn29Click(); });
}

VaricapPage::~VaricapPage() = default;

// ---- The design group ---------------------------------------------------------

void VaricapPage::RadioGroup6Click() { design_->ShowPick(); }

void VaricapPage::BitBtn22Click() {
  PlateDesignInput in;
  in.multiplicity = kit::Read(ui->Edit92);
  in.area = kit::Read(ui->Edit93);
  in.spacing = kit::Read(ui->Edit94);
  in.capacitance = kit::Read(ui->Edit95);
  in.permittivity = kit::Read(ui->Edit96);
  in.areaUnit = kit::Selected(ui->ComboBox19, kAreaUnits);
  in.spacingUnit = kit::Selected(ui->ComboBox20, kSpacingUnits);
  in.capacitanceUnit = kit::Selected(ui->ComboBox21, kCapacitanceUnits);

  const int item = design_->Index();
  if (item < 0)
    return;
  const PlateDesignResult result = SolvePlateDesign(static_cast<Quantity>(item), in);
  if (!result.solved)
    return design_->BlankResult();
  design_->Deliver(result.text, result.unit);
}

void VaricapPage::ComboBox19Change() {
  const int item = ui->ComboBox19->currentIndex();
  if (item >= 0 && item < static_cast<int>(kSideUnitCaptions.size())) {
    kit::Write(ui->Label216, kSideUnitCaptions[static_cast<std::size_t>(item)]);
    kit::Write(ui->Label217, kSideUnitCaptions[static_cast<std::size_t>(item)]);
  }
  BitBtn22Click();
}

void VaricapPage::ComboBox20Change() { BitBtn22Click(); }

void VaricapPage::ComboBox21Change() { BitBtn22Click(); }

// ---- The plate-dimension groups --------------------------------------------------
// A new area in Edit93 does not run the design group; the user recalculates
// there.

void VaricapPage::Deliver(const PlateResult& result, QLineEdit* target) {
  switch (result.status) {
  case PlateStatus::Ok:
    kit::Write(target, result.text);
    break;
  case PlateStatus::NoResult:
    break;
  case PlateStatus::InnerNotSmaller:
  case PlateStatus::OuterTooSmall:
    kit::ErrorDialog(this, QString::fromUtf8(PlateMessage(result.status)));
    break;
  }
}

void VaricapPage::BitBtn23Click() { Deliver(SquareArea(kit::Read(ui->Edit98)), ui->Edit93); }

void VaricapPage::BitBtn24Click() {
  const Real a = kit::Read(ui->Edit99);
  const Real b = kit::Read(ui->Edit100);
  Deliver(RectangleArea(a, b), ui->Edit93);
}

void VaricapPage::BitBtn25Click() {
  const Real outer = kit::Read(ui->Edit101);
  const Real inner = kit::Read(ui->Edit102);
  Deliver(HalfRingArea(outer, inner), ui->Edit93);
}

void VaricapPage::BitBtn26Click() { Deliver(SquareSide(kit::Read(ui->Edit93)), ui->Edit103); }

void VaricapPage::BitBtn27Click() {
  const Real area = kit::Read(ui->Edit93);
  const Real a = kit::Read(ui->Edit104);
  Deliver(RectangleSide(area, a), ui->Edit105);
}

void VaricapPage::BitBtn28Click() {
  const Real area = kit::Read(ui->Edit93);
  const Real outer = kit::Read(ui->Edit106);
  Deliver(HalfRingInner(area, outer), ui->Edit107);
}

void VaricapPage::BitBtn29Click() {
  const Real area = kit::Read(ui->Edit93);
  const Real inner = kit::Read(ui->Edit107);
  Deliver(HalfRingOuter(area, inner), ui->Edit106);
}

} // namespace varicap
