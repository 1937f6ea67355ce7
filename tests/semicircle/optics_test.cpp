// The optics of the semicircle and the ray modes built on it, against figures made apart from
// the code: vector and hand calculations, and a tracer of this file written on its own
// (complex numbers, in the glass's own frame).
#include "semicircle/model/protractor.h"
#include "semicircle/model/raymodes.h"
#include "semicircle/model/raytrace.h"
#include "shell/model/mathconst.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <complex>
#include <set>

namespace {

using C = std::complex<double>;
constexpr double kDeg = PI / 180;

// One setting as the scroll bars give it.
struct Settings {
    double n = 1.5, R = 100, h = 0, xc = 0, yc = 0, tiltDeg = 0;
    int direction = 1;
    double alphaDeg = 30;
};
RayTrace Trace(const Settings& u) {
    return TraceRay({u.n, u.R, u.direction, u.xc, u.yc, u.tiltDeg * kDeg, u.h}, u.alphaDeg);
}

// The light traced here on its own: the flat face on the imaginary axis, the curved face on
// the positive real side. Grazing: along a face or at a critical angle, where rounding decides.
struct Light {
    std::vector<C> points; // world coordinates, source first
    bool reflected = false, measured = false, grazing = false;
    double index = 0;
};

Light Independent(const Settings& u) {
    Light out;
    const C centre(u.xc, u.yc), source = std::polar(150.0, u.alphaDeg * kDeg);
    const C frame = std::polar(1.0, u.tiltDeg * kDeg + (u.direction == 1 ? PI : 0));
    C p = (source - centre) / frame, d = (C(0, u.h) - source) / frame;
    d /= std::abs(d);
    out.points.push_back(source);
    bool inside = false;
    std::vector<bool> flat; // the face of each meeting
    for (int meetings = 0; meetings < 38; ++meetings) {
        double best = INFINITY;
        C normal = 1;
        if (d.real() != 0 && -p.real() / d.real() > 1e-7 &&
            std::abs((p - p.real() / d.real() * d).imag()) <= u.R * (1 + 1e-9))
            best = -p.real() / d.real();
        const double b = (std::conj(d) * p).real(), disc = b * b - std::norm(p) + u.R * u.R;
        for (const double t : {-b - std::sqrt(disc), -b + std::sqrt(disc)})
            if (disc >= 0 && t > 1e-7 && t < best && (p + t * d).real() >= -1e-9 * u.R) {
                best = t, normal = (p + t * d) / u.R;
                break;
            }
        if (!std::isfinite(best)) break;
        const C mid = p + best / 2 * d;
        out.grazing |= std::min(std::fabs(std::abs(mid) - u.R), std::fabs(mid.real())) < 1e-7;
        flat.push_back(normal == C(1));
        p += best * d;
        out.points.push_back(centre + p * frame);
        if ((std::conj(d) * normal).real() > 0) normal = -normal; // towards the light
        // d = -normal e^{i phi}: phi is the signed angle of incidence.
        const double sinOut = (inside ? u.n : 1 / u.n) * (d / -normal).imag();
        out.grazing |= std::fabs(std::fabs(sinOut) - 1) < 1e-9;
        if (std::abs(sinOut) > 1 + 1e-12) {
            d = normal * std::conj(d / -normal); // mirrored about the normal
            out.reflected = true;
            if (!inside) break;
        } else {
            d = -normal * C(std::sqrt(std::max(0.0, 1 - sinOut * sinOut)), sinOut);
            if (!(inside = !inside)) break;
        }
    }
    if (inside) return out;
    const C pw = centre + p * frame, dw = d * frame;
    const double b = (std::conj(dw) * pw).real();
    const C f = pw + (-b + std::sqrt(b * b - std::norm(pw) + 150 * 150)) * dw;
    out.points.push_back(f);
    out.measured = !out.reflected && flat.size() == 2 && flat[0] != flat[1];
    // The sine in the air at the flat face over the sine in the glass.
    const double r = std::atan(std::abs(f.imag() / f.real())), a = std::sin(u.alphaDeg * kDeg);
    if (out.measured) out.index = std::abs(flat[0] ? a / std::sin(r) : std::sin(r) / a);
    return out;
}

} // namespace

