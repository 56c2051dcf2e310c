// Number texts used across the program; one implementation each.
#pragma once

#include <string>

namespace sm {

// General format: up to 15 (or `precision`) significant digits, no trailing zeros,
// scientific ("1.5E20", "1E-5") for very large or small values.
std::string FormatGeneral(double value, char decimal_separator = '.', int precision = 15);

// Rounded to 5 significant digits and written with exactly `decimals`
// decimals; scientific when the integer part has more than 5 digits.
std::string FormatSignificant5(double value, int decimals, char decimal_separator = '.');

// Exactly 2 decimals.
std::string FormatTwoDecimals(double value, char decimal_separator = '.');

}  // namespace sm
