#include "ptolemy/ptolemaios.h"

#include "app/program.h"
#include "data/model/note_figures.h"
#include "shell/graph.h"
#include "shell/layoutcheck.h"
#include "data/analysis.h"
#include "data/incref.h"
#include "ptolemy/EMFANISI.h"
#include "shell/colours.h"
#include "shell/model/mathconst.h"
#include "shell/qformat.h"

#include <QSignalBlocker>

#include <cmath>

namespace {
constexpr double kDeg = PI / 180;
constexpr double R = kPtolemyRadius;
constexpr double kBody = 3; // the small bodies' size

// The explanation: five paragraphs in Greek, then the English.
const QString kExplanation = QStringLiteral(
    "O ΠΤΟΛΕΜΑΙΟΣ (Κλαύδιος), είναι οδιάσημος αρχαίος αστρονόμος, ο πρώτος που μελέτησε πειραματικά το νόμο της διάθλασης. Για το σκοπό αυτό κατασκεύασε μια ειδική συσκευή."
    " Ένας χάλκινος δίσκος ABGD ήταν χωρισμένος σε 4 τεταρτημόρια και βαθμολογημένος σε μοίρες. Στο κέντρο E ήταν στερεωμένο ένα μικρό σώμα."
    " Δύο κινητά σώματα τοποθετούνται στα δύο τεταρτημόρια, κατά μήκος των τόξων DA και BG: ο στόχος Z στο DA και το σώμα H στο BG."
    " Ο δίσκος στέκεται κατακόρυφα, βυθισμένος ως τη διάμετρο DB στο νερό. Με το Z διαλέγεται μια γωνία πρόσπτωσης ZEA."
    " Ο παρατηρητής κοιτάζει κατά μήκος της ακτίνας από το Z και μετακινεί το H ώσπου τα τρία σώματα Z, E, H να φαίνονται στην ίδια ευθεία. Τότε μετρά τη γωνία διάθλασης GEH."
    "                                 PTOLEMY, was the famous ancient astronomer. He was the first to study experimentally REFRACTION'S LAW. For this purpose he built a special  apparatus:"
    " A copper disk ABGD was subdivided into 4 quarters. It was graduated in degrees. One small body is fixed on the center. Two movable bodies (along arcs DA, BG) are put on the two  quarters. Target Z is on DA. H on BG. "
    " An incidence angle is chosen with Z. Then  as the observer  looks  along the radius from Z (angle ZEA), body H is  moved until the 3  bodies  Z, E, H are aligned. Then  the  refraction angle HEG is measured");
} // namespace

