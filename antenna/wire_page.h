#pragma once
// The sub-page " ワイヤーアンテナ " (TabSheet30): a wire antenna shorter than
// the wavelength (vertical, inverted-L or T), its effective height,
// capacitance, own inductance, radiation resistance and the loading coil for
// a working frequency. Reads the speed and the shortening factor of the
// options panel without normalising it.
#include <QWidget>
#include <memory>

namespace antenna {

namespace Ui {
class WirePage;
}

class OptionsPanel;

class WirePage : public QWidget {
  Q_OBJECT

public:
  explicit WirePage(OptionsPanel* options, QWidget* parent = nullptr);
  ~WirePage() override;

  void BitBtn39Click();

private:
  OptionsPanel* options_;
  std::unique_ptr<Ui::WirePage> ui;
};

} // namespace antenna
