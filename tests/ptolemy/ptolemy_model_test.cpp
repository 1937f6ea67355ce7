// Ptolemy's table and his apparatus against hand calculations.
#include "ptolemy/model/ptolemy.h"

#include "data/model/historical.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {
constexpr double kDeg = 3.14159265358979323846 / 180;
std::vector<double> Steps(const std::vector<double>& v) {
    std::vector<double> out;
    for (std::size_t k = 1; k < v.size(); ++k) out.push_back(v[k] - v[k - 1]);
    return out;
}
} // namespace

TEST(PtolemyTable, ToHalfDegreeSendsFractionsFromAHalfUpToTheNextDegree) {
    EXPECT_EQ(ToHalfDegree(7.48), 7.5);
    EXPECT_EQ(ToHalfDegree(7.20), 7);
    EXPECT_EQ(ToHalfDegree(7.60), 8);
    EXPECT_EQ(ToHalfDegree(7.25), 7);
    EXPECT_EQ(ToHalfDegree(7.5), 8);
    EXPECT_EQ(ToHalfDegree(14.90), 15);
    EXPECT_EQ(ToHalfDegree(0), 0);
}

TEST(PtolemyTable, TheTablesTheExactLawAndTheProportion) {
    const PtolemyTable water = MainTable(PtolemyMedium::Water);
    EXPECT_EQ(water.last(), 8); // with the origin
    EXPECT_EQ(water.refraction[0], 0);
    EXPECT_EQ(water.refraction[8], 50);
    EXPECT_DOUBLE_EQ(AnalogyRatio(water), 0.8); // his first value, 8 at 10 degrees
    EXPECT_DOUBLE_EQ(AnalogyRatio(MainTable(PtolemyMedium::Glass)), 13.5 / 20);
    // sin 10 / 1.3333 = 0.130240: 7.483 degrees; sin 80 / 1.52 = 0.647898: 40.383 degrees.
    EXPECT_NEAR(ExpectedRefraction(10, 1.3333), 7.4834, 1e-3);
    EXPECT_NEAR(ExpectedRefraction(80, 1.52), 40.3834, 1e-3);
    EXPECT_EQ(ExpectedRefraction(0, 1.5), 0);
}

// Ptolemy's own tables, as the history page gives them (water: 8, 15 1/2, 22 1/2, 29, 35,
// 40 1/2, 45 1/2, 50): every window shows the same values, and their second differences are
// half a degree throughout, the first difference 7.5 degrees in water and 6.5 in glass.
TEST(PtolemyTable, OneTableWithConstantSecondDifferencesEverywhere) {
    const auto withoutOrigin = [](PtolemyTable t) {
        return std::vector<double>(t.refraction.end() - 8, t.refraction.end());
    };
    const auto ofSet = [](const char* item) {
        const HistoricalDataSet* set = FindDataSet(item);
        return std::vector<double>(set->refraction.begin(), set->refraction.end());
    };
    const struct {
        std::vector<double> values;
        double first;
    } tables[] = {
        {ofSet("ptolemy2"), 7.5},
        {withoutOrigin(MainTable(PtolemyMedium::Water)), 7.5},
        {withoutOrigin(RebuildTable(PtolemyMedium::Water)), 7.5},
        {ofSet("Ptolemy"), 6.5},
        {withoutOrigin(MainTable(PtolemyMedium::Glass)), 6.5},
    };
    for (const auto& t : tables) {
        ASSERT_EQ(t.values.size(), 8u);
        const std::vector<double> first = Steps(t.values);
        EXPECT_EQ(first.front(), t.first);
        for (const double second : Steps(first))
            EXPECT_EQ(second, -0.5);
    }
    EXPECT_EQ(tables[0].values, (std::vector<double>{8, 15.5, 22.5, 29, 35, 40.5, 45.5, 50}));
    EXPECT_EQ(tables[0].values, tables[1].values);
    EXPECT_EQ(tables[3].values, tables[4].values);
}

