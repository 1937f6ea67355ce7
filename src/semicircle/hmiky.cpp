#include "semicircle/hmiky.h"
#include "shell/layoutcheck.h"
#include "shell/qformat.h"
#include "shell/colours.h"

#include "records/Grafindex.h"
#include "records/List_of_Data.h"
#include "records/errors.h"
#include "semicircle/model/protractor.h"
#include "semicircle/model/raymodes.h"
#include "shell/graph.h"
#include "shell/model/mathconst.h"
#include "shell/model/numfmt.h"
#include "app/program.h"
#include "app/velmoratimeleti.h"

#include <QSignalBlocker>

#include <cmath>
#include <utility>

using colours::black;
using colours::blue;
using colours::green;
using colours::white;

double SemicircleSettings::tiltRad() const { return tiltDeg * PI / 180; }

SemicircleSettings hmiky::settings() const {
    SemicircleSettings set;
    set.n = Indexn->value() / SemicircleSettings::kIndexSteps;
    set.R = HScroll1->value();
    set.xc = xcoor->value() / SemicircleSettings::kCentreSteps;
    set.yc = ycoor->value() / SemicircleSettings::kCentreSteps;
    set.h = hvalue->value() / SemicircleSettings::kHSteps;
    set.tiltDeg = angle->value() / SemicircleSettings::kTiltSteps;
    return set;
}

void hmiky::takeGeometry() {
    ExperimentState& s = program.semi;
    const SemicircleSettings set = settings();
    s.radiusR = set.R;
    s.xc = set.xc;
    s.yc = set.yc;
    s.tilt = set.tiltRad();
}

double hmiky::takeIndex() { return program.semi.indexN = settings().n; }

hmiky::hmiky(Program& p)
    : Form("hmiky", QStringLiteral("SIMULATION EΞOMOIΩΣH TOY ΠEIΠAMATOΣ")), program(p) {
    canvas->setFontName("Courier New");
    canvas->setBackColor(white);

    auto button = [this](const QString& caption) {
        auto* b = new CommandButton(caption, canvas);
        setControlFont(b, "Arial", 8);
        return b;
    };
    Command1 = button(QStringLiteral("GIVE INCIDENCE ANGLE      Δώσε γωνία Πρόσπτωσης"));
    Command2 = button(QStringLiteral("erase ΚΑΘΑΡΙΣΕ"));
    Command3 = button(QStringLiteral("BACK ΠΙΣΩ"));
    Command4 = button(QStringLiteral(
        "RAYS FOR incidence = 0° to 90°      Ακτίνες για Γωνίες πρόσπτωσης  0-90°"));
    cmdend = button(QStringLiteral("END Τέλος"));

    auto text = [this](const QString& t) {
        auto* e = new QLineEdit(t, canvas);
        e->setReadOnly(true);
        e->setFrame(false);
        // Show a long text from its start, not scrolled to its end, and the whole of it: on a
        // small window in a smaller letter.
        connect(e, &QLineEdit::textChanged, e, [e] {
            e->setCursorPosition(0);
            ShrinkToFit(e, 8, 6);
        });
        setControlFont(e, "Arial", 8);
        return e;
    };
    aktis = text(QStringLiteral("Text1"));
    gon = text(QString());
    auto label = [this](const QString& t) {
        QLabel* l = makeLabel(t, canvas);
        setControlFont(l, "Arial", 8);
        return l;
    };
    Indexnt = label(QString());
    Label4 = label(QStringLiteral("h=ακτίνα y's y(0)="));
    Label3 = label(QStringLiteral("xc"));
    Label2 = label(QStringLiteral("yc"));

    HScroll1 = makeHScroll(canvas, 20, 145, 100, 5, 30, [this] { HScroll1_Change(); });
    Indexn = makeHScroll(canvas, 5, 20, 15, 1, 1, [this] { Indexn_Change(); });
    angle = makeHScroll(canvas, -50, 50, 0, 2, 5, [this] { angle_Change(); });
    hvalue = makeHScroll(canvas, -20, 20, 0, 1, 1, [this] { hvalue_Change(); });
    xcoor = makeHScroll(canvas, -5, 5, 0, 1, 1, [this] { xcoor_Change(); });
    ycoor = makeHScroll(canvas, -5, 5, 0, 1, 1, [this] { ycoor_Change(); });

    exper = addMenu(QStringLiteral("EXPERIMENT"));
    allrandom = addItem(exper, QStringLiteral("ALL RANDOM"), true);
    Paral = addSubMenu(exper, QStringLiteral("PARALLEL"));
    rightpar = addItem(Paral, QStringLiteral("FROM THE RIGHT"));
    leftpar = addItem(Paral, QStringLiteral("FROM LEFT"));
    moreless = addMenu(QStringLiteral("CHOOSE DIRECTION OF SEMICIRCLE"));
    Raref = addItem(moreless, QStringLiteral("TO THE RIGHT"), true);
    moredens = addItem(moreless, QStringLiteral("TO THE LEFT"), true);
    moredens->setChecked(true);
    kritikal = addTopItem(QStringLiteral("CRITICAL ANGLE"));
    sygr = addMenu(QStringLiteral("COMPARISONS"));
    Optimize = addItem(sygr, QStringLiteral("BEST SEMICIRCLE"));
    fylaxe = addItem(sygr, QStringLiteral("Δημιουργία αρχείου για δεδομένες τιμές"));

    Command1->Click = [this] { Command1_Click(); };
    Command2->Click = [this] { Command2_Click(); };
    Command3->Click = [this] { Command3_Click(); };
    Command4->Click = [this] { Command4_Click(); };
    cmdend->Click = [this] { cmdend_Click(); };
    onClick(allrandom, [this] { allrandom_Click(); });
    // The PARALLEL entry redraws the semicircle as its submenu opens.
    connect(Paral, &QMenu::aboutToShow, this, [this] { Paral_Click(); });
    onClick(rightpar, [this] { rightpar_Click(); });
    onClick(leftpar, [this] { leftpar_Click(); });
    onClick(Raref, [this] { Raref_Click(); });
    onClick(moredens, [this] { moredens_Click(); });
    onClick(kritikal, [this] { kritikal_Click(); });
    onClick(Optimize, [this] { Optimize_Click(); });
    onClick(fylaxe, [this] { fylaxe_Click(); });
}

