#include "semicircle/model/raytrace.h"

#include <cmath>
#include <limits>
#include <optional>

#include "shell/model/mathconst.h"

namespace {

// Arcsine written as the program writes it; |s| <= 1 is the caller's business.
double ArcSin(double s) {
    const double c = std::sqrt(1 - s * s);
    if (c == 0) return s > 0 ? PI / 2 : -PI / 2;
    return std::atan(s / c);
}

// Direction of the radius from a centre to a point, within (-90 deg, 90 deg].
double RadiusDirection(double dx, double dy) {
    if (dx != 0) return std::atan(dy / dx);
    return dy >= 0 ? PI / 2 : -PI / 2;
}

// arctan(-1/m): the direction of the normal of a line of slope m.
double NormalDirection(double m) {
    if (m == 0) return -PI / 2;
    return std::atan(-1 / m);
}

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

// Mirror of the direction (dx, dy) in a flat face tilted by theta (normal cos, sin theta).
void MirrorInFlatFace(double theta, double& dx, double& dy) {
    const double nx = std::cos(theta), ny = std::sin(theta);
    const double dot = dx * nx + dy * ny;
    dx -= 2 * dot * nx;
    dy -= 2 * dot * ny;
}

Intersection IntersectThrough(double m, double px, double py, double R, double cx, double cy,
                              int semiDirection) {
    return IntersectLineCircle(m, py - m * px, R, cx, cy, semiDirection);
}

// A meeting with the flat face's line near enough to mean one. A ray all but parallel to the
// face (90 degrees, where the cosine is 6e-17 and not 0) meets its line some 1e16 away: it
// runs past the glass and never reaches the face.
bool MeetsFace(const Intersection& e) { return e.Hit() && std::hypot(e.x, e.y) <= 1e4; }

} // namespace

Intersection ProtractorAhead(double px, double py, double dx, double dy) {
    const double len = std::hypot(dx, dy);
    if (!(len > 0)) return {};
    dx /= len;
    dy /= len;
    const double b = px * dx + py * dy;
    const double disc = b * b - (px * px + py * py - 150.0 * 150.0);
    if (!(disc >= 0)) return {};
    const double tau = -b + std::sqrt(disc);
    return {px + tau * dx, py + tau * dy, 0};
}

Intersection IntersectLines(double x1, double y1, double x2, double y2, double x3, double y3,
                            double x4, double y4) {
    if (x1 == x2 && x3 != x4) {
        const double mB = (y4 - y3) / (x4 - x3);
        const double cB = y3 - mB * x3;
        return {x1, mB * x1 + cB, NormalDirection(mB)};
    }
    if (x3 == x4 && x1 != x2) {
        // The normal of a vertical face is horizontal.
        const double mA = (y2 - y1) / (x2 - x1);
        const double cA = y1 - mA * x1;
        return {x3, cA + mA * x3, std::atan(mA)};
    }
    if (x1 == x2 && x3 == x4) return {};
    const double mA = (y2 - y1) / (x2 - x1);
    const double cA = y1 - mA * x1;
    const double mB = (y4 - y3) / (x4 - x3);
    const double cB = y3 - mB * x3;
    if (mA == mB) return {};
    const double x = (cB - cA) / (mA - mB);
    return {x, cA + mA * x, std::atan(mA) - NormalDirection(mB)};
}

double LineAngle(double x1, double y1, double x2, double y2, double x3, double y3, double x4,
                 double y4) {
    return IntersectLines(x1, y1, x2, y2, x3, y3, x4, y4).angle;
}

Intersection IntersectLineCircle(double m, double b, double R, double cx, double cy,
                                 int semiDirection) {
    const double k = b - cy;
    const double B = m * k - cx;
    const double C = k * k + cx * cx - R * R;
    const double D = B * B - (1 + m * m) * C;
    if (!(D >= 0)) // also refuses a slope that overflowed
        return {m, b, kMissed};
    const double s = std::sqrt(D);
    const double x = semiDirection == 1 ? (-B - s) / (1 + m * m) : (-B + s) / (1 + m * m);
    const double y = m * x + b;
    double rho = 0;
    if (y != cy) {
        const double q = -(x - cx) / (y - cy);
        rho = q == 0 ? PI / 2 : std::atan(-1 / q);
    }
    return {x, y, rho - std::atan(m)};
}

