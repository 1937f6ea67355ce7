// The light followed through the semicircle for every setting a student can reach: checked
// against a tracer of this file, written apart from the program's (complex numbers, in the
// glass's own frame), against hand calculations, and against Snell's law along the path.
#include "records/model/recordfile.h"
#include "semicircle/model/raymodes.h"
#include "semicircle/model/raytrace.h"

#include <cmath>
#include <complex>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "shell/model/mathconst.h"

namespace {

using C = std::complex<double>;
constexpr double kDeg = PI / 180;

ExperimentState Glass(double n, int direction, double R) {
    ExperimentState s;
    s.indexN = n;
    s.radiusR = R;
    s.semiDirection = static_cast<std::int16_t>(direction);
    return s;
}

// One setting of the experiment as the scroll bars give it.
struct Settings {
    double n = 1.5, R = 100, h = 0, xc = 0, yc = 0, tiltDeg = 0;
    int direction = 1;
    double alphaDeg = 30;
};

RayTrace Trace(const Settings& u) {
    return TraceRay(Glass(u.n, u.direction, u.R), u.h, u.tiltDeg * kDeg, u.xc, u.yc, u.alphaDeg);
}

// What the light does, traced here on its own: the glass turned so that its flat face lies on
// the imaginary axis and the curved face on the positive real side.
struct Light {
    std::vector<C> points; // world coordinates, source first
    bool caught = false;   // still in the glass after many meetings
    bool turnedBack = false;
    bool reflected = false; // totally reflected somewhere
    bool arrives = false;   // on the protractor
    // A measurement: in through one face, out through the other, nothing reflected.
    bool measured = false;
    double refrDeg = 0;
    double index = 0;
};

Light Independent(const Settings& u) {
    Light out;
    const double alpha = u.alphaDeg * kDeg;
    const C centre(u.xc, u.yc);
    // Local = (world - centre) / frame: the frame turns the real axis onto the glass's axis.
    const C frame = std::polar(1.0, u.tiltDeg * kDeg + (u.direction == 1 ? PI : 0));
    const C source = std::polar(150.0, alpha);
    C p = (source - centre) / frame;
    C d = (C(0, u.h) - source) / frame;
    d /= std::abs(d);
    out.points.push_back(source);
    bool inside = false;
    std::vector<bool> flatFaces; // the face of each meeting
    for (int meetings = 0; meetings < 38; ++meetings) {
        double best = INFINITY;
        C normal;
        if (d.real() != 0) { // the flat face, Re = 0, |Im| <= R
            const double t = -p.real() / d.real();
            const C q = p + t * d;
            if (t > 1e-7 && std::abs(q.imag()) <= u.R * (1 + 1e-9)) {
                best = t;
                normal = 1;
            }
        }
        // The half circle |q| = R, Re q >= 0: |p + t d|^2 = R^2.
        const double b = (std::conj(d) * p).real();
        const double disc = b * b - (std::norm(p) - u.R * u.R);
        if (disc >= 0)
            for (const double t : {-b - std::sqrt(disc), -b + std::sqrt(disc)}) {
                const C q = p + t * d;
                if (t > 1e-7 && t < best && q.real() >= -1e-9 * u.R) {
                    best = t;
                    normal = q / u.R;
                    break;
                }
            }
        if (!std::isfinite(best)) break;
        flatFaces.push_back(normal == C(1));
        p += best * d;
        out.points.push_back(centre + p * frame);
        if ((std::conj(d) * normal).real() > 0) normal = -normal; // towards the light
        // d = -normal e^{i phi}: phi is the signed angle of incidence.
        const double sinIn = (d / -normal).imag();
        const double sinOut = (inside ? u.n : 1 / u.n) * sinIn;
        if (std::abs(sinOut) > 1 + 1e-12) {
            d = normal * std::conj(d / -normal); // mirror: the same angle on the other side
            out.reflected = true;
            if (!inside) {
                out.turnedBack = true;
                break;
            }
        } else {
            d = -normal * C(std::sqrt(std::max(0.0, 1 - sinOut * sinOut)), sinOut);
            inside = !inside;
            if (!inside) break;
        }
    }
    if (inside) {
        out.caught = true;
        return out;
    }
    const C pw = centre + p * frame, dw = d * frame;
    // |pw + t dw| = 150 ahead.
    const double b = (std::conj(dw) * pw).real();
    const C f = pw + (-b + std::sqrt(b * b - (std::norm(pw) - 150 * 150))) * dw;
    out.points.push_back(f);
    out.arrives = true;
    out.measured = !out.reflected && flatFaces.size() == 2 && flatFaces[0] != flatFaces[1];
    if (!out.measured) return out;
    const double r = f.real() == 0 ? PI / 2 : std::atan(std::abs(f.imag() / f.real()));
    out.refrDeg = r / kDeg;
    // The sine in the air at the flat face over the sine in the glass.
    out.index = flatFaces[0] ? std::abs(std::sin(alpha) / std::sin(r))
                             : std::abs(std::sin(r) / std::sin(alpha));
    return out;
}

// The program's path is the independent one, point for point, and measures the same.
void ExpectSameLight(const Settings& u, double tolerance = 1e-9) {
    const RayTrace t = Trace(u);
    const Light l = Independent(u);
    ASSERT_EQ(t.path.count, int(l.points.size()));
    for (int i = 0; i < t.path.count; ++i) {
        EXPECT_NEAR(t.path.X(i), l.points[i].real(), tolerance) << i;
        EXPECT_NEAR(t.path.Y(i), l.points[i].imag(), tolerance) << i;
    }
    EXPECT_EQ(t.refrAngleMeasured, l.measured);
    EXPECT_EQ(t.totalReflection, l.reflected);
    if (l.measured) {
        EXPECT_NEAR(t.refrAngle / kDeg, l.refrDeg, tolerance);
        EXPECT_NEAR(t.measuredIndex, l.index, tolerance);
    }
}

int Events(const RayPath& path, PathEvent event, Face face) {
    int count = 0;
    for (int i = 0; i < path.count; ++i) count += path[i].event == event && path[i].face == face;
    return count;
}

bool OnProtractor(double x, double y) { return std::fabs(std::hypot(x, y) - 150) < 1e-9; }

} // namespace

