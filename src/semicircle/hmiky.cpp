#include "semicircle/hmiky.h"
#include "shell/layoutcheck.h"
#include "shell/qformat.h"
#include "shell/colours.h"

#include "semicircle/model/protractor.h"
#include "semicircle/model/raymodes.h"
#include "shell/graph.h"
#include "shell/model/mathconst.h"
#include "shell/model/numfmt.h"

#include <QSignalBlocker>

#include <cmath>
#include <utility>

using colours::black;
using colours::blue;
using colours::green;
using colours::white;

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
    const SemicircleSettings set = settings();
    experiment.setGeometry(set.R, set.xc, set.yc, set.tiltDeg);
}

void hmiky::takeIndex() { experiment.setIndex(settings().n); }

hmiky::hmiky(Experiment& e)
    : Form("hmiky", QStringLiteral("SIMULATION EΞOMOIΩΣH TOY ΠEIΠAMATOΣ")), experiment(e) {
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
    Experiment& s = experiment;
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

    s.setIndex(1.5);
    s.setRadius(100);
    aktis->setText(QStringLiteral("Semicircle Radius=") + fmt(s.radiusR(), "0.0"));
    Indexnt->setText(QStringLiteral("n=") + fmt(s.indexN(), "0.0"));
    HScroll1->setValue(int(std::lround(s.radiusR())));
    s.centre();
    s.setDirection(1);
    DrawRayScene(); // at the experiment's first incidence, 0
}

