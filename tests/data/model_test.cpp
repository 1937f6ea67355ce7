// The data analysis's arithmetic against values from outside the program: the historical
// tables, least squares and Snell's law worked by hand.
#include "data/model/historical.h"
#include "data/model/laws.h"
#include "shell/model/fit.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <sstream>

namespace {

std::vector<std::string> Boxes(std::initializer_list<const char*> texts) {
    std::vector<std::string> out(texts.begin(), texts.end());
    out.resize(kTypedRows);
    return out;
}

} // namespace

// Least squares as the data window always did it (the fits of real data: part_test, Kepler).
TEST(FitLine, LeastSquaresInSinglePrecisionAndItsRefusals) {
    using V = std::vector<double>;
    // A slope of 1/3 in single precision is not the double one; the double fit keeps it.
    EXPECT_EQ(FitLine(V{0, 1}, V{0, 1.0 / 3}).b, 1.0f / 3);
    EXPECT_DOUBLE_EQ(TryFitLineDouble(V{0, 1}, V{0, 1.0 / 3})->b, 1.0 / 3);
    EXPECT_EQ(CheckFitPoints(V{10}), FitProblem::TooFewPoints);
    // 0.1 three times sums with rounding; it must still count as one incidence.
    EXPECT_EQ(CheckFitPoints(V{0.1, 0.1, 0.1}), FitProblem::SameIncidence);
    EXPECT_FALSE(TryFitLine(V{0.1, 0.1, 0.1}, V{1, 2, 3}));
    EXPECT_FALSE(TryFitLineDouble(V{20, 20}, V{1, 2}));
    EXPECT_TRUE(ArcSin(1) == std::numbers::pi / 2 && ArcSin(-1) == -std::numbers::pi / 2);
}

TEST(ReadingData, TypedRowsAndListsFollowTheirCountingRules) {
    // Row 3 has no refraction: both counting rules stop there.
    const auto text1 = Boxes({"10", "20", "30", "40", "50", "60"});
    const auto refr = Boxes({"7", "13,5", "19.5", "", "30", "34.5"});
    EXPECT_EQ(ReadRowsForAnalysisData(text1, refr).y, (std::vector<double>{7, 13.5, 19.5}));
    EXPECT_EQ(ReadRowsBothFilled(text1, refr).x, (std::vector<double>{10, 20, 30}));
    // An empty incidence box ends the count for both rules even with refractions after it.
    EXPECT_EQ(ReadRowsForAnalysisData(Boxes({"10", "", "30"}), refr).x.size(), 1u);
    EXPECT_EQ(ReadRowsBothFilled(Boxes({"10", "", "30"}), refr).x.size(), 1u);
    // Text without a number reads as 0; never more than fourteen rows.
    EXPECT_EQ(ReadRowsBothFilled(Boxes({"ten", "20"}), refr).x, (std::vector<double>{0, 20}));
    const std::vector<std::string> many(20, "5");
    EXPECT_EQ(ReadRowsForAnalysisData(many, many).x.size(), 14u);
    EXPECT_EQ(ReadRowsBothFilled(many, many).x.size(), 14u);
    // A loaded set is read with its list heading as the point (0, 0).
    const DataPoints newton = PointsOfDataSet(*FindDataSet("Newt"));
    EXPECT_EQ(newton.x.size(), 13u);
    EXPECT_EQ(newton.x[0] + newton.y[0], 0);
}

// A class's table pasted from a spreadsheet: each line a row, incidence then refraction, read
// cell by cell as the boxes read a typed angle. "!3r": refused whole at row 3's refraction.
TEST(ReadingData, PastedTablesFillTheRowsOrAreRefusedWhole) {
    std::string sixteen, fourteen;
    for (int i = 1; i <= 16; ++i) {
        sixteen += std::to_string(5 * i) + "\t" + std::to_string(3 * i) + "\n";
        if (i <= 14) fourteen += std::to_string(5 * i) + "|" + std::to_string(3 * i) + ";";
    }
    const std::pair<std::string, std::string> cases[] = {
        // What the data window's Ctrl+C gives: headings, tabs, a decimal comma, an empty cell.
        {"INCIDENCE Πρόσπτωσης\tREFRACTION Διάθλασης\n10\t6,6\n20\t13.2\n30\t\n",
         "10|6,6;20|13.2;30|;"},
        {"i,r\n10,7\n20,13.5\n", "10|7;20|13.5;"},
        // Semicolons keep decimal commas; so do quotes round a cell; Windows line ends.
        {"Πρόσπτωση;Διάθλαση\r\n10;6,6\r\n20 ; 13,2\r\n", "10|6,6;20|13,2;"},
        {"\"10,5\",\"7,0\"\n", "10,5|7,0;"},
        // The list window's three columns: the index is left out.
        {"INCIDENCE\tREFRACTION\tINDEX\n30.00\t19.47\t1.5000\n", "30.00|19.47;"},
        // A row left empty in the middle stays empty; blank lines at the end are no rows.
        {"10\t7\n\t\n30\t19.5\n\n\n", "10|7;|;30|19.5;"},
        {"10\n20\n", "10|;20|;"},
        {"\t19.5\n", "|19.5;"},
        {"\n\nA;B\n5;3\n", "5|3;"},
        {"INCIDENCE\tREFRACTION\n", ""},
        {sixteen, fourteen + " and 2 left out"},
        // Refused: beyond what a box accepts, too large to hold, or no number at all.
        {"10\t7\n20\t400\n", "!1r"},
        {"1e999\t5\n", "!0i"},
        {"10\t7\nabc\t5\n", "!1i"},
        {"10;7\n20;n/a\n", "!1r"},
    };
    for (const auto& [text, want] : cases) {
        const PastedRows p = ReadPastedRows(text);
        std::string rows;
        for (const PastedRows::Row& r : p.rows)
            rows += r.incidence + "|" + r.refraction + ";";
        if (p.leftOut) rows += " and " + std::to_string(p.leftOut) + " left out";
        if (p.refused)
            rows = "!" + std::to_string(p.refused->row) + (p.refused->refraction ? "r" : "i");
        EXPECT_EQ(rows, want) << text;
    }
}

