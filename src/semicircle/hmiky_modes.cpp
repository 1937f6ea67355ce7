// Ray modes of the semicircle window: sweeps, random settings, beams, fans, the critical
// angle, and the entries that hand over to the mean-error window and the record file.
#include "semicircle/hmiky.h"
#include "shell/qformat.h"
#include "shell/colours.h"

#include "records/Grafindex.h"
#include "records/List_of_Data.h"
#include "records/errors.h"
#include "records/model/recordfile.h"
#include "semicircle/model/raymodes.h"
#include "shell/model/mathconst.h"
#include "shell/model/numfmt.h"
#include "app/program.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <system_error>

namespace {
using colours::green;
using colours::red;

// The running sum of the measured indices of a sweep and how many rays measured one.
struct IndexSum {
    double sum = 0;
    int rays = 0;
};

// A list cell never shows "NaN": a ray that gives no value leaves a dash.
QString cell(double v, const char* pattern) {
    return std::isfinite(v) ? fmt(v, pattern) : QStringLiteral("-");
}

// ---- Sweeps -----------------------------------------------------------------------------

void startSweep(hmiky& w) {
    Program& program = w.program;
    ::List_of_Data& list = program.forms.List_of_Data();
    list.Show();
    list.canvas->Cls();
    program.forms.Grafindex().Show();
    list.clearRows();
    list.canvas->Cls();
    w.canvas->Cls();
}

void sweepRay(hmiky& w, double alphaDeg, IndexSum& indices) {
    Program& program = w.program;
    const RayTrace trace = w.traceRay(alphaDeg);
    w.drawPath(trace.path);
    // The refraction column is in degrees, as the single ray shows it and as the data window
    // reads it when the rows are transferred. A ray that is no measurement (totally reflected,
    // or no refracted light on the protractor) measures nothing, and its row says what
    // happened; it stays out of the mean.
    const UnmeasuredCells nothing = NothingMeasured(trace.totalReflection);
    program.forms.List_of_Data().addRow(
        QString::fromStdString(PlainNumber(trace.incidence * 180 / PI, 7)),
        trace.refrAngleMeasured ? cell(trace.refrAngle * 180 / PI, "0.00") : nothing.refraction,
        trace.indexMeasured ? cell(trace.measuredIndex, "0.0000") : nothing.index);
    if (trace.indexMeasured) {
        indices.sum += trace.measuredIndex;
        ++indices.rays;
    }
}

void finishSweep(hmiky& w, const IndexSum& indices, const QString& meanCaption) {
    Program& program = w.program;
    const ExperimentState& s = program.semi;
    ::List_of_Data& list = program.forms.List_of_Data();
    list.showSettings(QStringLiteral("h= "), QStringLiteral("ANGLE φ="), QStringLiteral("xc = "),
                      QStringLiteral("yc = "), s.rayH, s.tilt, s.xc, s.yc);
    if (indices.rays > 0 && std::isfinite(indices.sum / indices.rays))
        list.canvas->Print(meanCaption + fmt(indices.sum / indices.rays, "0.00"));
    program.forms.Grafindex().zografizo();
    w.Show();
}

// The nine-ray sweep with the settings the scroll bars show.
void RaysSweep(hmiky& w) {
    ExperimentState& s = w.program.semi;
    startSweep(w);
    w.takeGeometry();
    s.rayH = w.settings().h;
    w.drawSceneBase();
    IndexSum indices;
    for (const double a : kSweepAngles)
        sweepRay(w, a, indices);
    finishSweep(w, indices, QStringLiteral("MEAN VALUE OF INDEX Μέσος όρος δείκτη διάθλασης"));
}

// The sweep with a semicircle and rays misplaced at random, the settings hidden.
void RandomRays(hmiky& w) {
    ExperimentState& s = w.program.semi;
    QScrollBar *hvalue = w.hvalue, *xcoor = w.xcoor, *ycoor = w.ycoor, *angle = w.angle;
    startSweep(w);
    if (w.allrandom->isChecked()) {
        // The settings are drawn on the scroll bars' own grid (h x 10, centre x 5, tilt in
        // degrees x 10), so the hidden bars, the drawing and the list labels all agree.
        const int h =
            std::clamp(int(std::lround(RandomUnit() * 10)), hvalue->minimum(), hvalue->maximum());
        const int x =
            std::clamp(int(std::lround(RandomUnit() * 5)), xcoor->minimum(), xcoor->maximum());
        const int y =
            std::clamp(int(std::lround(RandomUnit() * 5)), ycoor->minimum(), ycoor->maximum());
        // The tilt runs to 6 degrees, past the bar's end; a draw beyond it is drawn again, so
        // that 5 degrees is no likelier than any other tilt.
        int t = int(std::lround(RandomTilt() * 10));
        while (t < angle->minimum() || t > angle->maximum()) t = int(std::lround(RandomTilt() * 10));
        hvalue->setValue(h);
        xcoor->setValue(x);
        ycoor->setValue(y);
        angle->setValue(t);
        w.takeGeometry();
        s.rayH = w.settings().h;
    }
    for (QWidget* bar : {static_cast<QWidget*>(angle), static_cast<QWidget*>(xcoor),
                         static_cast<QWidget*>(ycoor), static_cast<QWidget*>(hvalue)})
        bar->setVisible(false);
    // The change handlers have drawn their own scenes; the sweep starts from a clean one.
    w.canvas->Cls();
    w.drawSceneBase();
    IndexSum indices;
    for (const double nominal : kSweepAngles) {
        const double u = RandomFraction();
        const double sign = RandomFraction() > 0.5 ? 1 : -1;
        sweepRay(w, nominal + sign * u, indices);
    }
    finishSweep(w, indices, QStringLiteral("MEAN VALUE OF INDEX Μέσος όρος δείκτη= "));
}

// Parallel rays from one side, traced as free rays.
void sendBeam(hmiky& w, bool fromLeft) {
    ExperimentState& s = w.program.semi;
    w.takeIndex();
    for (const auto& ray : ParallelBeamRays(s, fromLeft)) {
        s.freeRay = ray;
        w.drawFreeRay();
    }
}
} // namespace

