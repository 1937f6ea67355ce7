// The path of light through three bodies, the laws it obeys and the least-time search,
// checked against hand calculations. The surface is y = H/2 = 200 (H = 400); medium 1 above.
#include "particles/model/fermat.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <utility>

namespace {
constexpr double H = 400;
const std::string kFirst = "Time of movement from  magenta through blue to  GREEN";

// A 3-4-5 triangle above the surface and a segment below at sin r = 0.4 (length 250): the
// sines 0.6 and 0.4 obey sin i / sin r = 1.5.
const Point kUpper{0, 600}, kCrossing{300, 200}, kLower{400, 200 - 50 * std::sqrt(21.0)};
} // namespace

TEST(FermatPath, LengthsAndTimeFollowTheSpeedOfEachEndsMedium) {
    const PathVerdict v = EvaluatePath(kUpper, kLower, kCrossing, H, 1, 0.5, 1.5, false, kFirst);
    EXPECT_NEAR(v.d1, 500, 1e-9);
    EXPECT_NEAR(v.d2, 250, 1e-9);
    EXPECT_NEAR(v.time, 500 / 1.0 + 250 / 0.5, 1e-9);
    EXPECT_EQ(v.caption, kFirst + "1000.00");
    EXPECT_EQ(v.law, PathVerdict::None); // Fermat's law not ticked
    EXPECT_EQ(v.colour, (Rgb{0, 0, 0}));
    EXPECT_EQ(v.width, 1);
    // An end exactly on the surface counts as the lower medium.
    const PathVerdict onSurface =
        EvaluatePath({0, 200}, kLower, kCrossing, H, 1, 0.5, 1.5, false, kFirst);
    EXPECT_NEAR(onSurface.time, 300 / 0.5 + 250 / 0.5, 1e-9);
}

TEST(FermatPath, TheRefractionMessageHoldsOverASmallBandWhenFermatsLawIsTicked) {
    // c2 = c1 / n: T = 500 + 250 * 1.5 = 875, total 750.
    const PathVerdict v = EvaluatePath(kUpper, kLower, kCrossing, H, 1, 1 / 1.5, 1.5, true, kFirst);
    ASSERT_EQ(v.law, PathVerdict::Fermat);
    EXPECT_EQ(v.caption, kFirst + "875.00" + "             total distance = " + "750.00" +
                             "      Παράδειγμα αρχής Fermat");
    EXPECT_EQ(v.colour, (Rgb{0, 255, 0}));
    EXPECT_EQ(v.width, 5);
    // 5 units along, |1.5 * 0.3830 - 0.6064| = 0.032: still within 0.05; 10 units along,
    // |1.5 * 0.3656 - 0.6126| = 0.064: not.
    EXPECT_EQ(EvaluatePath(kUpper, kLower, {305, 200}, H, 1, 1 / 1.5, 1.5, true, kFirst).law,
              PathVerdict::Fermat);
    EXPECT_EQ(EvaluatePath(kUpper, kLower, {310, 200}, H, 1, 1 / 1.5, 1.5, true, kFirst).law,
              PathVerdict::None);
    // The same path with the light starting below: the index goes with the lower segment.
    EXPECT_EQ(EvaluatePath(kLower, kUpper, kCrossing, H, 1, 1 / 1.5, 1.5, true, kFirst).law,
              PathVerdict::Fermat);
    // The crossing body outside the two ends across: no refraction path.
    EXPECT_EQ(EvaluatePath(kUpper, {-100, -29}, kCrossing, H, 1, 1, 1.5, true, kFirst).law,
              PathVerdict::None);
    // Two ends one above the other, crossing under both: the vertical path obeys the law.
    EXPECT_EQ(
        EvaluatePath({100, 600}, {100, -100}, {100, 200}, H, 1, 1 / 1.5, 1.5, true, kFirst).law,
        PathVerdict::Fermat);
}

