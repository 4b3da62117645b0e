#pragma once
// The sub-page "トロイダル(環状)": a single-layer winding on a ring core, the
// core chosen from the catalogue on a material tab of PageControl2 or
// entered on its tab "一般".
#include <QWidget>
#include <array>
#include <memory>

#include "coil_design/toroid_coil.h"

class QComboBox;
class QLabel;

namespace coil_design {

namespace Ui {
class ToroidPage;
}

class CoilFrame;

class ToroidPage : public QWidget {
  Q_OBJECT

public:
  explicit ToroidPage(QWidget* parent = nullptr);
  ~ToroidPage() override;

  // Inductance from turns.
  void BitBtn9Click();
  // Turns from inductance.
  void BitBtn17Click();
  // A new wire diameter recalculates what the wire group shows (the turns
  // when neither marker does).
  void Edit71Change();
  // A size picked on a material tab: its AL value and dimensions.
  void ComboBox_S2Change();
  void ComboBox_S6Change();
  void ComboBox_S43Change();
  void ComboBox_S61Change();

private:
  // A material tab and its controls.
  struct CoreTab {
    const QWidget* page;
    const QComboBox* sizes;
    QLabel* al;
    QLabel* dimensions;
    ToroidMaterial material;
  };
  std::array<CoreTab, 4> CoreTabs() const;
  static const ToroidCoreRow& Size(const CoreTab& tab);
  void ShowSize(const CoreTab& tab);
  // The core of the active tab of PageControl2.
  ToroidCore Core() const;
  // The length, weight and maximum-turns lines, each written as soon as it
  // is computed.
  void WriteWire(const ToroidCore& core, Real turns);

  std::unique_ptr<Ui::ToroidPage> ui;
  std::unique_ptr<CoilFrame> frame_;
};

} // namespace coil_design
