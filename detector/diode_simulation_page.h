#pragma once
// The sub-page "ダイオード・シミュレーション" of "6 検波・出力回路": four
// simulations of a germanium-diode detector on the ideal diode law, picked
// in a list, their results as lines of a six-line memo.
#include <QWidget>
#include <memory>

namespace detector {

namespace Ui {
class DiodeSimulationPage;
}

class EnvelopePage;

class DiodeSimulationPage : public QWidget {
  Q_OBJECT

public:
  // The unit lists share their change action with the envelope page's
  // resistance unit list: a unit picked here runs that page's evaluation and
  // leaves this page's memo as it is (no page given: nothing runs).
  explicit DiodeSimulationPage(EnvelopePage* envelope = nullptr, QWidget* parent = nullptr);
  ~DiodeSimulationPage() override;

  // Runs the chosen simulation into the memo.
  void BitBtn35Click();
  // A new mode: the fields it reads in the window colour, the others in 3-D
  // light, every memo line blank; nothing is computed.
  void ComboBox_DiSimChange();
  // The reference page on germanium radios, through the desktop.
  void Label331Click();

private:
  void PaintModeFields();

  std::unique_ptr<Ui::DiodeSimulationPage> ui;
};

} // namespace detector
