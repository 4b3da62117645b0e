#pragma once
// The sub-page "コンデンサー容量表示" of "6 検波・出力回路": the marking of a
// ceramic capacitor (digits and a tolerance letter) decoded into its
// capacitance in pF, nF and μF and its tolerance, the marking shown on a
// drawn body as the user types.
#include <QWidget>
#include <memory>

namespace detector {

namespace Ui {
class CapacitorMarkingPage;
}

class CapacitorMarkingPage : public QWidget {
  Q_OBJECT

public:
  explicit CapacitorMarkingPage(QWidget* parent = nullptr);
  ~CapacitorMarkingPage() override;

  // The decoding: the capacitance labels, then the tolerance.
  void BitBtn37Click();
  // The marking on the body: the code and the letter.
  void Edit131Change();
  // A new letter: the tolerance back to its caption, the marking updated.
  void ComboBox31Change();

private:
  std::unique_ptr<Ui::CapacitorMarkingPage> ui;
};

} // namespace detector
