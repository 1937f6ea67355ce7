#include "data/model/note_figures.h"

#include <cmath>

#include "shell/model/fit.h"
#include "shell/model/mathconst.h"
#include "shell/model/numfmt.h"
#include "waves/model/newton.h"

Point UpLeft(double radius, double angle) {
    return {-radius * std::sin(angle), radius * std::cos(angle)};
}

namespace {

// Down and to the right, `angle` radians from the downward vertical.
Point DownRight(double radius, double angle) {
    return {radius * std::sin(angle), -radius * std::cos(angle)};
}

void Band(Figure& f, Point a, Point b, Rgb colour) {
    f.bands.push_back({a, b, colour});
}

void Segment(Figure& f, Point a, Point b, Rgb colour, int width = 1, int style = 0) {
    f.lines.push_back({a, b, colour, width, style});
}

void Polyline(Figure& f, const std::vector<Point>& points, Rgb colour, int width) {
    for (std::size_t i = 1; i < points.size(); ++i)
        Segment(f, points[i - 1], points[i], colour, width);
}

// The figures' source is 30 degrees from the vertical at radius 115; the refracted ray leaves
// the point of incidence 30 - 10 = 20 degrees from the vertical (PI/6 and PI/18).
constexpr double kIncidence = PI / 6;
constexpr double kRefraction = PI / 6 - PI / 18;
constexpr double kRayLength = 115;

} // namespace

Figure FermatFigure() {
    Figure f;
    f.caption = "FERMAT'S PRINCIPLE";
    f.top = 170;
    f.bottom = -110;
    Band(f, {-150, 0}, {150, -140}, kFigureOrange);
    Segment(f, {-140, 0}, {140, 0}, kFigureBlack);
    Segment(f, {0, -110}, {0, 100}, kFigureBlack);
    const Point z = UpLeft(kRayLength, kIncidence), e{0, 0};
    const Point h = DownRight(kRayLength, kRefraction), g{-30, 0};
    Segment(f, z, e, kFigureGreen, 2);
    Segment(f, e, h, kFigureGreen, 2);
    // A longer path between the same two points, through G.
    Segment(f, z, g, kFigureRed);
    Segment(f, g, h, kFigureRed);
    f.labels = {{{z.x - 10, z.y + 8}, "Z"}, {{h.x + 5, h.y + 12}, "H"}, {{g.x - 4, -2}, "G"},
                {{4, -2}, "E"},           {{4, 110}, "O"},         {{4, -85}, "M"}};
    f.explanations = {
        {{-140, 170}, "FERMAT'S PRINCIPLE Αρχή του Fermat"},
        {{-140, 158}, "TIME OF MOVEMENT ALONG ZEH Ο χρόνος που κινείται το φως κατά ZEH"},
        {{-140, 146}, "IS SMALLER THAN TIME ALONG ZGH είναι μικρότερος από το χρόνο κατά ZGH"},
        {{-140, 124}, "For ZEO: SIN(ZE0)x SPEED IN  2 =SIN(HEM)xSPEED IN 1  sin(ZEO)Xταχύτητα "
                      "στο 2=sin(HEM)X ταχύτητα στο 1"}};
    return f;
}

Figure HeroFigure() {
    Figure f;
    f.top = 170;
    f.bottom = -110;
    Band(f, {-150, 0}, {150, -10}, kFigureOrange); // the mirror
    Segment(f, {-140, 0}, {140, 0}, kFigureBlack);
    const Point z = UpLeft(kRayLength, kIncidence), e{0, 0}, g{-30, 0};
    const Point h{-z.x, z.y}, hImage{-z.x, -z.y}; // the eye, and its image in the mirror
    // The light's own path obeys equal angles; the path through G is longer.
    Segment(f, z, e, kFigureGreen, 2);
    Segment(f, e, h, kFigureGreen, 2);
    Segment(f, e, hImage, kFigureGreen, 1, 2);
    Segment(f, z, g, kFigureRed);
    Segment(f, g, h, kFigureRed);
    Segment(f, g, hImage, kFigureRed, 1, 2);
    f.labels = {{{z.x - 10, z.y + 8}, "Z"},
                {{h.x + 4, h.y + 8}, "H"},
                {{hImage.x + 4, hImage.y + 4}, "H'"},
                {{g.x - 4, 14}, "G"},
                {{-3, 14}, "E"}};
    f.explanations = {{{-140, 170}, "HERO'S PROOF Απόδειξη του Ήρωνα: SINCE ZG+GH' > ZE+EH' "},
                      {{-140, 158}, " & EH=EH' &  GH=GH\""},
                      {{-140, 146}, "The refleceted follows a path Η ανακλώμενη ακολουθεί μια "
                                    "πορεία"},
                      {{-140, 134}, "with least possible length με το ελάχιστο δυνατό μήκος"}};
    return f;
}

Figure PtolemyFigure(const std::string& title) {
    Figure f;
    f.left = -140;
    f.top = 140;
    f.right = 140;
    f.bottom = -140;
    Band(f, {-150, 0}, {150, -130}, kFigureYellow); // the water
    Segment(f, {-140, 0}, {140, 0}, kFigureBlack);  // the disc's diameters
    Segment(f, {0, -140}, {0, 140}, kFigureBlack);
    f.circles = {{{0, 0}, 100, kFigureBlack}, {{0, 0}, 105, kFigureBlack}}; // its graduated rim
    // The sight line from Z to the centre E, and on from E to the body H in the water.
    const Point z = UpLeft(kRayLength, kIncidence), h = DownRight(kRayLength, kRefraction);
    Segment(f, z, {0, 0}, kFigureBlack);
    Segment(f, {0, 0}, h, kFigureBlack);
    f.labels = {{z, "Z"},        {h, "H"},         {{-110, 0}, "D"}, {{0, 115}, "A"},
                {{110, 0}, "B"}, {{0, -105}, "G"}, {{0, 0}, "E"},    {{-140, 130}, title}};
    return f;
}

