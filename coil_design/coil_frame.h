#pragma once
// The behaviour every coil page shares: the groups "インダクタンス計算"
// (inductance from turns) and "巻数の計算" (turns from inductance), the
// wire group "必要な線材( UEW, PEW )" in its derived-diameter or
// entered-diameter form, and the two ▼ markers between them. Each page's
// form holds these controls under their own names; the page binds them to
// a CoilFrame right after its setupUi.
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
#include <functional>
#include <string>
#include <string_view>

#include "coil_design/coil_wire.h"
#include "core/kit/kit.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace coil_design {

// The controls a page gives its frame, bound by role with designated
// initialisers, e.g. `.turnsField = ui->Edit44`. The members without a
// default must all be named (the compiler warns about a missing one); the
// wire group binds either a diameter line or a diameter field, and that
// choice is its form.
struct CoilFrameWidgets {
  // inductance from turns
  QLineEdit* turnsField; // "コイルの巻数 t"
  QPushButton* inductanceButton;
  QLineEdit* inductanceResult;
  QLabel* inductanceMarker;
  // turns from inductance
  QLineEdit* targetField; // "インダクタンス L" (μH)
  QPushButton* turnsButton;
  QLineEdit* turnsResult;
  QLabel* turnsMarker;
  // the wire group
  QLabel* lengthLine;
  QLabel* diameterLine = nullptr;     // derived form: the diameter worked out
  QLineEdit* diameterField = nullptr; // entered form: "線径 [0.5] mm の場合、"
  QLabel* weightLine;
  // Entered form: a hidden label keeping the last length for the
  // re-weighting, where the page has one.
  QLabel* hiddenLength = nullptr;
};

class CoilFrame {
public:
  enum Calc { Inductance, Turns };

  // Binds the controls: the numeric filter on the fields, the markers bold,
  // 20 px high and hidden, the hidden length label hidden. The entered form
  // weighs the wire here, to `weightDecimals` decimals (grams); in the
  // derived form the page's calculation weighs it, to the same decimals.
  CoilFrame(const CoilFrameWidgets& widgets, int weightDecimals);
  CoilFrame(const CoilFrame&) = delete;
  CoilFrame& operator=(const CoilFrame&) = delete;

  // Runs `inductance` on a click of the inductance group's button or Enter
  // in its turns field; `turns` likewise for the turns group.
  void Connect(kit::Handler inductance, kit::Handler turns);
  // The entered diameter's change action after the filter. By default the
  // re-weighting (when the page keeps a hidden length label), else nothing.
  void SetDiameterChange(kit::Handler handler);

  // Step 2 of the protocol with ZeroInputError, or with the page's own
  // message (its text exactly as given, line breaks included). `rejected`
  // runs after the other marker is hidden. Returns true when the
  // calculation goes on (the own marker then shows).
  bool Start(Calc calc, const std::function<bool()>& rejected);
  bool Start(Calc calc, const std::function<bool()>& rejected, std::string_view message);
  // A calculation that found its answer out of range after Start(): the own
  // marker is hidden again and the message shown; no field changes, so the
  // wire group and both results keep their texts.
  void Abandon(Calc calc, std::string_view message);

  // Whether the calculation's marker shows: it was the last calculation to
  // pass its checks, so the wire group is its own.
  bool Shows(Calc calc) const;

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
  QLineEdit* Result(Calc calc) const;
  QLabel* Marker(Calc calc) const;

  CoilFrameWidgets w_;
  int weightDecimals_;
  kit::Handler diameterChange_;
};

} // namespace coil_design
