#pragma once
// The sub-page "アンテナアナライザー" (TabSheet31): the readings of a simple
// medium-wave antenna analyzer (a bridge) into the antenna's equivalent
// series capacitance and resistance, an impedance figure at 1 MHz and the
// inductance to add for resonance. The window keeps its tab hidden; the page
// works on its own fields.
#include <QWidget>
#include <memory>

namespace antenna {

namespace Ui {
class AnalyzerPage;
}

class AnalyzerPage : public QWidget {
  Q_OBJECT

public:
  explicit AnalyzerPage(QWidget* parent = nullptr);
  ~AnalyzerPage() override;

  void BitBtn40Click();
  // The analyzer's report page, through the desktop.
  void Label309Click();

private:
  std::unique_ptr<Ui::AnalyzerPage> ui;
};

} // namespace antenna
