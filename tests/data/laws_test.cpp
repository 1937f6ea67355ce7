#include "data/model/laws.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "data/model/historical.h"
#include "shell/model/numfmt.h"

namespace {

std::vector<std::string> boxes(std::initializer_list<const char*> texts) {
    std::vector<std::string> out(texts.begin(), texts.end());
    out.resize(kTypedRows);
    return out;
}

} // namespace

TEST(ReadingData, TypedRowsAndListsFollowTheirCountingRules) {
    // Row 3 has no refraction: both counting rules stop there.
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

    // Text without a number reads as 0; never more than fourteen rows.
    const DataPoints words = ReadRowsBothFilled(boxes({"ten", "20"}), boxes({"x", "13"}));
    EXPECT_EQ(words.x, (std::vector<double>{0, 20}));
    EXPECT_EQ(words.y, (std::vector<double>{0, 13}));
    const std::vector<std::string> many(20, "5");
    EXPECT_EQ(ReadRowsForAnalysisData(many, many).x.size(), 14u);
    EXPECT_EQ(ReadRowsBothFilled(many, many).x.size(), 14u);

    // The lists show what the fits read: their items, headings as the origin, are the set's
    // points.
    const auto& newton = *FindDataSet("Newt");
    DataPoints fromLists;
    for (const std::string& s : List1Items(newton)) fromLists.x.push_back(Val(s));
    for (const std::string& s : List2Items(newton)) fromLists.y.push_back(Val(s));
    ASSERT_EQ(fromLists.x.size(), 13u);
    EXPECT_EQ(fromLists.x[0], 0);
    EXPECT_EQ(fromLists.y[0], 0);
    EXPECT_EQ(fromLists.x, PointsOfDataSet(newton).x);
    EXPECT_EQ(fromLists.y, PointsOfDataSet(newton).y);
}