// The wrapped angles: with the face tilted and the radius at the curved-face point nearly
// upright, the slopes bent the ray to the wrong side and measured 0.138; the light gives 0.823.
TEST(FollowLight, AnglesNoLongerWrapNearAnUprightRadius) {
    Settings u;
    u.direction = 2;
    u.n = 0.8;
    u.h = 2;
    u.xc = 1;
    u.yc = 1;
    u.tiltDeg = 5;
    u.alphaDeg = 88;
    u.R = 20;
    const RayTrace t = Trace(u);
    ASSERT_TRUE(t.indexMeasured);
    EXPECT_NEAR(t.measuredIndex, 0.823, 5e-4);
    ExpectSameLight(u);
}

// The meeting ahead, not the one on the side: the left-hand point lay behind the light and gave
// 1.7385 at an ordinary sweep angle; the light gives 1.7402.
TEST(FollowLight, TheFaceMetAheadOfTheLightIsTaken) {
    Settings u;
    u.direction = 2;
    u.n = 2;
    u.h = 1;
    u.xc = -1;
    u.yc = -1;
    u.tiltDeg = 5;
    u.alphaDeg = 35;
    u.R = 100;
    const RayTrace t = Trace(u);
    EXPECT_NEAR(t.measuredIndex, 1.7402, 5e-5);
    ExpectSameLight(u);
}

