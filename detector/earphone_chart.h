#pragma once
// The earphone page's chart "インピーダンス特性": the impedance of a crystal
// and of a ceramic earphone against frequency, drawn from their curves on a
// linear frequency axis (0-5000 Hz) and a logarithmic impedance axis
// (0.1-1000 kΩ), with a legend naming the two curves.
#include <QPointF>
#include <QRect>
#include <QWidget>

#include "core/real.h"

namespace detector {

class EarphoneChart : public QWidget {
  Q_OBJECT

public:
  explicit EarphoneChart(QWidget* parent = nullptr);

  // Where a frequency [Hz] and an impedance [kΩ] lie in the widget.
  QPointF At(quelm::Real hz, quelm::Real kiloohms) const;

protected:
  void paintEvent(QPaintEvent* event) override;

private:
  // The plotting area inside the axes.
  QRect PlotArea() const;
};

} // namespace detector
