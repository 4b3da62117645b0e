#pragma once
// The page " 共振状況 " of "2 同調回路設計": the resonance solver on the left,
// and on the right the characteristics of the solver's coil and capacitor,
// hidden until "expand" is double-clicked.
#include <QWidget>
#include <memory>

class QComboBox;
class QLineEdit;

namespace kit {
class SolvedQuantity;
}

namespace tuning {

namespace Ui {
class ResonancePage;
}

class ResonancePage : public QWidget {
  Q_OBJECT

public:
  explicit ResonancePage(QWidget* parent = nullptr);
  ~ResonancePage() override;

  // The solver.
  void RadioGroup7Click();
  void BitBtn30Click();
  // A user's pick in any of the solver's three unit lists.
  void ComboBox22Change();
  void Label78DblClick();

  // The characteristics group.
  void BitBtn38Click();

private:
  // The unit list of the solver's item (f, L, C).
  QComboBox* SolverUnits(int item) const;

  std::unique_ptr<Ui::ResonancePage> ui;
  std::unique_ptr<kit::SolvedQuantity> solver_;
};

} // namespace tuning
