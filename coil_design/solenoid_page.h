#pragma once
// The sub-page "ソレノイド(円筒)": a single-layer close-wound cylindrical coil.
#include <QWidget>
#include <memory>

#include "coil_design/solenoid.h"

namespace coil_design {

namespace Ui {
class SolenoidPage;
}

class CoilFrame;

class SolenoidPage : public QWidget {
  Q_OBJECT

public:
  explicit SolenoidPage(QWidget* parent = nullptr);
  ~SolenoidPage() override;

  // Inductance from turns.
  void BitBtn3Click();
  // Turns from inductance.
  void BitBtn14Click();

private:
  SolenoidInputs Dimensions() const;

  std::unique_ptr<Ui::SolenoidPage> ui;
  std::unique_ptr<CoilFrame> frame_;
};

} // namespace coil_design
