#include "ptolemy/ptolemaios.h"

#include "shell/colours.h"
#include "shell/layoutcheck.h"
#include "shell/model/mathconst.h"
#include "shell/qformat.h"

#include <QSignalBlocker>

#include <cmath>

namespace {
constexpr double kDeg = PI / 180;
constexpr double R = kPtolemyRadius;
constexpr double kBody = 3; // the small bodies' size
} // namespace

ptolemaios::ptolemaios(PtolemyReconstruction& part)
    : Form("ptolemaios", QStringLiteral("PTOLEMY'S METHOD")), part_(part) {
    setBackColor(RGB(255, 255, 255));
    goniaprosptosis = makeHScroll(canvas, 1, 88, 30, 1, 5, [this] { goniaprosptosis_Change(); });
    dgonia = makeHScroll(canvas, 1, 20, 1, 1, 2, [this] { dgonia_Change(); });
    metatopisipar = makeHScroll(canvas, -200, 300, 50, 1, 20, [this] { metatopisipar_Change(); });
    Command1 = new CommandButton(QStringLiteral("HIDE"), canvas);
    Command1->Click = [this] { Command1_Click(); };
    Label1 = makeLabel(QString(), canvas);
    Label2 = makeLabel(QString(), canvas);
    Label3 = makeLabel(QString(), canvas);
    connection_ = part_.changed.connect([this](const PtolemyChange& c) {
        if (c.what == PtolemyChange::Apparatus) drawScene(c);
    });
}

void ptolemaios::placeControls() {
    // Above and below the disc, in the corners its rim leaves free.
    place(Label1, -198, 189, 196, 11);
    place(goniaprosptosis, -198, 176, 196, 8);
    place(dgonia, 4, 176, 80, 8);
    place(Label3, 88, 176, 110, 18);
    place(Label2, -198, -155, 290, 22);
    place(metatopisipar, -198, -179, 290, 8);
    place(Command1, 100, -155, 98, 24);
}

void ptolemaios::Form_Load() {
    DrawPtolemyExperiment();
    Label1->setText(QStringLiteral("ANGLE IN WATER γωνία στο νερό = ") + fmt(goniaprosptosis->value(), "0"));
    Label2->setText(QStringLiteral("POSITION IN AIR θέση στον αέρα = ") + fmt(metatopisipar->value(), "0"));
    setTop(Label3, Top(dgonia));
    Label3->setText(QStringLiteral("ANGLE OF TARGET Γωνία στόχου =") + fmt(tau(), "0.0"));
    fitLabels();
}

void ptolemaios::fitLabels() {
    // The labels keep to their corners of a small window in a smaller letter.
    for (QLabel* l : {Label1, Label2, Label3}) ShrinkToFit(l, 9, 6);
}

void ptolemaios::goniaprosptosis_Change() {
    if (drawing_) return; // the drawing itself sets the final angle
    canvas->Cls();
    Label1->setText(QStringLiteral("ANGLE IN WATER γωνία μέσα στο νερό = ") +
                    fmt(goniaprosptosis->value(), "0"));
    DrawPtolemyExperiment();
}

void ptolemaios::dgonia_Change() {
    canvas->Cls();
    Label3->setText(QStringLiteral("TARGET'S ANGLE Γωνία στόχου =") + fmt(tau(), "0.0"));
    DrawPtolemyExperiment();
}

void ptolemaios::metatopisipar_Change() {
    canvas->Cls();
    Label3->setText(QStringLiteral("ANGLE OF TARGET Γωνία στόχου =") + fmt(tau(), "0.0"));
    DrawPtolemyExperiment();
}

void ptolemaios::drawRay(const PtolemyRay& r, bool dotted) {
    Canvas& c = *canvas;
    c.DrawStyle = dotted ? 2 : 0;
    c.Line(r.target.x, r.target.y, 0, 0);
    c.Line(0, 0, r.exit.x, r.exit.y);
    c.DrawStyle = 0;
}