// Only the flat segment and the glass's own half circle bend the light: a ray that passes the
// glass by runs straight to the protractor and measures nothing; one that comes from the left
// into the curved face is refracted there first.
TEST(FollowLight, OnlyRealFacesBendTheLight) {
    // Straight down at 90 degrees beside a glass moved one unit right, curved face to the
    // right: the line x = 0 never reaches x >= 1.
    Settings miss;
    miss.direction = 2;
    miss.xc = 1;
    miss.R = 20;
    miss.alphaDeg = 90;
    RayTrace t = Trace(miss);
    ASSERT_EQ(t.path.count, 2);
    EXPECT_EQ(t.path[1].event, PathEvent::Protractor);
    EXPECT_NEAR(t.path.X(1), 0, 1e-9);
    EXPECT_NEAR(t.path.Y(1), -150, 1e-9);
    EXPECT_TRUE(t.reachesProtractor);
    EXPECT_FALSE(t.refrAngleMeasured || t.indexMeasured || t.totalReflection);
    ExpectSameLight(miss);

    // From the upper left at 150 degrees, curved face to the left, centred: along a radius
    // into the centre, then out of the flat face at arcsin(1.5 sin 30) = 48.59 below the axis.
    Settings left;
    left.alphaDeg = 150;
    t = Trace(left);
    ASSERT_EQ(t.path.count, 4);
    EXPECT_EQ(t.path[1].face, Face::Curved);
    EXPECT_EQ(t.path[2].face, Face::Flat);
    EXPECT_NEAR(t.path.X(2), 0, 1e-9);
    EXPECT_NEAR(t.path.Y(2), 0, 1e-9);
    EXPECT_NEAR(t.path.X(3), 150 * std::cos(48.590378 * kDeg), 1e-4);
    EXPECT_NEAR(t.path.Y(3), -150 * std::sin(48.590378 * kDeg), 1e-4);
    ExpectSameLight(left);
    // Misplaced and tilted, the same way in.
    left.h = -1.3;
    left.xc = 0.6;
    left.yc = -0.8;
    left.tiltDeg = -3.4;
    ExpectSameLight(left);
}

// A ray parallel to the tilted face never meets its line 1e16 away: it crosses the glass
// through the curved face alone and arrives on the protractor.
TEST(FollowLight, ARayParallelToTheTiltedFaceArrives) {
    Settings u;
    u.tiltDeg = 5;
    u.xc = 1;
    u.alphaDeg = 95; // from (150 cos 95, 150 sin 95) through the origin: along the face
    const RayTrace t = Trace(u);
    for (int i = 0; i < t.path.count; ++i) EXPECT_LT(std::hypot(t.path.X(i), t.path.Y(i)), 150 + 1e-9);
    ASSERT_TRUE(t.reachesProtractor);
    EXPECT_EQ(Events(t.path, PathEvent::Refracted, Face::Flat), 0);
    EXPECT_EQ(Events(t.path, PathEvent::Refracted, Face::Curved), 2);
    ExpectSameLight(u);
    // By hand: the line runs cos 5 from the centre, so it meets the circle at sin psi = cos 5 /
    // 100 and leaves turned by 2 (psi - arcsin(sin psi / 1.5)) towards the centre, which lies
    // on its left.
    const double psi = std::asin(std::cos(5 * kDeg) / 100);
    const double turn = 2 * (psi - std::asin(std::sin(psi) / 1.5));
    const double dx = t.path.X(3) - t.path.X(2), dy = t.path.Y(3) - t.path.Y(2);
    EXPECT_NEAR(std::atan2(dy, dx), -85 * kDeg + turn, 1e-12);
}

