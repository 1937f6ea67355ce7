// Newton's particle tracks: numbers worked out by hand (or with a pocket calculator) from the
// kinematics, apart from the code. The window is 960 x 540 pixels unless a test says
// otherwise, so scaleW = 960, scaleH = 540, the surface lies at yS = 337.5 and the picture
// runs from y = -81 (-0.15 H) to 540.
#include "waves/model/newton.h"

#include <algorithm>
#include <cmath>
#include <string>

#include <gtest/gtest.h>

#include "shell/model/mathconst.h"

namespace {

constexpr double kW = 960, kH = 540, kYS = 337.5;

NewtonInputs Inputs(double n, double incDeg, int value = 1, double w = 14400, double h = 8100) {
    return NewtonInputs{n, incDeg, value, w, h};
}

double Deg(double rad) { return rad * 180 / PI; }

Point First(const InterpretationState& s, int k) { return {s.trackC[k], s.trackA[k]}; }
Point Second(const InterpretationState& s, int k) { return {s.trackD[k], s.trackB[k]}; }

// Angle from the vertical of the step from a to b, degrees (positive: to the right).
double StepAngleDeg(Point a, Point b) { return Deg(std::atan2(b.x - a.x, std::fabs(b.y - a.y))); }

// Where the straight line through a and b reaches the height y.
double XAtHeight(Point a, Point b, double y) { return a.x + (y - a.y) * (b.x - a.x) / (b.y - a.y); }

// The last point of the first track (the two tracks may end at different points; the arrays
// hold zeros after each).
int FirstEnd(const InterpretationState& s, const NewtonScene& sc) {
    int k = sc.trackPoints;
    while (k > 1 && s.trackA[k] == 0 && s.trackC[k] == 0)
        --k;
    return k;
}

bool Finite(Point p) { return std::isfinite(p.x) && std::isfinite(p.y); }

} // namespace

TEST(ArcKinematics, HeightsAndAccelerations) {
    // From (1, 10) with velocity (4, -2): at x = 9 two time units have passed, y = 10 - 4 = 6;
    // with a = 3 the fall is lessened by 3/2 * 2^2 = 6, y = 12.
    EXPECT_DOUBLE_EQ(ArcHeight(10, -2, 4, 0, 1, 9), 6);
    EXPECT_DOUBLE_EQ(ArcHeight(10, -2, 4, 3, 1, 9), 12);
    // a = 0 is the straight line of slope vy/vx = -1/2 through (1, 10).
    EXPECT_DOUBLE_EQ(ArcHeight(10, -2, 4, 0, 1, 5), 8);
    // The acceleration back to those points: 0 for the point on the straight line, 3 for the other.
    EXPECT_NEAR(AccelToPoint(4, -2, 9, 1, 6, 10), 0, 1e-15);
    EXPECT_DOUBLE_EQ(AccelToPoint(4, -2, 9, 1, 12, 10), 3);
    // Free fall from rest: speed 2 after a drop of 1 needs 2 g = 4, g = 2, downwards.
    EXPECT_DOUBLE_EQ(AccelToSlope(-2, 0, 1, -1, 0), -2);
    // n = 1.5, 30 degrees: vx = 0.5, vy = -0.866025; sin r = 1/3, slope -cos r / sin r = -2.828427,
    // so vy becomes 0.5 * -2.828427 = -1.414214 (speed 1.5). Over the drop of 50:
    // a = (1.414214^2 - 0.866025^2) / (2 * -50) = (2 - 0.75) / -100 = -0.0125.
    const double r = std::asin(1.0 / 3);
    EXPECT_NEAR(AccelToSlope(-std::cos(r) / std::sin(r), -std::cos(PI / 6), 0.5, 200, 250), -0.0125,
                1e-12);
}

