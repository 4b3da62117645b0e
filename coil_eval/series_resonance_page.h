#pragma once
// The sub-page " 直列共振法 " of "5 コイル評価": a coil's Q from a
// series-resonance measurement, optionally corrected for its distributed
// capacitance.
#include <QWidget>
#include <memory>

namespace coil_eval {

namespace Ui {
class SeriesResonancePage;
}

class SeriesResonancePage : public QWidget {
  Q_OBJECT

public:
  explicit SeriesResonancePage(QWidget* parent = nullptr);
  ~SeriesResonancePage() override;

  // Q from the six fields and the two options.
  void BitBtn13Click();
  // Each option paints the two fields it sets aside in the button-face colour
  // while it is ticked, in the window colour otherwise; they stay editable.
  void CheckBox3Click();
  void CheckBox4Click();

private:
  std::unique_ptr<Ui::SeriesResonancePage> ui;
};

} // namespace coil_eval
