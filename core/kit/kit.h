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
#include <functional>
#include <initializer_list>
#include <span>
#include <string>

#include "core/real.h"
#include "core/units.h"

class QAbstractButton;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
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

// ---- Reading and writing ----------------------------------------------------

Real Read(const QLineEdit* field);       // empty reads 0
Real Read(const QComboBox* editable);    // the editable list's text
Real ReadStrict(const QLineEdit* field); // empty is a conversion error

// The factor of a unit list's selected item from the list's table.
quelm::UnitFactor Factor(const QComboBox* list, std::span<const quelm::UnitFactor> table);

// The selected item of a radio group (its QRadioButton children in order),
// -1 when none.
int RadioIndex(const QGroupBox* group);
void SetRadioIndex(QGroupBox* group, int index);

void Write(QLineEdit* field, const std::string& utf8);
void Write(QLabel* label, const std::string& utf8);
// The blank result: a single ASCII space.
void Blank(QLineEdit* field);

// Focus with the whole text selected.
void FocusSelectAll(QLineEdit* field);

// Field colours by role.
enum class Colour { Window, ButtonFace, Light3D };
void Paint(QWidget* field, Colour colour);
Colour PaintedColour(const QWidget* field);

} // namespace kit