// A class's table pasted from a spreadsheet: each line a row, incidence then refraction, read
// cell by cell as the boxes read a typed angle.
TEST(ReadingData, PastedTablesFillTheRowsOrAreRefusedWhole) {
    struct Case {
        const char* text;
        std::vector<std::pair<std::string, std::string>> rows;
        std::size_t leftOut = 0;
        std::optional<std::pair<std::size_t, bool>> refused = std::nullopt; // row, refraction
    };
    std::string sixteen;
    for (int i = 1; i <= 16; ++i)
        sixteen += std::to_string(5 * i) + "\t" + std::to_string(3 * i) + "\n";
    std::vector<std::pair<std::string, std::string>> fourteen;
    for (int i = 1; i <= 14; ++i)
        fourteen.push_back({std::to_string(5 * i), std::to_string(3 * i)});
    const Case cases[] = {
        // What the data window's Ctrl+C gives: headings, tabs, a decimal comma, an empty cell.
        {"INCIDENCE Πρόσπτωσης\tREFRACTION Διάθλασης\n10\t6,6\n20\t13.2\n30\t\n",
         {{"10", "6,6"}, {"20", "13.2"}, {"30", ""}}},
        {"i,r\n10,7\n20,13.5\n", {{"10", "7"}, {"20", "13.5"}}},
        // Semicolons keep decimal commas; so do quotes round a cell; Windows line ends.
        {"Πρόσπτωση;Διάθλαση\r\n10;6,6\r\n20 ; 13,2\r\n", {{"10", "6,6"}, {"20", "13,2"}}},
        {"\"10,5\",\"7,0\"\n", {{"10,5", "7,0"}}},
        // The list window's three columns: the index is left out.
        {"INCIDENCE\tREFRACTION\tINDEX\n30.00\t19.47\t1.5000\n", {{"30.00", "19.47"}}},
        // A row left empty in the middle stays empty; blank lines at the end are no rows.
        {"10\t7\n\t\n30\t19.5\n\n\n", {{"10", "7"}, {"", ""}, {"30", "19.5"}}},
        {"10\n20\n", {{"10", ""}, {"20", ""}}},
        {"\t19.5\n", {{"", "19.5"}}},
        {"\n\nA;B\n5;3\n", {{"5", "3"}}},
        {"INCIDENCE\tREFRACTION\n", {}},
        {sixteen.c_str(), fourteen, 2},
        // Refused: beyond what a box accepts, too large to hold, or no number at all.
        {"10\t7\n20\t400\n", {}, 0, std::pair{std::size_t(1), true}},
        {"1e999\t5\n", {}, 0, std::pair{std::size_t(0), false}},
        {"10\t7\nabc\t5\n", {}, 0, std::pair{std::size_t(1), false}},
        {"10;7\n20;n/a\n", {}, 0, std::pair{std::size_t(1), true}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const PastedRows p = ReadPastedRows(c.text);
        std::vector<std::pair<std::string, std::string>> rows;
        for (const PastedRows::Row& r : p.rows)
            rows.push_back({r.incidence, r.refraction});
        EXPECT_EQ(rows, c.rows);
        EXPECT_EQ(p.leftOut, c.leftOut);
        ASSERT_EQ(p.refused.has_value(), c.refused.has_value());
        if (c.refused) {
            EXPECT_EQ(p.refused->row, c.refused->first);
            EXPECT_EQ(p.refused->refraction, c.refused->second);
        }
    }
}

TEST(SineAnalysis, HistoricalIndicesByHand) {
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

    // Witelo's glass: six points give slope 1.2431192 (printed 0.804428); four give 0.771889.
    const auto witelo = AnalyseSines(PointsOfDataSet(*FindDataSet("Vitello_Glass")), true);
    ASSERT_TRUE(witelo.analysis);
    EXPECT_EQ(witelo.analysis->fittedPoints, 6u);
    EXPECT_NEAR(witelo.analysis->fit.b, 1.2431191812, 1e-6);
    EXPECT_NEAR(witelo.analysis->printedIndex, 0.8044280992, 1e-6);
    EXPECT_NEAR(witelo.analysis->fittedIndex, 0.7718891038, 1e-9);

    // A flat line has no index (the other degenerate cases go through the data window).
    const auto flat = AnalyseSines({{10, 20, 30}, {15, 15, 15}}, false);
    EXPECT_FALSE(flat.analysis);
    EXPECT_EQ(flat.problem, FitProblem::ZeroSlope);
}

TEST(Kepler, PtolemysGlassUsesTheOriginToFiftyAndOtherChoices) {
    const DataPoints points = PointsOfDataSet(*FindDataSet("Ptolemy"));
    const KeplerResult kepler = KeplerFit(points);
    ASSERT_TRUE(kepler.fit);
    EXPECT_EQ(kepler.pointCount, 6u); // (0,0), (10,7) ... (50,30)
    // By hand over those six points: b = 0.6, a = 5/6.
    EXPECT_NEAR(kepler.fit->b, 0.6, 1e-6);
    EXPECT_NEAR(kepler.fit->a, 5.0 / 6, 1e-6);

    EXPECT_EQ(KeplerPointCount(std::vector<double>{5, 10, 20, 30}), 3u); // no 45 in the data
    EXPECT_EQ(KeplerPointCount(std::vector<double>{45, 50}), 1u);
    EXPECT_EQ(KeplerFit({{50, 60}, {30, 35}}).problem, FitProblem::TooFewPoints);
    EXPECT_EQ(KeplerFit({{10, 10, 10}, {7, 8, 9}}).problem, FitProblem::SameIncidence);
    EXPECT_FALSE(KeplerFit({}).fit);
}

TEST(Index, OnlyIndicesWithACurveAreDrawn) {
    for (double n : {0.02, 0.3, 1.5, 100.0}) EXPECT_TRUE(IsDrawableIndex(n)) << n;
    for (double n : {0.0199, 0.0, -1.5, 100.01, 1e308, double(NAN), double(INFINITY)})
        EXPECT_FALSE(IsDrawableIndex(n)) << n;
    // The smallest: one segment, to incidence 1 at asin(sin 1 degree / 0.02) = 60.7646 degrees.
    const auto least = SnellCurve(0.02);
    ASSERT_EQ(least.size(), 2u);
    EXPECT_NEAR(least[1].y, 60.764580479, 1e-8);
    // The largest lies just above the axis: asin(1 / 100) = 0.5730 degrees at 90.
    EXPECT_NEAR(SnellCurve(100).back().y, 0.572967344, 1e-8);
    EXPECT_EQ(SnellCurve(1e-10).size(), 1u);
    EXPECT_TRUE(ExpectedRows(1e-10).empty());
}

TEST(Snell, CurveEndsAtTheCriticalAngle) {
    const auto glass = SnellCurve(1.5);
    ASSERT_EQ(glass.size(), 91u);
    EXPECT_EQ(glass.front().y, 0);
    EXPECT_NEAR(glass.back().y, 41.810314896, 1e-8); // asin(1/1.5)
    EXPECT_NEAR(glass[30].y, 19.471220634, 1e-8);    // asin(1/3)

    // n = 0.8: the critical angle is 53.13 degrees, the last incidence drawn 53.
    const auto less = SnellCurve(0.8);
    EXPECT_EQ(less.size(), 54u);
    EXPECT_EQ(less.back().x, 53);
    for (double n : {0.8, 0.0, -0.5, 1e-10, 1e308, double(NAN)})
        for (const auto& p : SnellCurve(n)) EXPECT_TRUE(std::isfinite(p.y)) << n;
}

TEST(Expected, RowsForEachIndexStopWhereSnellHasNoAnswer) {
    struct Row {
        double n;
        std::size_t rows, at;
        const char *incidence, *refraction;
    };
    // Hand values: asin(sin i / n) in degrees; below n = 0.6 the steps are 2.5 degrees.
    const Row cases[] = {
        {1.5, 10, 0, "0", "0.000000"},  {1.5, 10, 3, "30", "19.471221"},
        {1.5, 10, 9, "90", "41.810315"}, {0.8, 10, 5, "50", "73.246858"},
        {0.8, 10, 6, "60", ""},          {0.5, 10, 1, "2.5", "5.00478"},
        {0.5, 10, 9, "22.5", "49.93964"}, {0.3, 8, 6, "15", "59.62452"},
        {0.3, 8, 7, "17.5", ""},
    };
    for (const Row& c : cases) {
        SCOPED_TRACE(testing::Message() << c.n << " row " << c.at);
        const auto rows = ExpectedRows(c.n);
        ASSERT_EQ(rows.size(), c.rows);
        EXPECT_EQ(rows[c.at].incidence, c.incidence);
        EXPECT_EQ(rows[c.at].refraction, c.refraction);
    }
    EXPECT_TRUE(ExpectedRows(0).empty());
    EXPECT_TRUE(ExpectedRows(-1.5).empty());
}
