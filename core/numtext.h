#pragma once
// Reading numbers out of input fields.
#include <string>
#include <string_view>

#include "core/real.h"

namespace quelm {

// Deletes every UTF-16 code unit that is neither an ASCII digit nor '.'.
std::u16string FilterNumericText(std::u16string_view text);

// Reads a field's text: digits, optionally '.' and digits, either run
// possibly empty; an empty text and a lone "." read as 0. Anything else
// (a second point, a letter, a value beyond the extended range) throws a
// conversion error carrying the text. Never depends on the C locale.
Real ReadNumber(std::string_view utf8);

// As ReadNumber, but an empty text is a conversion error too.
Real ReadNumberStrict(std::string_view utf8);

} // namespace quelm
