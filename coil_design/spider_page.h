#pragma once
// The sub-page "スパイダー(蜘蛛)": a flat spider-web coil wound in and out of
// the vanes of a star-shaped former.
#include <QWidget>
#include <memory>

#include "coil_design/spider_coil.h"

namespace coil_design {

namespace Ui {
class SpiderPage;
}

class CoilFrame;

class SpiderPage : public QWidget {
  Q_OBJECT

public:
  explicit SpiderPage(QWidget* parent = nullptr);
  ~SpiderPage() override;

  // Inductance from turns.
  void BitBtn44Click();
  // Turns from inductance.
  void BitBtn45Click();

private:
  SpiderInputs Dimensions() const;

  std::unique_ptr<Ui::SpiderPage> ui;
  std::unique_ptr<CoilFrame> frame_;
};

} // namespace coil_design
