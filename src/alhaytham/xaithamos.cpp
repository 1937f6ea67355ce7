// Al Haytham's apparatus: the graduated disc turned by the incidence, half under water, the
// light beam refracted at its centre, and the ruler and stylus that show the incident ray, the
// refracted ray and the perpendicular in one plane.
#include "alhaytham/xaithamos.h"

#include "shell/colours.h"
#include "shell/layoutcheck.h"
#include "shell/qformat.h"

xaithamos::xaithamos(AlHaythamReconstruction& part)
    : Form("xaithamos", QStringLiteral("Πείραμα του Αλ Χαϊθάμ")), part_(part) {
    setBackColor(RGB(255, 255, 255));
    strefo = makeHScroll(canvas, 0, 80, 30, 1, 10, [this] { strefo_Change(); });
    timiepi = makeVScroll(canvas, 0, 10, 0, 1, 2, [this] { timiepi_Change(); });
    Option2 = new OptionButton(QStringLiteral("RULER VISIBLE ΚΑΝΟΝΑΣ ΟΡΑΤΟΣ"), canvas);
    Option1 = new OptionButton(QStringLiteral("RULER IVISIBLEΚΑΝΟΝΑΣ ΑΟΡΑΤΟΣ"), canvas);
    Option1->setValue(true); // before its handler is set: the window starts without the ruler
    Option1->Click = [this] { Option1_Click(); };
    Option2->Click = [this] { Option2_Click(); };
    svise = new CommandButton(QStringLiteral("HIDE ΠΙΣΩ"), canvas);
    svise->Click = [this] { svise_Click(); };
    Label1 = makeLabel(QStringLiteral("Label1"), canvas);
    Label2 = makeLabel(QStringLiteral("Label2"), canvas);
    for (QWidget* w : {static_cast<QWidget*>(Label1), static_cast<QWidget*>(Label2),
                       static_cast<QWidget*>(Option1), static_cast<QWidget*>(Option2)})
        setControlFont(w, "Arial", 10);
    connection_ = part_.changed.connect([this](const AlHaythamChange& c) {
        if (c.what != AlHaythamChange::Apparatus) return;
        canvas->Cls();
        DrawAlHaythamApparatus();
    });
}

void xaithamos::placeControls() {
    // The corners above the disc hold the controls; the button stands below the tank. They are
    // laid out for half of a 1920 x 1080 screen and keep to their corners on any other.
    // On a window narrower than that, the two upper columns share its width and their texts
    // take a smaller letter.
    const double w = 14400, h = 16200;
    const double half = canvas->width() * 15.0 / 2 - 240;
    const double left = std::clamp(half, 2000.0, 5200.0), right = std::clamp(half, 2000.0, 4000.0);
    placeTwipsNearEdges(Label1, 120, 100, left, 400, w, h);
    placeTwipsNearEdges(strefo, 120, 520, left, 300, w, h);
    placeTwipsNearEdges(Label2, 120, 1000, left, 400, w, h);
    placeTwipsNearEdges(timiepi, 300, 1500, 300, 4500, w, h);
    placeTwipsNearEdges(Option2, 14200 - right, 100, right, 400, w, h);
    placeTwipsNearEdges(Option1, 14200 - right, 520, right, 400, w, h);
    placeTwipsNearEdges(svise, 11400, 15200, 2800, 700, w, h);
    fitTexts();
}

void xaithamos::fitTexts() {
    for (QWidget* t : std::initializer_list<QWidget*>{Label1, Label2, Option1, Option2}) ShrinkToFit(t, 10, 7);
}

void xaithamos::resizeEvent(QResizeEvent* e) {
    Form::resizeEvent(e);
    placeControls();
}

void xaithamos::Form_Load() {
    placeOnScreen(); // the left half of the screen
    placeControls();
    Label1->setText(QStringLiteral("INCIDENCE  ANGLE Γωνία πρόσπτωσης = ") + fmt(strefo->value(), "0") +
                    QStringLiteral("°"));
    Label2->setText(QStringLiteral("POSITION OF STYLUSθέση στυλού = ") + fmt(timiepi->value() / 10.0, "0.0") +
                    QStringLiteral(" RAY ακτίνα"));
    // The stylus and what it reads belong to the ruler, which is hidden at first.
    timiepi->hide();
    Label2->hide();
    // The apparatus is there when the window first opens.
    DrawAlHaythamApparatus();
}

void xaithamos::strefo_Change() {
    Label1->setText(QStringLiteral("INCIDENCE ANGLE Γωνία πρόσπτωσης = ") + fmt(strefo->value(), "0") +
                    QStringLiteral("°"));
    fitTexts();
    part_.setIncidence(strefo->value());
}

void xaithamos::Option1_Click() {
    timiepi->hide();
    Label2->hide();
    part_.setRulerVisible(false);
}

void xaithamos::Option2_Click() {
    timiepi->show();
    Label2->show();
    part_.setRulerVisible(true);
}

