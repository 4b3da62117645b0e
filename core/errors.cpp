#include "core/errors.h"

namespace quelm {

namespace {

std::string RawMessageOf(FaultKind kind, const std::string& text) {
  switch (kind) {
  case FaultKind::Conversion:
    return "'" + text + "' は浮動小数点数ではありません";
  case FaultKind::WholeConversion:
    return "'" + text + "' は整数ではありません";
  case FaultKind::InvalidOperation:
    return "不正な浮動小数点数演算命令";
  case FaultKind::DivisionByZero:
    return "0 による浮動小数点数除算";
  case FaultKind::Overflow:
    return "浮動小数点数のオーバーフロー";
  }
  return {};
}

} // namespace

CalcError::CalcError(FaultKind kind, std::string text)
    : std::runtime_error(RawMessageOf(kind, text)), kind_(kind), text_(std::move(text)) {}

std::string CalcError::RawMessage() const { return RawMessageOf(kind_, text_); }

std::string CalcError::Message() const { return WithClosingPoint(RawMessage()); }

std::string WithClosingPoint(const std::string& message) {
  if (message.empty())
    return message;
  // The last character's code: for UTF-8 any byte of a multi-byte character
  // is >= 0x80, so comparing the last byte with '.' compares the code point.
  const auto last = static_cast<unsigned char>(message.back());
  if (last > static_cast<unsigned char>('.'))
    return message + ".";
  return message;
}

} // namespace quelm
