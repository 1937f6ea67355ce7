#pragma once
#include <string>
#include <string_view>

// Number texts as the program shows and reads them.

// Formats with one of the fixed patterns: "0", "0.0" ... "0.000000" and "0.00e+00".
// Halves round away from zero; a value that rounds to zero never shows a minus sign.
std::string Format(double value, std::string_view pattern);

// The plain number form of list items and labels: 7, 13.5, 18.81667. Uses at most
// `significant` digits and drops trailing zeros.
std::string PlainNumber(double value, int significant = 15);

// The leading number of a text; 0 where there is none. Blanks are skipped, and a decimal
// comma counts as a decimal point ("41,8" is 41.8). A number too large to hold is 0.
double Val(std::string_view text);