void ptolemaios::rimArc(double fromDeg, double toDeg, bool inAir, const QColor& colour) {
    // Angles from the upward vertical towards the left (in air) or from the downward
    // vertical towards the right (in water).
    const double sign = inAir ? -1 : 1, up = inAir ? 1 : -1;
    const int steps = std::max(1, int(std::ceil(std::fabs(toDeg - fromDeg) * 2)));
    canvas->CurrentX = sign * R * std::sin(fromDeg * kDeg);
    canvas->CurrentY = up * R * std::cos(fromDeg * kDeg);
    for (int k = 1; k <= steps; ++k) {
        const double a = (fromDeg + (toDeg - fromDeg) * k / steps) * kDeg;
        canvas->LineTo(sign * R * std::sin(a), up * R * std::cos(a), colour);
    }
}

void ptolemaios::DrawPtolemyExperiment() {
    // Both windows open where they are placed: the apparatus square in the upper left, the
    // observation under it, clear of the note on the right half. A redraw leaves them where
    // the student has put them.
    if (!isVisible()) placeOnScreen();
    Show();
    canvas->Scale(-200, 190, 200, -190);
    placeControls();
    ShowWindow(QStringLiteral("EMFANISI"));
    part_.setApparatus(goniaprosptosis->value(), dgonia->value(), metatopisipar->value());
}

void ptolemaios::drawScene(const PtolemyChange& change) {
    drawing_ = true;
    const PtolemyScene scene = part_.scene();
    Canvas& c = *canvas;
    // The angle in water is lowered until the ray and both edges of the target leave the
    // water; the student hears of a lost edge once for this change, not once a degree.
    const QString lowered =
        QStringLiteral("ANGLE IN WATER γωνία μέσα στο νερό = ") + fmt(scene.w, "0") + QStringLiteral("°");
    if (scene.w != goniaprosptosis->value()) Label1->setText(lowered);
    if (change.message) MsgBox(QString::fromStdString(*change.message));

    c.Cls();
    c.ForeColor = RGB(0, 0, 0);
    c.DrawWidth = 1;
    c.DrawStyle = 0;
    c.Line(-200, 0, 200, -200, RGB(0, 255, 255), Canvas::BoxFilled);
    c.Circle(0, 0, kBody / 2, RGB(0, 0, 0));
    setTop(Label3, Top(dgonia));
    Label3->setText(QStringLiteral("TARGET'S ANGLE Γωνία στόχου =") + fmt(scene.tau, "0.0") + QStringLiteral("°"));
    for (int k = 1; k <= 360; ++k)
        c.Line(R * std::cos(k * kDeg), R * std::sin(k * kDeg), R * std::cos((k + 1) * kDeg),
               R * std::sin((k + 1) * kDeg));
    c.Line(-200, 0, 200, 0);
    c.Line(0, -200, 0, 200);

    // The target on the rim under water, the straight line from it through E (dotted), and
    // its two edges traced the same way, the second in red.
    c.DrawWidth = 4;
    rimArc(scene.lowerEdge.water, scene.upperEdge.water, false, RGB(255, 0, 255));
    c.DrawWidth = 1;
    c.DrawStyle = 2;
    c.Line(0, 0, -scene.centre.target.x, -scene.centre.target.y);
    c.DrawStyle = 0;
    drawRay(scene.lowerEdge, true);
    c.ForeColor = RGB(255, 0, 0);
    drawRay(scene.upperEdge, true);
    c.ForeColor = RGB(0, 0, 0);
    c.Line(scene.centre.target.x, scene.centre.target.y, 0, 0);

    Label2->setText(QString::fromStdString(scene.label2));

    // The ray in air, the body on the rim, and the point the body's direction matches in water.
    c.ForeColor = RGB(0, 0, 255);
    c.DrawWidth = 2;
    c.Line(0, 0, scene.centre.exit.x, scene.centre.exit.y);
    c.DrawWidth = 4;
    rimArc(scene.bodyFrom, scene.bodyTo, true, RGB(55, 155, 0));
    c.DrawStyle = 0;
    c.DrawWidth = 1;
    c.ForeColor = RGB(0, 0, 0);
    {
        const QSignalBlocker quiet(goniaprosptosis);
        goniaprosptosis->setValue(int(scene.w));
    }
    Label1->setText(lowered);
    fitLabels();
    c.DrawWidth = 5;
    c.PSet(scene.expectedMark.x, scene.expectedMark.y);
    c.DrawWidth = 1;
    drawing_ = false;
}

void ptolemaios::Command1_Click() {
    Hide();
    HideWindow(QStringLiteral("EMFANISI"));
    part_.explain();
}
