#pragma once
// The sub-page " 包絡線検波 " of "6 検波・出力回路": the time constant of an
// envelope detector's load beside its carrier and signal bounds, and the
// cut-off frequency of the RC network.
#include <QWidget>
#include <memory>

namespace detector {

namespace Ui {
class EnvelopePage;
}

class EnvelopePage : public QWidget {
  Q_OBJECT

public:
  explicit EnvelopePage(QWidget* parent = nullptr);
  ~EnvelopePage() override;

  // The evaluation: cut-off frequency, τ and the two bounds in τ's unit.
  void BitBtn36Click();
  // The change action of the resistance unit list, which the diode
  // simulation page's unit lists share: the evaluation above.
  void ComboBox29Change();

private:
  std::unique_ptr<Ui::EnvelopePage> ui;
};

} // namespace detector
