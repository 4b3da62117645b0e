#include "coil_design/coil_frame.h"

#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QString>
#include <QtGlobal>

#include "core/format.h"

namespace coil_design {

CoilFrame::CoilFrame(const CoilFrameWidgets& widgets, int weightDecimals)
    : w_(widgets), weightDecimals_(weightDecimals) {
  Q_ASSERT_X((w_.diameterLine == nullptr) != (w_.diameterField == nullptr), "CoilFrame",
             "the wire group has a diameter line or a diameter field");
  for (QLabel* marker : {w_.inductanceMarker, w_.turnsMarker}) {
    QFont font = marker->font();
    font.setPixelSize(20);
    font.setBold(true);
    marker->setFont(font);
    marker->hide();
  }
  kit::Numeric({w_.turnsField, w_.targetField});
  if (!w_.diameterField)
    return;
  // Entered form: the diameter field filters, then runs the page's change
  // action, by default the re-weighting from the hidden length label.
  if (w_.hiddenLength) {
    w_.hiddenLength->hide();
    diameterChange_ = [this] { Reweigh(); };
  }
  kit::Numeric(w_.diameterField, [this] {
    if (diameterChange_)
      diameterChange_();
  });
}

void CoilFrame::Connect(kit::Handler inductance, kit::Handler turns) {
  kit::OnClick(w_.inductanceButton, inductance);
  kit::EnterCalculates(w_.turnsField, std::move(inductance));
  kit::OnClick(w_.turnsButton, turns);
  kit::EnterCalculates(w_.targetField, std::move(turns));
}

void CoilFrame::SetDiameterChange(kit::Handler handler) { diameterChange_ = std::move(handler); }

QLineEdit* CoilFrame::Result(Calc calc) const {
  return calc == Inductance ? w_.inductanceResult : w_.turnsResult;
}
QLabel* CoilFrame::Marker(Calc calc) const {
  return calc == Inductance ? w_.inductanceMarker : w_.turnsMarker;
}

namespace {

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

bool CoilFrame::Start(Calc calc, const std::function<bool()>& rejected) { return Start(calc, rejected, {}); }

bool CoilFrame::Start(Calc calc, const std::function<bool()>& rejected, std::string_view message) {
  Marker(calc == Inductance ? Turns : Inductance)->hide();
  if (rejected()) {
    Marker(calc)->hide();
    if (message.empty()) {
      kit::RejectZeroInput(Result(calc));
    } else {
      kit::Blank(Result(calc));
      kit::ErrorDialog(Result(calc), FromUtf8(message));
    }
    return false;
  }
  Marker(calc)->show();
  return true;
}

void CoilFrame::Abandon(Calc calc, std::string_view message) {
  Marker(calc)->hide();
  kit::ErrorDialog(Result(calc), FromUtf8(message));
}

bool CoilFrame::Shows(Calc calc) const { return !Marker(calc)->isHidden(); }

void CoilFrame::WriteResult(Calc calc, const std::string& text) { kit::Write(Result(calc), text); }

void CoilFrame::WriteWire(const Wire& wire) {
  kit::Write(w_.lengthLine, LengthLine(wire.length));
  if (w_.diameterLine)
    kit::Write(w_.diameterLine, DiameterLine(wire.diameter, wire.suffix));
  kit::Write(w_.weightLine, WeightLine(wire.weight));
}

void CoilFrame::WriteWireLength(Real length) {
  const Real diameter = kit::Read(w_.diameterField);
  const Real weight = CopperWeight(diameter, length, weightDecimals_);
  kit::Write(w_.lengthLine, LengthLine(length));
  if (w_.hiddenLength)
    kit::Write(w_.hiddenLength, quelm::FormatGeneral(length));
  kit::Write(w_.weightLine, WeightLine(weight));
}

void CoilFrame::Reweigh() {
  const Real diameter = kit::Read(w_.diameterField);
  const Real length = ReadLengthText(w_.hiddenLength->text().toStdString());
  kit::Write(w_.weightLine, WeightLine(CopperWeight(diameter, length, weightDecimals_)));
}

} // namespace coil_design