// At the critical angle itself the light grazes along the flat face to the protractor; past
// it, it is reflected and leaves by the curved face: that light is no measurement.
TEST(FollowLight, AtAndPastTheCriticalAngle) {
    Settings u;
    u.direction = 2;
    u.alphaDeg = std::asin(1 / 1.5) / kDeg;
    RayTrace t = Trace(u);
    ASSERT_EQ(t.path.count, 4);
    EXPECT_EQ(t.path[2].event, PathEvent::Refracted);
    EXPECT_NEAR(t.path.X(3), 0, 1e-6);
    EXPECT_NEAR(t.path.Y(3), -150, 1e-9);
    EXPECT_NEAR(t.measuredIndex, 1.5, 1e-9); // sin 90 / sin(arcsin(1 / 1.5))
    // n = 2 at 30 degrees, a sweep angle: the same grazing light, 2.0000 in the sweep's row.
    u.n = 2;
    u.alphaDeg = 30;
    t = Trace(u);
    EXPECT_NEAR(t.refrAngle / kDeg, 90, 1e-5);
    EXPECT_NEAR(t.measuredIndex, 2, 1e-9);

    // Past it, along a radius to the centre, reflected, out along a radius at -50 degrees.
    u.n = 1.5;
    u.alphaDeg = 50;
    t = Trace(u);
    ASSERT_EQ(t.path.count, 5);
    EXPECT_EQ(t.path[2].event, PathEvent::Reflected);
    EXPECT_EQ(t.path[3].event, PathEvent::Refracted);
    EXPECT_NEAR(t.path.X(4), 150 * std::cos(50 * kDeg), 1e-9);
    EXPECT_NEAR(t.path.Y(4), -150 * std::sin(50 * kDeg), 1e-9);
    EXPECT_TRUE(t.reachesProtractor && t.totalReflection);
    EXPECT_FALSE(t.refrAngleMeasured || t.indexMeasured);
    EXPECT_TRUE(TotallyReflectedAtFlatFace(t.path));
    // The search lands on arcsin(1 / 1.5) = 41.81.
    ASSERT_TRUE(krisimi(Glass(1.5, 2, 100)));
    EXPECT_NEAR(*krisimi(Glass(1.5, 2, 100)), 41.8103149, 1e-4);
}

// Light reflected totally inside, then out to the protractor: it arrives, and measures nothing.
TEST(FollowLight, ReflectionsInsideEndOnTheProtractorAndMeasureNothing) {
    Settings u;
    u.n = 2;
    u.R = 20;
    u.h = -2;
    u.xc = -1;
    u.tiltDeg = -5;
    u.alphaDeg = 80;
    const RayTrace t = Trace(u);
    int inside = 0;
    for (int i = 1; i < t.path.count; ++i)
        inside += t.path[i].event == PathEvent::Reflected && t.path.InGlass(i);
    EXPECT_GE(inside, 1);
    ASSERT_TRUE(t.reachesProtractor && t.totalReflection);
    EXPECT_FALSE(t.refrAngleMeasured || t.indexMeasured);
    EXPECT_TRUE(OnProtractor(t.path.LastX(), t.path.LastY()));
    ExpectSameLight(u);

    // Light turned back at the first face (n = 0.5 at 60 degrees): mirrored in the face to
    // (75, -129.90), and nothing measured.
    Settings back;
    back.n = 0.5;
    back.alphaDeg = 60;
    const RayTrace b = Trace(back);
    ASSERT_EQ(b.path.count, 3);
    EXPECT_EQ(b.path[1].event, PathEvent::Reflected);
    EXPECT_FALSE(b.path.InGlass(2));
    EXPECT_NEAR(b.path.X(2), 75, 1e-9);
    EXPECT_NEAR(b.path.Y(2), -129.903811, 1e-6);
    EXPECT_TRUE(b.reachesProtractor && b.totalReflection);
    EXPECT_FALSE(b.refrAngleMeasured);
    EXPECT_FALSE(b.indexMeasured);
    ExpectSameLight(back);
}