void hmiky::drawsemicircle(double x, double y, double /*r: the radius drawn is radiusR*/) {
    const Experiment& s = experiment;
    Canvas& c = *canvas;
    c.FillStyle = 0;
    const SemicircleArc arc = experiment.takeArc();
    c.FillColor = colours::darkRed;
    c.FillStyle = 0;
    const double R = s.radiusR(), tilt = s.tilt();
    if (s.semiDirection() == 1)
        c.Circle(x, y, R, black, arc.arcStart, arc.arcEnd);
    else
        c.Circle(x, y, R, black, arc.arcEnd, arc.arcStart);
    const double dx = R * std::cos(tilt), dy = R * std::sin(tilt);
    if (s.semiDirection() == 1)
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
    canvas->FillColor = white;
    canvas->Circle(0, 0, 150, black);
    drawAxes();
    canvas->FillStyle = 0;
    drawsemicircle(experiment.xc(), experiment.yc(), experiment.radiusR());
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

RayTrace hmiky::traceRay(double alphaDeg) {
    takeIndex();
    return experiment.trace(alphaDeg);
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

void hmiky::drawFreeRay(const std::vector<Point>& line) {
    std::vector<QPointF> points;
    points.reserve(line.size());
    for (const Point& p : line)
        points.emplace_back(p.x, p.y);
    canvas->Polyline(points, green);
}

void hmiky::DrawRayScene() {
    takeIndex();
    const RayScene r = experiment.rayScene();
    Canvas& c = *canvas;
    if (r.hasNormal) {
        c.Line(r.e.x, r.e.y, r.normalRight.x, r.normalRight.y, colours::red);
        c.Line(r.e.x, r.e.y, r.normalLeft.x, r.normalLeft.y, colours::red);
    }
    c.Line(r.p1.x, r.p1.y, r.p2.x, r.p2.y, green);
    drawPath(r.trace.path);
}

void hmiky::openExperiment() {
    const Experiment& s = experiment;
    experiment.open(settings().R);
    // The scroll bars show the reset too, so the next handler that reads them keeps the
    // index at 1.5 and the semicircle at the centre.
    const int startIndex = int(std::lround(s.indexN() * SemicircleSettings::kIndexSteps));
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
    DrawRayScene();

    Indexnt->setText(QStringLiteral("Δείκτης  n = ") + fmt(s.indexN(), "0.00"));
    gon->setText(QStringLiteral("Angle with Y Γωνία με άξοναY=") + fmt(s.tilt(), "0.00"));
    Label4->setText(QStringLiteral("h(Ray's y(0)=") + fmt(s.rayH(), "0.00"));
    Label3->setText(QStringLiteral("xc=") + fmt(s.xc(), "0.00"));
    Label2->setText(QStringLiteral("yc=") + fmt(s.yc(), "0.00"));
}

void hmiky::angle_Change() {
    const Experiment& s = experiment;
    canvas->Cls();
    experiment.clearIndexGraph();
    takeGeometry();
    experiment.setListLabel(1, "ANGLE  Γωνία= " + Format(s.tiltDeg(), "0.00"));
    drawSceneBase();
    gon->setText(QStringLiteral("Angle of Diameter with Y-axis=") +
                 fmt(s.tilt() * 180 / PI, "0.0"));
    traceRay(s.incidenceDeg());
}

void hmiky::xcoor_Change() {
    const Experiment& s = experiment;
    canvas->Cls();
    experiment.clearIndexGraph();
    takeGeometry();
    experiment.setListLabel(2, "xc = " + Format(s.xc(), "0.00"));
    Label3->setText(QStringLiteral("xc=") + fmt(s.xc(), "0.00"));
    drawSceneBase();
    traceRay(s.incidenceDeg());
}

void hmiky::ycoor_Change() {
    const Experiment& s = experiment;
    canvas->Cls();
    experiment.clearIndexGraph();
    takeGeometry();
    experiment.setListLabel(3, "yc = " + Format(s.yc(), "0.00"));
    Label2->setText(QStringLiteral("yc=") + fmt(s.yc(), "0.00"));
    drawSceneBase();
    traceRay(s.incidenceDeg());
}

void hmiky::hvalue_Change() {
    const Experiment& s = experiment;
    experiment.setRayH(settings().h);
    experiment.setListLabel(0, "h=" + Format(s.rayH(), "0.00"));
    canvas->Cls();
    experiment.clearIndexGraph();
    experiment.setRadius(settings().R);
    Label4->setText(QStringLiteral("h(y(0) ray'2 =  ") + fmt(s.rayH(), "0.00"));
    drawSceneBase();
    traceRay(s.incidenceDeg());
}

void hmiky::HScroll1_Change() {
    // The centre is read as the centre scroll bars show it everywhere else (value / 5).
    takeGeometry();
    aktis->setText(QStringLiteral("Semicircle's Radius= ") + fmt(experiment.radiusR(), "0.0"));
    canvas->Cls();
    gon->setText(QStringLiteral("angle=") + fmt(experiment.tiltDeg(), "0.00") +
                 QStringLiteral("°"));
    drawSceneBase();
}

void hmiky::Indexn_Change() {
    takeIndex();
    experiment.clearIndexGraph();
    Indexnt->setText(QStringLiteral(" n= ") + fmt(experiment.indexN(), "0.00"));
}

void hmiky::Form_Click() {
    canvas->Cls();
    takeGeometry();
    // The protractor is left out: a click shows the glass on its axes alone.
    drawAxes();
    canvas->FillStyle = 0;
    drawsemicircle(experiment.xc(), experiment.yc(), experiment.radiusR());
    takeIndex();
    Indexnt->setText(QStringLiteral("n= ") + fmt(experiment.indexN(), "0.00"));
}

void hmiky::Raref_Click() {
    experiment.setDirection(2);
    moredens->setChecked(false);
    Raref->setChecked(true);
    canvas->Cls();
    drawSceneBase();
}

void hmiky::moredens_Click() {
    moredens->setChecked(true);
    Raref->setChecked(false);
    experiment.setDirection(1);
    drawSceneBase();
}

void hmiky::Command2_Click() {
    canvas->Cls();
    HideWindow(QStringLiteral("Grafindex"));
    experiment.centre();
    xcoor->setValue(0);
    ycoor->setValue(0);
    angle->setValue(0);
    hvalue->setValue(0);
    experiment.clearListPicture();
    experiment.clearRows();
    canvas->Cls();
    drawAxes();
}

void hmiky::Command3_Click() {
    Hide();
    for (const char* companion : {"List_of_Data", "errors", "Grafindex"})
        HideWindow(QString::fromLatin1(companion));
    ShowWindow(QStringLiteral("velmoratimeleti"));
}

void hmiky::cmdend_Click() { End(); }

void hmiky::Command1_Click() {
    // Asked before anything is cleared, so that a refused answer changes nothing.
    const QString answer = InputBox(
        QStringLiteral("WHAT IS THE INCIDENCE ANGLE Πόση είναι η γωνία πρόσπτωσης ως προς το "
                       "ημικύκλιο?"),
        QStringLiteral("incidence angle"));
    static constexpr Accepts kIncidence{-360, 360};
    const std::optional<double> typed = ReadTyped(answer.toStdString(), kIncidence);
    if (!typed) {
        MsgBox(
            QString::fromStdString(RefusalText("Incidence angle", "Γωνία πρόσπτωσης", kIncidence)));
        return;
    }
    ShowWindow(QStringLiteral("List_of_Data"));
    experiment.clearRows();
    experiment.clearIndexGraph();
    for (QWidget* w : {static_cast<QWidget*>(Label2), static_cast<QWidget*>(Label3),
                       static_cast<QWidget*>(Label4), static_cast<QWidget*>(gon),
                       static_cast<QWidget*>(xcoor), static_cast<QWidget*>(ycoor),
                       static_cast<QWidget*>(hvalue), static_cast<QWidget*>(angle)})
        w->setVisible(true);
    HideWindow(QStringLiteral("Grafindex"));
    canvas->Cls();
    drawSceneBase();
    drawAxes();

    const RayTrace trace = traceRay(*typed);
    drawPath(trace.path);
    provoli2();
    experiment.addRow(OneRayRow(trace));
    provoli2Labels();
}

void hmiky::provoli2Labels() { experiment.showSettings({"h=", "angle φ=", "xc=", "yc="}); }

void hmiky::provoli2() {
    experiment.clearRows();
    provoli2Labels();
}

void hmiky::provoli() { provoli2(); }
