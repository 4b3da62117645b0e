#pragma once
// The frame that every coil page shares: the groups "インダクタンス計算"
// (inductance from turns) and "巻数の計算" (turns from inductance), the
// wire group "必要な線材( UEW, PEW )" in its derived-diameter or
// entered-diameter form, and the two ▼ markers between them.
//
// Marker protocol of every calculate handler:
//   1. read the inputs (a text that is no number stops here and leaves
//      both markers as they were);
//   2. Start(): hide the other group's marker and run the page's checks; on
//      rejection hide the own marker, blank the own result, show the error
//      dialog and stop; otherwise show the own marker;
//   3. WriteResult(), then the wire group (WriteWire() or WriteWireLength()).
// So at most one marker is visible, and the visible one names the
// calculation whose results the wire group shows.
#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "coil_design/coil_wire.h"
#include "core/kit/kit.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace Ui {
class CoilFrame;
}

namespace coil_design {

// The names and defaults one page gives its frame.
struct FrameSpec {
  enum Form { DerivedDiameter, EnteredDiameter };

  // inductance from turns
  const char* turnsField;
  const char* turnsDefault;
  const char* inductanceButton;
  const char* inductanceResult;
  const char* inductanceMarker;
  // turns from inductance
  const char* targetField;
  const char* targetDefault;
  const char* turnsButton;
  const char* turnsResult;
  const char* turnsMarker;
  // the wire group
  Form form;
  const char* lengthLine;
  const char* diameter; // the diameter line, or the diameter field (default "0.5")
  const char* weightLine;
  const char* hiddenLength; // the label keeping the last length, or nullptr
  int weightDecimals;
};

class CoilFrame : public QWidget {
  Q_OBJECT

public:
  enum Calc { Inductance, Turns };

  explicit CoilFrame(QWidget* parent = nullptr);
  ~CoilFrame() override;

  // Names the controls, fills in the defaults and keeps the widgets of the
  // wire-group form the names ask for. Call once, right after the page's setupUi.
  void Setup(const FrameSpec& names);
  // Runs `inductance` on a click of the inductance group's button or Enter
  // in its turns field; `turns` likewise for the turns group.
  void Connect(kit::Handler inductance, kit::Handler turns);
  // The entered diameter's change action after the filter. By default the
  // re-weighting (when the page keeps a hidden length label), else nothing.
  void SetDiameterChange(kit::Handler handler);

  QLineEdit* TurnsField() const;  // "コイルの巻数 t"
  QLineEdit* TargetField() const; // "インダクタンス L" (μH)
  QLineEdit* Result(Calc calc) const;
  QPushButton* Button(Calc calc) const;
  QLabel* Marker(Calc calc) const;
  QGroupBox* WireGroup() const;
  QLineEdit* DiameterField() const; // entered form only, else nullptr

  // Steps 2 of the protocol with ZeroInputError, or with the page's own
  // message. `rejected` runs after the other marker is hidden. Returns true
  // when the calculation goes on (the own marker then shows).
  bool Start(Calc calc, const std::function<bool()>& rejected);
  bool Start(Calc calc, const std::function<bool()>& rejected, const QString& message);
  // A calculation that found its answer out of range after Start(): the own
  // marker is hidden again and the message shown; no field changes, so the
  // wire group and both results keep their texts.
  void Abandon(Calc calc, std::string_view message);

  void WriteResult(Calc calc, const std::string& text);
  // Derived form: the length, diameter (with its suffix) and weight lines.
  void WriteWire(const Wire& wire);
  // Entered form: reads the diameter field, weighs the wire of `length`
  // metres (already rounded) and writes the length line, the hidden length
  // label and the weight line.
  void WriteWireLength(Real length);
  // The weight line again from the diameter field and the hidden length label
  // (empty reads as 0): the diameter's change action on the loop and spiral
  // pages, whatever the markers show.
  void Reweigh();

private:
  std::unique_ptr<Ui::CoilFrame> ui;
  FrameSpec names_{};
  kit::Handler diameterChange_;
};

// Draws an SVG picture from the resources into a label, scaled to fit.
void ShowPicture(QLabel* label, const QString& resource);

} // namespace coil_design
