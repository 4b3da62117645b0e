#include "app/home_page.h"

#include <QTabBar>

#include "core/kit/font.h"
#include "core/kit/kit.h"
#include "core/kit/links.h"
#include "ui_home_page.h"

namespace app {

HomePage::HomePage(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::HomePage>()) {
  ui->setupUi(this);
  ui->Image12->load(QStringLiteral(":/quelm/schematic_zigzag.svg"));
  ui->Image2->load(QStringLiteral(":/quelm/schematic_block.svg"));

  ui->PageControl4->tabBar()->setFont(kit::ProgramFont(11));
  ui->captionKorubena->setFont(kit::ProgramFont(16));
  ui->captionVersion->setFont(kit::ProgramFont(27));
  ui->captionCopyright->setFont(kit::ProgramFont(16));
  for (QLabel* paragraph : {ui->captionNotice1, ui->captionNotice2, ui->captionNotice3, ui->Label103})
    paragraph->setFont(kit::ProgramFont(13));

  kit::ShowAsLink(ui->Label103, QString::fromUtf8(links::kInformationPage));
  kit::ShowAsLink(ui->Label62, QString::fromUtf8(links::kContactAddress));

  kit::OnDoubleClick(ui->Label60, [this] { Label60DblClick(); });
  kit::OnLabelClick(ui->Label103, [this] { Label103Click(); });
  kit::OnLabelClick(ui->Label62, [this] { Label62Click(); });
}

HomePage::~HomePage() = default;

QTabWidget* HomePage::PageControl4() const { return ui->PageControl4; }

void HomePage::Label60DblClick() { ui->Image2->setVisible(ui->Image2->isHidden()); }

void HomePage::Label103Click() {
  kit::OpenLink(QString::fromUtf8(links::kInformationPage) + QString::fromUtf8(links::kInformationQuery));
}

void HomePage::Label62Click() {
  kit::OpenLink(QStringLiteral("mailto:") + QString::fromUtf8(links::kContactAddress));
}

} // namespace app
