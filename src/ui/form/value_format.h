#pragma once

#include <string>

namespace qavi::ui {

// Formats a number by a display pattern such as "##0.0", "#0.00" or "#,#0.":
// '0' is a required digit, '#' an optional one, the first '.' marks the decimal
// separator and any ',' before it asks for thousands separators. The number of
// placeholders after '.' is the number of decimals shown; trailing decimals
// beyond the last '0' are dropped when they are zero. Halves round away from zero.
std::string formatFloat(double value, const std::string& pattern, char decimalSeparator = '.',
                        char thousandsSeparator = ',');

// Fixed notation with at most `precision` significant digits and `decimals`
// decimals, as the live display and the settings view format their texts.
std::string formatFixed(double value, int precision, int decimals, char decimalSeparator = '.');

}  // namespace qavi::ui
