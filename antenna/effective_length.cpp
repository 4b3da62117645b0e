#include "antenna/effective_length.h"

#include "core/format.h"

namespace antenna {

std::string EffectiveLengthText(quelm::Real metres) {
  return std::string("実効長 : ") + quelm::FormatRounded(metres, 3) + " ｍ";
}

} // namespace antenna
