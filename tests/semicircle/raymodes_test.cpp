#include "semicircle/raymodes.h"

#include <algorithm>
#include <cmath>
#include <set>

#include <gtest/gtest.h>

#include "shell/mathconst.h"

namespace {

double Deg(double rad) {
    return rad * 180 / PI;
}

ExperimentState Centred(double n, int direction, double R = 100) {
    ExperimentState s;
    s.indexN = n;
    s.radiusR = R;
    s.semiDirection = static_cast<std::int16_t>(direction);
    return s;
}

// Direction, in degrees, of the segment that ends at point i of a polyline.
double SegmentDeg(const std::vector<PointF>& line, std::size_t i) {
    return Deg(DirectionAngle(line[i - 1].x, line[i - 1].y, line[i].x, line[i].y));
}

bool LeftWindow(const PointF& p) {
    return p.x >= 200 || p.x <= -200 || p.y <= -200 || p.y >= 400;
}

} // namespace

TEST(Frames, LocalAndWorldUndoEachOther) {
    PointF q = ToLocal(1, 2, 1, 3, PI / 2); // one unit above the centre, frame turned 90 deg
    EXPECT_NEAR(q.x, 1, 1e-6);
    EXPECT_NEAR(q.y, 0, 1e-6);
    for (double theta : {0.0, 0.087, -0.087, PI + 0.05}) {
        for (auto [x, y] : {std::pair{150.0, 20.0}, {-37.5, -180.0}, {0.0, 0.0}}) {
            PointF l = ToLocal(-0.8, 0.6, x, y, theta);
            PointF w = ToWorld(-0.8, 0.6, l.x, l.y, theta);
            EXPECT_NEAR(w.x, x, 1e-4);
            EXPECT_NEAR(w.y, y, 1e-4);
        }
    }
}

TEST(Frames, DirectionAngleCoversTheFullCircle) {
    EXPECT_NEAR(DirectionAngle(0, 0, 1, 1), PI / 4, 1e-15);
    EXPECT_NEAR(DirectionAngle(0, 0, -1, 1), 3 * PI / 4, 1e-15);
    EXPECT_NEAR(DirectionAngle(0, 0, -1, -1), -3 * PI / 4, 1e-15);
    EXPECT_NEAR(DirectionAngle(1, 1, 1, 5), PI / 2, 1e-15);
    EXPECT_NEAR(DirectionAngle(1, 1, 1, -5), -PI / 2, 1e-15);
    EXPECT_NEAR(DirectionAngle(3, 0, 2, 0), PI, 1e-15);
}

TEST(Krisimi, FindsTheCriticalAngleOrNothing) {
    ExperimentState s = Centred(1.5, 2);
    auto a = krisimi(s);
    ASSERT_TRUE(a);
    EXPECT_NEAR(*a, 41.81, 0.005); // arcsin(1/1.5)
    s.indexN = 2.0;
    ASSERT_TRUE(krisimi(s));
    EXPECT_NEAR(*krisimi(s), 30, 0.001);
    // Flat face first: every ray ends on the left, so the search stops at 90 with nothing.
    s.semiDirection = 1;
    EXPECT_FALSE(krisimi(s));
}

TEST(TraceFreeRay, RaysAlongTheAxisAndAlongARadius) {
    // Along the axis: meets both faces at right angles and never bends.
    ExperimentState s = Centred(1.5, 1);
    s.freeRay = {-200, 0, -190, 0};
    auto axis = TraceFreeRay(s);
    ASSERT_GT(axis.size(), 3u);
    for (const PointF& p : axis) EXPECT_NEAR(p.y, 0, 1e-3);
    EXPECT_TRUE(LeftWindow(axis.back()));
    EXPECT_GT(axis.back().x, 0);

    // Along a radius into the curved face: straight to the centre, then Snell at the flat
    // face: 30 degrees inside become arcsin(1.5 sin 30) = 48.59 outside.
    s.semiDirection = 2;
    const float sx = 150 * std::cos(PI / 6), sy = 75;
    s.freeRay = {sx, sy, sx * 0.9f, sy * 0.9f};
    auto radius = TraceFreeRay(s);
    bool throughCentre = false;
    for (const PointF& p : radius) throughCentre |= std::hypot(p.x, p.y) < 1e-3;
    EXPECT_TRUE(throughCentre);
    EXPECT_NEAR(SegmentDeg(radius, radius.size() - 1), -180 + 48.590378, 1e-3);
    EXPECT_TRUE(LeftWindow(radius.back()));
}

TEST(TraceFreeRay, BeamsRefractOrReflectAtTheArc) {
    ExperimentState s = Centred(1.5, 2);
    auto left = ParallelBeamRays(s, true);
    auto right = ParallelBeamRays(s, false);
    ASSERT_EQ(left.size(), 64u);
    ASSERT_EQ(right.size(), 64u);
    EXPECT_EQ(left.front()[1], 400);
    EXPECT_EQ(left.back()[1], -387.5);
    EXPECT_EQ(left[3][0], -200);
    EXPECT_EQ(left[3][2], -190);
    EXPECT_EQ(right[3][0], 200);
    EXPECT_EQ(right[3][2], 190);

    // The ray at 87.5 meets the arc from inside at arcsin(0.875), past arcsin(1/1.5): it is
    // reflected along (1 - 2 c^2, -2 c s) with c = 0.48412, s = 0.875.
    s.freeRay = left[25];
    ASSERT_EQ(s.freeRay[1], 87.5);
    auto high = TraceFreeRay(s);
    std::size_t hit = 0;
    for (std::size_t i = 0; i < high.size(); ++i)
        if (std::hypot(high[i].x - 48.4123, high[i].y - 87.5) < 1e-2) hit = i;
    ASSERT_GT(hit, 0u);
    EXPECT_NEAR(SegmentDeg(high, hit + 1), Deg(std::atan2(-0.84722, 0.53125)), 1e-2);

    // The ray at 50 meets it at 30 degrees and leaves bent away from the radius to -18.59.
    s.freeRay = left[28];
    ASSERT_EQ(s.freeRay[1], 50);
    auto low = TraceFreeRay(s);
    EXPECT_NEAR(SegmentDeg(low, low.size() - 1), 30 - 48.590378, 1e-3);
    EXPECT_TRUE(LeftWindow(low.back()));
}

