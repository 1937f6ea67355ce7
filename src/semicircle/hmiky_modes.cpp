// Ray modes of the semicircle window: sweeps, random settings, beams, fans, the critical
// angle, and the entries that hand over to the mean-error window and the record file.
#include "semicircle/hmiky.h"
#include "shell/qformat.h"
#include "shell/colours.h"

#include "semicircle/model/raymodes.h"
#include "shell/model/numfmt.h"

#include <algorithm>
#include <cmath>

namespace {
using colours::green;
using colours::red;

// The nine-ray sweep with the settings the scroll bars show.
void RaysSweep(hmiky& w) {
    w.ShowWindow(QStringLiteral("List_of_Data"));
    w.ShowWindow(QStringLiteral("Grafindex"));
    w.canvas->Cls();
    w.takeGeometry();
    w.experiment.setRayH(w.settings().h);
    w.drawSceneBase();
    w.drawSweep(kSweepAngles, "MEAN VALUE OF INDEX Μέσος όρος δείκτη διάθλασης");
}

// The sweep with a semicircle and rays misplaced at random, the settings hidden.
void RandomRays(hmiky& w) {
    QScrollBar *hvalue = w.hvalue, *xcoor = w.xcoor, *ycoor = w.ycoor, *angle = w.angle;
    w.ShowWindow(QStringLiteral("List_of_Data"));
    w.ShowWindow(QStringLiteral("Grafindex"));
    w.canvas->Cls();
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
        w.experiment.setRayH(w.settings().h);
    }
    for (QWidget* bar : {static_cast<QWidget*>(angle), static_cast<QWidget*>(xcoor),
                         static_cast<QWidget*>(ycoor), static_cast<QWidget*>(hvalue)})
        bar->setVisible(false);
    // The change handlers have drawn their own scenes; the sweep starts from a clean one.
    w.canvas->Cls();
    w.drawSceneBase();
    std::array<double, kSweepAngles.size()> angles{};
    for (std::size_t i = 0; i < angles.size(); ++i) {
        const double u = RandomFraction();
        const double sign = RandomFraction() > 0.5 ? 1 : -1;
        angles[i] = kSweepAngles[i] + sign * u;
    }
    w.drawSweep(angles, "MEAN VALUE OF INDEX Μέσος όρος δείκτη= ");
}

// Parallel rays from one side, traced as free rays.
void sendBeam(hmiky& w, bool fromLeft) {
    w.takeIndex();
    for (const FreeRay& ray : w.experiment.parallelBeam(fromLeft))
        w.drawFreeRay(w.experiment.traceFreeRay(ray));
}
} // namespace

void hmiky::drawSweep(std::span<const double> anglesDeg, std::string_view meanCaption) {
    takeIndex();
    for (const RayTrace& trace : experiment.sweep(anglesDeg, meanCaption))
        drawPath(trace.path);
    Show();
}

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
    experiment.setRadius(settings().R);
    canvas->Cls();
    drawSceneBase();
}

void hmiky::leftpar_Click() { sendBeam(*this, true); }
void hmiky::rightpar_Click() { sendBeam(*this, false); }

void hmiky::Form_MouseDown(int button, int /*shift*/, double x, double y) {
    if (button == 1) {
        drawsemicircle(experiment.xc(), experiment.yc(), experiment.radiusR());
        drawProtractorMarks(); // the glass drawn again lies under the protractor's marks
        experiment.pressMouse(float(x), float(y));
        canvas->Circle(x, y, 5, canvas->ForeColor);
    } else if (button == 2) {
        takeIndex();
        for (const auto& line : experiment.rayFan(float(x), float(y)))
            drawFreeRay(line);
    }
}

void hmiky::Form_MouseUp(int button, int /*shift*/, double x, double y) {
    if (button != 1) return;
    experiment.releaseMouse(float(x), float(y));
    canvas->Circle(experiment.mouseDownX(), experiment.mouseDownY(), 5, canvas->ForeColor);
    canvas->Circle(x, y, 5, red);
}

// ---- Critical angle ---------------------------------------------------------------------

void hmiky::kritikal_Click() {
    if (experiment.semiDirection() == 1) {
        MsgBox(QStringLiteral("`Change Direction of Semicircle"));
        return;
    }
    if (settings().n < 1) {
        MsgBox(QStringLiteral("Try with index>1"));
        return;
    }
    krisimi();
}

void hmiky::krisimi() {
    takeIndex();
    const std::optional<double> found = experiment.criticalAngle();
    if (!found) {
        // Searching on past 90 degrees would never end: say so instead.
        MsgBox(QStringLiteral("No critical angle was found below 90°  Δεν βρέθηκε "
                              "κρίσιμη γωνία κάτω από 90°"),
               QStringLiteral("Critical Angle"));
        return;
    }
    const double a = *found;
    MsgBox(QStringLiteral("critical=") + fmt(a, "0.00"), QStringLiteral("Critical Angle"));
    const RayPath path = traceRay(a).path;
    if (path.count >= 2)
        drawFreeRay(experiment.traceFreeRay(
            {float(path.X(0)), float(path.Y(0)), float(path.X(1)), float(path.Y(1))}));
    drawPath(path, {colours::cyan, colours::darkGrey, colours::darkGrey});
}

// ---- Other windows and the record file --------------------------------------------------

void hmiky::Optimize_Click() {
    // Drawn afresh, so the curve belongs to the settings the student sees now.
    experiment.bestSemicircle();
    ShowWindow(QStringLiteral("errors"));
}

void hmiky::fylaxe_Click() { fylakise(); }

void hmiky::fylakise() {
    takeIndex();
    MsgBox(QString::fromStdString(RecordFileMessage(experiment.fylakise())));
}
