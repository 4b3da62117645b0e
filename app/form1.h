#pragma once
// The main window: one fixed-size window whose surface is the tree of tabbed
// pages, with the exit button over the right end of the tab row.
#include <QWidget>

class QPushButton;
class QTabWidget;

namespace app {
class HomePage;
}
namespace detector {
class ColourCodePage;
}

class TForm1 : public QWidget {
  Q_OBJECT

public:
  explicit TForm1(QWidget* parent = nullptr);
  ~TForm1() override;

  // Selects a page from code: the page shows (and runs its show action) but
  // the top control's change action does not run.
  void SelectPage(QTabWidget* control, QWidget* page);

  // The user selected another top tab.
  void PageControl1Change();
  // Page "6 検波・出力回路" became visible: the colour code page's update.
  void TabSheet4Show();
  void Button1Click();

  // The hot spots of the home page's schematic.
  void Label54Click();  // antenna
  void Label59Click();  // earth
  void Label51Click();  // variable capacitor
  void Label52Click();  // tuning coil
  void Label56Click();  // diode
  void Label55Click();  // resistor
  void Label237Click(); // capacitor
  void Label57Click();  // crystal earphone

signals:
  // Emitted each time page 6's show action runs.
  void TabSheet4Shown();

private:
  void BuildPageTree();
  void FormCreate();
  void WireHomePage();
  void OpenPage6On(const char* subPage);
  QWidget* Sheet(const char* name) const;
  QTabWidget* Control(const char* name) const;

  QTabWidget* PageControl1 = nullptr;
  QPushButton* Button1 = nullptr;
  app::HomePage* home = nullptr;
  detector::ColourCodePage* colourCode = nullptr;
  bool selectingFromCode = false;
};
