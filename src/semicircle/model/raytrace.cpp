#include "semicircle/model/raytrace.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

#include "shell/model/mathconst.h"

namespace {

// The angle under which a point on the protractor is seen from the x axis.
double ProtractorAngle(const Intersection& f) {
    if (f.x == 0) return PI / 2;
    return std::atan(std::fabs(f.y / f.x));
}

// A sine below this is an angle of 0 or 180 degrees as far as the arithmetic can tell (sin 180
// degrees comes out as 1.2e-16): a ratio with it in it is noise, not an index.
constexpr double kNoAngleSine = 1e-9;

// |numerator / denominator| of two sines, or nothing when either is too small to mean an angle.
std::optional<double> SineRatio(double numerator, double denominator) {
    if (!(std::fabs(numerator) >= kNoAngleSine) || !(std::fabs(denominator) >= kNoAngleSine))
        return std::nullopt;
    return std::fabs(numerator / denominator);
}

} // namespace

Intersection ProtractorAhead(double px, double py, double dx, double dy) {
    const double b = px * dx + py * dy;
    const double disc = b * b - (px * px + py * py - 150.0 * 150.0);
    if (!(disc >= 0)) return {};
    const double tau = -b + std::sqrt(disc);
    return {px + tau * dx, py + tau * dy, 0};
}

namespace {

struct Vec {
    double x, y;
};
double Dot(Vec a, Vec b) { return a.x * b.x + a.y * b.y; }

constexpr double kNowhere = std::numeric_limits<double>::infinity();
// A meeting closer than this share of R is the point the light has just left.
constexpr double kAheadShare = 1e-9;
// The sine of the refraction angle reaches 1 at the critical angle itself only to within
// rounding: there the light grazes along the face, as a textbook draws it; past it, all of it
// is reflected.
constexpr double kCriticalRounding = 1e-12;
// How far past its end a face still catches the light: rounding only, so that a ray through
// the edge where the two faces meet is met by one of them.
constexpr double kEdgeShare = 1e-9;

// The half-disc: the flat face through the centre across `axis`, the curved face on the side
// `axis` points to.
struct Glass {
    double n, R;
    Vec centre;
    Vec axis;  // unit normal of the flat face, towards the curved face
    Vec along; // unit vector along the flat face
};

// Distance along d from p to the flat segment ahead, or kNowhere. A ray parallel to the face
// never meets it.
double FlatAhead(const Glass& g, Vec p, Vec d) {
    const double across = Dot(d, g.axis);
    if (across == 0) return kNowhere;
    const double t = Dot({g.centre.x - p.x, g.centre.y - p.y}, g.axis) / across;
    if (!(t > kAheadShare * g.R)) return kNowhere;
    const Vec q{p.x + t * d.x - g.centre.x, p.y + t * d.y - g.centre.y};
    return std::fabs(Dot(q, g.along)) <= g.R * (1 + kEdgeShare) ? t : kNowhere;
}

// Distance along d from p to the glass's own half circle ahead, or kNowhere.
double CurvedAhead(const Glass& g, Vec p, Vec d) {
    const Vec m{p.x - g.centre.x, p.y - g.centre.y};
    const double b = Dot(m, d);
    const double disc = b * b - (Dot(m, m) - g.R * g.R);
    if (!(disc >= 0)) return kNowhere;
    const double root = std::sqrt(disc);
    for (const double t : {-b - root, -b + root}) {
        if (!(t > kAheadShare * g.R)) continue;
        const Vec q{m.x + t * d.x, m.y + t * d.y};
        if (Dot(q, g.axis) >= -kEdgeShare * g.R) return t;
    }
    return kNowhere;
}

} // namespace

