#pragma once
#include <optional>
#include <span>
#include <string_view>

// Y = a + b·X, kept in single precision as the program always kept it.
struct LineFit {
    float a; // intercept
    float b; // slope
};

// The same line in double precision: the second fit of the Witelo sets.
struct LineFitDouble {
    double a;
    double b;
};

// Least squares over the points (x[i], y[i]); x and y have the same length. Unchecked: with
// fewer than two points or all x equal the slope is not a number. Callers that take their
// points from a student use TryFitLine.
LineFit FitLine(std::span<const double> x, std::span<const double> y);

// Why a set of points gives no line.
enum class FitProblem {
    None,
    TooFewPoints,  // fewer than two points
    SameIncidence, // every x the same
    ZeroSlope,     // a flat line: no index 1/b
    SameSine,      // different incidences of one sine (0 and 180 degrees): no line of sines
};
FitProblem CheckFitPoints(std::span<const double> x);

// The message a window shows instead of a line.
std::string_view FitProblemText(FitProblem problem);

// FitLine, or nothing when CheckFitPoints refuses the points or the result is not finite.
std::optional<LineFit> TryFitLine(std::span<const double> x, std::span<const double> y);
std::optional<LineFitDouble> TryFitLineDouble(std::span<const double> x, std::span<const double> y);

// Arcsine in radians for -1 <= x <= 1.
double ArcSin(double x);