namespace {

struct Tally {
    int traced = 0, measured = 0, reflectedInside = 0, turnedBack = 0, missed = 0, grazed = 0;
    int reflectedArriving = 0; // totally reflected light that reaches the protractor
};

// What is wrong with the light the program follows for one setting, or nothing.
std::string Fault(const Settings& u, Tally& tally) {
    const RayTrace t = Trace(u);
    const RayPath& p = t.path;
    ++tally.traced;
    const auto fault = [](int i, const std::string& what) {
        return "point " + std::to_string(i) + ": " + what;
    };
    const C centre(u.xc, u.yc);
    const C axis = std::polar(1.0, u.tiltDeg * kDeg + (u.direction == 1 ? PI : 0));
    const auto local = [&](int i) { return (C(p.X(i), p.Y(i)) - centre) / axis; };
    for (int i = 0; i < p.count; ++i)
        if (!std::isfinite(p.X(i)) || !std::isfinite(p.Y(i))) return fault(i, "not finite");
    if (!std::isfinite(t.refrAngle) || !std::isfinite(t.measuredIndex)) return "not finite";
    bool grazing = false;
    for (int i = 1; i < p.count; ++i) {
        // Green inside the glass, blue outside it; light grazing along a face may be either.
        const C mid = (local(i - 1) + local(i)) / 2.0;
        const double edge = std::min(std::fabs(std::abs(mid) - u.R), std::fabs(mid.real()));
        const bool inGlass = std::abs(mid) < u.R && mid.real() > 0;
        if (edge <= 1e-7)
            grazing = true;
        else if (p.InGlass(i) != inGlass)
            return fault(i, "drawn on the wrong side of the glass");
        if (p[i].face == Face::None || i + 1 >= p.count) continue;
        // On a real face, where Snell's law holds.
        const C q = local(i);
        C normal = 1;
        if (p[i].face == Face::Flat) {
            if (std::fabs(q.real()) > 1e-9 || std::abs(q.imag()) > u.R * (1 + 1e-9))
                return fault(i, "off the flat face");
        } else {
            if (std::fabs(std::abs(q) - u.R) > 1e-9 || q.real() < -1e-9 * u.R)
                return fault(i, "off the curved face");
            normal = q / u.R;
        }
        C in = local(i) - local(i - 1), out = local(i + 1) - local(i);
        in /= std::abs(in);
        out /= std::abs(out);
        const double n1 = p.InGlass(i) ? u.n : 1, n2 = p.InGlass(i + 1) ? u.n : 1;
        const double other = p.InGlass(i) ? 1 : u.n; // the medium across the face
        // Sines with the normal, signed by the side of it; cosines along it.
        const double sinIn = (in / normal).imag(), sinOut = (out / normal).imag();
        const double cosIn = (in / normal).real(), cosOut = (out / normal).real();
        // At the critical angle itself, within rounding, the light may graze or be reflected.
        if (std::fabs(n1 * std::fabs(sinIn) - other) < 1e-9) grazing = true;
        if (p[i].event == PathEvent::Refracted) {
            if (std::fabs(n1 * sinIn - n2 * sinOut) > 1e-9) return fault(i, "not Snell's law");
            if (cosIn * cosOut < -1e-12) return fault(i, "refracted back");
        } else if (p[i].event == PathEvent::Reflected) {
            if (std::fabs(sinIn - sinOut) > 1e-9 || std::fabs(cosIn + cosOut) > 1e-9)
                return fault(i, "not a mirror");
            if (n1 * std::fabs(sinIn) < other * (1 - 1e-9)) return fault(i, "not total");
            ++(p.InGlass(i) ? tally.reflectedInside : tally.turnedBack);
        } else {
            return fault(i, "no event at a face");
        }
    }
    if (p.count == 2) ++tally.missed;
    // A measurement is light in through one face and out through the other, refracted at both,
    // on the protractor; totally reflected light never measures.
    bool anyReflection = false;
    for (int i = 1; i < p.count; ++i)
        anyReflection |= p[i].event == PathEvent::Reflected;
    if (t.totalReflection != anyReflection) return "total reflection not told";
    const bool crossedOnce = p.count == 4 && p[1].event == PathEvent::Refracted &&
                             p[2].event == PathEvent::Refracted && p[1].face != p[2].face &&
                             p[3].event == PathEvent::Protractor;
    if (t.refrAngleMeasured != crossedOnce) return "measured other than once across the glass";
    if (anyReflection && (t.refrAngleMeasured || t.indexMeasured))
        return "totally reflected light measured";
    if (anyReflection && t.reachesProtractor) ++tally.reflectedArriving;
    if (t.refrAngleMeasured) {
        ++tally.measured;
        if (!t.reachesProtractor || !OnProtractor(p.LastX(), p.LastY()))
            return "measured, but not on the protractor";
        // The index is what the protractor shows at the arrival: the sine in the air at the
        // flat face over the sine in the glass.
        const double r = std::atan(std::fabs(p.LastY() / p.LastX()));
        if (std::fabs(t.refrAngle - r) > 1e-12) return "another refraction angle";
        const double sa = std::sin(u.alphaDeg * kDeg);
        const bool flatFirst =
            p[1].face == Face::Flat || (p[1].face == Face::None && u.direction == 1);
        const double index = flatFirst ? std::fabs(sa / std::sin(r)) : std::fabs(std::sin(r) / sa);
        if (t.indexMeasured && std::fabs(t.measuredIndex - index) > 1e-9 * index)
            return "another index";
    }
    // Light that grazes a face is where rounding puts it; all other light is the independent
    // tracer's.
    if (grazing) {
        ++tally.grazed;
        return {};
    }
    const Light l = Independent(u);
    if (p.count != int(l.points.size())) return "another number of points";
    if (std::abs(C(p.LastX(), p.LastY()) - l.points.back()) > 1e-7) return "ends elsewhere";
    if (t.refrAngleMeasured != l.measured) return "measured where the light crossed otherwise";
    if (l.measured && t.indexMeasured &&
        std::fabs(t.measuredIndex - l.index) > 1e-7 * std::max(1.0, l.index))
        return "not the light's index";
    return {};
}

} // namespace

