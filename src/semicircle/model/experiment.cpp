#include "semicircle/model/experiment.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "shell/model/mathconst.h"
#include "shell/model/numfmt.h"

namespace {

struct UnmeasuredCells {
    std::string refraction, index;
};
UnmeasuredCells NothingMeasured(bool totalReflection) {
    if (totalReflection) return {std::string(kTotalReflection), std::string(kTotalReflectionGreek)};
    return {std::string(kNoRay), std::string(kNoRay)};
}

// A list cell never shows "NaN": a ray that gives no value leaves a dash.
std::string Cell(double v, std::string_view pattern) {
    return std::isfinite(v) ? Format(v, pattern) : std::string(kNoNumber);
}

std::string_view Trimmed(std::string_view t) {
    const auto first = t.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) return {};
    return t.substr(first, t.find_last_not_of(" \t\r\n") - first + 1);
}

} // namespace

ListRow OneRayRow(const RayTrace& t) {
    const UnmeasuredCells nothing = NothingMeasured(t.totalReflection);
    return {Format(t.incidence * 180 / PI, "0.00"),
            t.refrAngleMeasured ? Format(t.refrAngle * 180 / PI, "0.00") : nothing.refraction,
            t.indexMeasured       ? Format(t.measuredIndex, "0.00")
            : t.refrAngleMeasured ? std::string()
                                  : nothing.index};
}

ListRow SweepRow(const RayTrace& t) {
    // The refraction column is in degrees, as the single ray shows it and as the data window
    // reads it when the rows are transferred.
    const UnmeasuredCells nothing = NothingMeasured(t.totalReflection);
    return {PlainNumber(t.incidence * 180 / PI, 7),
            t.refrAngleMeasured ? Cell(t.refrAngle * 180 / PI, "0.00") : nothing.refraction,
            t.indexMeasured ? Cell(t.measuredIndex, "0.0000") : nothing.index};
}

bool HoldsValue(std::string_view cell) {
    const std::string_view t = Trimmed(cell);
    return !t.empty() && t != kNoNumber && t != kNoRay && t != kTotalReflection &&
           t != kTotalReflectionGreek;
}

IndexGraph IndexGraphOf(const std::vector<ListRow>& rows, double n) {
    IndexGraph graph;
    std::vector<double> measured;
    for (const ListRow& row : rows) {
        if (!HoldsValue(row.incidence) || !HoldsValue(row.index)) continue;
        const float x = float(Val(row.incidence)), y = float(Val(row.index));
        if (!std::isfinite(x) || !std::isfinite(y)) continue;
        measured.push_back(y);
        graph.points.push_back({x, y});
    }
    // With no rows there is no mean error to show, only the empty axes.
    const std::optional<double> error = MeanIndexError(measured, n);
    if (error && std::isfinite(*error)) graph.meanError = error;
    return graph;
}

// ---- Settings ---------------------------------------------------------------------------

double Experiment::tilt() const { return tiltDeg_ * PI / 180; }
double Experiment::incidence() const { return incidenceDeg_ * PI / 180; }

Semicircle Experiment::semicircle() const {
    return {indexN_, radiusR_, semiDirection_, xc_, yc_, tilt(), rayH_};
}

void Experiment::setIndex(double n) {
    indexN_ = n;
    changed.notify(ExperimentChange::Settings);
}

void Experiment::setRadius(double R) {
    radiusR_ = R;
    changed.notify(ExperimentChange::Settings);
}

void Experiment::setGeometry(double R, double xc, double yc, double tiltDeg) {
    radiusR_ = R;
    xc_ = xc;
    yc_ = yc;
    tiltDeg_ = tiltDeg;
    changed.notify(ExperimentChange::Settings);
}

void Experiment::setRayH(double h) {
    rayH_ = h;
    changed.notify(ExperimentChange::Settings);
}

void Experiment::setDirection(int semiDirection) {
    semiDirection_ = semiDirection;
    changed.notify(ExperimentChange::Settings);
}

void Experiment::centre() {
    rayH_ = tiltDeg_ = xc_ = yc_ = 0;
    changed.notify(ExperimentChange::Settings);
}

void Experiment::open(double R) {
    radiusR_ = R;
    indexN_ = 1.5;
    centre();
}

// ---- Rays -------------------------------------------------------------------------------

void Experiment::keep(const RayTrace& t, double alphaDeg) {
    incidenceDeg_ = alphaDeg;
    // Where nothing was measured the last measured values stay, marked as not this ray's.
    refrAngleMeasured_ = t.refrAngleMeasured;
    if (t.refrAngleMeasured) refrAngle_ = t.refrAngle;
    indexMeasured_ = t.indexMeasured;
    if (t.indexMeasured) measuredIndex_ = t.measuredIndex;
    changed.notify(ExperimentChange::Measurement);
}

RayTrace Experiment::trace(double alphaDeg) {
    RayTrace t = TraceRay(semicircle(), alphaDeg);
    keep(t, alphaDeg);
    return t;
}

RayScene Experiment::rayScene() {
    RayScene scene = ComputeRayScene(semicircle(), incidence());
    keep(scene.trace, incidenceDeg_);
    return scene;
}

