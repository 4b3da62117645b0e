#pragma once
// The fault a calculation raises, if any.
#include <optional>

#include "core/errors.h"

namespace coil_eval {

template <class Run> std::optional<quelm::FaultKind> FaultOf(Run run) {
  try {
    run();
  } catch (const quelm::CalcError& e) {
    return e.kind();
  }
  return std::nullopt;
}

} // namespace coil_eval
