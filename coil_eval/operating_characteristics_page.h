#pragma once
// The sub-page " 動作特性法 " of "5 コイル評価": Q and bandwidth of a tuned
// circuit from the two frequencies 3 dB below its peak, over a drawing of the
// resonance curve, with two fields that convert a voltage to its −3 dB level
// and back as the user types.
#include <QWidget>
#include <memory>

namespace coil_eval {

namespace Ui {
class OperatingCharacteristicsPage;
}

class OperatingCharacteristicsPage : public QWidget {
  Q_OBJECT

public:
  explicit OperatingCharacteristicsPage(QWidget* parent = nullptr);
  ~OperatingCharacteristicsPage() override;

  // After the filter: the peak voltage's −3 dB level into Label155, and the
  // −3 dB level's peak into Label187 (a blank for an empty field).
  void Edit72Change();
  void Edit73Change();
  // Q and bandwidth from f1 and f2.
  void BitBtn12Click();

private:
  std::unique_ptr<Ui::OperatingCharacteristicsPage> ui;
};

} // namespace coil_eval
