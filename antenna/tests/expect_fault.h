#pragma once
// Expects `step` to throw the calculators' error of the given kind.
#include <gtest/gtest.h>

#include <functional>

#include "core/errors.h"

namespace antenna {

inline void ExpectFault(quelm::FaultKind kind, const std::function<void()>& step) {
  try {
    step();
    ADD_FAILURE() << "no fault";
  } catch (const quelm::CalcError& e) {
    EXPECT_EQ(e.kind(), kind) << e.Message();
  }
}

} // namespace antenna
