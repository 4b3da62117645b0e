#pragma once
// The sub-page "スパイラル(渦巻)": a flat spiral coil, square or circular.
#include <QWidget>
#include <memory>

#include "coil_design/spiral_coil.h"

namespace coil_design {

namespace Ui {
class SpiralPage;
}

class CoilFrame;

class SpiralPage : public QWidget {
  Q_OBJECT

public:
  explicit SpiralPage(QWidget* parent = nullptr);
  ~SpiralPage() override;

  // Inductance from turns.
  void BitBtn10Click();
  // Turns from inductance.
  void BitBtn16Click();
  // The shape "方形": the square spiral's picture (the circular one hides).
  void RadioButton1Click();
  // The shape "円形": the circular spiral's picture over the square one.
  void RadioButton2Click();
  // The wire diameter's change: the weight line again from Label119.
  void Edit63Change();

private:
  SpiralInputs Dimensions() const;

  std::unique_ptr<Ui::SpiralPage> ui;
  std::unique_ptr<CoilFrame> frame_;
};

} // namespace coil_design