void hmiky::Form_Load() {
    ExperimentState& s = program.semi;
    placeOnScreen(); // square at 9/10 of the screen height: the drawing surface is square
    canvas->Scale(-200, 200, 200, -200);

    // Settings in the upper corners, outside the protractor; buttons along the bottom.
    // The radius and angle texts run on over the free corner, so that they read whole on a
    // small screen too.
    const double rowH = -10, colW = 84, textW = 120;
    place(Indexnt, -199, 199, colW, rowH);
    place(Indexn, -199, 189, colW, rowH);
    place(aktis, -199, 178, textW, rowH);
    place(HScroll1, -199, 168, colW, rowH);
    place(gon, -199, 157, textW, rowH);
    place(angle, -199, 147, colW, rowH);
    place(Label4, 199 - colW, 199, colW, rowH);
    place(hvalue, 199 - colW, 189, colW, rowH);
    place(Label3, 199 - colW, 178, colW, rowH);
    place(xcoor, 199 - colW, 168, colW, rowH);
    place(Label2, 199 - colW, 157, colW, rowH);
    place(ycoor, 199 - colW, 147, colW, rowH);
    place(cmdend, -200, -150, 40, -24);
    place(Command1, -160, -150, 90, -24);
    place(Command4, -70, -150, 120, -24);
    place(Command3, 140, -150, 58, -24);
    place(Command2, 140, -126, 58, -24);

    s.indexN = 1.5;
    s.radiusR = 100;
    aktis->setText(QStringLiteral("Semicircle Radius=") + fmt(s.radiusR, "0.0"));
    Indexnt->setText(QStringLiteral("n=") + fmt(s.indexN, "0.0"));
    HScroll1->setValue(int(std::lround(s.radiusR)));
    s.tilt = 0;
    s.xc = s.yc = s.rayH = 0;
    s.semiDirection = 1;
    s.incidence = 0;
    s.incidenceDeg = 0;
    DrawRayScene(s.rayH, s.xc, s.yc, s.tilt);
}

