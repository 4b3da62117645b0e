#pragma once
// The sub-page "スクエア(角柱)": a single-layer close-wound coil on a
// rectangular prism former.
#include <QWidget>
#include <memory>

#include "coil_design/square_coil.h"

namespace coil_design {

namespace Ui {
class SquarePage;
}

class CoilFrame;

class SquarePage : public QWidget {
  Q_OBJECT

public:
  explicit SquarePage(QWidget* parent = nullptr);
  ~SquarePage() override;

  // Inductance from turns.
  void BitBtn8Click();
  // Turns from inductance.
  void BitBtn15Click();

private:
  SquareInputs Dimensions() const;

  std::unique_ptr<Ui::SquarePage> ui;
  std::unique_ptr<CoilFrame> frame_;
};

} // namespace coil_design
