// The experiment's part on its own, without its windows: its settings, what its rays keep, the
// list's rows and texts, the graphs' contents, and what it tells its views.
#include "semicircle/model/experiment.h"
#include "shell/model/mathconst.h"
#include "shell/model/numfmt.h"

#include <gtest/gtest.h>

#include <cmath>

#include <unistd.h>

namespace {
constexpr double kDeg = PI / 180;
using Change = ExperimentChange;

// Every change the part announces, in order.
struct Heard {
    explicit Heard(Experiment& e)
        : on(e.changed.connect([this](Change c) { changes.push_back(c); })) {}
    std::vector<Change> changes;
    Observable<Change>::Connection on;
};
} // namespace

TEST(Experiment, SettingsAreKeptAsGivenAndTheRadiansComputedWhenRead) {
    Experiment e;
    Heard heard(e);
    e.setGeometry(120, -0.6, 0.8, 2.5);
    e.setRayH(-1.5);
    EXPECT_EQ(heard.changes, std::vector<Change>(2, Change::Settings));
    EXPECT_NEAR(e.semicircle().tilt, 0.04363323129985824, 1e-15); // 2.5 x pi / 180
    e.trace(40);
    EXPECT_EQ(e.incidence(), 40 * PI / 180);
    // Opened again from the main menu: the radius kept, the index 1.5, centred, untilted.
    e.setIndex(1.7);
    e.open(130);
    EXPECT_EQ(std::vector<double>({e.radiusR(), e.indexN(), e.xc(), e.yc(), e.rayH(), e.tiltDeg()}),
              std::vector<double>({130, 1.5, 0, 0, 0, 0}));
    // The half-disc's arc, counter-clockwise from its start; a start of 0 becomes -0.001, which
    // still draws the radius; where no rule gives an end, the last end stays.
    EXPECT_EQ(e.takeArc().arcStart, -PI / 2);
    EXPECT_EQ(e.arcEnd(), float(-3 * PI / 2));
    e.setGeometry(100, 0, 0, -90);
    EXPECT_EQ(e.takeArc().arcStart, -0.001);
    e.setGeometry(100, 0, 0, 90);
    EXPECT_EQ(e.takeArc().arcEnd, float(-PI)); // the end at -2 pi keeps -pi, the last one
}

// A ray keeps its incidence and what it measured; one that measured nothing leaves the last
// measurement, marked as not its own. Its row says what happened.
TEST(Experiment, ARayKeepsWhatItMeasuredAndItsRowSaysWhatHappened) {
    const std::string none(kNoRay);
    // n, R, xc, the side of the curved face, h, the incidence, and the row.
    const std::tuple<double, double, double, int, double, double, ListRow> cases[] = {
        {1.5, 100, 0, 1, 0, 30, {"30.00", "19.47", "1.50"}},   // sin r = sin 30 / 1.5
        {1.5, 100, 0, 2, 0, 150, {"150.00", "19.47", "1.50"}}, // in at the centre, from the left
        {0.5, 100, 0, 1, 0, 60, {"60.00", "total reflection", "ολική ανάκλαση"}},
        {1.5, 20, 1, 2, 0, 90, {"90.00", none, none}},    // passes the glass by
        {1.5, 100, 0, 1, 0, 0, {"0.00", "0.00", ""}},     // no ratio of sines at 0
        {1.5, 100, 0, 2, 2, 180, {"180.00", "1.08", ""}}, // nor at 180
    };
    Experiment e;
    for (const auto& [n, R, xc, way, h, alphaDeg, row] : cases) {
        e.setIndex(n);
        e.setGeometry(R, xc, 0, 0);
        e.setDirection(way);
        e.setRayH(h);
        EXPECT_EQ(OneRayRow(e.trace(alphaDeg)), row) << alphaDeg;
        EXPECT_EQ(e.incidenceDeg(), alphaDeg);
    }
    e.open(100);
    e.setDirection(1);
    e.trace(30);
    ASSERT_TRUE(e.refrAngleMeasured() && e.indexMeasured());
    e.setIndex(0.5);
    e.trace(60);
    EXPECT_FALSE(e.refrAngleMeasured() || e.indexMeasured());
    EXPECT_NEAR(e.measuredIndex(), 1.5, 1e-12);
    EXPECT_NEAR(e.refrAngle(), std::asin(0.5 / 1.5), 1e-12);
}

