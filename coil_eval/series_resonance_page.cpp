#include "coil_eval/series_resonance_page.h"

#include "coil_eval/picture.h"
#include "coil_eval/series_resonance.h"
#include "core/kit/kit.h"
#include "ui_series_resonance_page.h"

namespace coil_eval {

namespace {

void PaintSetAside(const QCheckBox* box, std::initializer_list<QLineEdit*> fields) {
  for (QLineEdit* field : fields)
    kit::Paint(field, box->isChecked() ? kit::Colour::ButtonFace : kit::Colour::Window);
}

} // namespace

SeriesResonancePage::SeriesResonancePage(QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::SeriesResonancePage>()) {
  ui->setupUi(this);
  ShowPicture(ui->Image8, QStringLiteral("series_resonance"));
  kit::Numeric({ui->Edit77, ui->Edit78, ui->Edit79, ui->Edit80, ui->Edit81, ui->Edit82});
  kit::OnClick(ui->BitBtn13, [this] { BitBtn13Click(); });
  kit::OnCheck(ui->CheckBox3, [this] { CheckBox3Click(); });
  kit::OnCheck(ui->CheckBox4, [this] { CheckBox4Click(); });
  // The fields start in the colours their boxes give them.
  CheckBox3Click();
  CheckBox4Click();
}

SeriesResonancePage::~SeriesResonancePage() = default;

void SeriesResonancePage::BitBtn13Click() {
  const SeriesResonanceInputs in{.r1 = kit::Read(ui->Edit77),
                                 .r2 = kit::Read(ui->Edit78),
                                 .cd = kit::Read(ui->Edit79),
                                 .c = kit::Read(ui->Edit80),
                                 .v1 = kit::Read(ui->Edit81),
                                 .v2 = kit::Read(ui->Edit82),
                                 .direct = ui->CheckBox3->isChecked(),
                                 .capacitanceIgnored = ui->CheckBox4->isChecked()};
  kit::Write(ui->Edit32, SeriesResonanceQText(in));
}

void SeriesResonancePage::CheckBox3Click() { PaintSetAside(ui->CheckBox3, {ui->Edit77, ui->Edit78}); }

void SeriesResonancePage::CheckBox4Click() { PaintSetAside(ui->CheckBox4, {ui->Edit79, ui->Edit80}); }

} // namespace coil_eval