RayPath TraceRay(ExperimentState& s, double h, double theta, double x0, double y0,
                 double alphaDeg) {
    const double n = s.indexN;
    const double R = s.radiusR;
    const double alpha = alphaDeg * PI / 180;
    s.incidenceDeg = alphaDeg;
    s.incidence = alpha;
    s.refrAngleMeasured = false;
    s.indexMeasured = false;

    RayPath path;
    const double sx = 150 * std::cos(alpha), sy = 150 * std::sin(alpha);
    path.p[0] = sx;
    path.p[1] = sy;
    auto add = [&path](double x, double y) {
        path.p[2 * path.count] = x;
        path.p[2 * path.count + 1] = y;
        ++path.count;
    };
    const double p1x = x0 + R * std::sin(theta), p1y = y0 - R * std::cos(theta);
    const double p2x = x0 - R * std::sin(theta), p2y = y0 + R * std::cos(theta);

    if (s.semiDirection == 1) {
        // Flat face first.
        const Intersection e = IntersectLines(0, h, sx, sy, p1x, p1y, p2x, p2y);
        if (!MeetsFace(e)) return path;
        add(e.x, e.y);
        const double sn = std::sin(e.angle) / n;
        if (sn >= 1 || sn < -1) {
            // n < 1: no refracted ray. The reflected ray runs from E, mirrored in the face,
            // to the protractor; nothing runs inside (the third point stays at E).
            double dx = e.x - sx, dy = e.y - sy;
            MirrorInFlatFace(theta, dx, dy);
            const Intersection q = ProtractorAhead(e.x, e.y, dx, dy);
            if (q.Hit()) {
                add(e.x, e.y);
                add(q.x, q.y);
            }
            return path;
        }
        const double r = ArcSin(sn);
        const Intersection x = IntersectThrough(std::tan(r + theta), e.x, e.y, R, x0, y0, 1);
        if (!x.Hit()) return path;
        add(x.x, x.y);
        const double t = n * std::sin(x.angle);
        const double rho = RadiusDirection(x.x - x0, x.y - y0);
        if (std::fabs(t) < 1) {
            // Leaving, the ray turns away from the radius on the side it came in on.
            const Intersection f =
                IntersectThrough(std::tan(rho - ArcSin(t)), x.x, x.y, 150, 0, 0, 1);
            if (!f.Hit()) return path;
            add(f.x, f.y);
            s.refrAngle = ProtractorAngle(f);
            s.refrAngleMeasured = true;
            if (const auto index = SineRatio(std::sin(alpha), std::sin(s.refrAngle))) {
                s.measuredIndex = *index;
                s.indexMeasured = true;
            }
        } else {
            // Reflected inside at the curved face: the path ends on the arc.
            const Intersection f =
                IntersectThrough(std::tan(rho + x.angle), x.x, x.y, R, x0, y0, 1);
            if (f.Hit()) add(f.x, f.y);
        }
        return path;
    }

    if (s.semiDirection == 2) {
        // Curved face first.
        if (sx == 0) return path;
        const double m0 = (sy - h) / sx;
        const Intersection x = IntersectLineCircle(m0, h, R, x0, y0, 2);
        if (!x.Hit()) return path;
        add(x.x, x.y);
        const double sn = std::sin(x.angle) / n;
        const double rho0 = RadiusDirection(x.x - x0, x.y - y0);
        if (sn >= 1 || sn <= -1) {
            // n < 1 beyond its critical angle: reflected at the curved face back to the
            // protractor, on the side the reflected ray travels to.
            const double dx = -sx, dy = h - sy;
            const double nx = (x.x - x0) / R, ny = (x.y - y0) / R;
            const double dot = dx * nx + dy * ny;
            const int side = dx - 2 * dot * nx >= 0 ? 2 : 1;
            const Intersection f =
                IntersectThrough(std::tan(rho0 + x.angle), x.x, x.y, 150, 0, 0, side);
            if (f.Hit()) {
                add(x.x, x.y);
                add(f.x, f.y);
            }
            return path;
        }
        // Entering, the ray turns towards the radius and stays on its side of it.
        const double mi = std::tan(rho0 - ArcSin(sn));
        const Intersection e = IntersectLines(x.x, x.y, x.x + 1, x.y + mi, p1x, p1y, p2x, p2y);
        if (!e.Hit()) return path;
        add(e.x, e.y);
        const double t = n * std::sin(e.angle);
        if (std::fabs(t) < 1) {
            const Intersection f =
                IntersectThrough(std::tan(ArcSin(t) + theta), e.x, e.y, 150, 0, 0, 1);
            if (!f.Hit()) return path;
            add(f.x, f.y);
            s.refrAngle = ProtractorAngle(f);
            s.refrAngleMeasured = true;
            if (const auto index = SineRatio(std::sin(s.refrAngle), std::sin(alpha))) {
                s.measuredIndex = *index;
                s.indexMeasured = true;
            }
        } else {
            // Totally reflected at the flat face: the path ends on the curved face.
            const Intersection f =
                IntersectThrough(-std::tan(e.angle - theta), e.x, e.y, R, x0, y0, 2);
            if (f.Hit()) add(f.x, f.y);
        }
    }
    return path;
}