// Every setting the scroll bars reach, on a grid, in both directions: each path is finite, runs
// through the glass where it is green and outside it where it is not, obeys Snell's law at each
// point, measures only light that crossed the glass once without total reflection (ending on
// the protractor), and is the light the independent tracer follows.
TEST(FollowLight, EveryReachableSettingFollowsTheLight) {
    Tally tally;
    Settings u;
    for (int nBar = 5; nBar <= 20; ++nBar)
        for (const double R : {20.0, 55.0, 100.0, 145.0})
            for (const int direction : {1, 2})
                for (const double h : {-2.0, -1.3, 0.0, 0.7, 2.0})
                    for (const double xc : {-1.0, -0.4, 1.0})
                        for (const double yc : {-1.0, 0.2, 1.0})
                            for (const double tilt : {-5.0, -2.4, 0.0, 1.8, 5.0})
                                // 1 to 89 degrees, then a few from the left and from below.
                                for (const double a : {1, 5, 9, 13, 17, 21, 25, 29, 33, 37, 41,
                                                       45, 49, 53, 57, 61, 65, 69, 73, 77, 81,
                                                       85, 89, 95, 150, 205, 260}) {
                                    u = {nBar / 10.0, R, h, xc, yc, tilt, direction, a};
                                    const std::string fault = Fault(u, tally);
                                    ASSERT_EQ(fault, "")
                                        << "n " << u.n << " R " << R << " direction "
                                        << direction << " h " << h << " centre " << xc << ", "
                                        << yc << " tilt " << tilt << " incidence " << a;
                                }
    // The grid reaches every kind of path.
    EXPECT_GT(tally.measured, tally.traced / 2);
    EXPECT_GT(tally.reflectedInside, 1000);
    EXPECT_GT(tally.turnedBack, 1000);
    EXPECT_GT(tally.reflectedArriving, 1000);
    EXPECT_GT(tally.missed, 0);
    EXPECT_LT(tally.grazed, tally.traced / 100);
}

