#pragma once
// The sub-page " 電界強度 " (TabSheet29): the ground-wave field strength of a
// medium-wave station at a distance, and the distance at which it falls to a
// given strength. The station and ground inputs are shared; the ground list
// fills the permittivity and conductivity fields unless their boxes let the
// user override them. Reads only the speed choice of the options panel.
#include <QWidget>
#include <memory>

#include "antenna/field_strength.h"

class QCheckBox;
class QLineEdit;

namespace antenna {

namespace Ui {
class FieldStrengthPage;
}

class OptionsPanel;

class FieldStrengthPage : public QWidget {
  Q_OBJECT

public:
  explicit FieldStrengthPage(OptionsPanel* options, QWidget* parent = nullptr);
  ~FieldStrengthPage() override;

  // A ground picked: its values into the fields whose boxes are unchecked.
  void ComboBox23Click();
  // The override boxes of the permittivity and the conductivity.
  void CheckBox7Click();
  void CheckBox8Click();
  // Field strength at a distance.
  void BitBtn31Click();
  // Distance for a field strength.
  void BitBtn41Click();

private:
  FieldPath Path() const;
  void ShowOverride(const QCheckBox* box, QLineEdit* field);

  OptionsPanel* options_;
  std::unique_ptr<Ui::FieldStrengthPage> ui;
};

} // namespace antenna
