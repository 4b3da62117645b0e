#pragma once
// The sub-page " 抵抗器カラーコード" of "6 検波・出力回路": four colour bands
// picked in four radio groups give the resistance and the tolerance, and
// paint the bands on a drawn resistor.
#include <QWidget>
#include <memory>

namespace detector {

namespace Ui {
class ColourCodePage;
}

class ColourCodePage : public QWidget {
  Q_OBJECT

public:
  explicit ColourCodePage(QWidget* parent = nullptr);
  ~ColourCodePage() override;

  // The update: the four swatches in their bands' colours, the tolerance,
  // the resistance. The window runs it whenever "6 検波・出力回路" becomes
  // visible; every band pick runs it too.
  void TabSheet4Show();

private:
  std::unique_ptr<Ui::ColourCodePage> ui;
};

} // namespace detector
