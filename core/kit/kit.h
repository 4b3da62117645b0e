#pragma once
// The page kit: the one place where pages meet the toolkit. Every page wires
// its fields and buttons through these helpers, so the input filter, the key
// variants, the handler guard and the dialogs exist once.
//
// Handlers are plain page methods that read, check, compute and write; they
// throw quelm::CalcError on a conversion error or a floating-point fault and
// never catch it themselves. The kit runs each handler inside Guard(), which
// turns the error into the application error box and reports the failure so
// that the rest of a key action is skipped.
#include <QString>
#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/real.h"
#include "core/units.h"

class QAbstractButton;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QTableWidget;
class QWidget;

namespace kit {

using quelm::Real;
using Handler = std::function<void()>;

// ---- Dialogs -------------------------------------------------------------

// Where the program's messages go. The default shows real modal message
// boxes; tests install a recording sink.
class MessageSink {
public:
  virtual ~MessageSink() = default;
  // A page's error dialog: critical icon, title "エラー", one OK button.
  virtual void ErrorDialog(QWidget* parent, const QString& text) = 0;
  // The application error box: critical icon, title "QUELM 2.0", OK.
  virtual void ApplicationErrorBox(QWidget* parent, const QString& text) = 0;
};

// Installs a sink (nullptr restores the real boxes); returns the previous one.
MessageSink* SetMessageSink(MessageSink* sink);

// The common zero-input dialog (its two lines joined by a line break).
void ZeroInputError(QWidget* parent);
// A page's own message in the same dialog.
void ErrorDialog(QWidget* parent, const QString& text);
// The application error box with a message (the closing point is added here
// when the message needs one).
void ApplicationErrorBox(QWidget* parent, const QString& message);

// Runs a handler; on a CalcError shows the application error box and returns
// false. Returns true when the handler ran to its end.
bool Guard(QWidget* context, const Handler& handler);

// ---- Input fields ----------------------------------------------------------

// The numeric filter as the change action of each field (writes from code
// included); also asks the input method for Latin digits.
void Numeric(std::initializer_list<QLineEdit*> fields);
// A field whose change action does more after filtering: `after` runs once
// the text is clean (guarded).
void Numeric(QLineEdit* field, Handler after);
// The editable list (ComboBox9): filtered, no inline completion, no item
// insertion, Enter swallowed.
void NumericCombo(QComboBox* combo);

// A key filter that lets through only digits (and editing keys) from the
// keyboard; text written from code is untouched.
void DigitsOnlyKeys(QLineEdit* field);

// ---- Key variants (Enter is Key_Return or Key_Enter) ------------------------

void EnterIgnored(QWidget* field);
void EnterCalculates(QWidget* field, Handler calc);
void EnterCalculatesTwice(QWidget* field, Handler first, Handler second);
// Calculation, then focus to the partner with its whole text selected.
void EnterCalculatesThenFocuses(QWidget* field, Handler calc, QLineEdit* partner);
// (a): focus to the button, calculation, focus back to the field (text selected).
void EnterCalculatesRefocusedA(QLineEdit* field, QWidget* button, Handler calc);
// (b): calculation, focus to the button, focus back to the field (text selected).
void EnterCalculatesRefocusedB(QLineEdit* field, QWidget* button, Handler calc);
// If modeA is visible: a then b; after that, if modeB is visible: b then a.
// (The solenoid page: modeA = Label13, modeB = Label12, a = BitBtn3Click,
// b = BitBtn14Click.)
void EnterCalculatesByMode(QWidget* field, QWidget* modeA, QWidget* modeB, Handler a, Handler b);
// Every key press runs the calculation first; the key then takes effect.
void AnyKeyCalculates(QWidget* widget, Handler calc);

// ---- Actions ----------------------------------------------------------------

// A click on a button runs the handler (guarded).
void OnClick(QAbstractButton* button, Handler handler);
// A user's pick in a list runs the handler (guarded); setting the index from
// code does not.
void OnPick(QComboBox* combo, Handler handler);
// A user's pick of another item of a radio group runs the handler (guarded);
// a click on the item already selected does nothing.
void OnRadioPick(QGroupBox* group, Handler handler);
// A toggle of a check box by the user runs the handler (guarded).
void OnCheck(QAbstractButton* box, Handler handler);
// A click (left button pressed and released over it) on a label or picture.
void OnLabelClick(QWidget* widget, Handler handler);
// A double click on a label or picture.
void OnDoubleClick(QWidget* widget, Handler handler);
// The change action of a field that is not filtered: runs (guarded) on every
// change of its text, by typing, pasting or a write from code.
void OnTextChange(QLineEdit* field, Handler handler);
// The show action of a page: runs (guarded) each time the widget becomes
// visible, whoever showed it (its tab picked by the user or from code, its
// window shown), but not when a minimised window comes back.
void OnShow(QWidget* widget, Handler handler);

// ---- Reading and writing ----------------------------------------------------

Real Read(const QLineEdit* field);       // empty reads 0
Real Read(const QComboBox* editable);    // the editable list's text
Real ReadStrict(const QLineEdit* field); // empty is a conversion error

// The factor of a unit list's selected item from the list's table (no list
// or an empty table: the value stays as it is).
quelm::UnitFactor Factor(const QComboBox* list, std::span<const quelm::UnitFactor> table);
// The row of a per-item table for a list's selected item (clamped to the
// table, so a list with no selection gives the first row).
int SelectedIndex(const QComboBox* list, std::size_t count);
template <class T, std::size_t N> const T& Selected(const QComboBox* list, const std::array<T, N>& table) {
  return table[static_cast<std::size_t>(SelectedIndex(list, N))];
}
// A field's number in the unit picked in its list, scaled to the base unit
// as the list's table says (empty reads 0).
Real ReadIn(const QLineEdit* field, const QComboBox* units, std::span<const quelm::UnitFactor> table);
// Several fields in their units. Every text is read first, in the order
// given, so a text that is no number stops the calculation at the first such
// field before anything is scaled; then each value is scaled. A field given
// without a list is taken as typed:
//   const auto [f, l, r] = kit::ReadIn({{ui->Edit1, ui->ComboBox1, kFrequencyUnits}, {...}, {ui->Edit3}});
struct InUnit {
  const QLineEdit* field;
  const QComboBox* units = nullptr;
  std::span<const quelm::UnitFactor> table = {};
};
template <std::size_t N> std::array<Real, N> ReadIn(const InUnit (&fields)[N]) {
  std::array<Real, N> values{};
  for (std::size_t i = 0; i < N; ++i)
    values[i] = Read(fields[i].field);
  for (std::size_t i = 0; i < N; ++i)
    values[i] = Factor(fields[i].units, fields[i].table).Apply(values[i]);
  return values;
}

// The selected item of a radio group (its QRadioButton children in order),
// -1 when none.
int RadioIndex(const QGroupBox* group);
void SetRadioIndex(QGroupBox* group, int index);

void Write(QLineEdit* field, std::string_view utf8);
void Write(QLabel* label, std::string_view utf8);
// The blank result: a single ASCII space.
void Blank(QLineEdit* field);
// A calculation refused for a zero (or empty) input: its result field is
// blanked, then ZeroInputError is shown.
void RejectZeroInput(QLineEdit* result);

// A memo's line by its index: only that line changes (a line the memo does
// not have yet is added, after empty ones). The text is one line, without a
// line break.
void WriteLine(QPlainTextEdit* memo, int line, const std::string& utf8);

// A read-only string grid. Its columns get fixed widths; header and rows are
// set cell by cell from display texts (the grid grows to hold them), each
// cell selectable but not editable.
void SetColumnWidths(QTableWidget* grid, std::span<const int> widths);
void SetHeader(QTableWidget* grid, std::initializer_list<std::string_view> cells);
void SetRow(QTableWidget* grid, int row, std::initializer_list<std::string_view> cells);
// Exchanges the texts of two whole rows; the selection and the scroll
// position stay where they were.
void ExchangeRows(QTableWidget* grid, int a, int b);

// An SVG picture (a resource or file path) drawn into a label, scaled to fit
// and centred.
void ShowPicture(QLabel* label, const QString& svg);

// Focus with the whole text selected.
void FocusSelectAll(QLineEdit* field);

// Field colours by role. A painted field that is disabled keeps its text
// readable: at least 4.5:1 contrast on any of the three colours.
enum class Colour { Window, ButtonFace, Light3D };
void Paint(QWidget* field, Colour colour);
Colour PaintedColour(const QWidget* field);
// A field that an option switches on and off: enabled on the window colour,
// or disabled and painted button-face (its text is still there to read, and
// a calculation still reads it).
void EnableField(QWidget* field, bool enabled);

// A label or panel used as a colour swatch: filled with an exact colour
// (0xRRGGBB) inside a thin dark frame, so that light fills (white, silver,
// yellow) stand out from the page; its own text is drawn over the fill in
// the colour `text`.
void PaintSwatch(QWidget* swatch, std::uint32_t rgb, std::uint32_t text = 0);
// The same in a system colour (button face: a band that is not there).
void PaintSwatch(QWidget* swatch, Colour colour, std::uint32_t text = 0);

// ---- Links --------------------------------------------------------------------

// A label shown as a link: blue, underlined, hand pointer, showing `text`.
void ShowAsLink(QLabel* label, const QString& text);
// Hands the whole address (path and query as given) to the desktop, which
// opens it in its web or mail handler; a desktop without one does nothing.
void OpenLink(const QString& address);

// ---- A radio group that picks the solved quantity ---------------------------

// Of several quantities, each with its field, the user picks one in a radio
// group; the calculation solves for it from the others. The solved field is
// painted button-face (and disabled where the page locks it), a bold caption
// names the solved quantity, and a read-only result field repeats the answer
// with its unit.
class SolvedQuantity {
public:
  struct Item {
    QLineEdit* field;
    const char* caption; // the result row's caption while this item is picked
  };
  enum class SolvedField { Disabled, Editable };

  SolvedQuantity(QGroupBox* group, std::vector<Item> items, QLabel* caption, QLineEdit* result,
                 SolvedField solved);

  // The picked item (-1 when none) and its field (nullptr when none).
  int Index() const;
  QLineEdit* Field() const;

  // A new pick: every field back to the window colour (and enabled), the
  // result blanked, then the picked field painted (and disabled) and the
  // caption set. Nothing is solved.
  void ShowPick() const;
  // A solved value: written into the solved field, and the result row
  // repeats that field's text as its filter left it, then the unit (which
  // begins with a blank, or is empty).
  void Deliver(const std::string& value, std::string_view unit) const;
  // No answer: the result row blanks, the fields keep their texts.
  void BlankResult() const;

private:
  QGroupBox* group_;
  std::vector<Item> items_;
  QLabel* caption_;
  QLineEdit* result_;
  SolvedField solved_;
};

} // namespace kit