void hmiky::drawsemicircle(double x, double y, double /*r: the radius drawn is radiusR*/) {
    ExperimentState& s = program.semi;
    Canvas& c = *canvas;
    c.FillStyle = 0;
    const double a = -PI / 2 - s.tilt;
    if (a > -2 * PI && a < 0)
        s.arcStart = a;
    else if (a == 0)
        s.arcStart = -0.001; // a start of 0 could not carry the minus that draws the radius
    else if (a > 0)
        s.arcStart = PI / 2 - s.tilt;
    const double b = -3 * PI / 2 - s.tilt;
    if (b < -2 * PI)
        s.arcEnd = float(b + 2 * PI);
    else if (b > -2 * PI)
        s.arcEnd = float(b);
    c.FillColor = colours::darkRed;
    c.FillStyle = 0;
    if (s.semiDirection == 1)
        c.Circle(x, y, s.radiusR, black, s.arcStart, s.arcEnd);
    else
        c.Circle(x, y, s.radiusR, black, s.arcEnd, s.arcStart);
    const double dx = s.radiusR * std::cos(s.tilt), dy = s.radiusR * std::sin(s.tilt);
    if (s.semiDirection == 1)
        c.Line(x, y, x - dx, y - dy, colours::yellow);
    else
        c.Line(x, y, x + dx, y + dy, colours::yellow);
    c.FillColor = white;
}

void hmiky::drawAxes() {
    canvas->Line(-200, 0, 200, 0, black);
    canvas->Line(0, -200, 0, 200, black);
}

void hmiky::drawSceneBase() {
    ExperimentState& s = program.semi;
    canvas->FillColor = white;
    canvas->Circle(0, 0, 150, black);
    drawAxes();
    canvas->FillStyle = 0;
    drawsemicircle(s.xc, s.yc, s.radiusR);
    // Over the glass, as a student sees the protractor through it.
    drawProtractorMarks();
}

std::vector<hmiky::PlacedNumber> hmiky::placeProtractorNumbers() const {
    const Canvas& c = *canvas;
    const double perUnit = std::fabs(c.pixelsPerUnitX());
    std::vector<PlacedNumber> placed;
    if (!(perUnit > 0)) return placed;
    const QFontMetricsF fm = Canvas::MetricsOf(c.font_);
    const QRectF surface(0, 0, c.width(), c.height());
    std::vector<QRectF> controls;
    for (const QWidget* w : c.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!w->isHidden()) controls.push_back(QRectF(w->geometry()));
    auto free = [&](const QRectF& r) {
        if (!surface.contains(r)) return false;
        for (const QRectF& k : controls)
            if (k.intersects(r)) return false;
        return true;
    };
    const double gapPx = 2;
    for (const ProtractorNumber& n : ProtractorMarks().numbers) {
        const QString text = QString::number(n.degrees);
        const QSizeF size(fm.horizontalAdvance(text), fm.height());
        auto at = [&](bool outside) {
            const Point m =
                ProtractorNumberCentre(n.direction, size.width() / 2 / perUnit,
                                       size.height() / 2 / perUnit, gapPx / perUnit, outside);
            QRectF r(QPointF(0, 0), size);
            r.moveCenter(c.toPixel(m.x, m.y));
            // A number on an axis stands beside it, never struck through by it.
            const QPointF origin = c.toPixel(0, 0);
            const int quarter = int(std::lround(n.direction)) % 360;
            if (quarter == 0 || quarter == 180) r.moveBottom(origin.y() - 1);
            if (quarter == 90 || quarter == 270) r.moveLeft(origin.x() + gapPx);
            return r;
        };
        // Beyond the circle, where no ray crosses it; within the marks where a button
        // covers that place.
        QRectF r = at(true);
        if (!free(r)) r = at(false);
        placed.push_back({text, r, free(r)});
    }
    return placed;
}

