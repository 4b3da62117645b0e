#pragma once
// The sub-page " 波長と周波数 " (TabSheet24): a wavelength (or its half,
// quarter or sixth) into the frequency on the left, a frequency into the
// wavelength and its parts on the right. Both read the antenna options panel.
#include <QWidget>
#include <memory>

namespace antenna {

namespace Ui {
class WavelengthPage;
}

class OptionsPanel;

class WavelengthPage : public QWidget {
  Q_OBJECT

public:
  explicit WavelengthPage(OptionsPanel* options, QWidget* parent = nullptr);
  ~WavelengthPage() override;

  // Wavelength to frequency (GroupBox1).
  void BitBtn1Click();
  // Frequency to wavelength (GroupBox2).
  void BitBtn2Click();

private:
  OptionsPanel* options_;
  std::unique_ptr<Ui::WavelengthPage> ui;
};

} // namespace antenna
