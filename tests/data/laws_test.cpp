#include "data/laws.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "data/historical.h"

namespace {

std::vector<std::string> boxes(std::initializer_list<const char*> texts) {
    std::vector<std::string> out(texts.begin(), texts.end());
    out.resize(kTypedRows);
    return out;
}

} // namespace

TEST(ReadingData, TypedRowsFollowEachCountingRule) {
    // Row 3 has no refraction: analysisdata stops there, the button stops there too.
    const auto text1 = boxes({"10", "20", "30", "40", "50", "60"});
    const auto refr = boxes({"7", "13,5", "19.5", "", "30", "34.5"});
    const DataPoints analysis = ReadRowsForAnalysisData(text1, refr);
    EXPECT_EQ(analysis.x, (std::vector<double>{10, 20, 30}));
    EXPECT_EQ(analysis.y, (std::vector<double>{7, 13.5, 19.5}));
    EXPECT_EQ(ReadRowsBothFilled(text1, refr).x.size(), 3u);

    // An empty incidence box ends the count for both rules even with refractions after it.
    const auto gap = boxes({"10", "", "30"});
    const auto full = boxes({"7", "8", "9"});
    EXPECT_EQ(ReadRowsForAnalysisData(gap, full).x.size(), 1u);
    EXPECT_EQ(ReadRowsBothFilled(gap, full).x.size(), 1u);

    // Text without a number reads as 0.
    const auto words = boxes({"ten", "20"});
    const auto refrWords = boxes({"x", "13"});
    EXPECT_EQ(ReadRowsBothFilled(words, refrWords).x, (std::vector<double>{0, 20}));
    EXPECT_EQ(ReadRowsBothFilled(words, refrWords).y, (std::vector<double>{0, 13}));
}

TEST(ReadingData, NeverMoreThanFourteenRows) {
    const std::vector<std::string> many(20, "5");
    EXPECT_EQ(ReadRowsForAnalysisData(many, many).x.size(), 14u);
    EXPECT_EQ(ReadRowsBothFilled(many, many).x.size(), 14u);
    const std::vector<std::string> none;
    EXPECT_TRUE(ReadRowsForAnalysisData(none, none).x.empty());
}

TEST(ReadingData, ListHeadingsReadAsTheOrigin) {
    const auto& newton = *FindDataSet("Newt");
    const DataPoints fromLists = ReadListItems(List1Items(newton), List2Items(newton));
    ASSERT_EQ(fromLists.x.size(), 13u);
    EXPECT_EQ(fromLists.x[0], 0);
    EXPECT_EQ(fromLists.y[0], 0);
    EXPECT_EQ(fromLists.x[12], 90);
    EXPECT_DOUBLE_EQ(fromLists.y[3], 18.81667);
    const DataPoints direct = PointsOfDataSet(newton);
    EXPECT_EQ(direct.x, fromLists.x);
    EXPECT_EQ(direct.y, fromLists.y);
}

TEST(SineAnalysis, PtolemysGlassIndex) {
    // Hand calculation over (0,0), (10,7) ... (80,42) in sines: slope 0.66091284, index 1.513059.
    const auto result = AnalyseSines(PointsOfDataSet(*FindDataSet("Ptolemy")), false);
    ASSERT_TRUE(result.analysis);
    EXPECT_EQ(result.analysis->fittedPoints, 9u);
    EXPECT_NEAR(result.analysis->fit.b, 0.6609128356, 1e-7);
    EXPECT_NEAR(result.analysis->fit.a, 0.0025681763, 1e-7);
    EXPECT_NEAR(result.analysis->printedIndex, 1.5130588273, 1e-6);
    EXPECT_EQ(result.analysis->fittedIndex, result.analysis->printedIndex);

    // Newton's glass, the same way: 1.549931.
    const auto newton = AnalyseSines(PointsOfDataSet(*FindDataSet("Newt")), false);
    ASSERT_TRUE(newton.analysis);
    EXPECT_NEAR(newton.analysis->printedIndex, 1.5499307348, 1e-6);
}

TEST(SineAnalysis, WiteloFitsTheFirstRowsOnlyAndKeepsTheSecondIndex) {
    // Hand calculation: six points give slope 1.2431192 (printed 0.804428); four give 0.771889.
    const auto result = AnalyseSines(PointsOfDataSet(*FindDataSet("Vitello_Glass")), true);
    ASSERT_TRUE(result.analysis);
    EXPECT_EQ(result.analysis->fittedPoints, 6u);
    EXPECT_NEAR(result.analysis->fit.b, 1.2431191812, 1e-6);
    EXPECT_NEAR(result.analysis->printedIndex, 0.8044280992, 1e-6);
    EXPECT_NEAR(result.analysis->fittedIndex, 0.7718891038, 1e-9);
}

TEST(SineAnalysis, DegenerateDataGiveAReasonNotAnIndex) {
    EXPECT_EQ(AnalyseSines({}, false).problem, FitProblem::TooFewPoints);
    EXPECT_EQ(AnalyseSines({{30}, {20}}, false).problem, FitProblem::TooFewPoints);
    EXPECT_EQ(AnalyseSines({{30, 30, 30}, {10, 20, 30}}, false).problem, FitProblem::SameIncidence);
    const auto flat = AnalyseSines({{10, 20, 30}, {15, 15, 15}}, false);
    EXPECT_FALSE(flat.analysis);
    EXPECT_EQ(flat.problem, FitProblem::ZeroSlope);
}

