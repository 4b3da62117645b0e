#pragma once
// The sub-page " 実効長(高) " (TabSheet25): three small calculators, the
// effective length of a loop antenna and of a half-wave dipole, and the
// quarter-wave resonance of a vertical antenna. Only the dipole normalises
// the options panel's shortening factor.
#include <QWidget>
#include <memory>

namespace antenna {

namespace Ui {
class EffectiveLengthPage;
}

class OptionsPanel;

class EffectiveLengthPage : public QWidget {
  Q_OBJECT

public:
  explicit EffectiveLengthPage(OptionsPanel* options, QWidget* parent = nullptr);
  ~EffectiveLengthPage() override;

  // Loop antenna (GroupBox29).
  void BitBtn32Click();
  // Half-wave dipole (GroupBox28).
  void BitBtn33Click();
  // Vertical antenna at quarter-wave resonance (GroupBox30).
  void BitBtn34Click();

private:
  OptionsPanel* options_;
  std::unique_ptr<Ui::EffectiveLengthPage> ui;
};

} // namespace antenna
