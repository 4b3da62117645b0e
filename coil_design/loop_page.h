#pragma once
// The sub-page "ループ（方形）": a multi-layer square loop.
#include <QWidget>
#include <memory>

#include "coil_design/loop_coil.h"

namespace coil_design {

namespace Ui {
class LoopPage;
}

class CoilFrame;

class LoopPage : public QWidget {
  Q_OBJECT

public:
  explicit LoopPage(QWidget* parent = nullptr);
  ~LoopPage() override;

  // Inductance from turns.
  void BitBtn11Click();
  // Turns from inductance.
  void BitBtn18Click();
  // The wire diameter's change: the weight line again from Label145.
  void Edit57Change();

private:
  LoopInputs Dimensions() const;

  std::unique_ptr<Ui::LoopPage> ui;
  std::unique_ptr<CoilFrame> frame_;
};

} // namespace coil_design
