#pragma once
// The sub-page " Ｑ／表皮効果 " of "5 コイル評価": a coil's Q from its series
// resistance, and the resistance components of its wire as memo lines. Both
// take the frequency and the inductance from the Q inputs.
#include <QWidget>
#include <memory>

namespace coil_eval {

namespace Ui {
class SkinEffectPage;
}

class SkinEffectPage : public QWidget {
  Q_OBJECT

public:
  explicit SkinEffectPage(QWidget* parent = nullptr);
  ~SkinEffectPage() override;

  // Q = 2π·f·L/R.
  void BitBtn42Click();
  // DC resistance, skin depth, the skin layer's resistance and the reactance
  // into their lines of Memo1.
  void BitBtn43Click();

private:
  std::unique_ptr<Ui::SkinEffectPage> ui;
};

} // namespace coil_eval
