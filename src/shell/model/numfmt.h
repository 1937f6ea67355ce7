#pragma once
#include <optional>
#include <string>
#include <string_view>

// Number texts as the program shows and reads them.

// What a number text shows for a value that is not a number (a fault upstream): a dash,
// never "NaN" or "Infinity".
inline constexpr const char* kNoNumber = "-";

// Formats with one of the fixed patterns: "0", "0.0" ... "0.000000" and "0.00e+00".
// Halves round away from zero; a value that rounds to zero never shows a minus sign.
// Values of 1e15 and more take the exponent form ("1.00e+300"), whatever the pattern.
std::string Format(double value, std::string_view pattern);

// The plain number form of list items and labels: 7, 13.5, 18.81667. Uses at most
// `significant` digits and drops trailing zeros.
std::string PlainNumber(double value, int significant = 15);

// The leading number of a text; 0 where there is none. Blanks are skipped, and a decimal
// comma counts as a decimal point ("41,8" is 41.8). A number too large to hold is 0.
double Val(std::string_view text);

// What a box accepts: a finite number from min to max (an open bound excluded).
struct Accepts {
    double min = -1e308, max = 1e308;
    bool minOpen = false, maxOpen = false;
};

// The one reading of a typed number: Val's leading number (empty or non-numeric text is 0, a
// decimal comma counts), refused (no value) when it is too large to hold or outside what the
// box accepts. A number too small to matter (1e-320) reads as 0.
std::optional<double> ReadTyped(std::string_view text, const Accepts& range);

// The short bilingual message of a refused answer, naming the box and what it accepts:
// "Incidence angle: a number from -360 to 360   Γωνία πρόσπτωσης: αριθμός από -360 έως 360".
std::string RefusalText(std::string_view english, std::string_view greek, const Accepts& range);