TEST(LayerAccelerationTest, OnlyWhenTheFirstIsSmallerAndItSetsTheScale) {
    InterpretationState s;
    s.incRad = 30 * PI / 180;
    s.refrRad = std::asin(1.0 / 3);
    // h = 400: yS = 250, yL = 200, the same -0.0125 as above.
    EXPECT_NEAR(LayerAcceleration(s, 0, 1, 2, 600, 400), -0.0125, 1e-12);
    EXPECT_EQ(s.scaleW, 600);
    EXPECT_EQ(s.scaleH, 400);
    EXPECT_EQ(LayerAcceleration(s, 0, 2, 1, 600, 400), 0);
    EXPECT_EQ(LayerAcceleration(s, 0, -2, 2, 600, 400), 0);
    EXPECT_NEAR(LayerAcceleration(s, 0, -1, -2, 600, 400), -0.0125, 1e-12);
}

TEST(NewtonLabels, ThicknessAndCriticalAngle) {
    InterpretationState s;
    // Value 1: k = 1.02, thickness (5 - 4.08)/8 H = 0.115 * 540 = 62.1; value 10: 0.025 * 540.
    NewtonScene one = NewtonOneLayer(s, Inputs(1.5, 30, 1));
    EXPECT_EQ(one.label7, "Πάχος στρώματος = 62.10");
    EXPECT_FALSE(one.label5.has_value());
    EXPECT_EQ(one.criticalDeg, 900);
    EXPECT_EQ(NewtonOneLayer(s, Inputs(1.5, 30, 10)).label7, "Πάχος στρώματος = 13.50");
    // n = 0.75: asin 0.75 = 48.5904 degrees.
    NewtonScene below = NewtonOneLayer(s, Inputs(0.75, 30, 4));
    EXPECT_EQ(below.label5, std::optional<std::string>("κρίσιμη γωνία = 48.59"));
    EXPECT_NEAR(below.criticalDeg, 48.5904, 1e-4);
    // The slab computes the angle and shows nothing.
    NewtonSlab slab = NewtonParallel(s, Inputs(0.75, 30, 10));
    EXPECT_FALSE(slab.label5.has_value());
    EXPECT_NEAR(slab.criticalDeg, 48.5904, 1e-4);
    EXPECT_EQ(slab.label7, "Πάχος στρώματος = 13.50");
    EXPECT_EQ(slab.meso2Top, 270);
    EXPECT_EQ(slab.meso2Height, 405);
}

TEST(NewtonOneLayerTest, ThirtyDegreesIntoGlass) {
    InterpretationState s;
    const NewtonScene sc = NewtonOneLayer(s, Inputs(1.5, 30));
    EXPECT_EQ(s.scaleW, kW);
    EXPECT_EQ(s.scaleH, kH);
    EXPECT_EQ(s.lambda1, 100);
    EXPECT_NEAR(Deg(s.refrRad), 19.4712, 1e-4);
    EXPECT_NEAR(s.frontSpeed1, 0.866025, 1e-6);
    EXPECT_NEAR(s.frontSpeed2, 1.414214, 1e-6); // 1.5 cos 19.47
    EXPECT_LE(sc.exitMismatch, 1e-9);
    const int n = FirstEnd(s, sc);
    ASSERT_GT(n, 100);
    // Point 1 is the top-left corner; element 0 stays empty, and so does everything past the end.
    EXPECT_EQ(First(s, 1), (Point{0, kH}));
    EXPECT_EQ(First(s, 0), (Point{0, 0}));
    EXPECT_EQ(s.trackA[s.kTrackSlots - 1], 0);
    // One unit of path per point above the surface: steps of sin 30 = 0.5 in x.
    EXPECT_NEAR(s.trackC[2] - s.trackC[1], 0.5, 1e-12);
    // Out of the layer at 19.47 degrees, one point every 1.5 units of path; the straight line
    // after it meets the layer's lower edge yL = 275.4 at x = 116.913 + 2 * 0.5 * 62.1 /
    // (0.866025 + 1.414214) = 144.147, and the surface line meets yS at 202.5 tan 30 = 116.913.
    const Point a = First(s, n - 1), b = First(s, n);
    EXPECT_NEAR(StepAngleDeg(a, b), 19.471221, 1e-6);
    EXPECT_NEAR(std::hypot(b.x - a.x, b.y - a.y), 1.5, 1e-9);
    EXPECT_NEAR(XAtHeight(a, b, 275.4), 144.1474, 1e-4);
    // The track runs down to the bottom of the picture, y = -81, within one step.
    EXPECT_LE(b.y, -81 + 1.5);
    EXPECT_GE(b.y, -81 - 1e-9);
    // Inside the layer every point lies on the parabola between the two edges.
    int inLayer = 0;
    for (int k = 1; k <= n; ++k) {
        const Point p = First(s, k);
        if (p.x <= 116.9134 || p.x >= 144.1474) continue;
        ++inLayer;
        EXPECT_LT(p.y, kYS);
        EXPECT_GT(p.y, 275.4);
    }
    EXPECT_GT(inLayer, 40); // about 27.2 / 0.5 = 54 points
}

