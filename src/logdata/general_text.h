// Values written the way FormatGeneral writes them, straight into a text
// being built. An export writes a value per field: for values logged as
// short decimals the digits are found directly, far faster than through
// printf; any other value goes through FormatGeneral itself.
#pragma once

#include <cstddef>

namespace sm {

// FormatGeneral's longest text, "-1.23456789012345E-308", with room to spare.
constexpr size_t kGeneralTextMax = 32;

// Writes FormatGeneral(value, decimal_separator) at `out`, which has room for
// kGeneralTextMax characters, and answers the end of what it wrote.
char* WriteGeneral(char* out, double value, char decimal_separator = '.');

}  // namespace sm
