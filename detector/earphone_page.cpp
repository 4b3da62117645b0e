#include "detector/earphone_page.h"

#include "core/kit/kit.h"
#include "core/kit/links.h"
#include "ui_earphone_page.h"

namespace detector {

EarphonePage::EarphonePage(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::EarphonePage>()) {
  ui->setupUi(this);
  // Each link shows its page's address without the query.
  kit::ShowAsLink(ui->Label174, QString::fromUtf8(links::kCeramicEarphoneReport));
  kit::ShowAsLink(ui->Label179, QString::fromUtf8(links::kCrystalEarphoneReport));
  kit::OnLabelClick(ui->Label174, [this] { Label174Click(); });
  kit::OnLabelClick(ui->Label179, [this] { Label179Click(); });
}

EarphonePage::~EarphonePage() = default;

void EarphonePage::Label174Click() {
  kit::OpenLink(QString::fromUtf8(links::kCeramicEarphoneReport) +
                QString::fromUtf8(links::kEarphoneReportQuery));
}

void EarphonePage::Label179Click() {
  kit::OpenLink(QString::fromUtf8(links::kCrystalEarphoneReport) +
                QString::fromUtf8(links::kEarphoneReportQuery));
}

} // namespace detector
