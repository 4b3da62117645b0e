#pragma once
// The sub-page " 分布容量 " of "5 コイル評価": a coil's distributed
// capacitance by three methods, each in its own panel with its own units.
#include <QWidget>
#include <memory>

namespace coil_eval {

namespace Ui {
class DistributedCapacitancePage;
}

class DistributedCapacitancePage : public QWidget {
  Q_OBJECT

public:
  explicit DistributedCapacitancePage(QWidget* parent = nullptr);
  ~DistributedCapacitancePage() override;

  // From two resonances, measurements A and B.
  void BitBtn19Click();
  // From the self-resonance and one resonance with a known capacitance.
  void BitBtn21Click();
  // From the self-resonance and the inductance.
  void BitBtn20Click();

private:
  std::unique_ptr<Ui::DistributedCapacitancePage> ui;
};

} // namespace coil_eval