void hmiky::drawProtractorMarks() {
    Canvas& c = *canvas;
    DrawModelDrawing(c, ProtractorMarks().marks);

    const QFont font = c.font_;
    const QColor fore = c.ForeColor;
    c.setFontName(QStringLiteral("Arial"));
    c.setFontItalic(false);
    c.setFontBold(false);
    // The largest letter at which the numbers stand clear of one another, of the controls and
    // of the window's edges.
    // Apart by a few pixels, so that two numbers never read as one.
    const auto apart = [](const PlacedNumber& a, const PlacedNumber& b) {
        return !a.box.adjusted(-2, -1, 2, 1).intersects(b.box.adjusted(-2, -1, 2, 1));
    };
    std::vector<PlacedNumber> placed;
    c.FitFontSize(8, 5, [&] {
        placed = placeProtractorNumbers();
        for (std::size_t i = 0; i < placed.size(); ++i) {
            if (!placed[i].clear) return false;
            for (std::size_t j = i + 1; j < placed.size(); ++j)
                if (!apart(placed[i], placed[j])) return false;
        }
        return true;
    });
    // On a window too small for all of them even in the smallest letter, the numbers every
    // 30 degrees come first and a number that would touch one already kept is left out: the
    // marks still count the degrees between.
    std::stable_sort(placed.begin(), placed.end(), [](const PlacedNumber& a, const PlacedNumber& b) {
        return (a.text.toInt() % 30 == 0) > (b.text.toInt() % 30 == 0);
    });
    std::vector<PlacedNumber> kept;
    for (const PlacedNumber& n : placed)
        if (n.clear && std::all_of(kept.begin(), kept.end(), [&](const PlacedNumber& k) { return apart(n, k); }))
            kept.push_back(n);
    placed = kept;
    c.ForeColor =
        QColor(kProtractorNumberColour.r, kProtractorNumberColour.g, kProtractorNumberColour.b);
    for (const PlacedNumber& n : placed) {
        const QPointF topLeft = c.toUser(n.box.topLeft());
        c.PrintAt(topLeft.x(), topLeft.y(), n.text);
    }
    c.font_ = font;
    c.ForeColor = fore;
}

void hmiky::keepMeasurement(const RayTrace& trace, double alphaDeg) {
    ExperimentState& s = program.semi;
    s.incidence = trace.incidence;
    s.incidenceDeg = alphaDeg;
    // Where nothing was measured the last measured values stay, marked as not this ray's.
    s.refrAngleMeasured = trace.refrAngleMeasured;
    if (trace.refrAngleMeasured) s.refrAngle = trace.refrAngle;
    s.indexMeasured = trace.indexMeasured;
    if (trace.indexMeasured) s.measuredIndex = trace.measuredIndex;
}

RayTrace hmiky::traceRay(double alphaDeg) {
    ExperimentState& s = program.semi;
    takeIndex();
    const RayTrace trace = TraceRay(s, s.rayH, s.tilt, s.xc, s.yc, alphaDeg);
    keepMeasurement(trace, alphaDeg);
    return trace;
}

void hmiky::drawPath(const RayPath& path, const PathTones& tones) {
    Canvas& c = *canvas;
    if (path.count == 0) return;
    c.CurrentX = path.X(0);
    c.CurrentY = path.Y(0);
    for (int i = 1; i < path.count; ++i)
        c.LineTo(path.X(i), path.Y(i),
                 i == 1 ? tones.first : path.InGlass(i) ? tones.inGlass : tones.outside);
}

void hmiky::drawPath(const RayPath& path) { drawPath(path, {blue, green, blue}); }

void hmiky::drawFreeRay() {
    std::vector<QPointF> points;
    for (const Point& p : TraceFreeRay(program.semi)) points.emplace_back(p.x, p.y);
    canvas->Polyline(points, green);
}

void hmiky::DrawRayScene(double h, double x0, double y0, double theta) {
    ExperimentState& s = program.semi;
    takeIndex();
    const RayScene r = ComputeRayScene(s, h, x0, y0, theta);
    keepMeasurement(r.trace, s.incidenceDeg);
    Canvas& c = *canvas;
    if (r.hasNormal) {
        c.Line(r.e.x, r.e.y, r.normalRight.x, r.normalRight.y, colours::red);
        c.Line(r.e.x, r.e.y, r.normalLeft.x, r.normalLeft.y, colours::red);
    }
    c.Line(r.p1.x, r.p1.y, r.p2.x, r.p2.y, green);
    drawPath(r.trace.path);
}