void xaithamos::timiepi_Change() {
    part_.setStylus(timiepi->value());
    Label2->setText(QStringLiteral("POSITION OF STYLUSθέση στυλού = ") + fmt(timiepi->value() / 10.0, "0.0") +
                    QStringLiteral(" RAY ακτίνα"));
    fitTexts();
}

void xaithamos::svise_Click() {
    Hide();
    part_.showRulesList();
    part_.showExplanation();
    ShowWindow(QStringLiteral("alhazencheck"));
    part_.openCheck(kWaterIndex);
}

void xaithamos::DrawAlHaythamApparatus() {
    Canvas& c = *canvas;
    c.Scale(-350, 350, 300, -350);
    const double i = part_.incidenceRad();
    const Apparatus ap = part_.apparatus();

    // The water: its surface through the centre of the disc, and the tank.
    const QColor surfaceBlue = RGB(0, 5, 200);
    c.Line(kTankLeft, kWaterTop, kTankRight, kWaterTop, surfaceBlue);
    c.Line(kTankLeft, kWaterTop + 40, kTankLeft, kTankBottom, surfaceBlue);
    c.Line(kTankLeft, kTankBottom, kTankRight, kTankBottom, surfaceBlue);
    c.Line(kTankRight, kTankBottom, kTankRight, kWaterTop + 40, surfaceBlue);

    // The disc and its graduation, turned by the incidence.
    c.DrawWidth = 1;
    for (const Segment& s : DiscChords(i)) c.Line(s.a.x, s.a.y, s.b.x, s.b.y);
    c.DrawStyle = 2;
    for (const Segment& s : DiscGraduation(i)) c.Line(s.a.x, s.a.y, s.b.x, s.b.y);
    c.DrawStyle = 0;

    // The rays: in through the sight hole, refracted at the centre towards the perpendicular.
    const QColor red = RGB(255, 0, 0);
    c.DrawWidth = 2;
    c.Line(ap.hole.x, ap.hole.y, ap.centre.x, ap.centre.y, red);
    c.DrawWidth = 3;
    c.Line(ap.centre.x, ap.centre.y, ap.spot.x, ap.spot.y, red);
    c.DrawWidth = 1;

    // The perpendicular stays upright; the disc's marks at 170, 100 and 90 degrees turn with it.
    const QColor perpendicularBlue = RGB(0, 0, 200);
    c.Line(0, kDiscRadius + 30, 0, -kDiscRadius - 30, perpendicularBlue);
    for (double mark : {170.0, 100.0, 90.0}) {
        const Segment m = DiscMark(mark, i);
        c.Line(m.a.x, m.a.y, m.b.x, m.b.y, perpendicularBlue);
    }
    // The disc's sight line (its 90 degrees) through the centre: where the ray would go unbent.
    c.DrawStyle = 2;
    c.Line(ap.hole.x, ap.hole.y, ap.unbent.x, ap.unbent.y, RGB(0, 100, 200));
    c.DrawStyle = 0;

    // The light beam from the lamp to the sight hole, its spot on the rim under water, and the
    // light going on through the water.
    const QColor beam = RGB(200, 200, 0);
    c.DrawWidth = 2;
    c.Line(ap.lamp.x, ap.lamp.y, ap.hole.x, ap.hole.y, beam);
    c.FillStyle = 0;
    c.FillColor = RGB(155, 255, 0);
    c.CircleAspect(ap.spot.x, ap.spot.y, 14, beam, 0.5);
    c.FillStyle = 1;
    c.FillColor = RGB(255, 255, 0);
    c.DrawWidth = 2;
    c.Line(ap.spot.x, ap.spot.y, ap.beamOut.x, ap.beamOut.y, beam);
    c.DrawWidth = 1;

    if (part_.rulerVisible) {
        DrawRuler();
        DrawStylus();
    }
}

void xaithamos::DrawRuler() {
    Canvas& c = *canvas;
    const Ruler ruler = part_.ruler();
    const QColor wood = RGB(150, 90, 30);
    c.DrawWidth = 1;
    for (const Segment& s : {ruler.upperEdge, ruler.lowerEdge, ruler.startEnd, ruler.farEnd})
        c.Line(s.a.x, s.a.y, s.b.x, s.b.y, wood);
    for (const Segment& s : ruler.marks) c.Line(s.a.x, s.a.y, s.b.x, s.b.y, wood);
}

void xaithamos::DrawStylus() {
    Canvas& c = *canvas;
    const Stylus stylus = part_.stylusOnRuler();
    c.DrawWidth = 4;
    c.Line(stylus.shadow.a.x, stylus.shadow.a.y, stylus.shadow.b.x, stylus.shadow.b.y, RGB(160, 160, 160));
    c.Line(stylus.stick.a.x, stylus.stick.a.y, stylus.stick.b.x, stylus.stick.b.y, colours::darkGrey);
    c.DrawWidth = 1;
}
