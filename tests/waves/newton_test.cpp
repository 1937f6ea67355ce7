// Newton's particle tracks: numbers worked out by hand (or with a pocket calculator) from the
// kinematics, apart from the code. The scale is 960 x 540 unless a test says otherwise, so the
// surface lies at yS = 337.5 and the picture runs from y = -81 (-0.15 H) to 540.
#include "waves/model/newton.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "shell/model/mathconst.h"

namespace {

constexpr double kW = 960, kH = 540, kYS = 337.5;

NewtonScene Scene(double n, double incDeg, int value, bool slab, double w = kW, double h = kH) {
    const NewtonInputs in{n, incDeg, value, w, h, 0};
    return slab ? NewtonScene(NewtonParallel(in)) : NewtonOneLayer(in);
}

Point First(const NewtonScene& s, int k) { return {s.tracks.trackC[k], s.tracks.trackA[k]}; }

// Angle from the vertical of the step from a to b, degrees (positive: to the right).
double StepAngleDeg(Point a, Point b) {
    return std::atan2(b.x - a.x, std::fabs(b.y - a.y)) * 180 / PI;
}

// Where the straight line through a and b reaches the height y.
double XAtHeight(Point a, Point b, double y) { return a.x + (y - a.y) * (b.x - a.x) / (b.y - a.y); }

} // namespace

TEST(ArcKinematics, HeightsAndAccelerations) {
    // From (1, 10) with velocity (4, -2) under a = 3: at x = 9 two time units have passed,
    // y = 10 - 4 + 3/2 * 2^2 = 12; back to that point the acceleration is 3.
    EXPECT_DOUBLE_EQ(ArcHeight(10, -2, 4, 3, 1, 9), 12);
    EXPECT_DOUBLE_EQ(AccelToPoint(4, -2, 9, 1, 12, 10), 3);
    // Free fall from rest: speed 2 after a drop of 1 needs 2 g = 4, g = 2, downwards.
    EXPECT_DOUBLE_EQ(AccelToSlope(-2, 0, 1, -1, 0), -2);
    // n = 1.5 at 30 degrees (the data window's Newton note): vy from -0.866025 to 0.5 *
    // -2.828427 = -1.414214 (speed 1.5) over the layer of h = 400, yS = 250 to yL = 200:
    // a = (2 - 0.75) / -100 = -0.0125; only when |a1| < |a2|.
    const double inc = PI / 6, refr = std::asin(1.0 / 3);
    for (auto [a1, a2, want] :
         {std::tuple{1, 2, -0.0125}, {-1, -2, -0.0125}, {2, 1, 0.0}, {-2, 2, 0.0}})
        EXPECT_NEAR(LayerAcceleration(inc, refr, 0, a1, a2, 600, 400), want, 1e-12) << a1 << " " << a2;
}

TEST(NewtonLabels, ThicknessCriticalAngleAndTheSlabsMedium) {
    // Value 1: k = 1.02, thickness (5 - 4.08)/8 H = 0.115 * 540 = 62.1; value 10: 0.025 * 540.
    const NewtonScene glass = Scene(1.5, 30, 1, false);
    EXPECT_TRUE(glass.label7 == "Πάχος στρώματος = 62.10" && !glass.label5);
    // n = 0.75: asin 0.75 = 48.5904 degrees, shown by one layer; the slab shows nothing.
    EXPECT_EQ(Scene(0.75, 30, 4, false).label5,
              std::optional<std::string>("κρίσιμη γωνία = 48.59"));
    const NewtonSlab slab = NewtonParallel({0.75, 30, 10, kW, kH, 0});
    EXPECT_NEAR(slab.criticalDeg, 48.5904, 1e-4);
    EXPECT_TRUE(slab.label7 == "Πάχος στρώματος = 13.50" && !slab.label5);
    EXPECT_TRUE(slab.meso2Top == 270 && slab.meso2Height == 405);
    // No scale to draw in: nothing drawn, no incidence taken, the tracks empty.
    const NewtonScene none = Scene(1.5, 30, 1, false, 0, 0);
    EXPECT_TRUE(none.drawing.empty() && !none.incDeg && none.tracks.trackA.empty());
}

