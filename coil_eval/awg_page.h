#pragma once
// The sub-page " ＡＷＧ " of "5 コイル評価": the American Wire Gauge table,
// filled when the page is made, and a button that reverses its rows.
#include <QWidget>
#include <memory>

namespace coil_eval {

namespace Ui {
class AwgPage;
}

class AwgPage : public QWidget {
  Q_OBJECT

public:
  explicit AwgPage(QWidget* parent = nullptr);
  ~AwgPage() override;

  // "逆順": the data rows in reverse order; a second press restores them.
  void Button_AWGClick();

private:
  std::unique_ptr<Ui::AwgPage> ui;
};

} // namespace coil_eval