// Measured rays, the figures from separate vector or hand calculations (NaN: a figure not
// given); then light that is no measurement, its last point by hand.
TEST(TraceRay, ReferenceFiguresOfMeasuredRaysAndOfPathsThatMeasureNothing) {
    const double none = NAN, critical = std::asin(1 / 1.5) / kDeg;
    const std::tuple<Settings, double, double, double, const char*> measured[] = {
        {{1.5, 100, 0, 0, 0, 0, 1, 30}, 19.471221, 1.5, 1e-6, "sin r = sin 30 / 1.5"},
        {{1.33, 100, 0, 0, 0, 0, 1, 60}, 40.628131, 1.33, 1e-6, "sin r = sin 60 / 1.33"},
        {{2.0, 100, 0, 0, 0, 0, 1, 80}, 29.498704, 2, 1e-6, "sin r = sin 80 / 2"},
        {{1.5, 100, 0, 0, 0, 0, 1, 6}, 3.995932, 1.5, 1e-6, "the sweep's first ray"},
        {{1.5, 100, 0, 0, 0, 0, 2, 30}, 48.590378, 1.5, 1e-6, "radially in, out at the face"},
        {{1.5, 100, 0, 0, 0, 0, 1, 150}, 48.590378, 1.5, 1e-6, "from the upper left, radially"},
        {{1.5, 100, 0, 0, 0, 0, 2, critical}, 90, 1.5, 1e-6, "at the critical angle: grazing"},
        {{2.0, 100, 0, 0, 0, 0, 2, 30}, 90, 2, 1e-6, "grazing at a sweep angle"},
        {{1.5, 100, 2, 0, 0, 0, 1, 30}, 18.521081, 1.574042, 1e-5, "ray 2 above the centre"},
        {{1.5, 100, -2, 0, 0, 0, 1, 30}, none, 1.433645, 1e-5, "ray 2 below the centre"},
        {{1.5, 100, 0, 0, 0, 5, 1, 30}, none, 1.372501, 1e-5, "face tilted 5 degrees"},
        {{1.5, 100, 0, 0, -2, 0, 1, 30}, none, 1.486957, 1e-5, "centre 2 below"},
        {{1.5, 100, 2, 0, 0, 0, 2, 30}, none, 1.476845, 1e-5, "curved face first, 2 above"},
        {{0.8, 20, 2, 1, 1, 5, 2, 88}, none, 0.823, 5e-4, "radius nearly upright: no wrap"},
        {{2.0, 100, 1, -1, -1, 5, 2, 35}, none, 1.7402, 5e-5, "the face ahead, not beside"},
    };
    for (const auto& [u, refrDeg, index, tolerance, why] : measured) {
        const RayTrace t = Trace(u);
        ASSERT_TRUE(t.refrAngleMeasured && t.indexMeasured) << why;
        const double r = t.refrAngle / kDeg;
        EXPECT_NEAR(r, std::isnan(refrDeg) ? r : refrDeg, tolerance) << why;
        EXPECT_NEAR(t.measuredIndex, index, tolerance == 1e-6 ? 1e-9 : tolerance) << why;
    }
    const double c50 = 150 * std::cos(50 * kDeg), s50 = 150 * std::sin(50 * kDeg);
    const std::tuple<Settings, int, double, double, bool, const char*> nothing[] = {
        {{1.5, 20, 0, 1, 0, 0, 2, 90}, 2, 0, -150, false, "passes the glass by"},
        {{1.5, 100, 0, 0, 0, 0, 2, 50}, 5, c50, -s50, true, "past the critical angle"},
        {{0.5, 100, 0, 0, 0, 0, 1, 60}, 3, 75, -129.903811, true, "turned back at the face"},
    };
    for (const auto& [u, points, lastX, lastY, reflected, why] : nothing) {
        const RayTrace t = Trace(u);
        ASSERT_EQ(t.path.count, points) << why;
        EXPECT_NEAR(t.path.LastX(), lastX, 1e-6) << why;
        EXPECT_NEAR(t.path.LastY(), lastY, 1e-6) << why;
        EXPECT_TRUE(t.reachesProtractor && t.totalReflection == reflected) << why;
        EXPECT_FALSE(t.refrAngleMeasured || t.indexMeasured) << why;
    }
    EXPECT_TRUE(TotallyReflectedAtFlatFace(Trace(std::get<0>(nothing[1])).path));
    // Along the face tilted 5 degrees (95 degrees through the centre): it never meets the
    // face's line and is bent twice at the arc, by 2 (psi - arcsin(sin psi / 1.5)), sin psi =
    // cos 5 / 100.
    const RayPath p = Trace({1.5, 100, 0, 1, 0, 5, 1, 95}).path;
    ASSERT_EQ(p.count, 4);
    EXPECT_TRUE(p[1].face == Face::Curved && p[2].face == Face::Curved);
    const double psi = std::asin(std::cos(5 * kDeg) / 100);
    EXPECT_NEAR(std::atan2(p.Y(3) - p.Y(2), p.X(3) - p.X(2)),
                -85 * kDeg + 2 * (psi - std::asin(std::sin(psi) / 1.5)), 1e-12);
}