// How each track leaves the picture: its last direction from the vertical (down, or up when
// the layer turned the particle back), and where its last straight stretch crosses a height.
TEST(NewtonTracks, ExitsWorkedOutByHand) {
    const struct {
        double n, inc, exitDeg, tolerance, atY, x; // atY, x: NAN, not checked
        int value;
        bool slab, down;
    } cases[] = {
        // clang-format off
        // 1.5 at 30: r = asin(1/3) = 19.4712; the surface line meets yS at 202.5 tan 30 =
        // 116.913 and the exit line yL = 275.4 at 116.913 + 2 * 0.5 * 62.1 / (0.866025 +
        // 1.414214) = 144.147.
        {1.5, 30, 19.471221, 1e-6, 275.4, 144.1474, 1, false, true},
        // r = asin(sin i / n): 0.75 at 48: 82.2474; at 48.59, just under the critical 48.5904:
        // 89.8046; 1.5 at 89: 41.8025; at 90: asin(2/3); 3 at 1: 0.3333.
        {0.75, 48, 82.2474, 1e-4, NAN, NAN, 5, false, true},
        {0.75, 48.59, 89.8046, 1e-4, NAN, NAN, 5, false, true},
        {1.5, 89, 41.8025, 1e-4, NAN, NAN, 5, false, true},
        {1.5, 90, 41.8103, 1e-4, NAN, NAN, 5, false, true},
        {3, 1, 0.3333, 1e-4, NAN, NAN, 5, false, true},
        // Grazing: enters the layer at W/2 = 480 along the surface; vy from 0 to -sqrt(1.5^2 -
        // 1) = -1.118034 over 62.1: time 111.088, it leaves at x = 591.088.
        {1.5, 90, 41.8103, 1e-4, 275.4, 591.088, 1, false, true},
        // n = 0.75 at 60: sin 60 / 0.75 = 1.155. The force a = (1 - 0.5625) / (2 * 62.1) stops
        // vy = -0.5 after a depth 35.4857 and returns it to the surface after 283.886 time
        // units, at x = 350.740 + 0.866025 * 283.886 = 596.593, leaving up at 60 degrees.
        {0.75, 60, 60, 1e-6, kYS, 596.593, 1, false, false},
        {0.75, 60, 60, 1e-6, kYS, 596.593, 1, true, false},
        // The slab gives the incident direction back: across it at 19.47 degrees to y = 0 at
        // 144.147 + 275.4 tan 19.47 = 241.516, through the second layer the same 27.234
        // further: 268.750 at y = -62.1, then 30 degrees again.
        {1.5, 30, 30, 1e-6, -62.1, 268.750, 1, true, true},
        // Grazing on n = 0.5: the particle hardly dips and runs along the surface.
        {0.5, 90, 90, 1e-3, NAN, NAN, 10, false, false},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.n) + " at " + std::to_string(c.inc));
        const NewtonScene sc = Scene(c.n, c.inc, c.value, c.slab);
        ASSERT_TRUE(sc.exitMismatch <= 1e-4 && sc.firstPoints >= 2);
        const Point a = First(sc, sc.firstPoints - 1), b = First(sc, sc.firstPoints);
        EXPECT_NEAR(StepAngleDeg(a, b), c.exitDeg, c.tolerance);
        EXPECT_TRUE(c.exitDeg >= 90 || (b.y < a.y) == c.down);
        EXPECT_NEAR(std::isnan(c.x) ? 0 : XAtHeight(a, b, c.atY) - c.x, 0, 1e-3);
    }
}