TEST(NewtonOneLayerTest, DrawingOrderColoursAndWidths) {
    InterpretationState s;
    const NewtonScene sc = NewtonOneLayer(s, Inputs(1.5, 30));
    const Drawing& d = sc.drawing;
    ASSERT_GT(d.size(), 10u);
    const Rgb layer{200, 150, 90};
    EXPECT_EQ(d[0].kind, DrawItem::FilledBox);
    EXPECT_EQ(d[0].colour, layer);
    EXPECT_EQ(d[0].b, (Point{kW, kYS}));
    EXPECT_EQ(d[1].kind, DrawItem::FilledBox);
    EXPECT_EQ(d[1].b, (Point{kW, -216})); // -0.4 H
    // The incident line in the ForeColor, from the corner to the surface at x = 116.913.
    EXPECT_EQ(d[2].kind, DrawItem::Line);
    EXPECT_FALSE(d[2].colour.has_value());
    EXPECT_EQ(d[2].a, (Point{0, kH}));
    EXPECT_NEAR(d[2].b.x, 116.9134, 1e-4);
    // Then: ForeColor dots of width 3, green lines, red dots of width 1, one line (55, 30, 195).
    int stage = 0;
    int counts[4] = {0, 0, 0, 0};
    for (std::size_t i = 3; i + 1 < d.size(); ++i) {
        int here = -1;
        if (d[i].kind == DrawItem::Dot && !d[i].colour && d[i].width == 3) here = 0;
        if (d[i].kind == DrawItem::Line && d[i].colour == Rgb{0, 255, 0} && d[i].width == 1)
            here = 1;
        if (d[i].kind == DrawItem::Dot && d[i].colour == Rgb{255, 0, 0} && d[i].width == 1)
            here = 2;
        ASSERT_GE(here, stage) << "item " << i;
        stage = here;
        ++counts[here];
    }
    EXPECT_GT(counts[0], 40);
    EXPECT_GT(counts[1], 100);
    EXPECT_GT(counts[2], 100);
    const DrawItem& last = d.back();
    EXPECT_EQ(last.kind, DrawItem::Line);
    EXPECT_EQ(last.colour, (Rgb{55, 30, 195}));
    // The reflected share leaves the surface point upwards at 30 degrees.
    EXPECT_NEAR(last.a.x, 116.9134, 1e-4);
    EXPECT_NEAR(StepAngleDeg(last.a, last.b), 30, 1e-6);
    EXPECT_GT(last.b.y, last.a.y);
    // Its stored points: the same incident points, then the mirror.
    EXPECT_EQ(Second(s, 1), (Point{0, kH}));
    EXPECT_EQ(Second(s, 50), First(s, 50));
}