// The opening picture: the light, the flat face and the red normal where the light meets it;
// and the record file's trace, which takes its incidence in degrees.
TEST(RayScene, OpeningPictureAndRecordFileTrace) {
    ExperimentState s = Glass(1.5, 1, 100);
    s.incidence = 30 * kDeg;
    const RayScene sc = ComputeRayScene(s, 0, 0, 0, 0);
    ASSERT_TRUE(sc.hasNormal);
    EXPECT_NEAR(sc.e.x, 0, 1e-12);
    EXPECT_NEAR(sc.normalRight.x, 150, 1e-12);
    EXPECT_NEAR(sc.normalRight.y, 0, 1e-12);
    EXPECT_NEAR(sc.normalLeft.x, -75, 1e-12);
    EXPECT_NEAR(sc.p1.y, -100, 1e-12);
    // sin r = 1/3: on the arc at (-100 cos r, -100 / 3), then out along the radius.
    const RayPath& p = sc.trace.path;
    ASSERT_EQ(p.count, 4);
    EXPECT_NEAR(p.X(2), -100 * std::sqrt(8.0) / 3, 1e-9);
    EXPECT_NEAR(p.Y(2), -100.0 / 3, 1e-9);
    EXPECT_NEAR(p.X(3), -150 * std::sqrt(8.0) / 3, 1e-9);
    EXPECT_NEAR(sc.trace.measuredIndex, 1.5, 1e-12);

    s.incidence = 30;
    EXPECT_NEAR(std::sin(aktina2(s, 0, 0, 0, 0).refrAngle), 1.0 / 3, 1e-12);
    EXPECT_EQ(s.incidence, 30); // read, not turned into radians
    EXPECT_NEAR(std::sin(TraceForRecord(s, 0)), 1.0 / 3, 1e-12);
    // Glass less dense than air at 60 degrees: turned back, no angle for the file; curved face
    // to the right at n = 1.5 and 60 degrees: totally reflected inside, out through the curved
    // face to the protractor, and no angle either.
    s.indexN = 0.5;
    s.incidence = 60;
    EXPECT_TRUE(std::isnan(TraceForRecord(s, 0)));
    s = Glass(1.5, 2, 100);
    s.incidence = 60;
    EXPECT_TRUE(aktina2(s, 0, 0, 0, 0).reachesProtractor);
    EXPECT_TRUE(std::isnan(TraceForRecord(s, 0)));
}

// The record file's series: a record carries an index exactly when the independent tracer finds
// all four of its rays (50 to 80 degrees) crossing the glass once without total reflection. A
// small glass of index 2 loses some series to reflections inside; the curved face to the right
// at n = 1.5 loses them all (every ray past the critical angle).
TEST(RecordFile, ASeriesWithARayThatIsNoMeasurementHasNoIndex) {
    struct Case {
        double n, R;
        int direction;
        int withoutIndexAtLeast;
    };
    for (const Case k : {Case{2.0, 20, 1, 100}, Case{1.5, 100, 2, 14641}, Case{1.5, 100, 1, 0}}) {
        const ExperimentState glass = Glass(k.n, k.direction, k.R);
        int withoutIndex = 0, k2 = 0;
        ComputeRecords(glass, TraceForRecord, [&](const MeasurementRecord& r) {
            ++k2;
            bool allMeasured = true;
            for (int m = 1; m <= 4; ++m) {
                Settings u{k.n, k.R, r.rayH, r.xc, r.yc, r.tilt, k.direction, 10.0 * m + 40};
                allMeasured &= Independent(u).measured;
            }
            withoutIndex += !std::isfinite(r.indexFit);
            ASSERT_EQ(std::isfinite(r.indexFit), allMeasured)
                << "record " << k2 << " n " << k.n << " R " << k.R << " direction " << k.direction;
        });
        EXPECT_GE(withoutIndex, k.withoutIndexAtLeast) << k.n << " " << k.R;
        if (k.withoutIndexAtLeast == 0) {
            EXPECT_EQ(withoutIndex, 0);
        }
    }
}
