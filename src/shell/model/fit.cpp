#include "shell/model/fit.h"

#include <cmath>

#include "shell/model/mathconst.h"

namespace {

LineFitDouble leastSquares(std::span<const double> x, std::span<const double> y) {
    const std::size_t count = x.size() < y.size() ? x.size() : y.size();
    double sx = 0, sy = 0, sxy = 0, sxx = 0;
    for (std::size_t i = 0; i < count; ++i) {
        sx += x[i];
        sy += y[i];
        sxy += x[i] * y[i];
        sxx += x[i] * x[i];
    }
    const double n = static_cast<double>(count);
    const double b = (n * sxy - sx * sy) / (n * sxx - sx * sx);
    const double a = (sy - b * sx) / n;
    return {a, b};
}

} // namespace

LineFit FitLine(std::span<const double> x, std::span<const double> y) {
    const LineFitDouble fit = leastSquares(x, y);
    return {static_cast<float>(fit.a), static_cast<float>(fit.b)};
}

FitProblem CheckFitPoints(std::span<const double> x) {
    if (x.size() < 2) return FitProblem::TooFewPoints;
    for (double value : x) {
        if (value != x.front()) return FitProblem::None;
    }
    return FitProblem::SameIncidence;
}

std::string_view FitProblemText(FitProblem problem) {
    switch (problem) {
    case FitProblem::None:
        return "";
    case FitProblem::TooFewPoints:
        return "At least two points are needed for a line "
               "Χρειάζονται τουλάχιστον δύο σημεία για ευθεία";
    case FitProblem::SameIncidence:
        return "The points need different incidence angles "
               "Τα σημεία χρειάζονται διαφορετικές γωνίες πρόσπτωσης";
    case FitProblem::SameSine:
        return "The incidence angles have one sine (as 0 and 180 degrees): no line through "
               "the sines Οι γωνίες πρόσπτωσης έχουν το ίδιο ημίτονο (όπως 0 και 180 μοίρες): "
               "καμία ευθεία από τα ημίτονα";
    case FitProblem::ZeroSlope:
        return "The fitted line is flat: there is no index "
               "Η ευθεία είναι οριζόντια: δεν υπάρχει δείκτης διάθλασης";
    }
    return "";
}

std::optional<LineFitDouble> TryFitLineDouble(std::span<const double> x,
                                              std::span<const double> y) {
    if (x.size() != y.size() || CheckFitPoints(x) != FitProblem::None) return std::nullopt;
    const LineFitDouble fit = leastSquares(x, y);
    // Equal x values can still leave a rounding-sized denominator; such a line is no answer.
    if (!std::isfinite(fit.a) || !std::isfinite(fit.b)) return std::nullopt;
    return fit;
}

std::optional<LineFit> TryFitLine(std::span<const double> x, std::span<const double> y) {
    const auto fit = TryFitLineDouble(x, y);
    if (!fit) return std::nullopt;
    const LineFit single{static_cast<float>(fit->a), static_cast<float>(fit->b)};
    if (!std::isfinite(single.a) || !std::isfinite(single.b)) return std::nullopt;
    return single;
}

double ArcSin(double x) {
    if (x == 1) return PI / 2;
    if (x == -1) return -PI / 2; // spares the division by zero below
    return std::atan(x / std::sqrt(1 - x * x));
}