TEST(Kepler, PtolemysGlassUsesTheOriginToFifty) {
    const DataPoints points = PointsOfDataSet(*FindDataSet("Ptolemy"));
    EXPECT_EQ(KeplerPointCount(points.x), 6u); // (0,0), (10,7) ... (50,30)
    const KeplerResult kepler = KeplerFit(points);
    ASSERT_TRUE(kepler.fit);
    EXPECT_EQ(kepler.pointCount, 6u);
    // By hand over those six points: b = 0.6, a = 5/6.
    EXPECT_NEAR(kepler.fit->b, 0.6, 1e-6);
    EXPECT_NEAR(kepler.fit->a, 5.0 / 6, 1e-6);
}

TEST(Kepler, ChoiceWithoutFortyFiveAndDegenerateChoices) {
    const std::vector<double> small{5, 10, 20, 30};
    EXPECT_EQ(KeplerPointCount(small), 3u);
    EXPECT_EQ(KeplerPointCount(std::vector<double>{45, 50}), 1u);
    EXPECT_EQ(KeplerPointCount(std::vector<double>{}), 0u);

    EXPECT_EQ(KeplerFit({{50, 60}, {30, 35}}).problem, FitProblem::TooFewPoints);
    EXPECT_EQ(KeplerFit({{10, 10, 10}, {7, 8, 9}}).problem, FitProblem::SameIncidence);
    EXPECT_EQ(KeplerFit({}).problem, FitProblem::TooFewPoints);
    EXPECT_FALSE(KeplerFit({}).fit);
}

TEST(Index, ZeroNegativeAndNonNumbersAreRefused) {
    EXPECT_EQ(CheckIndex(1.5), IndexProblem::None);
    EXPECT_EQ(CheckIndex(0.3), IndexProblem::None);
    EXPECT_EQ(CheckIndex(0), IndexProblem::Zero);
    EXPECT_EQ(CheckIndex(-1.5), IndexProblem::Negative);
    EXPECT_EQ(CheckIndex(std::nan("")), IndexProblem::NotFinite);
    EXPECT_EQ(CheckIndex(INFINITY), IndexProblem::NotFinite);
    EXPECT_FALSE(IndexProblemText(IndexProblem::Zero).empty());
    EXPECT_FALSE(IndexProblemText(IndexProblem::Negative).empty());
    EXPECT_FALSE(IndexProblemText(IndexProblem::NotFinite).empty());
}

TEST(Snell, CurveForGlassEndsAtTheCriticalAngle) {
    const auto glass = SnellCurve(1.5);
    ASSERT_EQ(glass.size(), 91u);
    EXPECT_EQ(glass.front().x, 0);
    EXPECT_EQ(glass.front().y, 0);
    EXPECT_EQ(glass.back().x, 90);
    EXPECT_NEAR(glass.back().y, 41.810314896, 1e-8);
    EXPECT_NEAR(glass[30].y, 19.471220634, 1e-8); // asin(1/3)

    // n = 0.8: the critical angle is 53.13 degrees, the last incidence drawn 53.
    const auto less = SnellCurve(0.8);
    EXPECT_EQ(less.size(), 54u);
    EXPECT_EQ(less.back().x, 53);
    for (const auto& p : less) EXPECT_TRUE(std::isfinite(p.y));

    for (double n : {0.0, -0.5, -2.0, double(NAN)}) {
        for (const auto& p : SnellCurve(n)) EXPECT_TRUE(std::isfinite(p.y)) << n;
    }
}

TEST(Expected, GlassFillsTenRows) {
    const auto rows = ExpectedRows(1.5);
    ASSERT_EQ(rows.size(), 10u);
    EXPECT_EQ(rows[0].incidence, "0");
    EXPECT_EQ(rows[0].refraction, "0.000000");
    EXPECT_EQ(rows[3].incidence, "30");
    EXPECT_EQ(rows[3].refraction, "19.471221");
    EXPECT_EQ(rows[9].incidence, "90");
    EXPECT_EQ(rows[9].refraction, "41.810315");

    // n = 0.8: past 53.13 degrees the refraction boxes stay empty.
    const auto less = ExpectedRows(0.8);
    ASSERT_EQ(less.size(), 10u);
    EXPECT_EQ(less[5].refraction, "73.246858");
    EXPECT_EQ(less[6].incidence, "60");
    EXPECT_EQ(less[6].refraction, "");
    EXPECT_EQ(less[9].refraction, "");
}

TEST(Expected, SmallIndexUsesSmallStepsAndStops) {
    const auto half = ExpectedRows(0.5);
    ASSERT_EQ(half.size(), 10u);
    EXPECT_EQ(half[1].incidence, "2.5");
    EXPECT_EQ(half[1].refraction, "5.00478");
    EXPECT_EQ(half[9].incidence, "22.5");
    EXPECT_EQ(half[9].refraction, "49.93964");

    // n = 0.3: rows 0 to 6 (0 ... 15 degrees) have refractions; 17.5 is where filling stops.
    const auto small = ExpectedRows(0.3);
    ASSERT_EQ(small.size(), 8u);
    EXPECT_EQ(small[6].incidence, "15");
    EXPECT_EQ(small[6].refraction, "59.62452");
    EXPECT_EQ(small[7].incidence, "17.5");
    EXPECT_EQ(small[7].refraction, "");

    EXPECT_TRUE(ExpectedRows(0).empty());
    EXPECT_TRUE(ExpectedRows(-1.5).empty());
}