// Every setting the scroll bars reach, on a grid, both ways round: each path is finite, green
// (in the glass) exactly where it runs inside the glass, and, wherever rounding cannot decide
// between grazing and not, the independent tracer's light, point for point and measurement
// for measurement.
TEST(TraceRay, EveryReachableSettingFollowsTheLight) {
    int traced = 0, measured = 0, inside = 0, turnedBack = 0, missed = 0, grazed = 0;
    const auto check = [&](const Settings& u) {
        const RayTrace t = Trace(u);
        const RayPath& p = t.path;
        const Light l = Independent(u);
        const C centre(u.xc, u.yc),
            frame = std::polar(1.0, u.tiltDeg * kDeg + (u.direction == 1 ? PI : 0));
        bool fault = !std::isfinite(t.refrAngle) || !std::isfinite(t.measuredIndex);
        for (int i = 1; i < p.count; ++i) {
            const C mid = ((C(p.X(i - 1), p.Y(i - 1)) + C(p.X(i), p.Y(i))) / 2.0 - centre) / frame;
            fault |= !std::isfinite(p.X(i)) || !std::isfinite(p.Y(i));
            if (std::min(std::fabs(std::abs(mid) - u.R), std::fabs(mid.real())) > 1e-7)
                fault |= p.InGlass(i) != (std::abs(mid) < u.R && mid.real() > 0);
            if (p[i].event == PathEvent::Reflected) ++(p.InGlass(i) ? inside : turnedBack);
        }
        if (!l.grazing) {
            fault |= p.count != int(l.points.size()) || t.refrAngleMeasured != l.measured ||
                     t.totalReflection != l.reflected ||
                     (l.measured && std::fabs(t.measuredIndex - l.index) > 1e-7 * l.index);
            for (int i = 0; i < std::min(p.count, int(l.points.size())); ++i)
                fault |= std::abs(C(p.X(i), p.Y(i)) - l.points[std::size_t(i)]) > 1e-7;
        }
        ++traced, measured += t.refrAngleMeasured, missed += p.count == 2, grazed += l.grazing;
        return !fault;
    };
    const double angles[] = {1,  5,  9,  13, 17, 21, 25, 29, 33, 37, 41,  45,  49, 53,
                             57, 61, 65, 69, 73, 77, 81, 85, 89, 95, 150, 205, 260};
    for (int nBar = 5; nBar <= 20; ++nBar)
        for (const double R : {20.0, 55.0, 100.0, 145.0})
            for (const int way : {1, 2})
                for (const double h : {-2.0, -1.3, 0.0, 0.7, 2.0})
                    for (const double xc : {-1.0, -0.4, 1.0})
                        for (const double yc : {-1.0, 0.2, 1.0})
                            for (const double tilt : {-5.0, -2.4, 0.0, 1.8, 5.0})
                                for (const double a : angles)
                                    ASSERT_TRUE(check({nBar / 10.0, R, h, xc, yc, tilt, way, a}))
                                        << "n " << nBar / 10.0 << " R " << R << " way " << way
                                        << " h " << h << " centre " << xc << ", " << yc << " tilt "
                                        << tilt << " at " << a;
    // The grid reaches every kind of path; light that grazes is rare.
    EXPECT_TRUE(measured > traced / 2 && inside > 1000 && turnedBack > 1000 && missed > 0);
    EXPECT_LT(grazed, traced / 100);
}

