#include "coil_design/coil_frame.h"

#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QSvgRenderer>

#include "core/format.h"
#include "ui_coil_frame.h"

// The pictures live in this static library; register them before use.
static void InitCoilDesignResources() { Q_INIT_RESOURCE(coil_design); }

namespace coil_design {

CoilFrame::CoilFrame(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::CoilFrame>()) {
  ui->setupUi(this);
  for (QLabel* marker : {ui->inductanceMarker, ui->turnsMarker}) {
    QFont font = marker->font();
    font.setPixelSize(20);
    font.setBold(true);
    marker->setFont(font);
  }
}

CoilFrame::~CoilFrame() = default;

void CoilFrame::Setup(const FrameSpec& names) {
  names_ = names;
  const auto name = [](QWidget* widget, const char* objectName) {
    widget->setObjectName(QString::fromUtf8(objectName));
  };
  name(ui->turnsField, names.turnsField);
  name(ui->inductanceButton, names.inductanceButton);
  name(ui->inductanceResult, names.inductanceResult);
  name(ui->inductanceMarker, names.inductanceMarker);
  name(ui->targetField, names.targetField);
  name(ui->turnsButton, names.turnsButton);
  name(ui->turnsResult, names.turnsResult);
  name(ui->turnsMarker, names.turnsMarker);
  name(ui->lengthLine, names.lengthLine);
  name(ui->weightLine, names.weightLine);
  ui->turnsField->setText(QString::fromUtf8(names.turnsDefault));
  ui->targetField->setText(QString::fromUtf8(names.targetDefault));
  kit::Numeric({ui->turnsField, ui->targetField});

  if (names.form == FrameSpec::DerivedDiameter) {
    name(ui->diameterLine, names.diameter);
    delete ui->diameterCaption;
    delete ui->diameterField;
    delete ui->diameterUnit;
    delete ui->hiddenLength;
    ui->diameterCaption = nullptr;
    ui->diameterField = nullptr;
    ui->diameterUnit = nullptr;
    ui->hiddenLength = nullptr;
    return;
  }
  // Entered form: "線径 [0.5] mm の場合、" heads the group, the length and
  // weight lines follow.
  delete ui->diameterLine;
  ui->diameterLine = nullptr;
  ui->lengthLine->move(ui->lengthLine->x(), 52);
  name(ui->diameterField, names.diameter);
  if (names.hiddenLength) {
    name(ui->hiddenLength, names.hiddenLength);
    diameterChange_ = [this] { Reweigh(); };
  } else {
    delete ui->hiddenLength;
    ui->hiddenLength = nullptr;
  }
  kit::Numeric(ui->diameterField, [this] {
    if (diameterChange_)
      diameterChange_();
  });
}

void CoilFrame::Connect(kit::Handler inductance, kit::Handler turns) {
  kit::OnClick(ui->inductanceButton, inductance);
  kit::EnterCalculates(ui->turnsField, std::move(inductance));
  kit::OnClick(ui->turnsButton, turns);
  kit::EnterCalculates(ui->targetField, std::move(turns));
}

void CoilFrame::SetDiameterChange(kit::Handler handler) { diameterChange_ = std::move(handler); }

QLineEdit* CoilFrame::TurnsField() const { return ui->turnsField; }
QLineEdit* CoilFrame::TargetField() const { return ui->targetField; }
QLineEdit* CoilFrame::Result(Calc calc) const {
  return calc == Inductance ? ui->inductanceResult : ui->turnsResult;
}
QPushButton* CoilFrame::Button(Calc calc) const {
  return calc == Inductance ? ui->inductanceButton : ui->turnsButton;
}
QLabel* CoilFrame::Marker(Calc calc) const {
  return calc == Inductance ? ui->inductanceMarker : ui->turnsMarker;
}
QGroupBox* CoilFrame::WireGroup() const { return ui->wireGroup; }
QLineEdit* CoilFrame::DiameterField() const { return ui->diameterField; }

bool CoilFrame::Start(Calc calc, const std::function<bool()>& rejected) {
  return Start(calc, rejected, QString());
}

bool CoilFrame::Start(Calc calc, const std::function<bool()>& rejected, const QString& message) {
  Marker(calc == Inductance ? Turns : Inductance)->hide();
  if (rejected()) {
    Marker(calc)->hide();
    kit::Blank(Result(calc));
    if (message.isEmpty())
      kit::ZeroInputError(this);
    else
      kit::ErrorDialog(this, message);
    return false;
  }
  Marker(calc)->show();
  return true;
}

void CoilFrame::Abandon(Calc calc, std::string_view message) {
  Marker(calc)->hide();
  kit::ErrorDialog(this, QString::fromUtf8(message.data(), static_cast<qsizetype>(message.size())));
}

void CoilFrame::WriteResult(Calc calc, const std::string& text) { kit::Write(Result(calc), text); }

void CoilFrame::WriteWire(const Wire& wire) {
  kit::Write(ui->lengthLine, LengthLine(wire.length));
  if (ui->diameterLine)
    kit::Write(ui->diameterLine, DiameterLine(wire.diameter, wire.suffix));
  kit::Write(ui->weightLine, WeightLine(wire.weight));
}

void CoilFrame::WriteWireLength(Real length) {
  const Real diameter = kit::Read(ui->diameterField);
  const Real weight = CopperWeight(diameter, length, names_.weightDecimals);
  kit::Write(ui->lengthLine, LengthLine(length));
  if (ui->hiddenLength)
    kit::Write(ui->hiddenLength, quelm::FormatGeneral(length));
  kit::Write(ui->weightLine, WeightLine(weight));
}

void CoilFrame::Reweigh() {
  const Real diameter = kit::Read(ui->diameterField);
  const Real length = ReadLengthText(ui->hiddenLength->text().toStdString());
  kit::Write(ui->weightLine, WeightLine(CopperWeight(diameter, length, names_.weightDecimals)));
}

void ShowPicture(QLabel* label, const QString& resource) {
  InitCoilDesignResources();
  QSvgRenderer renderer(resource);
  const qreal ratio = label->devicePixelRatioF();
  QPixmap pixmap(label->size() * ratio);
  pixmap.setDevicePixelRatio(ratio);
  pixmap.fill(Qt::transparent);
  QSizeF size = renderer.defaultSize();
  size.scale(label->size(), Qt::KeepAspectRatio);
  const QRectF target(QPointF((label->width() - size.width()) / 2, (label->height() - size.height()) / 2),
                      size);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  renderer.render(&painter, target);
  painter.end();
  label->setPixmap(pixmap);
}

} // namespace coil_design
