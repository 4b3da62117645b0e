#pragma once
// The one failure type of the calculators. A calculation that meets a text
// that is not a number, or a floating-point fault, throws CalcError; the page
// kit's guard catches it and shows the application error box.
#include <stdexcept>
#include <string>

namespace quelm {

enum class FaultKind {
  Conversion,       // a text that is not a number
  WholeConversion,  // a text that is not a whole number
  InvalidOperation, // sqrt or log of a negative, 0/0, rounding beyond 64 bits
  DivisionByZero,   // x/0 with x != 0, log of zero
  Overflow,         // a result beyond the extended range
};

class CalcError : public std::runtime_error {
public:
  explicit CalcError(FaultKind kind, std::string text = {});

  FaultKind kind() const noexcept { return kind_; }
  // The offending text of a conversion error (UTF-8).
  const std::string& text() const noexcept { return text_; }

  // The raw message of the fault, without the closing point.
  std::string RawMessage() const;
  // The message as the application error box shows it: the raw message with
  // "." appended when its last character sorts after ".".
  std::string Message() const;

private:
  FaultKind kind_;
  std::string text_;
};

// Appends "." to a message whose last character's code is greater than '.'.
std::string WithClosingPoint(const std::string& message);

} // namespace quelm
