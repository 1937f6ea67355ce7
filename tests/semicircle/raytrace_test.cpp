#include "semicircle/raytrace.h"

#include <cmath>

#include <gtest/gtest.h>

#include "semicircle/raymodes.h"
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

} // namespace

TEST(IntersectLines, CrossingsAndParallels) {
    // y = x against the vertical x = 2: the normal of a vertical face is horizontal.
    Intersection a = IntersectLines(0, 0, 1, 1, 2, -5, 2, 5);
    EXPECT_DOUBLE_EQ(a.x, 2);
    EXPECT_DOUBLE_EQ(a.y, 2);
    EXPECT_NEAR(Deg(a.angle), 45, 1e-12);
    // y = 2x against y = 3 - x: they meet at (1, 2); the normal of B points at 45 degrees.
    Intersection b = IntersectLines(0, 0, 1, 2, 0, 3, 3, 0);
    EXPECT_NEAR(b.x, 1, 1e-12);
    EXPECT_NEAR(b.y, 2, 1e-12);
    EXPECT_NEAR(Deg(b.angle), 18.434949, 1e-6);
    EXPECT_DOUBLE_EQ(LineAngle(0, 0, 1, 2, 0, 3, 3, 0), b.angle);
    // Vertical A against y = 0.5 x + 1 at x = 4.
    Intersection c = IntersectLines(4, 0, 4, 1, 0, 1, 2, 2);
    EXPECT_DOUBLE_EQ(c.y, 3);
    // Parallel lines and two verticals do not meet.
    EXPECT_FALSE(IntersectLines(0, 0, 1, 1, 0, 1, 1, 2).Hit());
    EXPECT_FALSE(IntersectLines(1, 0, 1, 1, 2, 0, 2, 1).Hit());
}

TEST(IntersectLineCircle, SidesAnglesAndMiss) {
    Intersection left = IntersectLineCircle(0, 0, 5, 1, 0, 1);
    Intersection right = IntersectLineCircle(0, 0, 5, 1, 0, 2);
    EXPECT_DOUBLE_EQ(left.x, -4);
    EXPECT_DOUBLE_EQ(right.x, 6);
    EXPECT_DOUBLE_EQ(right.angle, 0); // along a diameter
    // y = 3 meets the circle of radius 5 at (4, 3), where the radius is at 36.87 degrees.
    Intersection chord = IntersectLineCircle(0, 3, 5, 0, 0, 2);
    EXPECT_DOUBLE_EQ(chord.x, 4);
    EXPECT_NEAR(Deg(chord.angle), 36.869898, 1e-6);
    Intersection miss = IntersectLineCircle(0, 10, 5, 0, 0, 1);
    EXPECT_FALSE(miss.Hit());
    EXPECT_EQ(miss.angle, -200);
}

TEST(TraceRay, CentredRayLeavesUndeviatedAndMeasuresTheIndex) {
    for (double n : {1.2, 1.5, 2.0}) {
        for (double alpha : {10.0, 30.0, 60.0}) {
            ExperimentState s = Centred(n, 1);
            RayPath p = TraceRay(s, 0, 0, 0, 0, alpha);
            ASSERT_EQ(p.count, 4);
            EXPECT_NEAR(s.incidence, alpha * PI / 180, 1e-15);
            EXPECT_EQ(s.incidenceDeg, alpha);
            EXPECT_NEAR(p.X(1), 0, 1e-12); // enters at the centre
            EXPECT_NEAR(p.Y(1), 0, 1e-12);
            EXPECT_NEAR(std::hypot(p.X(2), p.Y(2)), 100, 1e-9);
            EXPECT_NEAR(std::hypot(p.X(3), p.Y(3)), 150, 1e-9);
            EXPECT_LT(p.X(3), 0);
            const double r = std::asin(std::sin(alpha * PI / 180) / n);
            EXPECT_NEAR(s.refrAngle, r, 1e-9) << n << " " << alpha;
            EXPECT_NEAR(s.measuredIndex, n, 1e-9);
        }
    }
}