TEST(NewtonOneLayerTest, ExitAnglesOffTheComfortableCases) {
    struct Case {
        double n, inc, refrDeg;
    };
    // r = asin(sin i / n): 0.75 at 48 -> asin(0.990860) = 82.2474; at 48.59, just under the
    // critical 48.5904 -> 89.8046; 1.5 at 89 -> asin(0.666565) = 41.8025; at 90 -> asin(2/3).
    for (const Case c : {Case{0.75, 48, 82.2474}, Case{0.75, 48.59, 89.8046},
                         Case{1.5, 89, 41.8025}, Case{1.5, 90, 41.8103}, Case{3, 1, 0.3333}}) {
        InterpretationState s;
        const NewtonScene sc = NewtonOneLayer(s, Inputs(c.n, c.inc, 5));
        const int n = FirstEnd(s, sc);
        ASSERT_GE(n, 2);
        EXPECT_NEAR(StepAngleDeg(First(s, n - 1), First(s, n)), c.refrDeg, 1e-4)
            << c.n << " " << c.inc;
        EXPECT_LT(First(s, n).y, First(s, n - 1).y); // going down
        EXPECT_LE(sc.exitMismatch, 1e-4);
    }
}

TEST(NewtonOneLayerTest, GrazingEntersAtTheMiddleFromTheLeftEdge) {
    // At 90 degrees the corner's track would meet the surface at infinity; it comes in along
    // the surface from the left edge and enters the layer at x = W/2.
    InterpretationState s;
    const NewtonScene sc = NewtonOneLayer(s, Inputs(1.5, 90));
    EXPECT_EQ(sc.drawing[2].b, (Point{kW / 2, kYS}));
    EXPECT_EQ(s.trackC[1], 0);
    EXPECT_NEAR(s.trackA[1], kYS, 1e-9);
    // In the layer vy goes from 0 to -sqrt(1.5^2 - 1) = -1.118034 over the drop of 62.1:
    // time 2 * 62.1 / 1.118034 = 111.088, so it leaves at x = 480 + 111.088 = 591.088.
    const int n = FirstEnd(s, sc);
    EXPECT_NEAR(XAtHeight(First(s, n - 1), First(s, n), 275.4), 591.088, 1e-3);
}

TEST(NewtonTotalReflection, TheLayerTurnsTheParticleBackUpwards) {
    // n = 0.75, 60 degrees: sin 60 / 0.75 = 1.155. The layer's force a = (1 - 0.5625) /
    // (2 * 62.1) = 0.00352254 upwards stops vy = -0.5 after a depth 0.25 / (2a) = 35.4857, so
    // the lowest height is 337.5 - 35.4857 = 302.0143, above yL = 275.4. It is back at the surface
    // after 2 * 0.5 / a = 283.886 time units, at x = 350.740 + 0.866025 * 283.886 = 596.593, and
    // leaves upwards at 60 degrees, through the top edge at x = 596.593 + 202.5 tan 60 = 947.3.
    // The slab's track turns back in the same way.
    for (bool slab : {false, true}) {
        InterpretationState s;
        const NewtonInputs in = Inputs(0.75, 60, 1);
        const NewtonScene sc = slab ? NewtonScene(NewtonParallel(s, in)) : NewtonOneLayer(s, in);
        EXPECT_EQ(s.refrRad, PI / 2);
        EXPECT_EQ(s.frontSpeed2, 0);
        EXPECT_LE(sc.exitMismatch, 1e-9);
        const int n = FirstEnd(s, sc);
        double lowest = 1e9;
        for (int k = 1; k <= n; ++k)
            lowest = std::min(lowest, s.trackA[k]);
        EXPECT_GE(lowest, 302.0143 - 1e-4);
        EXPECT_LE(lowest, 302.0143 + 0.01);
        const Point a = First(s, n - 1), b = First(s, n);
        EXPECT_NEAR(StepAngleDeg(a, b), 60, 1e-6);
        EXPECT_GT(b.y, a.y);
        EXPECT_NEAR(XAtHeight(a, b, kYS), 596.593, 1e-3);
        EXPECT_NEAR(b.y, kH, 1.0);
    }
    // Grazing, n = 0.5: the particle hardly dips and runs along the surface to the right edge.
    InterpretationState s;
    const NewtonScene sc = NewtonOneLayer(s, Inputs(0.5, 90, 10));
    const int n = FirstEnd(s, sc);
    EXPECT_NEAR(StepAngleDeg(First(s, n - 1), First(s, n)), 90, 1e-3);
    EXPECT_GE(First(s, n).y, kYS - 1e-9);
    EXPECT_NEAR(First(s, n).x, kW, 1.0);
}