// Least squares on the sines of Ptolemy's glass, (0, 0) first, and of Witelo's first six
// points, worked by hand (the indices of every set: part_test).
TEST(SineAnalysis, HistoricalFitsByHand) {
    const auto ptolemy = AnalyseSines(PointsOfDataSet(*FindDataSet("Ptolemy")), false).analysis;
    ASSERT_TRUE(ptolemy);
    EXPECT_EQ(ptolemy->fittedPoints, 9u);
    EXPECT_NEAR(ptolemy->fit.a, 0.0025681763, 1e-7);
    const auto witelo = AnalyseSines(PointsOfDataSet(*FindDataSet("Vitello_Glass")), true).analysis;
    ASSERT_TRUE(witelo);
    EXPECT_EQ(witelo->fittedPoints, 6u);
    EXPECT_NEAR(witelo->fit.b, 1.2431191812, 1e-6);
    // No index from a flat line, nor from incidences of one sine (0 and 180 degrees).
    EXPECT_EQ(AnalyseSines({{10, 20, 30}, {15, 15, 15}}, false).problem, FitProblem::ZeroSlope);
    EXPECT_EQ(AnalyseSines({{0, 180}, {0, 30}}, false).problem, FitProblem::SameSine);
}

TEST(Kepler, PtolemysGlassUsesTheOriginToFiftyAndOtherChoices) {
    const KeplerResult kepler = KeplerFit(PointsOfDataSet(*FindDataSet("Ptolemy")));
    ASSERT_TRUE(kepler.fit);
    EXPECT_EQ(kepler.pointCount, 6u); // (0,0), (10,7) ... (50,30): by hand b = 0.6, a = 5/6
    EXPECT_NEAR(kepler.fit->b, 0.6, 1e-6);
    EXPECT_NEAR(kepler.fit->a, 5.0 / 6, 1e-6);
    EXPECT_EQ(KeplerPointCount(std::vector<double>{5, 10, 20, 30}), 3u); // no 45 in the data
    EXPECT_EQ(KeplerPointCount(std::vector<double>{45, 50}), 1u);
    EXPECT_EQ(KeplerFit({{50, 60}, {30, 35}}).problem, FitProblem::TooFewPoints);
    EXPECT_EQ(KeplerFit({{10, 10, 10}, {7, 8, 9}}).problem, FitProblem::SameIncidence);
    EXPECT_FALSE(KeplerFit({}).fit);
}

TEST(Snell, CurvesEndAtTheCriticalAngleAndOnlyIndicesWithACurveAreDrawn) {
    struct Case {
        double n;
        std::size_t points;
        double lastX, lastY; // asin(sin i / n) in degrees, by hand
    };
    const Case cases[] = {
        {1.5, 91, 90, 41.810314896}, // asin(1/1.5)
        {0.8, 54, 53, 86.653124516}, // critical angle 53.13: the last incidence drawn is 53
        {0.02, 2, 1, 60.764580479},  // the smallest index: one segment, to incidence 1
        {100, 91, 90, 0.572967344},  // the largest lies just above the axis
    };
    for (const Case& c : cases) {
        const auto curve = SnellCurve(c.n);
        ASSERT_EQ(curve.size(), c.points) << c.n;
        EXPECT_EQ(curve.front().y, 0);
        EXPECT_EQ(curve.back().x, c.lastX);
        EXPECT_NEAR(curve.back().y, c.lastY, 1e-6) << c.n;
    }
    EXPECT_NEAR(SnellCurve(1.5)[30].y, 19.471220634, 1e-8); // asin(1/3)
    for (double n : {0.0199, 0.0, -1.5, 100.01, 1e308, double(NAN), double(INFINITY)}) {
        EXPECT_FALSE(IsDrawableIndex(n)) << n;
        EXPECT_EQ(SnellCurve(n).size(), 1u) << n;
        EXPECT_TRUE(ExpectedRows(n).empty()) << n;
    }
}

TEST(Expected, RowsForEachIndexStopWhereSnellHasNoAnswer) {
    struct Row {
        double n;
        std::size_t rows, at;
        const char *incidence, *refraction;
    };
    // Hand values: asin(sin i / n) in degrees; below n = 0.6 the steps are 2.5 degrees.
    const Row cases[] = {
        {1.5, 10, 0, "0", "0.000000"},    {1.5, 10, 3, "30", "19.471221"},
        {1.5, 10, 9, "90", "41.810315"},  {0.8, 10, 5, "50", "73.246858"},
        {0.8, 10, 6, "60", ""},           {0.5, 10, 1, "2.5", "5.00478"},
        {0.5, 10, 9, "22.5", "49.93964"}, {0.3, 8, 6, "15", "59.62452"},
        {0.3, 8, 7, "17.5", ""},
    };
    for (const Row& c : cases) {
        const auto rows = ExpectedRows(c.n);
        ASSERT_EQ(rows.size(), c.rows) << c.n;
        EXPECT_EQ(rows[c.at].incidence + "|" + rows[c.at].refraction,
                  std::string(c.incidence) + "|" + c.refraction)
            << c.n;
    }
}