TEST(TraceRay, MisplacementChangesTheMeasuredIndex) {
    // Figures from a separate vector calculation of the same set-up, n = 1.5, 30 degrees.
    ExperimentState s = Centred(1.5, 1);
    TraceRay(s, 2, 0, 0, 0, 30); // ray enters above the centre
    EXPECT_NEAR(s.measuredIndex, 1.574042, 1e-5);
    EXPECT_NEAR(Deg(s.refrAngle), 18.521081, 1e-5);
    TraceRay(s, -2, 0, 0, 0, 30);
    EXPECT_NEAR(s.measuredIndex, 1.433645, 1e-5);
    // A face tilted 5 degrees: refraction at 30 - 5 degrees, then out along a radius.
    TraceRay(s, 0, 5 * PI / 180, 0, 0, 30);
    EXPECT_NEAR(s.measuredIndex, 1.372501, 1e-5);
    // Centre moved down: the ray meets the arc off its radius and bends further down.
    TraceRay(s, 0, 0, 0, -2, 30);
    EXPECT_NEAR(s.measuredIndex, 1.486957, 1e-5);
    // Curved face first, ray 2 above the centre: bent towards the radius on entry, it meets
    // the flat face lower, at 1.3377.
    s.semiDirection = 2;
    RayPath p = TraceRay(s, 2, 0, 0, 0, 30);
    EXPECT_NEAR(p.X(1), 86.310455, 1e-5);
    EXPECT_NEAR(p.Y(2), 1.337725, 1e-5);
    EXPECT_NEAR(s.measuredIndex, 1.476845, 1e-5);
}

TEST(TraceRay, LessDenseGlassReflectsAtTheFlatFace) {
    ExperimentState s = Centred(0.5, 1);
    s.measuredIndex = 9;
    s.refrAngle = 0.25;
    // sin 60 / 0.5 > 1: the ray goes back down to the right at 60 degrees below the axis.
    RayPath p = TraceRay(s, 0, 0, 0, 0, 60);
    ASSERT_EQ(p.count, 4);
    EXPECT_EQ(p.X(2), 0);
    EXPECT_EQ(p.Y(2), 0);
    EXPECT_NEAR(p.X(3), 75, 1e-9);
    EXPECT_NEAR(p.Y(3), -129.903811, 1e-6);
    EXPECT_EQ(s.measuredIndex, 9);
    EXPECT_EQ(s.refrAngle, 0.25);
    // Below that angle the same glass refracts: sin 20 / 0.5 < 1.
    TraceRay(s, 0, 0, 0, 0, 20);
    EXPECT_NEAR(s.measuredIndex, 0.5, 1e-9);
}

TEST(TraceRay, CurvedFaceFirstAndTheCriticalAngle) {
    ExperimentState s = Centred(1.5, 2);
    RayPath below = TraceRay(s, 0, 0, 0, 0, 30);
    ASSERT_EQ(below.count, 4);
    EXPECT_LT(below.X(3), 0);
    EXPECT_NEAR(Deg(s.refrAngle), 48.590378, 1e-6); // arcsin(1.5 sin 30)
    EXPECT_NEAR(s.measuredIndex, 1.5, 1e-9);
    EXPECT_EQ(s.semiDirection, 2);

    s.measuredIndex = 7;
    RayPath beyond = TraceRay(s, 0, 0, 0, 0, 50); // past arcsin(1/1.5) = 41.81
    ASSERT_EQ(beyond.count, 4);
    EXPECT_NEAR(beyond.X(3), 100 * std::cos(50 * PI / 180), 1e-9); // on the curved face
    EXPECT_NEAR(beyond.Y(3), -100 * std::sin(50 * PI / 180), 1e-9);
    EXPECT_EQ(s.measuredIndex, 7);
}

TEST(TraceRay, LessDenseGlassReflectsAtTheCurvedFace) {
    // y = 60 meets the circle at (80, 60) at 36.87 degrees to the radius; sin of that over
    // 0.5 exceeds 1, so the ray turns back to the protractor along (0.28, 0.96).
    ExperimentState s = Centred(0.5, 2);
    s.measuredIndex = 3;
    RayPath p = TraceRay(s, 60, 0, 0, 0, std::asin(0.4) * 180 / PI); // source at height 60
    ASSERT_EQ(p.count, 4);
    EXPECT_NEAR(p.X(1), 80, 1e-9);
    EXPECT_NEAR(p.Y(1), 60, 1e-9);
    EXPECT_EQ(p.X(2), p.X(1)); // nothing runs inside the glass
    EXPECT_NEAR(p.X(3), 80 + 0.28 * 57.477, 1e-3);
    EXPECT_NEAR(p.Y(3), 60 + 0.96 * 57.477, 1e-3);
    EXPECT_EQ(s.measuredIndex, 3);
}