void hmiky::openExperiment() {
    ExperimentState& s = program.semi;
    s.radiusR = settings().R;
    s.indexN = 1.5;
    s.tilt = 0;
    s.xc = s.yc = s.rayH = 0;
    // The scroll bars show the reset too, so the next handler that reads them keeps the
    // index at 1.5 and the semicircle at the centre.
    const int startIndex = int(std::lround(s.indexN * SemicircleSettings::kIndexSteps));
    for (auto [bar, value] : {std::pair{Indexn, startIndex}, {angle, 0}, {xcoor, 0}, {ycoor, 0},
                              {hvalue, 0}}) {
        const QSignalBlocker quiet(bar);
        bar->setValue(value);
    }

    // A square window at 9/10 of the screen height, with the menu bar above the square drawing
    // surface, so that circles drawn round meet the rays traced in the scale.
    placeOnScreen();
    canvas->Scale(-200, 200, 200, -200);

    setTop(cmdend, -150);
    setLeft(cmdend, -200);
    setLeft(Command1, -200 + Width(cmdend));
    setTop(Command1, -150);
    setTop(Command3, -150);
    setTop(Command4, -150);
    setTop(Command2, Top(Command3) + Height(Command3)); // just above Command3
    setLeft(Command4, -200 + Width(cmdend) + Width(Command1));
    // The buttons grow and shrink with the window: on a small screen their captions take a
    // smaller letter rather than spill out.
    for (QWidget* b : std::initializer_list<QWidget*>{Command1, Command2, Command3, Command4, cmdend,
                                                      aktis, gon})
        ShrinkToFit(b, 8, 6);

    drawSceneBase();
    Show();
    DrawRayScene(s.rayH, s.xc, s.yc, s.tilt);

    Indexnt->setText(QStringLiteral("Δείκτης  n = ") + fmt(s.indexN, "0.00"));
    gon->setText(QStringLiteral("Angle with Y Γωνία με άξοναY=") + fmt(s.tilt, "0.00"));
    Label4->setText(QStringLiteral("h(Ray's y(0)=") + fmt(s.rayH, "0.00"));
    Label3->setText(QStringLiteral("xc=") + fmt(s.xc, "0.00"));
    Label2->setText(QStringLiteral("yc=") + fmt(s.yc, "0.00"));

    program.forms.List_of_Data().placeOnScreen(); // beside this window, half the screen high
}

void hmiky::angle_Change() {
    ExperimentState& s = program.semi;
    canvas->Cls();
    program.forms.Grafindex().canvas->Cls();
    takeGeometry();
    program.forms.List_of_Data().Label2->setText(QStringLiteral("ANGLE  Γωνία= ") +
                                                 fmt(settings().tiltDeg, "0.00"));
    drawSceneBase();
    gon->setText(QStringLiteral("Angle of Diameter with Y-axis=") + fmt(s.tilt * 180 / PI, "0.0"));
    traceRay(s.incidenceDeg);
}

void hmiky::xcoor_Change() {
    ExperimentState& s = program.semi;
    canvas->Cls();
    program.forms.Grafindex().canvas->Cls();
    takeGeometry();
    program.forms.List_of_Data().Label3->setText(QStringLiteral("xc = ") + fmt(s.xc, "0.00"));
    Label3->setText(QStringLiteral("xc=") + fmt(s.xc, "0.00"));
    drawSceneBase();
    traceRay(s.incidenceDeg);
}

void hmiky::ycoor_Change() {
    ExperimentState& s = program.semi;
    canvas->Cls();
    program.forms.Grafindex().canvas->Cls();
    takeGeometry();
    program.forms.List_of_Data().Label4->setText(QStringLiteral("yc = ") + fmt(s.yc, "0.00"));
    Label2->setText(QStringLiteral("yc=") + fmt(s.yc, "0.00"));
    drawSceneBase();
    traceRay(s.incidenceDeg);
}

void hmiky::hvalue_Change() {
    ExperimentState& s = program.semi;
    s.hvalueRaw = hvalue->value();
    s.rayH = settings().h;
    program.forms.List_of_Data().Label1->setText(QStringLiteral("h=") + fmt(s.rayH, "0.00"));
    canvas->Cls();
    program.forms.Grafindex().canvas->Cls();
    s.radiusR = settings().R;
    Label4->setText(QStringLiteral("h(y(0) ray'2 =  ") + fmt(s.rayH, "0.00"));
    drawSceneBase();
    traceRay(s.incidenceDeg);
}

void hmiky::HScroll1_Change() {
    ExperimentState& s = program.semi;
    // The centre is read as the centre scroll bars show it everywhere else (value / 5).
    takeGeometry();
    aktis->setText(QStringLiteral("Semicircle's Radius= ") + fmt(s.radiusR, "0.0"));
    canvas->Cls();
    gon->setText(QStringLiteral("angle=") + fmt(settings().tiltDeg, "0.00") +
                 QStringLiteral("°"));
    drawSceneBase();
}

void hmiky::Indexn_Change() {
    ExperimentState& s = program.semi;
    takeIndex();
    program.forms.Grafindex().canvas->Cls();
    Indexnt->setText(QStringLiteral(" n= ") + fmt(s.indexN, "0.00"));
}