namespace {

RayScene SceneOfRay(ExperimentState& s, double h, double x0, double y0, double theta,
                    bool signedIndex) {
    const double n = s.indexN;
    const double R = s.radiusR;
    const double alpha = s.incidence;
    const int dir = s.semiDirection;
    s.refrAngleMeasured = false;
    s.indexMeasured = false;
    RayScene sc;
    sc.s = {150 * std::cos(alpha), 150 * std::sin(alpha)};
    sc.p1 = {x0 + R * std::sin(theta), y0 - R * std::cos(theta)};
    sc.p2 = {x0 - R * std::sin(theta), y0 + R * std::cos(theta)};
    const Intersection e = IntersectLines(0, h, sc.s.x, sc.s.y, sc.p1.x, sc.p1.y, sc.p2.x, sc.p2.y);
    if (!e.Hit()) return sc;
    sc.e = {e.x, e.y};
    sc.hasE = true;
    if (sc.p2.y != sc.p1.y) {
        const double mN = -(sc.p2.x - sc.p1.x) / (sc.p2.y - sc.p1.y);
        sc.normalRight = {150, e.y + mN * (150 - e.x)};
        sc.normalLeft = {-0.75 * R, e.y + mN * (-0.75 * R - e.x)};
        sc.hasNormal = true;
    }
    const double sn = std::sin(e.angle) / n;
    if (sn >= 1 || sn < -1) {
        // n < 1 and a large incidence: reflected at the flat face, as TraceRay does.
        double dx = e.x - sc.s.x, dy = e.y - sc.s.y;
        MirrorInFlatFace(theta, dx, dy);
        const Intersection q = ProtractorAhead(e.x, e.y, dx, dy);
        if (q.Hit()) {
            sc.reflectedEnd = {q.x, q.y};
            sc.reflectedAtFlat = true;
        }
        return sc;
    }
    const Intersection x = IntersectThrough(std::tan(ArcSin(sn) + theta), e.x, e.y, R, x0, y0, dir);
    if (!x.Hit()) return sc;
    sc.x = {x.x, x.y};
    sc.hasX = true;
    const double t = n * std::sin(x.angle);
    if (!(std::fabs(t) < 1)) return sc;
    const double rho = RadiusDirection(x.x - x0, x.y - y0);
    const Intersection f = IntersectThrough(std::tan(rho - ArcSin(t)), x.x, x.y, 150, 0, 0, dir);
    if (!f.Hit()) return sc;
    sc.f = {f.x, f.y};
    sc.hasF = true;
    s.refrAngleMeasured = true;
    s.refrAngle = ProtractorAngle(f);
    if (const auto ratio = SineRatio(std::sin(alpha), std::sin(s.refrAngle))) {
        const double sign = std::sin(alpha) / std::sin(s.refrAngle) < 0 ? -1 : 1;
        s.measuredIndex = signedIndex ? sign * *ratio : *ratio;
        s.indexMeasured = true;
    }
    return sc;
}

} // namespace

RayScene ComputeRayScene(ExperimentState& s, double h, double x0, double y0, double theta) {
    return SceneOfRay(s, h, x0, y0, theta, false);
}

double aktina2(ExperimentState& s, double h, double x0, double y0, double theta) {
    s.incidence = s.incidence * PI / 180;
    SceneOfRay(s, h, x0, y0, theta, true);
    return s.refrAngle;
}

double TraceForRecord(ExperimentState& s, double tiltRadians) {
    const double r = aktina2(s, s.rayH, s.xc, s.yc, tiltRadians);
    return s.refrAngleMeasured ? r : std::numeric_limits<double>::quiet_NaN();
}