TEST(PtolemyRebuild, WaterFromTheFirstPairHasSecondDifferencesOfHalfADegree) {
    const PtolemyRebuild r = RebuildFromPair(PtolemyMedium::Water, 1);
    EXPECT_EQ(r.rebuilt, (std::vector<double>{7.5, 15, 22, 28.5, 34.5, 40, 45, 49.5}));
    EXPECT_EQ(Steps(r.rebuilt), (std::vector<double>{7.5, 7, 6.5, 6, 5.5, 5, 4.5}));
    EXPECT_DOUBLE_EQ(r.analogy, 7.5 / 10);
    // Pair 2 (20 and 30 degrees): E = 14.86 -> 15 and 22.02 -> 22; back 7 + 0.5 to 7.5.
    const PtolemyRebuild two = RebuildFromPair(PtolemyMedium::Water, 2);
    EXPECT_EQ(two.rebuilt[0], 7.5);
    EXPECT_EQ(two.rebuilt[1], 15);
    EXPECT_EQ(two.rebuilt[2], 22);
    EXPECT_EQ(two.rebuilt[3], 28.5);
    EXPECT_DOUBLE_EQ(two.analogy, 15.0 / 20);
}

TEST(PtolemyRebuild, GlassStartsFromPtolemysOwnPairOrFillsOnlyBackwards) {
    const PtolemyRebuild one = RebuildFromPair(PtolemyMedium::Glass, 1);
    EXPECT_EQ(one.rebuilt[0], 7);
    EXPECT_EQ(one.rebuilt[1], 13.5);
    EXPECT_EQ(one.rebuilt[2], 19.5); // 13.5 + 6
    EXPECT_EQ(one.rebuilt[7], 13.5 + 6 + 5.5 + 5 + 4.5 + 4 + 3.5);
    // Pair 7 (70 and 80): 38.19 -> 38 and 40.38 -> 40.5, difference 2.5; back 3, 3.5, ...
    const PtolemyRebuild seven = RebuildFromPair(PtolemyMedium::Glass, 7);
    EXPECT_EQ(seven.rebuilt[7], 40.5);
    EXPECT_EQ(seven.rebuilt[6], 38);
    EXPECT_EQ(seven.rebuilt[5], 35);
    EXPECT_EQ(seven.rebuilt[4], 31.5);
    EXPECT_EQ(seven.rebuilt[0], 38 - (3 + 3.5 + 4 + 4.5 + 5 + 5.5));
}

TEST(PtolemyRebuild, EveryAnswerGivesAPairFromOneToSeven) {
    EXPECT_EQ(PairFromAnswer(""), 1);
    EXPECT_EQ(PairFromAnswer("abc"), 1);
    EXPECT_EQ(PairFromAnswer("0"), 1);
    EXPECT_EQ(PairFromAnswer("-1e308"), 1);
    EXPECT_EQ(PairFromAnswer("1e-320"), 1);
    EXPECT_EQ(PairFromAnswer("nan"), 1);
    EXPECT_EQ(PairFromAnswer("3"), 3);
    EXPECT_EQ(PairFromAnswer("3.9"), 3);
    EXPECT_EQ(PairFromAnswer("4,8"), 4);
    EXPECT_EQ(PairFromAnswer("8"), 7);
    EXPECT_EQ(PairFromAnswer("1e308"), 7);
    EXPECT_EQ(PairFromAnswer("inf"), 1);
    EXPECT_EQ(PairFromAnswer(std::string(10000, '9')), 1); // too long to be a number
    EXPECT_EQ(RebuildFromPair(PtolemyMedium::Water, 99).pair, 7);
}

TEST(PtolemyApparatus, TheRayLeavesTheWaterBySnellsLaw) {
    // sin a = 1.33 sin 30 = 0.665: a = 41.682 degrees, towards the upper left.
    ASSERT_TRUE(AirAngle(30));
    EXPECT_NEAR(*AirAngle(30), 41.6823, 1e-3);
    EXPECT_FALSE(AirAngle(48.8)); // 1.33 sin 48.8 = 1.0006
    EXPECT_TRUE(AirAngle(48.7));
    const PtolemyScene s = ComputePtolemyScene(30, 0.5, 1);
    EXPECT_FALSE(s.lowered);
    EXPECT_NEAR(s.centre.target.x, 75, 1e-9);
    EXPECT_NEAR(s.centre.target.y, -150 * std::cos(30 * kDeg), 1e-9);
    EXPECT_NEAR(s.centre.exit.x, -150 * 0.665, 1e-9);
    EXPECT_NEAR(s.centre.exit.y, 150 * std::sqrt(1 - 0.665 * 0.665), 1e-9);
    // The edges, at 29.75 and 30.25 degrees, leave at arcsin(1.33 sin) either side.
    EXPECT_NEAR(s.lowerEdge.air, std::asin(1.33 * std::sin(29.75 * kDeg)) / kDeg, 1e-9);
    EXPECT_NEAR(s.upperEdge.air, std::asin(1.33 * std::sin(30.25 * kDeg)) / kDeg, 1e-9);
    // ExpectedAirAngle takes the direction in air back to water: 41.68 -> 30 degrees.
    const Point back = ExpectedAirAngle(s.centre.exit.x, s.centre.exit.y);
    EXPECT_NEAR(back.x, -75, 1e-6);
    EXPECT_NEAR(back.y, 150 * std::cos(30 * kDeg), 1e-6);
}

