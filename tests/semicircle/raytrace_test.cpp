// Ray tracing through the semicircle and the ray modes built on it: numbers from hand or
// vector calculations made apart from the code.
#include "semicircle/model/protractor.h"
#include "semicircle/model/raymodes.h"
#include "semicircle/model/raytrace.h"

#include <algorithm>
#include <cmath>
#include <set>

#include <gtest/gtest.h>

#include "shell/model/mathconst.h"

namespace {

double Deg(double rad) { return rad * 180 / PI; }

ExperimentState Centred(double n, int direction, double R = 100) {
    ExperimentState s;
    s.indexN = n;
    s.radiusR = R;
    s.semiDirection = static_cast<std::int16_t>(direction);
    return s;
}

// Direction, in degrees, of the segment that ends at point i of a polyline.
double SegmentDeg(const std::vector<Point>& line, std::size_t i) {
    return Deg(DirectionAngle(line[i - 1].x, line[i - 1].y, line[i].x, line[i].y));
}

bool LeftWindow(const Point& p) { return p.x >= 200 || p.x <= -200 || p.y <= -200 || p.y >= 400; }

} // namespace

TEST(Geometry, IntersectionsAndFrames) {
    // y = 2x against y = 3 - x: they meet at (1, 2); the angle to B's normal is 18.43 degrees.
    Intersection b = IntersectLines(0, 0, 1, 2, 0, 3, 3, 0);
    EXPECT_NEAR(b.x, 1, 1e-12);
    EXPECT_NEAR(b.y, 2, 1e-12);
    EXPECT_NEAR(Deg(b.angle), 18.434949, 1e-6);
    EXPECT_DOUBLE_EQ(IntersectLines(4, 0, 4, 1, 0, 1, 2, 2).y, 3); // vertical A
    EXPECT_FALSE(IntersectLines(0, 0, 1, 1, 0, 1, 1, 2).Hit());     // parallels
    EXPECT_FALSE(IntersectLines(1, 0, 1, 1, 2, 0, 2, 1).Hit());     // two verticals

    EXPECT_DOUBLE_EQ(IntersectLineCircle(0, 0, 5, 1, 0, 1).x, -4);
    EXPECT_DOUBLE_EQ(IntersectLineCircle(0, 0, 5, 1, 0, 2).x, 6);
    // y = 3 meets the circle of radius 5 at (4, 3), where the radius is at 36.87 degrees.
    Intersection chord = IntersectLineCircle(0, 3, 5, 0, 0, 2);
    EXPECT_DOUBLE_EQ(chord.x, 4);
    EXPECT_NEAR(Deg(chord.angle), 36.869898, 1e-6);
    Intersection miss = IntersectLineCircle(0, 10, 5, 0, 0, 1);
    EXPECT_FALSE(miss.Hit());
    EXPECT_EQ(miss.angle, -200);

    Point q = ToLocal(1, 2, 1, 3, PI / 2); // one unit above the centre, frame turned 90 deg
    EXPECT_NEAR(q.x, 1, 1e-6);
    EXPECT_NEAR(q.y, 0, 1e-6);
    const Point l = ToLocal(-0.8, 0.6, -37.5, -180, 0.087);
    const Point w = ToWorld(-0.8, 0.6, l.x, l.y, 0.087);
    EXPECT_NEAR(w.x, -37.5, 1e-4);
    EXPECT_NEAR(w.y, -180, 1e-4);
    EXPECT_NEAR(DirectionAngle(0, 0, -1, -1), -3 * PI / 4, 1e-15);
    EXPECT_NEAR(DirectionAngle(1, 1, 1, -5), -PI / 2, 1e-15);
    EXPECT_NEAR(DirectionAngle(3, 0, 2, 0), PI, 1e-15);
}