TEST(NewtonParallelTest, TheSlabGivesTheIncidentDirectionBack) {
    // n = 1.5, 30 degrees: out of the first layer at (144.147, 275.4), across the slab at
    // 19.47 degrees to y = 0: x = 144.147 + 275.4 * tan 19.47 (0.353553) = 241.516; through the
    // second layer (0 to -62.1, vy from -1.414214 back to -0.866025) the same 27.234 further:
    // 268.750 at y = -62.1; then 30 degrees again.
    InterpretationState s;
    const NewtonSlab sc = NewtonParallel(s, Inputs(1.5, 30));
    EXPECT_LE(sc.exitMismatch, 1e-9);
    const int n = FirstEnd(s, sc);
    const Point a = First(s, n - 1), b = First(s, n);
    EXPECT_NEAR(StepAngleDeg(a, b), 30, 1e-6);
    EXPECT_NEAR(XAtHeight(a, b, -62.1), 268.750, 1e-3);
    EXPECT_GE(b.y, -81 - 1e-9);
    // A point of the slab crossing lies on the 19.47 degree line from (144.147, 275.4).
    for (int k = 1; k <= n; ++k) {
        const Point p = First(s, k);
        if (p.y < 250 && p.y > 20) {
            EXPECT_NEAR(p.x, 144.1474 + (275.4 - p.y) * 0.353553, 1e-3);
        }
    }
    // Drawing: the slab box, the red points, two blue and two (95, 150, 120) construction lines
    // (tangents of each bend, meeting halfway through the crossing time).
    const Drawing& d = sc.drawing;
    ASSERT_EQ(d.size(), static_cast<std::size_t>(n) + 5);
    EXPECT_EQ(d[0].kind, DrawItem::FilledBox);
    EXPECT_EQ(d[0].b, (Point{kW, kYS}));
    for (int k = 1; k <= n; ++k) {
        EXPECT_EQ(d[k].kind, DrawItem::Dot);
        EXPECT_EQ(d[k].colour, (Rgb{255, 0, 0}));
    }
    EXPECT_EQ(d[n + 1].colour, (Rgb{0, 0, 255}));
    EXPECT_NEAR(d[n + 1].b.x, (116.9134 + 144.1474) / 2, 1e-3);
    EXPECT_NEAR(StepAngleDeg(d[n + 1].a, d[n + 1].b), 30, 1e-6);
    EXPECT_NEAR(StepAngleDeg(d[n + 2].a, d[n + 2].b), 19.4712, 1e-4);
    EXPECT_EQ(d[n + 3].colour, (Rgb{95, 150, 120}));
    EXPECT_NEAR(d[n + 4].b.x, 268.750, 1e-3);
}