// The opening picture: the red normal where the light meets the flat face; and the record
// file's ray, which has no angle where the ray is no measurement.
TEST(TraceRay, TheOpeningPictureAndTheRecordFilesRay) {
    const RayScene sc = ComputeRayScene(Semicircle{}, 30 * kDeg);
    ASSERT_TRUE(sc.hasNormal);
    EXPECT_EQ(
        std::vector<double>({sc.e.x, sc.normalRight.x, sc.normalRight.y, sc.normalLeft.x, sc.p1.y}),
        std::vector<double>({0, 150, 0, -75, -100}));
    EXPECT_NEAR(sc.trace.path.Y(2), -100.0 / 3, 1e-9); // sin r = 1/3 on the arc
    EXPECT_NEAR(std::sin(aktina2(Semicircle{}, {0, 0, 0, 0, 30})), 1.0 / 3, 1e-12);
    EXPECT_TRUE(std::isnan(aktina2({0.5, 100, 1}, {0, 0, 0, 0, 60}))); // turned back
    EXPECT_TRUE(std::isnan(aktina2({1.5, 100, 2}, {0, 0, 0, 0, 60}))); // reflected inside
}

TEST(RayModes, CriticalAngleFreeRaysBeamsAndFans) {
    EXPECT_NEAR(*krisimi({2.0, 100, 2}), 30, 0.001);        // arcsin(1 / 2)
    EXPECT_NEAR(*krisimi({1.5, 100, 2}), 41.8103149, 1e-4); // arcsin(1 / 1.5)
    EXPECT_FALSE(krisimi({1.5, 100, 1}));                   // every ray ends on the left
    const auto lastDeg = [](const std::vector<Point>& l, std::size_t i = 0) {
        i = i ? i : l.size() - 1;
        return std::atan2(l[i].y - l[i - 1].y, l[i].x - l[i - 1].x) / kDeg;
    };
    const auto gone = [](Point p) {
        return p.x >= 200 || p.x <= -200 || p.y <= -200 || p.y >= 400;
    };
    // Along the axis: both faces met at right angles, never bent.
    const auto axis = TraceFreeRay({1.5, 100, 1}, {-200, 0, -190, 0});
    EXPECT_TRUE(
        std::all_of(axis.begin(), axis.end(), [](Point p) { return std::fabs(p.y) < 1e-3; }));
    EXPECT_TRUE(gone(axis.back()) && axis.back().x > 0);
    // Along a radius to the centre, then 30 degrees inside become arcsin(1.5 sin 30) outside.
    const float sx = float(150 * std::cos(PI / 6));
    const auto radius = TraceFreeRay({1.5, 100, 2}, {sx, 75, sx * 0.9f, 75 * 0.9f});
    EXPECT_TRUE(std::any_of(radius.begin(), radius.end(),
                            [](Point p) { return std::hypot(p.x, p.y) < 1e-3; }));
    EXPECT_NEAR(lastDeg(radius), -180 + 48.590378, 1e-3);
    // Beams: 64 rays from 4R down, R/8 apart, from x = -200 or 200.
    const Semicircle glass{1.5, 100, 2};
    const auto left = ParallelBeamRays(glass, true);
    ASSERT_EQ(left.size(), 64u);
    EXPECT_EQ(left.back(), (FreeRay{-200, -387.5, -190, -387.5}));
    EXPECT_EQ(ParallelBeamRays(glass, false)[0], (FreeRay{200, 400, 190, 400}));
    // At 87.5 the arc is met from inside at arcsin(0.875), past arcsin(1 / 1.5): reflected
    // along (1 - 2 c^2, -2 c s), c = 0.48412, s = 0.875. At 50 it is met at 30 degrees and
    // leaves bent away from the radius, to 30 - 48.59.
    const auto high = TraceFreeRay(glass, left[25]);
    const auto hit = std::find_if(high.begin(), high.end(), [](Point p) {
        return std::hypot(p.x - 48.4123, p.y - 87.5) < 1e-2;
    });
    ASSERT_NE(hit, high.end());
    EXPECT_NEAR(lastDeg(high, std::size_t(hit - high.begin()) + 1),
                std::atan2(-0.84722, 0.53125) / kDeg, 1e-2);
    const auto low = TraceFreeRay(glass, left[28]);
    EXPECT_NEAR(lastDeg(low), 30 - 48.590378, 1e-3);
    EXPECT_TRUE(gone(low.back()));
    // A fan from (10, 120): straight left R/20 away first, straight right last, at most 500
    // steps each.
    const auto fan = FanRays(glass, 10, 120);
    EXPECT_EQ(fan[0], (FreeRay{10, 120, 5, 120}));
    EXPECT_NEAR(fan[45][2], 15, 1e-5);
    EXPECT_NEAR(fan[45][3], 120, 1e-5);
    EXPECT_TRUE(std::ranges::all_of(
        fan, [&](auto& ray) { return TraceFreeRay(glass, ray).size() <= 501; }));
}