TEST(TraceRay, MissedIntersectionsEndThePath) {
    ExperimentState s = Centred(1.5, 2);
    RayPath miss = TraceRay(s, 500, 0, 0, 0, 0); // passes far above the glass
    EXPECT_EQ(miss.count, 1);
    EXPECT_EQ(miss.LastX(), 150);

    s.semiDirection = 1;
    RayPath wide = TraceRay(s, 500, 0, 0, 0, 10); // meets the face's line, not the arc
    EXPECT_EQ(wide.count, 2);
    EXPECT_EQ(wide.LastX(), 0);
    EXPECT_NEAR(wide.LastY(), 500, 1e-9);

    s.semiDirection = 3;
    EXPECT_EQ(TraceRay(s, 0, 0, 0, 0, 30).count, 1);
}

TEST(RayScene, OpeningPictureAndRecordFileTrace) {
    ExperimentState s = Centred(1.5, 1);
    s.incidence = 30 * PI / 180;
    RayScene sc = ComputeRayScene(s, 0, 0, 0, 0);
    ASSERT_TRUE(sc.hasE && sc.hasNormal && sc.hasX && sc.hasF);
    EXPECT_NEAR(sc.e.x, 0, 1e-12);
    EXPECT_NEAR(sc.normalRight.x, 150, 1e-12);
    EXPECT_NEAR(sc.normalRight.y, 0, 1e-12);
    EXPECT_NEAR(sc.normalLeft.x, -75, 1e-12);
    EXPECT_NEAR(sc.p1.y, -100, 1e-12);
    EXPECT_NEAR(sc.p2.y, 100, 1e-12);
    const double r = std::asin(0.5 / 1.5);
    EXPECT_NEAR(sc.x.x, -100 * std::cos(r), 1e-9);
    EXPECT_NEAR(sc.x.y, -100 * std::sin(r), 1e-9);
    EXPECT_NEAR(sc.f.x, -150 * std::cos(r), 1e-9);
    EXPECT_NEAR(s.measuredIndex, 1.5, 1e-9);

    // aktina2 takes degrees and leaves radians.
    s.incidence = 30;
    EXPECT_NEAR(aktina2(s, 0, 0, 0, 0), r, 1e-9);
    EXPECT_NEAR(s.incidence, 30 * PI / 180, 1e-15);

    // Less dense glass at 60 degrees: reflected, nothing inside, the old angle kept.
    s.indexN = 0.5;
    s.incidence = 60 * PI / 180;
    sc = ComputeRayScene(s, 0, 0, 0, 0);
    EXPECT_TRUE(sc.reflectedAtFlat);
    EXPECT_FALSE(sc.hasX);
    EXPECT_NEAR(sc.reflectedEnd.x, 75, 1e-9);
    EXPECT_NEAR(sc.reflectedEnd.y, -129.903811, 1e-6);
    s.incidence = 60;
    EXPECT_NEAR(aktina2(s, 0, 0, 0, 0), r, 1e-9);
}

TEST(TraceRay, NothingComesOutNotANumber) {
    // Every scroll-bar extreme, the 90 degree ray and both directions.
    int traced = 0;
    for (int tenths = 5; tenths <= 20; ++tenths) {
        for (double tilt : {-5.0, 0.0, 5.0}) {
            for (double h : {-2.0, 0.0, 2.0}) {
                for (double c : {-1.0, 1.0}) {
                    for (double R : {20.0, 145.0}) {
                        for (int dir : {1, 2}) {
                            for (double alpha : {0.0, 6.0, 45.0, 89.9, 90.0}) {
                                ExperimentState s = Centred(tenths / 10.0, dir, R);
                                const double th = tilt * PI / 180;
                                RayPath p = TraceRay(s, h, th, c, -c, alpha);
                                for (int i = 0; i < p.count; ++i)
                                    ASSERT_TRUE(std::isfinite(p.X(i)) && std::isfinite(p.Y(i)));
                                ASSERT_TRUE(std::isfinite(s.measuredIndex));
                                ASSERT_TRUE(std::isfinite(s.refrAngle));
                                if (auto q = SweepExit(s, p)) {
                                    ASSERT_TRUE(std::isfinite(q->x) && std::isfinite(q->y));
                                }
                                s.incidence = alpha * PI / 180;
                                RayScene sc = ComputeRayScene(s, h, c, -c, th);
                                for (auto pt : {sc.e, sc.normalLeft, sc.normalRight, sc.x, sc.f,
                                                sc.reflectedEnd})
                                    ASSERT_TRUE(std::isfinite(pt.x) && std::isfinite(pt.y));
                                s.incidence = alpha;
                                ASSERT_TRUE(std::isfinite(aktina2(s, h, c, -c, th)));
                                ASSERT_TRUE(std::isfinite(s.measuredIndex));
                                ++traced;
                            }
                        }
                    }
                }
            }
        }
    }
    EXPECT_EQ(traced, 16 * 3 * 3 * 2 * 2 * 2 * 5);
}