TEST(FermatPath, HerosLawNeedsBothEndsOnOneSideAndTheCrossingOnTheSurface) {
    // Mirror images: 45 degrees both ways, d1 = d2 = 300 sqrt 2.
    const Point a{0, 500}, b{600, 500};
    const PathVerdict v = EvaluatePath(a, b, {300, 200}, H, 1, 1, 1.5, true, kFirst);
    ASSERT_EQ(v.law, PathVerdict::Hero); // before Fermat's test, even with it ticked
    EXPECT_EQ(v.caption, kFirst + "848.53" + "            total distance = " + "848.53" +
                             "      Νόμος Ήρωνος");
    EXPECT_EQ(v.colour, (Rgb{255, 0, 0}));
    EXPECT_EQ(EvaluatePath(a, b, {300, 200.4}, H, 1, 1, 1.5, false, kFirst).law, PathVerdict::Hero);
    // Off the surface by half a unit or more: never the reflection message.
    EXPECT_EQ(EvaluatePath(a, b, {300, 200.6}, H, 1, 1, 1.5, false, kFirst).law, PathVerdict::None);
    EXPECT_EQ(EvaluatePath(a, b, {300, 150}, H, 1, 1, 1.5, false, kFirst).law, PathVerdict::None);
    // Unequal angles: cosines 0.707 and 0.832 differ by more than 0.05.
    EXPECT_EQ(EvaluatePath(a, {600, 650}, {300, 200}, H, 1, 1, 1.5, false, kFirst).law,
              PathVerdict::None);
    // Both ends on one ray from the crossing body, one side of its normal: the path folds back
    // on itself at equal angles, and that is no reflection.
    EXPECT_EQ(EvaluatePath(a, {150, 350}, {300, 200}, H, 1, 1, 1.5, false, kFirst).law,
              PathVerdict::None);
    EXPECT_EQ(EvaluatePath({300, 500}, {300, 300}, {300, 200}, H, 1, 1, 1.5, false, kFirst).law,
              PathVerdict::None);
}

TEST(FermatPath, BodiesOnOnePointGiveATimeAndNoLaw) {
    for (const Point& p3 : {kUpper, kLower}) {
        const PathVerdict v = EvaluatePath(kUpper, kLower, p3, H, 1, 1 / 1.5, 1.5, true, kFirst);
        EXPECT_TRUE(std::isfinite(v.time));
        EXPECT_EQ(v.law, PathVerdict::None);
        EXPECT_EQ(v.caption.find("nan"), std::string::npos);
    }
    const PathVerdict all = EvaluatePath({50, 200}, {50, 200}, {50, 200}, H, 1, 1, 1.5, true, kFirst);
    EXPECT_EQ(all.caption, kFirst + "0.00");
    EXPECT_EQ(all.law, PathVerdict::None);
    // Speeds that are no speeds fall back to usable ones.
    const PathVerdict bad = EvaluatePath(kUpper, kLower, kCrossing, H, 0, NAN, 1.5, true, kFirst);
    EXPECT_TRUE(std::isfinite(bad.time));
}

TEST(FermatPath, TheTickedLawDecidesTheLowerSpeed) {
    EXPECT_DOUBLE_EQ(FermatSpeed2(FermatLaw::Descartes, 2, 1.5, 7), 3);
    EXPECT_DOUBLE_EQ(FermatSpeed2(FermatLaw::Fermat, 2, 1.5, 7), 2 / 1.5);
    EXPECT_DOUBLE_EQ(FermatSpeed2(FermatLaw::None, 2, 1.5, 7), 7);
    EXPECT_DOUBLE_EQ(FermatSpeed2(FermatLaw::Fermat, 2, 0, 7), 7); // no infinity
    EXPECT_DOUBLE_EQ(FermatSpeed2(FermatLaw::None, 2, 1.5, 0), 2);
}

namespace {
// The least-time crossing found apart from the program: the time minimised by golden sections
// in long double, which resolve the flat bottom of the time well enough however near the
// surface a body stands.
double GoldenLeastTime(Point upper, Point lower, long double n) {
    const long double s = H / 2;
    const auto time = [&](long double x) {
        return std::hypot(x - upper.x, s - upper.y) + n * std::hypot(x - lower.x, s - lower.y);
    };
    long double a = std::min(upper.x, lower.x), b = std::max(upper.x, lower.x);
    const long double g = (std::sqrt(5.0L) - 1) / 2;
    long double c = b - g * (b - a), d = a + g * (b - a), tc = time(c), td = time(d);
    for (int k = 0; k < 300; ++k) {
        if (tc < td) {
            b = d, d = c, td = tc, c = b - g * (b - a), tc = time(c);
        } else {
            a = c, c = d, tc = td, d = a + g * (b - a), td = time(d);
        }
    }
    return double((a + b) / 2);
}
} // namespace