TEST(RayModes, TheMeanErrorOfAListAndAgainstTheRadius) {
    EXPECT_FALSE(MeanIndexError({}, 1.5));
    EXPECT_NEAR(*MeanIndexError({1.6, 1.4}, 1.5), 100 * 0.1 / 1.5, 1e-9);
    // A well-placed semicircle has no error at any radius, either way round (the totally
    // reflected rays of the curved face first are left out).
    for (const int way : {1, 2}) {
        const auto curve = MeanErrorCurve({1.5, 100, way});
        ASSERT_EQ(curve.size(), 67u);
        EXPECT_EQ(std::pair(curve.front().radius, curve.back().radius), std::pair(14.0, 146.0));
        EXPECT_TRUE(std::ranges::all_of(curve, [](auto& e) { return e.error < 1e-6; })) << way;
    }
    // Centre 1 below: the error fades as the curved face nears the protractor.
    const auto low = MeanErrorCurve({1.5, 100, 1, 0, -1});
    EXPECT_TRUE(low.front().error > 5 && low.back().error < 0.2);
    EXPECT_EQ(std::ranges::adjacent_find(low, std::less_equal{}, &ErrorPoint::error), low.end());
    // A ray 2 above the centre: the shift of the entry and the bend at the arc work against
    // each other, so some radius between the extremes measures best.
    const auto high = MeanErrorCurve({1.5, 100, 1, 0, 0, 0, 2});
    const auto best = std::min_element(high.begin(), high.end(),
                                       [](auto& a, auto& b) { return a.error < b.error; });
    EXPECT_TRUE(best->radius > 14 && best->radius < 146 && best->error < high.front().error / 4);
    std::set<double> seen;
    for (int i = 0; i < 200; ++i) {
        const double u = RandomUnit(), t = RandomTilt();
        EXPECT_TRUE(u >= -1 && u < 1 && t >= -5 && t < 6) << u << " " << t;
        seen.insert(u);
    }
    EXPECT_GT(seen.size(), 190u); // reseeded at every draw, never the same draw twice
}

// A mark a degree, longer every 5 and longest every 10, from the circle inwards, and a number
// every 10 degrees as the lists give angles: from the x axis, 0 to 90 in each quarter.
TEST(Protractor, MarksAndNumbersAsTheListsMeasure) {
    const Protractor p = ProtractorMarks();
    ASSERT_EQ(p.marks.size(), 360u);
    for (std::size_t k = 0; k < 360; ++k) {
        const DrawItem& m = p.marks[k];
        const C along = std::polar(1.0, double(k) * kDeg);
        const double length = k % 10 == 0  ? kTenDegreeMark
                              : k % 5 == 0 ? kFiveDegreeMark
                                           : kDegreeMark;
        EXPECT_LT(std::abs(C(m.a.x, m.a.y) - 150.0 * along), 1e-9) << k;
        EXPECT_LT(std::abs(C(m.b.x, m.b.y) - (150 - length) * along), 1e-9) << k;
    }
    ASSERT_EQ(p.numbers.size(), 36u);
    for (const auto& [direction, degrees] : {std::pair{0, 0},
                                             {30, 30},
                                             {90, 90},
                                             {100, 80},
                                             {150, 30},
                                             {180, 0},
                                             {200, 20},
                                             {250, 70},
                                             {270, 90},
                                             {290, 70},
                                             {340, 20},
                                             {350, 10}}) {
        const ProtractorNumber& n = p.numbers[std::size_t(direction / 10)];
        EXPECT_EQ(std::pair(n.direction, n.degrees), std::pair(double(direction), degrees));
    }
    // A number's box keeps clear of the circle outside, and of the long marks inside.
    for (const double direction : {0.0, 37.0, 90.0, 215.0})
        for (const C corner : {C(-6, -4), C(-6, 4), C(6, -4), C(6, 4)}) {
            const Point out = ProtractorNumberCentre(direction, 6, 4, 1, true);
            const Point in = ProtractorNumberCentre(direction, 6, 4, 1, false);
            EXPECT_GE(std::abs(C(out.x, out.y) + corner), 151 - 1e-9) << direction;
            EXPECT_LE(std::abs(C(in.x, in.y) + corner), 150 - kTenDegreeMark - 1 + 1e-9)
                << direction;
        }
}
