#include "coil_eval/operating_characteristics_page.h"

#include "coil_eval/operating_characteristics.h"
#include "coil_eval/picture.h"
#include "core/kit/kit.h"
#include "ui_operating_characteristics_page.h"

namespace coil_eval {

OperatingCharacteristicsPage::OperatingCharacteristicsPage(QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::OperatingCharacteristicsPage>()) {
  ui->setupUi(this);
  ShowPicture(ui->Image9, QStringLiteral("resonance_curve"));
  kit::Numeric(ui->Edit72, [this] { Edit72Change(); });
  kit::Numeric(ui->Edit73, [this] { Edit73Change(); });
  kit::Numeric({ui->Edit74, ui->Edit75, ui->Edit76});
  kit::OnClick(ui->BitBtn12, [this] { BitBtn12Click(); });
}

OperatingCharacteristicsPage::~OperatingCharacteristicsPage() = default;

void OperatingCharacteristicsPage::Edit72Change() {
  if (ui->Edit72->text().isEmpty())
    return kit::Write(ui->Label155, " ");
  kit::Write(ui->Label155, MinusThreeDbText(kit::Read(ui->Edit72)));
}

void OperatingCharacteristicsPage::Edit73Change() {
  if (ui->Edit73->text().isEmpty())
    return kit::Write(ui->Label187, " ");
  kit::Write(ui->Label187, PlusThreeDbText(kit::Read(ui->Edit73)));
}

void OperatingCharacteristicsPage::BitBtn12Click() {
  const auto [f1, f2] = kit::ReadIn({{ui->Edit74}, {ui->Edit75}});
  const OperatingResult result = OperatingCharacteristics(f1, f2);
  kit::Write(ui->Edit33, result.q);
  kit::Write(ui->Edit34, result.bandwidth);
}

} // namespace coil_eval