TEST(TraceFreeRay, FanFromAPointAndNoNotANumber) {
    ExperimentState s = Centred(1.5, 1, 100);
    auto fan = FanRays(s, 10, 120);
    EXPECT_EQ(fan[0][2], 5); // straight left, R/20 away
    EXPECT_EQ(fan[0][3], 120);
    EXPECT_NEAR(fan[45][2], 15, 1e-5); // straight right
    EXPECT_NEAR(fan[45][3], 120, 1e-5);
    auto lines = RayFan(s, 10, 120);
    ASSERT_EQ(lines.size(), 46u);
    for (const auto& line : lines) {
        EXPECT_EQ(line.front().x, 10);
        EXPECT_EQ(line.front().y, 120);
        EXPECT_LE(line.size(), 501u);
    }

    for (double n : {0.5, 0.9, 1.0, 1.5, 2.0}) {
        for (int dir : {1, 2}) {
            for (double tilt : {-5.0, 5.0}) {
                ExperimentState t = Centred(n, dir, 20 + 125 * (n - 0.5) / 1.5);
                t.tilt = tilt * PI / 180;
                t.xc = 1;
                t.yc = -1;
                for (const auto& line : RayFan(t, -30, 40))
                    for (const PointF& p : line)
                        ASSERT_TRUE(std::isfinite(p.x) && std::isfinite(p.y));
            }
        }
    }
}

TEST(SweepExit, LeavesThroughTheArcOrNot) {
    // Beyond the critical angle, centred: the reflected ray runs along a radius to F and
    // leaves undeviated, meeting the protractor at -50 degrees.
    ExperimentState s = Centred(1.5, 2);
    RayPath p = TraceRay(s, 0, 0, 0, 0, 50);
    auto q = SweepExit(s, p);
    ASSERT_TRUE(q);
    EXPECT_NEAR(q->x, 150 * std::cos(50 * PI / 180), 1e-6);
    EXPECT_NEAR(q->y, -150 * std::sin(50 * PI / 180), 1e-6);

    // A chord from (0, 100) to (100, 0) meets the radius at 45 degrees; with n = 1.2 it
    // leaves at arcsin(1.2 sin 45) = 58.05 below the axis and meets the protractor at
    // (137.452, -60.057).
    RayPath chord;
    chord.p = {150, 0, 0, 0, 0, 100, 100, 0};
    chord.count = 4;
    s.indexN = 1.2;
    q = SweepExit(s, chord);
    ASSERT_TRUE(q);
    EXPECT_NEAR(q->x, 137.452, 1e-3);
    EXPECT_NEAR(q->y, -60.057, 1e-3);
    s.indexN = 1.5; // 1.5 sin 45 > 1: reflected once more, nothing to draw
    EXPECT_FALSE(SweepExit(s, chord));

    RayPath out = TraceRay(s, 0, 0, 0, 0, 30); // left through the flat face
    EXPECT_FALSE(SweepExit(s, out));
}

TEST(MeanError, OfAListAndAgainstTheRadius) {
    EXPECT_FALSE(MeanIndexError({}, 1.5));
    EXPECT_NEAR(*MeanIndexError({1.6, 1.4}, 1.5), 100 * 0.1 / 1.5, 1e-9);

    ExperimentState s = Centred(1.5, 1);
    auto well = MeanErrorCurve(s);
    ASSERT_EQ(well.size(), 67u);
    EXPECT_EQ(well.front().radius, 14);
    EXPECT_EQ(well.back().radius, 146);
    EXPECT_EQ(s.radiusR, 148);
    for (const ErrorPoint& e : well) EXPECT_LT(e.error, 1e-6);

    // Centre 1 below the axis: the error fades as the curved face nears the protractor,
    // where the ray reaches the scale before it can bend.
    s.yc = -1;
    auto low = MeanErrorCurve(s);
    ASSERT_EQ(low.size(), 67u);
    EXPECT_GT(low.front().error, 5);
    EXPECT_LT(low.back().error, 0.2);
    for (std::size_t i = 1; i < low.size(); ++i) EXPECT_LT(low[i].error, low[i - 1].error);

    // A ray 2 above the centre: the shift of the entry point and the bend at the arc work
    // against each other, so some radius between the extremes measures best.
    s.yc = 0;
    s.rayH = 2;
    auto high = MeanErrorCurve(s);
    auto best = std::min_element(high.begin(), high.end(),
                                 [](auto& a, auto& b) { return a.error < b.error; });
    EXPECT_GT(best->radius, 14);
    EXPECT_LT(best->radius, 146);
    EXPECT_LT(best->error, high.front().error / 4);
}

TEST(Random, FreshDrawsInTheirRanges) {
    std::set<double> seen;
    for (int i = 0; i < 200; ++i) {
        const double u = RandomUnit(), t = RandomTilt();
        EXPECT_GE(u, -1);
        EXPECT_LT(u, 1);
        EXPECT_GE(t, -5);
        EXPECT_LT(t, 6);
        seen.insert(u);
    }
    EXPECT_GT(seen.size(), 190u);
}