RayTrace FollowLight(const Semicircle& s, double alpha) {
    const double h = s.rayH, theta = s.tilt;
    RayTrace out;
    out.incidence = alpha;
    RayPath& path = out.path;
    auto add = [&path](Vec p, PathEvent event, Face face, bool inGlassAfter) {
        path.points[path.count++] = {p.x, p.y, event, face, inGlassAfter};
    };
    Vec p{150 * std::cos(alpha), 150 * std::sin(alpha)};
    add(p, PathEvent::Source, Face::None, false);
    if (s.semiDirection != 1 && s.semiDirection != 2) return out;

    const Vec towardsArc{std::cos(theta), std::sin(theta)};
    const Glass g{s.indexN,
                  s.radiusR,
                  {s.xc, s.yc},
                  s.semiDirection == 1 ? Vec{-towardsArc.x, -towardsArc.y} : towardsArc,
                  {-towardsArc.y, towardsArc.x}};
    // From the source towards (0, h); the source lies on the protractor, outside the glass.
    Vec d{0 - p.x, h - p.y};
    const double length = std::hypot(d.x, d.y);
    if (!(length > 0) || !(g.R > 0) || !(g.n > 0)) return out;
    d = {d.x / length, d.y / length};

    bool inGlass = false;
    Face last = Face::None;
    while (path.count < RayPath::kMaxPoints - 1) {
        // A straight line meets the flat face's line once: light that has just met the flat
        // face (grazing along it, perhaps, at the critical angle) meets the curved face next.
        const double tFlat = last == Face::Flat ? kNowhere : FlatAhead(g, p, d);
        const double tCurved = CurvedAhead(g, p, d);
        const double t = std::min(tFlat, tCurved);
        if (t == kNowhere) break;
        const Face face = tFlat <= tCurved ? Face::Flat : Face::Curved;
        last = face;
        p = {p.x + t * d.x, p.y + t * d.y};

        // The normal on the side the light comes from.
        Vec normal = face == Face::Flat
                         ? g.axis
                         : Vec{(p.x - g.centre.x) / g.R, (p.y - g.centre.y) / g.R};
        double cosIn = -Dot(d, normal);
        if (cosIn < 0) {
            normal = {-normal.x, -normal.y};
            cosIn = -cosIn;
        }
        // Snell's law: sin out = eta sin in, on the far side of the same normal.
        const double eta = inGlass ? g.n : 1 / g.n;
        const double sinOut2 = eta * eta * (1 - cosIn * cosIn);
        if (sinOut2 > 1 + kCriticalRounding) {
            // The sine would pass 1: all the light is reflected, and stays where it was.
            out.totalReflection = true;
            d = {d.x + 2 * cosIn * normal.x, d.y + 2 * cosIn * normal.y};
            // Kept of unit length, or the rounding of many reflections would tell at the end.
            const double size = std::hypot(d.x, d.y);
            d = {d.x / size, d.y / size};
            add(p, PathEvent::Reflected, face, inGlass);
        } else {
            const double k = eta * cosIn - (sinOut2 < 1 ? std::sqrt(1 - sinOut2) : 0);
            d = {eta * d.x + k * normal.x, eta * d.y + k * normal.y};
            inGlass = !inGlass;
            add(p, PathEvent::Refracted, face, inGlass);
        }
        // Out of the glass (or turned back before it), the straight light never meets this
        // convex glass again.
        if (!inGlass) break;
    }
    if (inGlass) return out; // caught inside: no light reaches the protractor

    const Intersection f = ProtractorAhead(p.x, p.y, d.x, d.y);
    if (!f.Hit()) return out;
    add({f.x, f.y}, PathEvent::Protractor, Face::None, false);
    out.reachesProtractor = true;
    // Source, in through one face, out through the other, protractor: nothing else is read.
    const bool crossedOnce = path.count == 4 && path[1].event == PathEvent::Refracted &&
                             path[2].event == PathEvent::Refracted && path[1].face != path[2].face;
    if (!crossedOnce) return out;

    out.refrAngleMeasured = true;
    out.refrAngle = ProtractorAngle(f);
    // A student reads the index as the sine of the angle in the air at the flat face over the
    // sine of the angle in the glass: the source's angle over the arrival's when the light
    // comes in through the flat face, the other way round when it comes in through the curved
    // face.
    const bool inThroughFlat = path[1].face == Face::Flat;
    const auto index = inThroughFlat ? SineRatio(std::sin(alpha), std::sin(out.refrAngle))
                                     : SineRatio(std::sin(out.refrAngle), std::sin(alpha));
    if (index) {
        out.indexMeasured = true;
        out.measuredIndex = *index;
    }
    return out;
}

RayTrace TraceRay(const Semicircle& s, double alphaDeg) {
    return FollowLight(s, alphaDeg * PI / 180);
}

bool TotallyReflectedAtFlatFace(const RayPath& path) {
    for (int i = 1; i < path.count; ++i)
        if (path[i].face == Face::Flat && path.InGlass(i))
            return path[i].event == PathEvent::Reflected;
    return false;
}

RayScene ComputeRayScene(const Semicircle& s, double alpha) {
    RayScene sc;
    const double R = s.radiusR, x0 = s.xc, y0 = s.yc, theta = s.tilt;
    sc.trace = FollowLight(s, alpha);
    sc.p1 = {x0 + R * std::sin(theta), y0 - R * std::cos(theta)};
    sc.p2 = {x0 - R * std::sin(theta), y0 + R * std::cos(theta)};
    const RayPath& path = sc.trace.path;
    for (int i = 1; i < path.count; ++i) {
        if (path[i].face != Face::Flat) continue;
        if (sc.p2.y == sc.p1.y) break; // a face along the x axis: no normal within the picture
        sc.e = {path.X(i), path.Y(i)};
        const double mN = -(sc.p2.x - sc.p1.x) / (sc.p2.y - sc.p1.y);
        sc.normalRight = {150, sc.e.y + mN * (150 - sc.e.x)};
        sc.normalLeft = {-0.75 * R, sc.e.y + mN * (-0.75 * R - sc.e.x)};
        sc.hasNormal = true;
        break;
    }
    return sc;
}

double aktina2(const Semicircle& glass, const RecordSetup& setup) {
    Semicircle s = glass;
    s.rayH = setup.rayH;
    s.xc = setup.xc;
    s.yc = setup.yc;
    s.tilt = setup.tiltRadians();
    const RayTrace t = TraceRay(s, setup.incidenceDeg);
    return t.refrAngleMeasured ? t.refrAngle : std::numeric_limits<double>::quiet_NaN();
}