TEST(LeastTime, TheCrossingObeysSnellsLawAtEveryPlacementNearTheSurfaceToo) {
    // By hand: the 3-4-5 path above obeys sin i / sin r = 1.5 at x = 300, time 875.
    const LeastTime t = FindLeastTime(kUpper, kLower, H, 1.5);
    ASSERT_TRUE(t.found);
    EXPECT_EQ(t.upper, kUpper);
    EXPECT_EQ(t.lower, kLower);
    EXPECT_NEAR(t.xMin, 300, 1e-9);
    EXPECT_NEAR(t.tMin, 875, 1e-9);

    // Placements in both orders, bodies from a hundredth of a unit to 190 units off the
    // surface, against the independent minimum: the angles of incidence and refraction agree,
    // Snell's law holds to 1e-6 and the window's own test calls the path Fermat's.
    const std::pair<double, double> kAcross[] = {
        {100, 700}, {700, 100}, {400, 400.5}, {0, 1100}, {350, 352}};
    double worstDeg = 0;
    int placements = 0;
    for (const double n : {0.5, 1.0, 1.33, 2.5})
        for (const double above : {0.01, 0.3, 20.0, 190.0})
            for (const double below : {0.01, 0.3, 20.0, 190.0})
                for (const auto& [xu, xd] : kAcross) {
                    const Point upper{xu, 200 + above}, lower{xd, 200 - below};
                    const bool upperFirst = placements % 2 == 0;
                    const LeastTime l = upperFirst ? FindLeastTime(upper, lower, H, n)
                                                   : FindLeastTime(lower, upper, H, n);
                    ++placements;
                    ASSERT_TRUE(l.found);
                    const double x = l.xMin, ref = GoldenLeastTime(upper, lower, n);
                    const double sinI = (x - xu) / std::hypot(x - xu, above);
                    const double sinR = (x - xd) / std::hypot(x - xd, below);
                    ASSERT_LT(std::fabs(sinI + n * sinR), 1e-6) << n << " " << xu << " " << xd;
                    const auto degrees = [](double dx, double dy) {
                        return std::atan2(std::fabs(dx), dy) * 180 / M_PI;
                    };
                    worstDeg = std::max(
                        {worstDeg, std::fabs(degrees(x - xu, above) - degrees(ref - xu, above)),
                         std::fabs(degrees(x - xd, below) - degrees(ref - xd, below))});
                    const Point crossing{x, 200};
                    const PathVerdict v =
                        upperFirst
                            ? EvaluatePath(upper, lower, crossing, H, 1, 1 / n, n, true, kFirst)
                            : EvaluatePath(lower, upper, crossing, H, 1, 1 / n, n, true, kFirst);
                    ASSERT_EQ(v.law, PathVerdict::Fermat) << n << " " << xu << " " << xd;
                    EXPECT_NEAR(l.tMin, v.time, 1e-9 * v.time);
                }
    EXPECT_EQ(placements, 320);
    EXPECT_LT(worstDeg, 1e-4);
    std::printf("least-time crossing: worst angle error %.3g degrees over %d placements\n",
                worstDeg, placements);
}

TEST(LeastTime, EndsOnOneSideFindNothingAndEndsAboveEachOtherGiveTheVerticalPath) {
    EXPECT_FALSE(FindLeastTime({0, 600}, {400, 300}, H, 1.5).found);
    EXPECT_FALSE(FindLeastTime({0, 100}, {400, 0}, H, 1.5).found);
    EXPECT_FALSE(FindLeastTime({0, 200}, {400, 0}, H, 1.5).found); // one end on the surface
    EXPECT_TRUE(SameSide({0, 600}, {400, 300}, H));
    EXPECT_FALSE(SameSide(kUpper, kLower, H));
    const LeastTime v = FindLeastTime({100, 600}, {100, -100}, H, 1.5);
    ASSERT_TRUE(v.found);
    EXPECT_DOUBLE_EQ(v.xMin, 100);
    EXPECT_NEAR(v.tMin, 400 + 300 * 1.5, 1e-9);
    EXPECT_FALSE(FindLeastTime(kUpper, kLower, H, 0).found);
    EXPECT_FALSE(FindLeastTime(kUpper, kLower, H, NAN).found);
}
