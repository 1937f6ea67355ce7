// Ptolemy's table and his apparatus against hand calculations.
#include "ptolemy/model/ptolemy.h"

#include "data/model/historical.h"

#include <gtest/gtest.h>

#include <cmath>

// Ptolemy's own tables (their values: the data's part_test) in the main plot and the rebuild;
// the rounding to the half degree; the rebuild from each pair by hand: the pair's expected
// values by the exact law (E(10) = arcsin(sin 10 / 1.3333) = 7.48 ...) brought to the half degree,
// the difference shrinking by half a degree forwards and growing by half a degree backwards.
TEST(PtolemyTable, HisValuesTheExactLawAndTheRebuildFromEachPairByHand) {
    const auto last8 = [](PtolemyTable t) {
        return std::vector<double>(t.refraction.end() - 8, t.refraction.end());
    };
    const std::vector<double> water(kPtolemyWater.begin(), kPtolemyWater.end());
    EXPECT_EQ(last8(MainTable(PtolemyMedium::Water)), water);
    EXPECT_EQ(last8(RebuildTable(PtolemyMedium::Water)), water);
    EXPECT_EQ(last8(MainTable(PtolemyMedium::Glass)),
              std::vector<double>(kPtolemyGlass.begin(), kPtolemyGlass.end()));
    EXPECT_DOUBLE_EQ(AnalogyRatio(MainTable(PtolemyMedium::Water)), 0.8); // his 8 at 10 degrees
    EXPECT_DOUBLE_EQ(AnalogyRatio(MainTable(PtolemyMedium::Glass)), 13.5 / 20);
    const std::pair<double, double> halves[] = {{7.48, 7.5}, {7.20, 7}, {7.60, 8},
                                                {7.25, 7},   {7.5, 8},  {0, 0}};
    for (const auto& [x, half] : halves)
        EXPECT_EQ(ToHalfDegree(x), half) << x;
    const struct {
        PtolemyMedium medium;
        int pair;
        std::vector<double> rebuilt;
        double analogy;
    } cases[] = {
        // E(10) = 7.48 -> 7.5, E(20) = 14.90 -> 15: d = 7.5.
        {PtolemyMedium::Water, 1, {7.5, 15, 22, 28.5, 34.5, 40, 45, 49.5}, 7.5 / 10},
        // E(20) -> 15, E(30) = 22.02 -> 22: d = 7, back 7.5 to 7.5.
        {PtolemyMedium::Water, 2, {7.5, 15, 22, 28.5, 34.5, 40, 45, 49.5}, 15.0 / 20},
        // Ptolemy's own first pair, 7 and 13.5.
        {PtolemyMedium::Glass, 1, {7, 13.5, 19.5, 25, 30, 34.5, 38.5, 42}, 7.0 / 10},
        // E(70) = 38.19 -> 38, E(80) = 40.38 -> 40.5: d = 2.5; no step forwards, back 3, 3.5 ...
        {PtolemyMedium::Glass, 7, {12.5, 18, 23, 27.5, 31.5, 35, 38, 40.5}, 38.0 / 70},
    };
    for (const auto& c : cases) {
        const PtolemyRebuild r = RebuildFromPair(c.medium, c.pair);
        EXPECT_EQ(r.rebuilt, c.rebuilt) << c.pair;
        EXPECT_DOUBLE_EQ(r.analogy, c.analogy) << c.pair;
    }
    EXPECT_EQ(RebuildFromPair(PtolemyMedium::Water, 99).pair, 7);
    // Any answer gives a pair from 1 to 7: a fraction by its whole part, nothing usable as 1.
    const std::pair<const char*, int> answers[] = {
        {"", 1},    {"abc", 1}, {"0", 1},   {"-1e308", 1}, {"1e-320", 1}, {"nan", 1},
        {"inf", 1}, {"3", 3},   {"3.9", 3}, {"4,8", 4},    {"8", 7},      {"1e308", 7}};
    for (const auto& [answer, pair] : answers)
        EXPECT_EQ(PairFromAnswer(answer), pair) << answer;
    EXPECT_EQ(PairFromAnswer(std::string(10000, '9')), 1); // too long to be a number
}

