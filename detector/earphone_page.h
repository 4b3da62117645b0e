#pragma once
// The sub-page " イヤホン " of "6 検波・出力回路": the impedance chart of the
// two kinds of high-impedance earphone, and links to the reports on their
// measured characteristics.
#include <QWidget>
#include <memory>

namespace detector {

namespace Ui {
class EarphonePage;
}

class EarphonePage : public QWidget {
  Q_OBJECT

public:
  explicit EarphonePage(QWidget* parent = nullptr);
  ~EarphonePage() override;

  // The reports, through the desktop: ceramic, crystal.
  void Label174Click();
  void Label179Click();

private:
  std::unique_ptr<Ui::EarphonePage> ui;
};

} // namespace detector
