#include "data/model/fit.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <numbers>

TEST(FitLine, TwoPointsGiveTheirLineInSinglePrecision) {
    const std::array<double, 2> x{0.5, 1};
    const std::array<double, 2> y{0.25, 0.5};
    const LineFit fit = FitLine(x, y);
    EXPECT_EQ(fit.a, 0.0f);
    EXPECT_EQ(fit.b, 0.5f);

    // y = 1 + 2x through three points, through the guard.
    const std::array<double, 3> x3{1, 2, 3};
    const std::array<double, 3> y3{3, 5, 7};
    const auto guarded = TryFitLine(x3, y3);
    ASSERT_TRUE(guarded);
    EXPECT_FLOAT_EQ(guarded->a, 1);
    EXPECT_FLOAT_EQ(guarded->b, 2);

    // The single-precision slope of 1/3 is not the double one; the double fit keeps it.
    const std::array<double, 2> yThird{0, 1.0 / 3};
    const std::array<double, 2> xUnit{0, 1};
    EXPECT_EQ(FitLine(xUnit, yThird).b, 1.0f / 3);
    EXPECT_DOUBLE_EQ(TryFitLineDouble(xUnit, yThird)->b, 1.0 / 3);
}

TEST(FitLine, DegeneratePointsAreRefusedWithAReason) {
    const std::array<double, 1> one{10};
    const std::array<double, 3> same{20, 20, 20};
    const std::array<double, 3> ys{1, 2, 3};
    EXPECT_EQ(CheckFitPoints({}), FitProblem::TooFewPoints);
    EXPECT_EQ(CheckFitPoints(one), FitProblem::TooFewPoints);
    EXPECT_EQ(CheckFitPoints(same), FitProblem::SameIncidence);
    EXPECT_FALSE(TryFitLine(one, std::span<const double>(ys).first(1)));
    EXPECT_FALSE(TryFitLine(same, ys));
    EXPECT_FALSE(TryFitLineDouble(same, ys));
    // 0.1 three times sums with rounding; it must still count as one incidence.
    const std::array<double, 3> tenths{0.1, 0.1, 0.1};
    EXPECT_FALSE(TryFitLine(tenths, ys));
    for (auto problem : {FitProblem::TooFewPoints, FitProblem::SameIncidence, FitProblem::ZeroSlope})
        EXPECT_FALSE(FitProblemText(problem).empty());
}

TEST(ArcSin, TextbookAngles) {
    EXPECT_DOUBLE_EQ(ArcSin(1), std::numbers::pi / 2);
    EXPECT_DOUBLE_EQ(ArcSin(0.5), std::numbers::pi / 6);
    EXPECT_DOUBLE_EQ(ArcSin(-1), -std::numbers::pi / 2);
}