// The sweep's rows by hand: curved face to the right, each ray runs along a radius to the
// centre and leaves the flat face at arcsin(1.5 sin i) below arcsin(1 / 1.5) = 41.81, and is
// totally reflected past it; curved face to the left at n = 0.6, the light is turned back
// from arcsin(0.6) = 36.87 on. Those rows say so; the mean and the graph leave them out.
TEST(Experiment, ASweepListsItsRaysTheMeanIndexAndTheGraphOfTheMeasuredOnes) {
    for (const auto& [n, way, measured, index, mean] :
         {std::tuple{1.5, 1, 9, "1.5000", "M1.50"}, std::tuple{1.5, 2, 5, "1.5000", "M1.50"},
          std::tuple{0.6, 1, 4, "0.6000", "M0.60"}}) {
        Experiment e;
        e.setIndex(n);
        e.setDirection(way);
        Heard heard(e);
        ASSERT_EQ(e.sweep(kSweepAngles, "M").size(), 9u);
        std::vector<ListRow> rows;
        for (const double a : kSweepAngles) {
            const double s = way == 2 ? n * std::sin(a * kDeg) : std::sin(a * kDeg) / n; // sin r
            rows.push_back({std::to_string(int(a)),
                            s < 1 ? Format(std::asin(s) / kDeg, "0.00") : "total reflection",
                            s < 1 ? index : "ολική ανάκλαση"});
        }
        EXPECT_EQ(e.rows(), rows);
        EXPECT_EQ(e.meanIndexText(), mean);
        EXPECT_EQ(e.listLabels(), (std::array<std::string, 4>{"h= 0.00", "ANGLE φ=0.00",
                                                              "xc = 0.00", "yc = 0.00"}));
        EXPECT_TRUE(e.indexGraphDrawn() && int(e.indexGraph().points.size()) == measured);
        EXPECT_NEAR(*e.indexGraph().meanError, 0, 1e-4);
        // The list's picture is cleared first and shows the mean last, then the graph is drawn.
        EXPECT_EQ(heard.changes.front(), Change::ListPicture);
        EXPECT_EQ(
            std::vector<Change>(heard.changes.end() - 3, heard.changes.end()),
            (std::vector<Change>{Change::ListLabels, Change::ListPicture, Change::IndexGraph}));
    }
}

// The graphs and the transfer read only cells that hold a value, as single-precision numbers.
TEST(Experiment, AValueIsReadOnlyFromACellThatHoldsOne) {
    for (const std::string_view cell : std::initializer_list<std::string_view>{
             "", "  ", "-", kNoRay, kTotalReflection, kTotalReflectionGreek})
        EXPECT_FALSE(HoldsValue(cell)) << cell;
    Experiment e;
    EXPECT_FALSE(e.indexGraph().meanError); // no rows: only the axes
    e.addRow({"10", "6.65", "1.5000"});
    e.addRow({"20", "total reflection", "ολική ανάκλαση"});
    e.addRow({" 30", "18.81667", "1.6000"});
    EXPECT_EQ(e.indexGraph().points, (std::vector<Point>{{10, 1.5}, {30, double(1.6f)}}));
    const auto rows = e.transferRows();
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_TRUE(rows[1].incidence == 20.f && !rows[1].refraction); // an empty box, never a 0
    EXPECT_EQ(rows[2].refraction, 18.81667f);
}

// The fan leaves the incidence at its last direction, straight right; the record file is of
// the glass (n = 1.33), whatever the placement: centred, it measures 1.33.
TEST(Experiment, TheFanAndTheRecordFile) {
    Experiment e;
    EXPECT_EQ(e.rayFan(0, 120).size(), 46u);
    EXPECT_EQ(e.incidenceDeg(), 180);
    EXPECT_EQ(e.freeRay(), (FreeRay{0, 120, 5, 120}));
    const auto file =
        std::filesystem::temp_directory_path() / ("fylaxi_" + std::to_string(::getpid()));
    e.setIndex(1.33);
    e.setRayH(2);
    const RecordFileResult result = e.fylakise(file);
    ASSERT_TRUE(result.ok) << result.reason;
    EXPECT_NEAR(ParseRecords(ReadRecordFileBytes(file).bytes).at(7320).indexFit, 1.33, 1e-6);
    std::filesystem::remove(file);
}
