#pragma once
// The antenna options panel (Panel4): the speed of the waves and the
// shortening factor of the antenna wire. It sits on the antenna page below
// the sub-pages, and every antenna calculator that needs these two values
// reads them from here at the step where its calculation uses them.
#include <QFrame>
#include <memory>
#include <optional>
#include <string>

#include "core/real.h"

namespace antenna {

namespace Ui {
class OptionsPanel;
}

class OptionsPanel : public QFrame {
  Q_OBJECT

public:
  explicit OptionsPanel(QWidget* parent = nullptr);
  ~OptionsPanel() override;

  // 300 while CheckBox1 is checked, 299.792458 otherwise (metre × megahertz).
  quelm::Real WaveSpeed() const;
  // Whether CheckBox1 is checked: the speed taken as 300 000 km/s.
  bool ApproximateSpeed() const;

  // What a calculation that uses the shortening factor does first: an empty
  // ComboBox9, or one that reads as 0, unchecks CheckBox2. ComboBox9 is read
  // whenever it is not empty, so a text that is not a number throws the
  // conversion error even while the factor is off.
  void NormaliseShortening();
  // The factor that applies: ComboBox9's number while CheckBox2 is checked
  // and the number is not 0; otherwise none. Reads ComboBox9 as above.
  std::optional<quelm::Real> ShorteningFactor() const;

  // The factor as it stands, for a calculation that reads it without
  // normalising the panel: ComboBox9's text (UTF-8) and whether CheckBox2 is
  // checked.
  std::string ShorteningText() const;
  bool ShorteningEnabled() const;

private:
  std::unique_ptr<Ui::OptionsPanel> ui;
};

} // namespace antenna
