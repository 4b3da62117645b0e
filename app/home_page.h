#pragma once
// The home page "QUELM": the example schematic with its hot spots, and the
// about / notice / copyright sub-pages with their two links.
#include <QWidget>
#include <memory>

class QTabWidget;

namespace app {

namespace Ui {
class HomePage;
}

class HomePage : public QWidget {
  Q_OBJECT

public:
  explicit HomePage(QWidget* parent = nullptr);
  ~HomePage() override;

  QTabWidget* PageControl4() const;

  // Double click on the schematic's caption: show the other drawing.
  void Label60DblClick();
  // The information page in the desktop's web handler.
  void Label103Click();
  // The desktop's mail handler on the contact address.
  void Label62Click();

private:
  std::unique_ptr<Ui::HomePage> ui;
};

} // namespace app