TEST(TraceRay, MisplacementChangesTheMeasuredIndex) {
    // Figures from a separate vector calculation of the same set-up, n = 1.5, 30 degrees.
    const ExperimentState s = Centred(1.5, 1);
    RayTrace t = TraceRay(s, 2, 0, 0, 0, 30); // ray enters above the centre
    EXPECT_NEAR(t.measuredIndex, 1.574042, 1e-5);
    EXPECT_NEAR(Deg(t.refrAngle), 18.521081, 1e-5);
    EXPECT_NEAR(TraceRay(s, -2, 0, 0, 0, 30).measuredIndex, 1.433645, 1e-5);
    // A face tilted 5 degrees: refraction at 30 - 5 degrees, then out along a radius.
    EXPECT_NEAR(TraceRay(s, 0, 5 * PI / 180, 0, 0, 30).measuredIndex, 1.372501, 1e-5);
    // Centre moved down: the ray meets the arc off its radius and bends further down.
    EXPECT_NEAR(TraceRay(s, 0, 0, 0, -2, 30).measuredIndex, 1.486957, 1e-5);
    // Curved face first, ray 2 above the centre: bent towards the radius on entry, it meets
    // the flat face lower, at 1.3377.
    t = TraceRay(Centred(1.5, 2), 2, 0, 0, 0, 30);
    ASSERT_EQ(t.path.count, 4);
    EXPECT_NEAR(t.path.X(1), 86.310455, 1e-5);
    EXPECT_NEAR(t.path.Y(2), 1.337725, 1e-5);
    EXPECT_NEAR(t.measuredIndex, 1.476845, 1e-5);
    // The tracer keeps nothing: the state it read is as it was.
    EXPECT_EQ(s.measuredIndex, 0);
    EXPECT_EQ(s.incidence, 0);
}

TEST(Krisimi, FindsTheCriticalAngleOrNothing) {
    ExperimentState s = Centred(2.0, 2);
    ASSERT_TRUE(krisimi(s));
    EXPECT_NEAR(*krisimi(s), 30, 0.001); // arcsin(1/2)
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
    for (const Point& p : axis) EXPECT_NEAR(p.y, 0, 1e-3);
    EXPECT_TRUE(LeftWindow(axis.back()));
    EXPECT_GT(axis.back().x, 0);

    // Along a radius into the curved face: straight to the centre, then Snell at the flat
    // face: 30 degrees inside become arcsin(1.5 sin 30) = 48.59 outside.
    s.semiDirection = 2;
    const float sx = 150 * std::cos(PI / 6), sy = 75;
    s.freeRay = {sx, sy, sx * 0.9f, sy * 0.9f};
    auto radius = TraceFreeRay(s);
    bool throughCentre = false;
    for (const Point& p : radius) throughCentre |= std::hypot(p.x, p.y) < 1e-3;
    EXPECT_TRUE(throughCentre);
    EXPECT_NEAR(SegmentDeg(radius, radius.size() - 1), -180 + 48.590378, 1e-3);
    EXPECT_TRUE(LeftWindow(radius.back()));
}

TEST(TraceFreeRay, BeamsRefractOrReflectAtTheArcAndFansSpread) {
    ExperimentState s = Centred(1.5, 2);
    auto left = ParallelBeamRays(s, true);
    auto right = ParallelBeamRays(s, false);
    EXPECT_EQ(left.front()[1], 400);
    EXPECT_EQ(left.back()[1], -387.5);
    EXPECT_EQ(left[3][2], -190);
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

    // A fan from (10, 120): the first ray straight left R/20 away, the last straight right.
    auto fan = FanRays(s, 10, 120);
    EXPECT_EQ(fan[0][2], 5);
    EXPECT_EQ(fan[0][3], 120);
    EXPECT_NEAR(fan[45][2], 15, 1e-5);
    EXPECT_NEAR(fan[45][3], 120, 1e-5);
    for (const auto& line : RayFan(s, 10, 120)) EXPECT_LE(line.size(), 501u);
}