void hmiky::Form_Click() {
    ExperimentState& s = program.semi;
    canvas->Cls();
    takeGeometry();
    // The protractor is left out: a click shows the glass on its axes alone.
    drawAxes();
    canvas->FillStyle = 0;
    drawsemicircle(s.xc, s.yc, s.radiusR);
    takeIndex();
    Indexnt->setText(QStringLiteral("n= ") + fmt(s.indexN, "0.00"));
}

void hmiky::Raref_Click() {
    ExperimentState& s = program.semi;
    s.semiDirection = 2;
    moredens->setChecked(false);
    Raref->setChecked(true);
    canvas->Cls();
    drawSceneBase();
}

void hmiky::moredens_Click() {
    ExperimentState& s = program.semi;
    moredens->setChecked(true);
    Raref->setChecked(false);
    s.semiDirection = 1;
    drawSceneBase();
}

void hmiky::Command2_Click() {
    ExperimentState& s = program.semi;
    canvas->Cls();
    program.forms.Grafindex().Hide();
    s.rayH = 0;
    s.tilt = 0;
    s.xc = s.yc = 0;
    xcoor->setValue(0);
    ycoor->setValue(0);
    angle->setValue(0);
    hvalue->setValue(0);
    ::List_of_Data& list = program.forms.List_of_Data();
    list.canvas->Cls();
    list.clearRows();
    canvas->Cls();
    drawAxes();
}

void hmiky::Command3_Click() {
    Hide();
    program.forms.List_of_Data().Hide();
    program.forms.errors().Hide();
    program.forms.Grafindex().Hide();
    program.forms.velmoratimeleti().Show();
}

void hmiky::cmdend_Click() { program.End(); }

void hmiky::Command1_Click() {
    ExperimentState& s = program.semi;
    // Asked before anything is cleared, so that a refused answer changes nothing.
    const QString answer = program.InputBox(
        QStringLiteral("WHAT IS THE INCIDENCE ANGLE Πόση είναι η γωνία πρόσπτωσης ως προς το "
                       "ημικύκλιο?"),
        QStringLiteral("incidence angle"));
    static constexpr Accepts kIncidence{-360, 360};
    const std::optional<double> typed = ReadTyped(answer.toStdString(), kIncidence);
    if (!typed) {
        program.MsgBox(QString::fromStdString(
            RefusalText("Incidence angle", "Γωνία πρόσπτωσης", kIncidence)));
        return;
    }
    ::List_of_Data& list = program.forms.List_of_Data();
    list.Show();
    list.clearRows();
    program.forms.Grafindex().canvas->Cls();
    for (QWidget* w : {static_cast<QWidget*>(Label2), static_cast<QWidget*>(Label3),
                       static_cast<QWidget*>(Label4), static_cast<QWidget*>(gon),
                       static_cast<QWidget*>(xcoor), static_cast<QWidget*>(ycoor),
                       static_cast<QWidget*>(hvalue), static_cast<QWidget*>(angle)})
        w->setVisible(true);
    program.forms.Grafindex().Hide();
    canvas->Cls();
    drawSceneBase();
    drawAxes();

    const double given = *typed;
    const RayTrace trace = traceRay(given);
    drawPath(trace.path);
    provoli2();
    // Where the ray is no measurement the row says what happened to its light; a ray at 0 or
    // 180 degrees has no ratio of sines to take, and its index cell stays empty.
    const UnmeasuredCells nothing = NothingMeasured(trace.totalReflection);
    list.addRow(fmt(s.incidence * 180 / PI, "0.00"),
                trace.refrAngleMeasured ? fmt(trace.refrAngle * 180 / PI, "0.00")
                                        : nothing.refraction,
                trace.indexMeasured       ? fmt(trace.measuredIndex, "0.00")
                : trace.refrAngleMeasured ? QString()
                                          : nothing.index);
    provoli2Labels();
}

void hmiky::provoli2Labels() {
    const ExperimentState& s = program.semi;
    program.forms.List_of_Data().showSettings(QStringLiteral("h="), QStringLiteral("angle φ="),
                                              QStringLiteral("xc="), QStringLiteral("yc="),
                                              s.rayH, s.tilt, s.xc, s.yc);
}

void hmiky::provoli2() {
    program.forms.List_of_Data().clearRows();
    provoli2Labels();
}

void hmiky::provoli() { provoli2(); }