TEST(NewtonTrackLength, LongestTracksStayInTheArrays) {
    // A tall narrow window (100 x 1400 units) at 1 degree into the slow medium, and a wide flat
    // one near the critical angle: the longest tracks. Both stay within the 15000 slots, clear
    // the slots after their last point and reach the picture's edge.
    struct Case {
        double w, h, n, inc;
        int value;
    };
    for (const Case c : {Case{1000, 14000, 0.5, 1, 1}, Case{14000, 1000, 0.5, 29, 1},
                         Case{14000, 1000, 3, 1, 1}, Case{1000, 14000, 1, 90, 1}}) {
        InterpretationState s;
        s.trackA.assign(s.kTrackSlots, 7.0); // an earlier scene's leftovers
        for (bool slab : {false, true}) {
            const NewtonScene sc =
                slab ? NewtonScene(NewtonParallel(s, Inputs(c.n, c.inc, c.value, c.w, c.h)))
                     : NewtonOneLayer(s, Inputs(c.n, c.inc, c.value, c.w, c.h));
            ASSERT_GE(sc.trackPoints, 2);
            ASSERT_LE(sc.trackPoints, 15000);
            EXPECT_LE(sc.drawing.size(), 4000u);
            for (int k = sc.trackPoints + 1; k < s.kTrackSlots; ++k)
                ASSERT_EQ(s.trackA[k], 0);
            const int last = FirstEnd(s, sc);
            const Point end = First(s, last);
            const double step = std::hypot(end.x - s.trackC[last - 1], end.y - s.trackA[last - 1]);
            const bool atEdge = end.x >= s.scaleW - step - 1e-6 ||
                                end.y <= -0.15 * s.scaleH + step + 1e-6 ||
                                end.y >= s.scaleH - step - 1e-6;
            EXPECT_TRUE(atEdge) << c.w << "x" << c.h << " n " << c.n << " inc " << c.inc;
        }
    }
}

TEST(NewtonGrid, EveryCaseFiniteOnThePictureAndSelfConsistent) {
    // n = R/100 for R = 50 to 300 in steps of 5, incidence 1 to 90, Newton value 1 to 10, both
    // scenes.
    const double limit = 10 * 1500;
    InterpretationState s;
    int cases = 0;
    for (int R = 50; R <= 300; R += 5) {
        for (int inc = 1; inc <= 90; ++inc) {
            for (int value = 1; value <= 10; ++value) {
                for (bool slab : {false, true}) {
                    const NewtonInputs in = Inputs(R / 100.0, inc, value);
                    const NewtonScene sc =
                        slab ? NewtonScene(NewtonParallel(s, in)) : NewtonOneLayer(s, in);
                    ++cases;
                    const std::string where = "R " + std::to_string(R) + " inc " +
                                              std::to_string(inc) + " value " +
                                              std::to_string(value) + (slab ? " slab" : "");
                    ASSERT_LE(sc.exitMismatch, 1e-4) << where;
                    ASSERT_GE(sc.trackPoints, 2) << where;
                    ASSERT_LE(sc.trackPoints, 15000) << where;
                    ASSERT_LE(sc.drawing.size(), 4000u) << where;
                    for (const DrawItem& item : sc.drawing) {
                        ASSERT_TRUE(Finite(item.a) && Finite(item.b)) << where;
                        ASSERT_LE(std::max({std::fabs(item.a.x), std::fabs(item.a.y),
                                            std::fabs(item.b.x), std::fabs(item.b.y)}),
                                  limit)
                            << where;
                    }
                    for (int k = 0; k <= sc.trackPoints; ++k) {
                        ASSERT_TRUE(Finite(First(s, k)) && Finite(Second(s, k))) << where;
                        ASSERT_LE(std::max(std::fabs(s.trackA[k]), std::fabs(s.trackC[k])), limit)
                            << where;
                    }
                    for (double v : {s.incRad, s.refrRad, s.tanInc, s.tanRefr, s.frontSpeed1,
                                     s.frontSpeed2, s.scaleW, s.scaleH, sc.criticalDeg})
                        ASSERT_TRUE(std::isfinite(v)) << where;
                    for (const std::string& text : {sc.label7, sc.label5.value_or("")}) {
                        ASSERT_EQ(text.find("nan"), std::string::npos) << where;
                        ASSERT_EQ(text.find("inf"), std::string::npos) << where;
                        ASSERT_EQ(text.find(" -"), std::string::npos) << where;
                    }
                }
            }
        }
    }
    EXPECT_EQ(cases, 51 * 90 * 10 * 2);
}