TEST(NewtonTracks, ThirtyDegreesIntoGlassPointByPointAndItsDrawing) {
    const NewtonScene sc = Scene(1.5, 30, 1, false);
    const int n = sc.firstPoints;
    const Point end = First(sc, n), before = First(sc, n - 1);
    // Point 1 is the top-left corner, element 0 stays empty, the arrays end with the track;
    // one unit of path per point above the surface (0.5 in x), 1.5 below; down to the
    // picture's bottom, y = -81, within one step.
    EXPECT_TRUE(First(sc, 1) == (Point{0, kH}) && First(sc, 0) == (Point{0, 0}));
    EXPECT_EQ(sc.tracks.trackA.size(), n + 1u);
    EXPECT_NEAR(First(sc, 2).x - First(sc, 1).x, 0.5, 1e-12);
    EXPECT_NEAR(std::hypot(end.x - before.x, end.y - before.y), 1.5, 1e-9);
    EXPECT_TRUE(end.y <= -81 + 1.5 && end.y >= -81 - 1e-9);
    // Inside the layer every point lies between its two edges: about 27.2 / 0.5 = 54 points.
    int inLayer = 0;
    for (int k = 1; k <= n; ++k)
        if (const Point p = First(sc, k); p.x > 116.9134 && p.x < 144.1474) {
            ++inLayer;
            EXPECT_TRUE(p.y < kYS && p.y > 275.4) << k;
        }
    EXPECT_GT(inLayer, 40);
    // Drawn: the incident line meets the surface where the track does, the reflected share
    // leaves at 30 degrees.
    const Drawing& d = sc.drawing;
    EXPECT_TRUE(std::fabs(d[2].b.x - 116.9134) < 1e-4 && d.back().b.y > d.back().a.y);
    EXPECT_NEAR(StepAngleDeg(d.back().a, d.back().b), 30, 1e-6);
}

TEST(NewtonTracks, TheSlabCrossingFollowsTheRefractedLine) {
    const NewtonScene sc = Scene(1.5, 30, 1, true);
    const int n = sc.firstPoints;
    // A point of the slab crossing lies on the 19.47 degree line from (144.147, 275.4).
    for (int k = 1; k <= n; ++k) {
        const Point p = First(sc, k);
        EXPECT_TRUE(p.y >= 250 || p.y <= 20 ||
                    std::fabs(p.x - 144.1474 - (275.4 - p.y) * 0.353553) < 1e-3)
            << k;
    }
}

TEST(NewtonTracks, EveryCaseStaysInTheArraysAndOnThePicture) {
    // Every ratio R = 50 to 300 in steps of 5, incidence 1 to 90, Newton value 1 to 10, both
    // scenes on the 960 x 540 scale; then the longest tracks: a tall narrow scale at 1 degree
    // into the slow medium, a wide flat one near the critical angle.
    std::vector<std::tuple<double, int, int, double, double>> cases{{0.5, 1, 1, 100, 1400},
                                                                    {0.5, 29, 1, 1400, 100},
                                                                    {3, 1, 1, 1400, 100},
                                                                    {1, 90, 1, 100, 1400}};
    for (int R = 50; R <= 300; R += 5)
        for (int inc = 1; inc <= 90; ++inc)
            for (int value = 1; value <= 10; ++value)
                cases.emplace_back(R / 100.0, inc, value, kW, kH);
    // A coordinate is on the picture's scale (a NaN or an infinity is not).
    const auto onScale = [](double v) { return std::fabs(v) <= 15000; };
    for (const auto& [n, inc, value, W, H] : cases)
        for (bool slab : {false, true}) {
            const NewtonScene sc = Scene(n, inc, value, slab, W, H);
            SCOPED_TRACE(std::to_string(n) + " inc " + std::to_string(inc) + " value " +
                         std::to_string(value) + (slab ? " slab" : ""));
            ASSERT_TRUE(sc.exitMismatch <= 1e-4 && sc.trackPoints >= 2 && sc.trackPoints <= 15000 &&
                        sc.drawing.size() <= 4000);
            for (const DrawItem& item : sc.drawing)
                ASSERT_TRUE(onScale(item.a.x) && onScale(item.a.y) && onScale(item.b.x) &&
                            onScale(item.b.y));
            for (const auto* track :
                 {&sc.tracks.trackA, &sc.tracks.trackB, &sc.tracks.trackC, &sc.tracks.trackD})
                ASSERT_TRUE(std::all_of(track->begin(), track->end(), onScale));
            // The first track reaches the picture's edge within one step.
            const Point end = First(sc, sc.firstPoints), before = First(sc, sc.firstPoints - 1);
            const double step = std::hypot(end.x - before.x, end.y - before.y) + 1e-6;
            ASSERT_TRUE(end.x >= W - step || end.y <= -0.15 * H + step || end.y >= H - step);
        }
}