ptolemaios::ptolemaios(Program& p) : Form("ptolemaios", QStringLiteral("PTOLEMY'S METHOD")), program(p) {
    setBackColor(RGB(255, 255, 255));
    goniaprosptosis = makeHScroll(canvas, 1, 88, 30, 1, 5, [this] { goniaprosptosis_Change(); });
    dgonia = makeHScroll(canvas, 1, 20, 1, 1, 2, [this] { dgonia_Change(); });
    metatopisipar = makeHScroll(canvas, -200, 300, 50, 1, 20, [this] { metatopisipar_Change(); });
    Command1 = new CommandButton(QStringLiteral("HIDE"), canvas);
    Command1->Click = [this] { Command1_Click(); };
    Label1 = makeLabel(QString(), canvas);
    Label2 = makeLabel(QString(), canvas);
    Label3 = makeLabel(QString(), canvas);
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
    drawing_ = true;
    ::EMFANISI& view = program.forms.EMFANISI();
    Canvas& c = *canvas;
    Canvas& v = *view.canvas;
    // Both windows open where they are placed, before they show: the apparatus square in the
    // upper left, the observation under it, clear of the note on the right half. A redraw
    // leaves them where the student has put them.
    if (!isVisible()) placeOnScreen();
    Show();
    c.Scale(-200, 190, 200, -190);
    placeControls();
    if (!view.isVisible()) view.placeOnScreen();
    view.Show();
    v.Scale(-50, 20, 50, -20);

    // The angle in water is lowered until the ray and both edges of the target leave the
    // water; the student hears of a lost edge once for this change, not once a degree.
    scene_ = ComputePtolemyScene(goniaprosptosis->value(), tau(), metatopisipar->value() / 100.0);
    const QString lowered =
        QStringLiteral("ANGLE IN WATER γωνία μέσα στο νερό = ") + fmt(scene_.w, "0") + QStringLiteral("°");
    if (scene_.lowered) Label1->setText(lowered);
    if (scene_.edgeMessage) program.MsgBox(QString::fromStdString(*scene_.edgeMessage));

    c.Cls();
    v.Cls();
    c.ForeColor = RGB(0, 0, 0);
    c.DrawWidth = 1;
    c.DrawStyle = 0;
    c.Line(-200, 0, 200, -200, RGB(0, 255, 255), Canvas::BoxFilled);
    c.Circle(0, 0, kBody / 2, RGB(0, 0, 0));
    setTop(Label3, Top(dgonia));
    Label3->setText(QStringLiteral("TARGET'S ANGLE Γωνία στόχου =") + fmt(scene_.tau, "0.0") + QStringLiteral("°"));
    for (int k = 1; k <= 360; ++k)
        c.Line(R * std::cos(k * kDeg), R * std::sin(k * kDeg), R * std::cos((k + 1) * kDeg),
               R * std::sin((k + 1) * kDeg));
    c.Line(-200, 0, 200, 0);
    c.Line(0, -200, 0, 200);

    // The target on the rim under water, the straight line from it through E (dotted), and
    // its two edges traced the same way, the second in red.
    c.DrawWidth = 4;
    rimArc(scene_.lowerEdge.water, scene_.upperEdge.water, false, RGB(255, 0, 255));
    c.DrawWidth = 1;
    c.DrawStyle = 2;
    c.Line(0, 0, -scene_.centre.target.x, -scene_.centre.target.y);
    c.DrawStyle = 0;
    drawRay(scene_.lowerEdge, true);
    c.ForeColor = RGB(255, 0, 0);
    drawRay(scene_.upperEdge, true);
    c.ForeColor = RGB(0, 0, 0);
    c.Line(scene_.centre.target.x, scene_.centre.target.y, 0, 0);

    // What the observer sees: the target's image and the body in air, a degree a unit, around
    // the target's expected direction (the line).
    v.Line(-50, scene_.targetLow, 50, scene_.targetHigh, RGB(255, 0, 255), Canvas::BoxFilled);
    v.Line(-50, scene_.targetLow, 50, scene_.targetHigh, RGB(5, 0, 5), Canvas::BoxOutline);
    v.Line(-50, 0, 50, 0);
    v.Line(-50, scene_.bodyLow, 50, scene_.bodyHigh, RGB(55, 155, 0), Canvas::BoxFilled);
    v.Line(-50, scene_.bodyLow, 50, scene_.bodyHigh, RGB(155, 0, 155), Canvas::BoxOutline);
    v.Line(-50, scene_.bodyLow, 50, scene_.bodyHigh, RGB(5, 0, 0), Canvas::BoxOutline);
    // Over the body, or at the foot of the view where the body lies below it.
    const QString inAir = QStringLiteral("iN AIR Στόν αέρα");
    v.PrintAt(-50, std::max(std::min(19.0, scene_.bodyHigh + 2), -20 + std::fabs(v.TextHeight(inAir))), inAir);
    const double bodyMiddle = (scene_.bodyLow + scene_.bodyHigh) / 2;
    v.DrawWidth = 3;
    v.Line(-50, bodyMiddle, 50, bodyMiddle, RGB(0, 255, 0));
    v.DrawWidth = 1;

    Label2->setText(QString::fromStdString(scene_.label2));

    // The ray in air, the body on the rim, and the point the body's direction matches in water.
    c.ForeColor = RGB(0, 0, 255);
    c.DrawWidth = 2;
    c.Line(0, 0, scene_.centre.exit.x, scene_.centre.exit.y);
    c.DrawWidth = 4;
    rimArc(scene_.bodyFrom, scene_.bodyTo, true, RGB(55, 155, 0));
    c.DrawStyle = 0;
    c.DrawWidth = 1;
    c.ForeColor = RGB(0, 0, 0);
    {
        const QSignalBlocker quiet(goniaprosptosis);
        goniaprosptosis->setValue(int(scene_.w));
    }
    Label1->setText(lowered);
    fitLabels();
    c.DrawWidth = 5;
    c.PSet(scene_.expectedMark.x, scene_.expectedMark.y);
    c.DrawWidth = 1;
    drawing_ = false;
}

void ptolemaios::Command1_Click() {
    Hide();
    program.forms.EMFANISI().Hide();
    ::analysis& a = program.forms.analysis();
    a.Show();
    a.showText(kExplanation, 13);

    ::incref& r = program.forms.incref();
    r.Show();
    r.canvas->Cls();
    DrawFigure(*r.canvas, PtolemyFigure("PTOLEMY'S APPARATUS Η συσκευή του Πτολεμαίου"));
}