std::optional<double> Experiment::criticalAngle() const { return krisimi(semicircle()); }

SemicircleArc Experiment::takeArc() {
    const double t = tilt();
    const double a = -PI / 2 - t;
    if (a > -2 * PI && a < 0)
        arc_.arcStart = a;
    else if (a == 0)
        arc_.arcStart = -0.001; // a start of 0 could not carry the minus that draws the radius
    else if (a > 0)
        arc_.arcStart = PI / 2 - t;
    const double b = -3 * PI / 2 - t;
    if (b < -2 * PI)
        arc_.arcEnd = float(b + 2 * PI);
    else if (b > -2 * PI)
        arc_.arcEnd = float(b);
    return arc_;
}

std::vector<Point> Experiment::traceFreeRay(const FreeRay& ray) {
    freeRay_ = ray;
    return TraceFreeRay(semicircle(), ray);
}

std::vector<std::vector<Point>> Experiment::rayFan(float X, float Y) {
    const auto rays = FanRays(semicircle(), X, Y);
    std::vector<std::vector<Point>> lines;
    lines.reserve(rays.size());
    for (const FreeRay& ray : rays)
        lines.push_back(traceFreeRay(ray));
    // The fan turns the incidence through 0, 4, ... 180 degrees as it goes.
    incidenceDeg_ = 4.0 * (rays.size() - 1);
    changed.notify(ExperimentChange::Measurement);
    return lines;
}

std::vector<FreeRay> Experiment::parallelBeam(bool fromLeft) const {
    return ParallelBeamRays(semicircle(), fromLeft);
}

void Experiment::pressMouse(float x, float y) {
    freeRay_[0] = mouseDownX_ = x;
    freeRay_[1] = mouseDownY_ = y;
}

void Experiment::releaseMouse(float x, float y) {
    freeRay_[2] = x;
    freeRay_[3] = y;
}

// ---- The list and the graphs -------------------------------------------------------------

void Experiment::clearRows() {
    rows_.clear();
    changed.notify(ExperimentChange::Rows);
}

void Experiment::addRow(ListRow row) {
    rows_.push_back(std::move(row));
    changed.notify(ExperimentChange::Rows);
}

void Experiment::setListLabel(int which, std::string text) {
    listLabels_.at(std::size_t(which)) = std::move(text);
    changed.notify(ExperimentChange::ListLabels);
}

void Experiment::showSettings(const std::array<std::string_view, 4>& captions) {
    const double values[4] = {rayH_, tilt() * 180 / PI, xc_, yc_};
    for (std::size_t i = 0; i < 4; ++i)
        listLabels_[i] = std::string(captions[i]) + Format(values[i], "0.00");
    changed.notify(ExperimentChange::ListLabels);
}

void Experiment::clearListPicture() {
    meanIndexText_.reset();
    changed.notify(ExperimentChange::ListPicture);
}

std::vector<RayTrace> Experiment::sweep(std::span<const double> anglesDeg,
                                        std::string_view meanCaption) {
    clearListPicture();
    clearRows();
    std::vector<RayTrace> traces;
    traces.reserve(anglesDeg.size());
    // A ray that is no measurement says what happened in its row and stays out of the mean.
    double sum = 0;
    int rays = 0;
    for (const double a : anglesDeg) {
        traces.push_back(trace(a));
        const RayTrace& t = traces.back();
        addRow(SweepRow(t));
        if (t.indexMeasured) {
            sum += t.measuredIndex;
            ++rays;
        }
    }
    showSettings({"h= ", "ANGLE φ=", "xc = ", "yc = "});
    if (rays > 0 && std::isfinite(sum / rays))
        meanIndexText_ = std::string(meanCaption) + Format(sum / rays, "0.00");
    changed.notify(ExperimentChange::ListPicture);
    drawIndexGraph();
    return traces;
}

void Experiment::clearIndexGraph() {
    indexGraphDrawn_ = false;
    changed.notify(ExperimentChange::IndexGraph);
}

void Experiment::drawIndexGraph() {
    indexGraphDrawn_ = true;
    changed.notify(ExperimentChange::IndexGraph);
}

void Experiment::bestSemicircle() { changed.notify(ExperimentChange::MeanError); }

std::vector<TransferRow> Experiment::transferRows() const {
    // A cell with no value goes over as an empty box, never as a measured 0.
    const auto value = [](const std::string& cell) -> std::optional<float> {
        if (!HoldsValue(cell)) return std::nullopt;
        return float(Val(Trimmed(cell)));
    };
    std::vector<TransferRow> out;
    for (const ListRow& row : rows_)
        out.push_back({value(row.incidence), value(row.refraction)});
    return out;
}

void Experiment::transferOfData() { changed.notify(ExperimentChange::Transfer); }

RecordFileResult Experiment::fylakise(const std::filesystem::path& file) const {
    // The grid is traced on copies of the glass: the experiment keeps the student's settings.
    const Semicircle glass = semicircle();
    return WriteRecordFile(file,
                           [glass](const RecordSetup& setup) { return aktina2(glass, setup); });
}
