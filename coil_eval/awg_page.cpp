#include "coil_eval/awg_page.h"

#include "coil_eval/awg_table.h"
#include "core/kit/kit.h"
#include "ui_awg_page.h"

namespace coil_eval {

AwgPage::AwgPage(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::AwgPage>()) {
  ui->setupUi(this);
  kit::SetColumnWidths(ui->SG_AWG, kAwgColumnWidths);
  kit::SetHeader(ui->SG_AWG, {kAwgHeader.gauge, kAwgHeader.diameter, kAwgHeader.area});
  for (std::size_t i = 0; i < kAwgRows.size(); ++i)
    kit::SetRow(ui->SG_AWG, static_cast<int>(i), {kAwgRows[i].gauge, kAwgRows[i].diameter, kAwgRows[i].area});
  kit::OnClick(ui->Button_AWG, [this] { Button_AWGClick(); });
}

AwgPage::~AwgPage() = default;

void AwgPage::Button_AWGClick() {
  ReverseRows(0, ui->SG_AWG->rowCount() - 1, [this](int a, int b) { kit::ExchangeRows(ui->SG_AWG, a, b); });
}

} // namespace coil_eval