TEST(MeanError, OfAListAndAgainstTheRadius) {
    EXPECT_FALSE(MeanIndexError({}, 1.5));
    EXPECT_NEAR(*MeanIndexError({1.6, 1.4}, 1.5), 100 * 0.1 / 1.5, 1e-9);

    // Radii 14 to 146 (the window test counts them); a well-placed semicircle has no error.
    ExperimentState s = Centred(1.5, 1);
    for (const ErrorPoint& e : MeanErrorCurve(s)) EXPECT_LT(e.error, 1e-6);
    // Curved face to the right: the rays past the critical angle are totally reflected and
    // left out, so the well-placed semicircle still has no error ("BEST SEMICIRCLE").
    for (const ErrorPoint& e : MeanErrorCurve(Centred(1.5, 2)))
        EXPECT_LT(e.error, 1e-6);

    // Centre 1 below the axis: the error fades as the curved face nears the protractor,
    // where the ray reaches the scale before it can bend.
    s.yc = -1;
    auto low = MeanErrorCurve(s);
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

namespace {

// Direction of a point seen from the centre, degrees in [0, 360).
double DirectionDeg(Point p) {
    const double d = Deg(std::atan2(p.y, p.x));
    return d < 0 ? d + 360 : d;
}

double AngularGap(double a, double b) {
    const double d = std::fabs(a - b);
    return std::min(d, 360 - d);
}

double MarkLength(const DrawItem& m) { return std::hypot(m.a.x - m.b.x, m.a.y - m.b.y); }

// What a student reads off the drawn marks for light arriving at `at` on the circle: the mark
// nearest to it, counted mark by mark from the nearest numbered (long) mark towards the next.
double StudentReading(const Protractor& p, Point at) {
    const int count = int(p.marks.size());
    auto direction = [&](int i) {
        return DirectionDeg(p.marks[std::size_t((i % count + count) % count)].a);
    };
    auto isLong = [&](int i) {
        return MarkLength(p.marks[std::size_t((i % count + count) % count)]) > kFiveDegreeMark + 1;
    };
    auto numberAt = [&](int i) {
        for (const ProtractorNumber& n : p.numbers)
            if (AngularGap(n.direction, direction(i)) < 1e-6) return double(n.degrees);
        ADD_FAILURE() << "a long mark without a number at " << direction(i);
        return -1.0;
    };
    const double seen = DirectionDeg(at);
    int nearest = 0;
    for (int i = 1; i < count; ++i)
        if (AngularGap(direction(i), seen) < AngularGap(direction(nearest), seen)) nearest = i;
    int from = nearest, steps = 0;
    while (!isLong(from) && steps < count) { // back to the numbered mark before it
        --from;
        ++steps;
    }
    if (steps == 0) return numberAt(from);
    int to = from + 1;
    while (!isLong(to) && to - from < count)
        ++to;
    return numberAt(from) + steps * (numberAt(to) - numberAt(from)) / (to - from);
}

} // namespace

TEST(Protractor, MarksEveryDegreeLongerEveryFiveNumberedEveryTenAsTheListsMeasure) {
    const Protractor p = ProtractorMarks();
    ASSERT_EQ(p.marks.size(), 360u);
    int shortMarks = 0, fives = 0, tens = 0;
    for (std::size_t k = 0; k < p.marks.size(); ++k) {
        const DrawItem& m = p.marks[k];
        EXPECT_EQ(m.kind, DrawItem::Line);
        EXPECT_NEAR(std::hypot(m.a.x, m.a.y), 150, 1e-9); // from the protractor circle inwards
        EXPECT_LT(std::hypot(m.b.x, m.b.y), 150);
        EXPECT_NEAR(DirectionDeg(m.a), double(k), 1e-9);
        EXPECT_NEAR(DirectionDeg(m.b), double(k), 1e-9);
        // Thin and a light grey: every ray drawn over them stays clear.
        EXPECT_EQ(m.width, 1);
        ASSERT_TRUE(m.colour);
        EXPECT_TRUE(m.colour->r == m.colour->g && m.colour->g == m.colour->b && m.colour->r >= 120);
        const double length = MarkLength(m);
        if (k % 10 == 0) {
            ++tens;
            EXPECT_GT(length, kFiveDegreeMark + 2);
        } else if (k % 5 == 0) {
            ++fives;
            EXPECT_GT(length, kDegreeMark + 2);
            EXPECT_LT(length, kTenDegreeMark - 2);
        } else {
            ++shortMarks;
            EXPECT_LT(length, kFiveDegreeMark - 2);
        }
    }
    EXPECT_EQ(tens, 36);
    EXPECT_EQ(fives, 36);
    EXPECT_EQ(shortMarks, 288);

    // The numbers, as the lists give incidence and refraction: from the x axis, 0 to 90 in
    // each quadrant (by hand).
    ASSERT_EQ(p.numbers.size(), 36u);
    const std::pair<double, int> byHand[] = {{0, 0},    {30, 30},  {90, 90},  {100, 80},
                                             {150, 30}, {180, 0},  {200, 20}, {250, 70},
                                             {270, 90}, {290, 70}, {340, 20}, {350, 10}};
    for (const auto& [direction, degrees] : byHand) {
        const auto n =
            std::find_if(p.numbers.begin(), p.numbers.end(), [&](const ProtractorNumber& x) {
                return AngularGap(x.direction, direction) < 1e-9;
            });
        ASSERT_NE(n, p.numbers.end()) << direction;
        EXPECT_EQ(n->degrees, degrees) << direction;
    }
    // A number's box stands clear of the circle outside, and of the long marks inside.
    for (double direction : {0.0, 37.0, 90.0, 215.0}) {
        const Point out = ProtractorNumberCentre(direction, 6, 4, 1, true);
        const Point in = ProtractorNumberCentre(direction, 6, 4, 1, false);
        for (double dx : {-6.0, 6.0})
            for (double dy : {-4.0, 4.0}) {
                EXPECT_GE(std::hypot(out.x + dx, out.y + dy), 150 + 1 - 1e-9) << direction;
                EXPECT_LE(std::hypot(in.x + dx, in.y + dy), 150 - kTenDegreeMark - 1 + 1e-9)
                    << direction;
            }
    }
}

// A student sends a ray and reads where the light arrives off the marks: within half a degree
// of the refraction angle the list shows, whichever way the glass lies and wherever it stands.
TEST(Protractor, AStudentReadsTheRefractionAngleOffTheMarksToHalfADegree) {
    struct Case {
        double n;
        int direction;
        double h, xc, yc, tiltDeg, alphaDeg;
        double byHand; // the refraction angle by Snell's law, where the set-up allows it by hand
    };
    const double none = -1;
    const Case cases[] = {
        {1.5, 1, 0, 0, 0, 0, 30, 19.4712},  // sin r = sin 30 / 1.5
        {1.33, 1, 0, 0, 0, 0, 60, 40.6281}, // sin r = sin 60 / 1.33
        {2.0, 1, 0, 0, 0, 0, 80, 29.4987},  // sin r = sin 80 / 2
        {1.5, 2, 0, 0, 0, 0, 30, 48.5904},  // radially in, sin r = 1.5 sin 30 at the flat face
        {1.5, 1, 0, 0, 0, 0, 6, 3.9959},     {1.5, 1, 1.0, 0.4, -0.6, 3, 30, none},
        {1.2, 1, -1.5, -1, 1, -5, 45, none}, {1.7, 2, 2.0, 1, 0, 4, 20, none},
        {1.5, 1, 0, 0, 0, 0, 87.5, none},
    };
    const Protractor p = ProtractorMarks();
    for (const Case& c : cases) {
        ExperimentState s = Centred(c.n, c.direction);
        s.xc = c.xc;
        s.yc = c.yc;
        s.rayH = c.h;
        s.tilt = c.tiltDeg * PI / 180;
        const RayTrace t = TraceRay(s, s.rayH, s.tilt, s.xc, s.yc, c.alphaDeg);
        ASSERT_TRUE(t.refrAngleMeasured) << c.alphaDeg;
        const double listed = Deg(t.refrAngle); // what the list shows, to two decimals
        if (c.byHand != none) {
            EXPECT_NEAR(listed, c.byHand, 1e-3);
        }
        const double read = StudentReading(p, {t.path.LastX(), t.path.LastY()});
        EXPECT_LE(std::fabs(read - listed), 0.5) << "n " << c.n << " at " << c.alphaDeg;
        // And the source, where the student aimed: the incidence as the list gives it.
        EXPECT_LE(std::fabs(StudentReading(p, {t.path.X(0), t.path.Y(0)}) - c.alphaDeg), 0.5);
    }
}