TEST(PtolemyApparatus, TooSteepAnAngleInWaterIsLoweredUntilTheRayLeaves) {
    const PtolemyScene s = ComputePtolemyScene(88, 0.5, 0.5);
    EXPECT_TRUE(s.lowered);
    EXPECT_EQ(s.w, 48); // 1.33 sin 48.25 = 0.9926; at 49 the centre has no exit
    EXPECT_FALSE(s.edgeMessage); // the centre was lowered first, the edge then fits
    // A target of 10 degrees: its far edge (w + 5) loses its exit before its centre does.
    const PtolemyScene wide = ComputePtolemyScene(45, 10, 0.5);
    ASSERT_TRUE(wide.edgeMessage);
    EXPECT_EQ(*wide.edgeMessage,
              "ANGLE OF INCIDENCE 2 IN WATER γωνία πρόσπτωσης 2 στο νερό = 50.0  SIN ημιτονο = 1.0");
    EXPECT_EQ(wide.w, 43); // 43 + 5 = 48 is the first edge that sees the air
    EXPECT_TRUE(AirAngle(45)); // the centre alone would have left
}

TEST(PtolemyApparatus, TheBodyInAirCoversTheTargetOnTheRefractedRay) {
    // p = 1: the body stands on the refracted ray and hides the target's centre.
    const PtolemyScene on = ComputePtolemyScene(30, 2, 1);
    EXPECT_TRUE(on.covers);
    EXPECT_NEAR(on.bodyCentre, 41.6823, 1e-3);
    EXPECT_EQ(on.label2, "BODY'S POSITION IN  AIR θέση σώματος στον αέρα=40.68°-42.68°αναμενόμενη =41.7°"
                         "MEAN μέσος =41.7°");
    // p = 0: on the straight line, 11.7 degrees short: out of the view, under its edge.
    const PtolemyScene off = ComputePtolemyScene(30, 2, 0);
    EXPECT_FALSE(off.covers);
    EXPECT_NEAR(off.bodyCentre, 30, 1e-9);
    EXPECT_EQ(off.bodyHigh, -20);
    EXPECT_EQ(off.label2, "BODY'S POSITION IN AIR θέση σώματος στον αέρα=29.00°-31.00°EXPECTED αναμενόμενη =41.7°");
    // p = 0.9: 1.168 degrees short, seen 2.336 units under the line (magnified 4 / 2).
    const PtolemyScene near = ComputePtolemyScene(30, 2, 0.9);
    EXPECT_FALSE(near.covers);
    EXPECT_NEAR((near.bodyLow + near.bodyHigh) / 2, -0.1 * 11.6823 * 2, 1e-3);
    EXPECT_NEAR(near.bodyHigh - near.bodyLow, 4, 1e-9);
    // The target's image is wider than the target: refraction spreads the directions
    // (d a / d w = 1.33 cos 30 / cos 41.68 = 1.54).
    EXPECT_NEAR((on.targetHigh - on.targetLow) / 4, 1.54, 0.01);
}

TEST(PtolemyApparatus, NoScrollBarPositionGivesANumberThatIsNot) {
    for (int w = 1; w <= 88; ++w)
        for (int t = 1; t <= 20; ++t)
            for (int p = -200; p <= 300; p += 50) {
                const PtolemyScene s = ComputePtolemyScene(w, t / 2.0, p / 100.0);
                for (double v : {s.w, s.centre.exit.x, s.centre.exit.y, s.lowerEdge.exit.x, s.upperEdge.exit.y,
                                 s.body.x, s.body.y, s.expectedMark.x, s.expectedMark.y, s.targetLow,
                                 s.targetHigh, s.bodyLow, s.bodyHigh})
                    ASSERT_TRUE(std::isfinite(v)) << w << " " << t << " " << p;
                ASSERT_TRUE(AirAngle(s.w + s.tau / 2)) << w;
                ASSERT_EQ(s.label2.find("nan"), std::string::npos);
                ASSERT_LE(std::fabs(s.bodyHigh), 20);
                ASSERT_GT(s.body.y, 0); // the body in air stays in the air
            }
}