void hmiky::Command4_Click() { RaysSweep(*this); }

void hmiky::allrandom_Click() {
    for (QWidget* w : {static_cast<QWidget*>(Label2), static_cast<QWidget*>(Label3),
                       static_cast<QWidget*>(Label4), static_cast<QWidget*>(gon)})
        w->setVisible(false);
    drawSceneBase();
    allrandom->setChecked(true);
    RandomRays(*this);
    exper->setEnabled(true);
}

// ---- Beams, fans and the mouse ----------------------------------------------------------

void hmiky::Paral_Click() {
    ExperimentState& s = program.semi;
    s.radiusR = settings().R;
    canvas->Cls();
    drawSceneBase();
}

void hmiky::leftpar_Click() { sendBeam(*this, true); }
void hmiky::rightpar_Click() { sendBeam(*this, false); }

void hmiky::Form_MouseDown(int button, int /*shift*/, double x, double y) {
    ExperimentState& s = program.semi;
    if (button == 1) {
        drawsemicircle(s.xc, s.yc, s.radiusR);
        drawProtractorMarks(); // the glass drawn again lies under the protractor's marks
        s.freeRay[0] = float(x);
        s.freeRay[1] = float(y);
        canvas->Circle(x, y, 5, canvas->ForeColor);
        s.mouseDownX = float(x);
        s.mouseDownY = float(y);
    } else if (button == 2) {
        takeIndex();
        for (const auto& line : RayFan(s, float(x), float(y))) {
            std::vector<QPointF> points;
            points.reserve(line.size());
            for (const Point& p : line)
                points.emplace_back(p.x, p.y);
            canvas->Polyline(points, green);
        }
    }
}

void hmiky::Form_MouseUp(int button, int /*shift*/, double x, double y) {
    ExperimentState& s = program.semi;
    if (button != 1) return;
    s.freeRay[2] = float(x);
    s.freeRay[3] = float(y);
    canvas->Circle(s.mouseDownX, s.mouseDownY, 5, canvas->ForeColor);
    canvas->Circle(x, y, 5, red);
}

// ---- Critical angle ---------------------------------------------------------------------

void hmiky::kritikal_Click() {
    if (program.semi.semiDirection == 1) {
        program.MsgBox(QStringLiteral("`Change Direction of Semicircle"));
        return;
    }
    if (settings().n < 1) {
        program.MsgBox(QStringLiteral("Try with index>1"));
        return;
    }
    krisimi();
}

void hmiky::krisimi() {
    ExperimentState& s = program.semi;
    takeIndex();
    const std::optional<double> found = ::krisimi(s);
    if (!found) {
        // Searching on past 90 degrees would never end: say so instead.
        program.MsgBox(QStringLiteral("No critical angle was found below 90°  Δεν βρέθηκε "
                                      "κρίσιμη γωνία κάτω από 90°"),
                       QStringLiteral("Critical Angle"));
        return;
    }
    const double a = *found;
    program.MsgBox(QStringLiteral("critical=") + fmt(a, "0.00"), QStringLiteral("Critical Angle"));
    const RayPath path = traceRay(a).path;
    if (path.count >= 2) {
        s.freeRay = {float(path.X(0)), float(path.Y(0)), float(path.X(1)), float(path.Y(1))};
        drawFreeRay();
    }
    drawPath(path, {colours::cyan, colours::darkGrey, colours::darkGrey});
}

// ---- Other windows and the record file --------------------------------------------------

void hmiky::Optimize_Click() {
    ::errors& e = program.forms.errors();
    // Drawn afresh, so the curve belongs to the settings the student sees now.
    e.drawCurve();
    e.Show();
}

void hmiky::fylaxe_Click() { fylakise(); }

void hmiky::fylakise() {
    ExperimentState& s = program.semi;
    takeIndex();
    // The grid is traced on a copy of the state: the window keeps drawing with the student's
    // own settings.
    std::error_code ec;
    std::filesystem::path file = std::filesystem::current_path(ec);
    file = ec ? std::filesystem::path(kRecordFileName) : file / kRecordFileName;
    const RecordFileResult result = WriteRecordFile(s, file, TraceForRecord);
    program.MsgBox(QString::fromStdString(RecordFileMessage(result)));
}
