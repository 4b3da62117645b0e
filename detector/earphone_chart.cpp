#include "detector/earphone_chart.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "core/format.h"
#include "detector/earphone.h"

namespace detector {

namespace {

using quelm::Real;

// Room for the title above, the tick labels to the left and below.
constexpr int kLeft = 58;
constexpr int kTop = 42;
constexpr int kRight = 22;
constexpr int kBottom = 40;

const QColor kGrid(0xD0, 0xD0, 0xD0);
const QColor kFaintGrid(0xEC, 0xEC, 0xEC);
const QColor kAxis(0x40, 0x40, 0x40);
const QColor kOutline(0x30, 0x30, 0x30);

QColor Rgb(std::uint32_t rgb) {
  return QColor(static_cast<int>((rgb >> 16) & 0xFFU), static_cast<int>((rgb >> 8) & 0xFFU),
                static_cast<int>(rgb & 0xFFU));
}

// A curve in its colour over a dark outline, so that the yellow one shows
// on white as well as the blue one.
void DrawCurve(QPainter& painter, const QPainterPath& path, const QColor& colour) {
  painter.setPen(QPen(kOutline, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.drawPath(path);
  painter.setPen(QPen(colour, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.drawPath(path);
}

QString Text(const char* utf8) { return QString::fromUtf8(utf8); }

QString Label(Real value) { return QString::fromStdString(quelm::FormatGeneral(value)); }

} // namespace

EarphoneChart::EarphoneChart(QWidget* parent) : QWidget(parent) {}

QRect EarphoneChart::PlotArea() const {
  return QRect(kLeft, kTop, width() - kLeft - kRight, height() - kTop - kBottom);
}

QPointF EarphoneChart::At(Real hz, Real kiloohms) const {
  const QRect plot = PlotArea();
  const Real across = (hz - kChartMinHz) / (kChartMaxHz - kChartMinHz);
  const Real up =
      std::log10(kiloohms / kChartMinKiloohms) / std::log10(kChartMaxKiloohms / kChartMinKiloohms);
  return QPointF(plot.left() + static_cast<qreal>(across * plot.width()),
                 plot.bottom() + 1 - static_cast<qreal>(up * plot.height()));
}

void EarphoneChart::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  painter.setPen(kAxis);
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
  const QRect plot = PlotArea();
  const QFontMetrics metrics(font());

  // Title.
  QFont bold = font();
  bold.setBold(true);
  painter.setFont(bold);
  painter.drawText(QRect(0, 6, width(), 20), Qt::AlignHCenter | Qt::AlignVCenter, Text(kEarphoneChartTitle));
  painter.setFont(font());

  // Impedance: a line each decade (labelled), a faint one at 2 to 9 times.
  const long lowest = std::lround(std::log10(kChartMinKiloohms));
  const long highest = std::lround(std::log10(kChartMaxKiloohms));
  for (long exponent = lowest; exponent <= highest; ++exponent) {
    const Real decade = std::pow(Real(10), static_cast<Real>(exponent));
    for (int step = 2; step < 10 && exponent < highest; ++step) {
      painter.setPen(kFaintGrid);
      const qreal y = At(kChartMinHz, decade * step).y();
      painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
    }
    const qreal y = At(kChartMinHz, decade).y();
    painter.setPen(kGrid);
    painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
    painter.setPen(kAxis);
    painter.drawText(QRectF(0, y - 8, kLeft - 6, 16), Qt::AlignRight | Qt::AlignVCenter, Label(decade));
  }
  painter.drawText(QRect(4, kTop - 22, kLeft + 40, 16), Qt::AlignLeft | Qt::AlignVCenter,
                   Text(kChartImpedanceLabel));

  // Frequency: a line every 500 Hz, labelled every 1000 Hz.
  for (int hz = 0; hz <= 5000; hz += 500) {
    const qreal x = At(hz, kChartMinKiloohms).x();
    painter.setPen(hz % 1000 == 0 ? kGrid : kFaintGrid);
    painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
    if (hz % 1000 == 0) {
      painter.setPen(kAxis);
      painter.drawText(QRectF(x - 30, plot.bottom() + 4, 60, 16), Qt::AlignHCenter | Qt::AlignTop, Label(hz));
    }
  }
  painter.setPen(kAxis);
  painter.drawText(QRect(plot.right() - 60, plot.bottom() + 20, 60 + kRight - 4, 16),
                   Qt::AlignRight | Qt::AlignTop, Text(kChartFrequencyLabel));
  painter.drawRect(plot.adjusted(0, 0, -1, -1));

  // The curves, one sample a pixel from where each begins.
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setClipRect(plot);
  for (const EarphoneCurve& curve : kEarphoneCurves) {
    QPainterPath path;
    const int from = static_cast<int>(std::ceil(At(curve.fromHz, 1).x()));
    for (int x = from; x <= plot.right() + 1; ++x) {
      const Real hz = kChartMinHz + (kChartMaxHz - kChartMinHz) * (x - plot.left()) / plot.width();
      const QPointF point = At(hz, curve.kiloohms(hz));
      if (path.elementCount() == 0)
        path.moveTo(point);
      else
        path.lineTo(point);
    }
    DrawCurve(painter, path, Rgb(curve.rgb));
  }
  painter.setClipping(false);

  // The legend, in the empty corner below the curves.
  const int row = metrics.height() + 6;
  const QRect legend(plot.left() + 12, plot.bottom() - 12 - 2 * row - 8, 200, 2 * row + 8);
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setPen(kAxis);
  painter.setBrush(Qt::white);
  painter.drawRect(legend);
  painter.setBrush(Qt::NoBrush);
  painter.setRenderHint(QPainter::Antialiasing);
  int y = legend.top() + 4 + row / 2;
  for (const EarphoneCurve& curve : kEarphoneCurves) {
    QPainterPath sample;
    sample.moveTo(legend.left() + 10, y);
    sample.lineTo(legend.left() + 46, y);
    DrawCurve(painter, sample, Rgb(curve.rgb));
    painter.setPen(kAxis);
    painter.drawText(QRect(legend.left() + 56, y - row / 2, legend.width() - 60, row),
                     Qt::AlignLeft | Qt::AlignVCenter, Text(curve.legend));
    y += row;
  }
}

} // namespace detector