// sin a = 1.33 sin 30 = 0.665: a = 41.682 degrees, towards the upper left; 1.33 sin 48.8 =
// 1.0006: no ray leaves. The edges of a target of 0.5 degrees, at 29.75 and 30.25, leave at
// arcsin(1.33 sin) either side. A body in air on the refracted ray (p = 1) hides the target's
// centre; the target's image is wider than the target, refraction spreading the directions
// (d a / d w = 1.33 cos 30 / cos 41.68 = 1.54). On the straight line (p = 0), 11.7 degrees
// short, it is out of the view, under its edge; at p = 0.9, 1.168 degrees short, it is seen
// 2.336 units under the line (magnified 4 / 2).
TEST(PtolemyApparatus, TheRayLeavesTheWaterBySnellsLawAndTheBodyCoversItsTarget) {
    constexpr double kDeg = 3.14159265358979323846 / 180;
    const auto Near = [](Point p, double x, double y) {
        return std::hypot(p.x - x, p.y - y) < 1e-6;
    };
    EXPECT_NEAR(AirAngle(30).value(), 41.6823, 1e-3);
    EXPECT_FALSE(AirAngle(48.8));
    const PtolemyScene s = ComputePtolemyScene(30, 0.5, 1);
    const double exitX = -150 * 0.665, exitY = 150 * std::sqrt(1 - 0.665 * 0.665);
    EXPECT_TRUE(Near(s.centre.target, 75, -150 * std::cos(30 * kDeg)));
    EXPECT_TRUE(Near(s.centre.exit, exitX, exitY));
    EXPECT_TRUE(Near(ExpectedAirAngle(exitX, exitY), -75, 150 * std::cos(30 * kDeg)));
    EXPECT_NEAR(s.lowerEdge.air, std::asin(1.33 * std::sin(29.75 * kDeg)) / kDeg, 1e-9);
    EXPECT_NEAR(s.upperEdge.air, std::asin(1.33 * std::sin(30.25 * kDeg)) / kDeg, 1e-9);
    const PtolemyScene on = ComputePtolemyScene(30, 2, 1);
    EXPECT_TRUE(on.covers);
    EXPECT_EQ(on.label2,
              "BODY'S POSITION IN  AIR θέση σώματος στον αέρα=40.68°-42.68°αναμενόμενη =41.7°"
              "MEAN μέσος =41.7°");
    EXPECT_NEAR((on.targetHigh - on.targetLow) / 4, 1.54, 0.01);
    const PtolemyScene off = ComputePtolemyScene(30, 2, 0);
    EXPECT_EQ(off.bodyHigh, -20);
    EXPECT_EQ(
        off.label2,
        "BODY'S POSITION IN AIR θέση σώματος στον αέρα=29.00°-31.00°EXPECTED αναμενόμενη =41.7°");
    const PtolemyScene near = ComputePtolemyScene(30, 2, 0.9);
    EXPECT_NEAR((near.bodyLow + near.bodyHigh) / 2, -0.1 * 11.6823 * 2, 1e-3);
}

// Wherever the scroll bars stand, the angle is lowered until the upper edge still leaves the
// water, the body stays in the air and in the observation window, and every number is one.
TEST(PtolemyApparatus, NoScrollBarPositionGivesANumberThatIsNot) {
    for (int w = 1; w <= 88; ++w)
        for (int t = 1; t <= 20; ++t)
            for (int p = -200; p <= 300; p += 50) {
                const PtolemyScene s = ComputePtolemyScene(w, t / 2.0, p / 100.0);
                const double all = s.w + s.body.x + s.centre.exit.x + s.lowerEdge.exit.x +
                                   s.upperEdge.exit.y + s.expectedMark.x + s.expectedMark.y +
                                   s.targetLow + s.targetHigh + s.bodyLow;
                ASSERT_TRUE(std::isfinite(all) && AirAngle(s.w + s.tau / 2) && s.body.y > 0 &&
                            std::fabs(s.bodyHigh) <= 20 && s.label2.find("nan") == s.label2.npos)
                    << w << " " << t << " " << p;
            }
}