namespace {

constexpr double kNewtonIncidence = 28 * PI / 180;
// The one-layer geometry of the particle scene for a scale 300 wide and 160 high: the surface
// at 5/8 of the height (100), the layer's lower edge at half of it (80). The figure draws it
// with the surface at y = 0.
constexpr double kSceneW = 300, kSceneH = 160;
constexpr double kSurface = 5.0 / 8 * kSceneH, kLayerEdge = kSceneH / 2;
constexpr double kAirTop = 110, kGlassBottom = -105;

// A particle from the air at incidence `inc` (radians) into the glass, refracted at `refr`,
// crossing the surface at x = xc: straight, then bent in the layer under the acceleration that
// LayerAcceleration gives, then straight again. In the figure's units.
std::vector<Point> ParticleTrack(double n, double inc, double refr, double xc) {
    const double a = LayerAcceleration(inc, refr, 0, 1, n, kSceneW, kSceneH);
    const double vx = std::sin(inc), vy = -std::cos(inc);
    // The across velocity at the layer's edge: its square grows by 2 a dy.
    const double dy = kLayerEdge - kSurface;
    const double vyEdge = -std::sqrt(std::max(0.0, vy * vy + 2 * a * dy));
    const double tEdge = a != 0 ? (vyEdge - vy) / a : dy / vy;
    const double xEdge = xc + vx * tEdge;

    std::vector<Point> track;
    track.push_back({xc - (kAirTop - 0) * std::tan(inc), kAirTop});
    constexpr int kSteps = 24;
    for (int k = 0; k <= kSteps; ++k) {
        const double x = xc + (xEdge - xc) * k / kSteps;
        const double y = k == kSteps ? kLayerEdge : ArcHeight(kSurface, vy, vx, a, xc, x);
        track.push_back({x, y - kSurface});
    }
    const double yEdge = kLayerEdge - kSurface;
    track.push_back({xEdge + (yEdge - kGlassBottom) * std::tan(refr), kGlassBottom});
    return track;
}

} // namespace

NewtonPaths ComputeNewtonPaths(double n) {
    NewtonPaths out;
    out.layerTop = 0;
    out.layerBottom = kLayerEdge - kSurface;
    const double refr = ArcSin(std::sin(kNewtonIncidence) / n);
    out.refractionDeg = refr * 180 / PI;
    out.intoGlass = ParticleTrack(n, kNewtonIncidence, refr, -80);
    // Out of the glass at 28 degrees: the track into the glass that is refracted at 28 degrees,
    // run backwards and seen in a mirror, so that it too runs from left to right.
    const double s = n * std::sin(kNewtonIncidence);
    if (s < 1) {
        const double exit = ArcSin(s);
        out.exitDeg = exit * 180 / PI;
        constexpr double xc = 30;
        std::vector<Point> forward = ParticleTrack(n, exit, kNewtonIncidence, xc);
        for (auto it = forward.rbegin(); it != forward.rend(); ++it)
            out.outOfGlass.push_back({2 * xc - it->x, it->y});
    }
    return out;
}

Figure NewtonFigure(const NewtonPaths& p) {
    Figure f;
    f.caption = "PATHS OF Newton's rays";
    f.top = 170;
    f.bottom = -110;
    Band(f, {-150, 0}, {150, -140}, kFigureOrange);           // the glass
    Band(f, {-150, p.layerTop}, {150, p.layerBottom}, kFigureLayer); // its force layer
    Segment(f, {-140, 0}, {140, 0}, kFigureBlack);
    // The perpendicular where a track crosses the surface: the first point of its bent stretch
    // (the last but one of the track out of the glass, which runs the other way).
    auto normalAt = [&f](double x) { Segment(f, {x, 45}, {x, -70}, kFigureBlack, 1, 2); };
    normalAt(p.intoGlass[1].x);
    Polyline(f, p.intoGlass, kFigureRed, 2);
    if (!p.outOfGlass.empty()) {
        normalAt(p.outOfGlass[p.outOfGlass.size() - 2].x);
        Polyline(f, p.outOfGlass, kFigureBlue, 2);
    }
    f.explanations = {
        {{-140, 170}, "PATHS OF Newton's rays Τροχιές των σωματιδίων του φωτός κατά Newton"},
        {{-140, 158}, "RED: AIR TO GLASS, INCIDENCE 28, REFRACTION " +
                          Format(p.refractionDeg, "0.0") + " Κόκκινη: από αέρα σε γυαλί"},
        {{-140, 146}, p.outOfGlass.empty()
                          ? std::string("BLUE: FROM GLASS AT 28 THE PARTICLE CANNOT LEAVE Μπλε: "
                                        "δεν βγαίνει από το γυαλί")
                          : "BLUE: GLASS TO AIR, INCIDENCE 28, REFRACTION " +
                                Format(p.exitDeg, "0.0") + " Μπλε: από γυαλί σε αέρα"},
        {{-140, 134}, "IN THE LAYER THE GLASS ATTRACTS THE PARTICLE Στο στρώμα το γυαλί έλκει "
                      "το σωματίδιο"},
        {{-140, 20}, "AIR Αέρας"},
        {{-140, -35}, "GLASS Γυαλί"},
        {{45, -4}, "LAYER Στρώμα"}};
    return f;
}
