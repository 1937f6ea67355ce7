// The interpretation's three windows used as a student uses them, each click checked where it
// lands: in the part, and from there in the windows that show it. Settings anywhere on the
// scroll bars and careless clicks are the careless student's (tests/fuzz); the numbers of the
// scenes are the models' tests'.
#include "support.h"

#include "data/inpdat.h"
#include "particles/somata.h"
#include "shell/model/mathconst.h"
#include "shell/qformat.h"
#include "shell/shape.h"
#include "waves/rixo.h"
#include "waves/rixotext.h"

#include <QCoreApplication>
#include <QFocusEvent>

namespace {
const QString kHowToMove = QStringLiteral(
    "Time of movement from magenta body through blue to  green. TO MOVE THE magenta body press "
    "Shift, to MOVE THE  GREEN PRESS Control, TO MOVE BLUE PRESS Shift & Control");
const QString kScrollCaption =
    QStringLiteral("Time of movement from  magenta through blue to GREEN ");
constexpr int kShift = 1, kControl = 2, kBoth = 3;
} // namespace

class InterpretationWindows : public ProgramTest {
protected:
    void SetUp() override {
        Main(*program);
        program->forms.velmoratimeleti().Command5_Click();
    }
    rixo& waves() { return program->forms.rixo(); }
    rixotext& panel() { return program->forms.rixotext(); }
    somata& w() { return program->forms.somata(); }
    Interpretation& part() { return program->interpretation; }
    double H() { return part().scaleH(); }
    double W() { return part().scaleW(); }
    QPointF c(const Shape* s) const { return s->centre(); }
    QString caption() { return panel().Label6->text(); }
    QString text(const QLabel* l) { return l->isVisibleTo(&panel()) ? l->text() : "(hidden)"; }
    // The rays of the ray picture that leave the surface upwards and downwards.
    std::pair<int, int> raysUpAndDown() {
        int up = 0, down = 0;
        const double S = part().waveScale().H / 2;
        for (const DrawItem& d : drawnOf(*waves().canvas, DrawItem::Line))
            if (std::fabs(d.a.y - S) < 1e-6) (d.b.y > S ? up : down) += 1;
        return {up, down};
    }
    // A path's time worked out with Fermat's speeds, through the crossing at x.
    double fermatTime(double x) {
        const QPointF a = c(w().fermat1), b = c(w().fermat2);
        const double n = part().ratio(), c1 = part().speedC1();
        return std::hypot(a.x() - x, a.y() - H() / 2) / c1 +
               std::hypot(b.x() - x, b.y() - H() / 2) * n / c1;
    }
};

TEST_F(InterpretationWindows, TheMainMenuOpensThreeWindowsWithTheFrontsRunning) {
    EXPECT_TRUE(waves().Visible() && panel().Visible() && w().Visible());
    EXPECT_EQ(panel().Label4->text(), QStringLiteral("n2 του κάτω διά n1 του πάνω: n2/n1 = 1.50"));
    EXPECT_EQ(panel().Label1->text(), QStringLiteral("REFLECTED Ανακλώμενο % = 24.04"));
    EXPECT_EQ(panel().Text1->Text(),
              QStringLiteral("INCIDENCE Πρόσπτωσης= 30°  REFRACTION διάθλασης =19.47°"));
    EXPECT_TRUE(text(panel().Label5) == "(hidden)" && text(panel().Label7) == "(hidden)");
    EXPECT_TRUE(waves().Timer1->running() && waves().Timer1->Interval() == 10);
    // The wave scale from the screen, adding up to 1500, the lower medium under its lower half;
    // a unit as long across as down in both pictures, so that angles are drawn true.
    EXPECT_NEAR(part().waveScale().W, 1500.0 * 1920 / 3000, 1e-9);
    EXPECT_NEAR(waves().Shape1->Top(), 1500.0 * 1080 / 3000 / 2, 1e-9);
    EXPECT_NEAR(waves().Shape1->Height(), 1500.0 * 1080 / 3000 / 2, 1e-9);
    for (const Canvas* c : {waves().canvas, w().canvas})
        EXPECT_NEAR(std::fabs(c->ScaleWidth()) / c->width(),
                    std::fabs(c->ScaleHeight()) / c->height(), 1e-9);
    // One tick: only the present fronts, no white trail; one time unit on.
    const Canvas::Mark before = waves().canvas->mark();
    waves().Timer1->Tick();
    for (const DrawItem& d : waves().canvas->drawnSince(before))
        EXPECT_FALSE(sameColor(Canvas::ColourOf(d), RGB(255, 255, 255)));
    EXPECT_FALSE(drawnOf(*waves().canvas, DrawItem::Line, RGB(200, 100, 0)).empty());
    EXPECT_EQ(part().waveTime(), 1);
    // "c=2" then "WAVE": the fronts at c = 2 from clock 0, until they have crossed the picture;
    // "REFLECTED WAVE" ticked, the reflected ones too.
    waves().okitis2->trigger();
    waves().TIMERSTART->trigger();
    panel().reflected->setValue(1);
    EXPECT_EQ(part().waveRefraction().speedC1, 2);
    int ticks = 0, reflected = 0;
    while (waves().Timer1->running() && ++ticks < 100000) {
        waves().Timer1->Tick();
        reflected += !drawnOf(*waves().canvas, DrawItem::Line, RGB(255, 0, 0)).empty();
    }
    EXPECT_GT(reflected, 100);
    EXPECT_LE(ticks, (2000 + part().waveScale().right + part().waveScale().H) / 2);
    EXPECT_EQ(part().waveTime(), 0);
    EXPECT_NOTHING_A_STUDENT_MAY_NOT_SEE(*program, "the fronts");
}

// What each handler writes on the panel, in its own words, and the ray picture it draws.
TEST_F(InterpretationWindows, EachHandlerWritesItsCaptionsOnThePanel) {
    const struct {
        std::function<void()> act;
        const char *label1, *label2, *label5, *energy;
        int raysUp, raysDown; // -1: not looked at
    } steps[] = {
        // clang-format off
        {[&] { waves().aktina->trigger(); panel().n1overn2->setValue(100); }, // "RAY", c1 = c2
         "REFLECTED Ανακλώμενο= 0.00", "REFRACTED Διαθλώμενο= 100.00", "(hidden)", "reflected 0.00 %  refracted 100.00", 10, 10},
        {[&] { panel().prosptosi->setValue(90); }, // alike at 90, never moved off it, nothing reflected
         "REFLECTED Ανακλώμενο = 0.00", "REFRACTED Διαθλώμενο = 100.00", "(hidden)", "reflected 0.00 %  refracted 100.00", -1, -1},
        {[&] { panel().n1overn2->setValue(150); panel().prosptosi->setValue(30); },
         "REFLECTED Ανακλώμενο = 24.04", "REFRACTED Διαθλώμενο = 75.96", "(hidden)", "reflected 5.78 %  refracted 94.22", 12, 8},
        {[&] { panel().Command1->click(); }, // the button's own numbers give way to the scene's
         "REFLECTED Ανακλώμενο % = 24.04", "REFRACTED Διαθλώμενο % = 75.96", "(hidden)", "reflected 5.78 %", -1, -1},
        {[&] { waves().aktina->trigger(); }, "REFLECTED Ανακλώμενο= 24.04", "REFRACTED Διαθλώμενο= 75.96", "(hidden)", "", 12, 8},
        {[&] { panel().n1overn2->setValue(50); panel().prosptosi->setValue(20); }, // twice as fast
         "REFLECTED Ανακλώμενο = 44.08", "REFRACTED Διαθλώμενο = 144.08", "κρίσιμη γωνία = 30.00", "reflected 19.43 %  refracted 80.57", 14, 10},
        // Critical 30: one layer ticked, Newton's scene writes it last (above); the slab ticked,
        // the ray picture's text stays after the ratio and the panel's own after the incidence.
        {[&] { w().NEWTON2STROMATA->trigger(); panel().n1overn2->setValue(51); panel().n1overn2->setValue(50); },
         "", "", "criticalγωνία =30.00", "", -1, -1},
        {[&] { panel().prosptosi->setValue(60); }, // past it: ten incident and ten reflected rays
         "REFLECTED Ανακλώμενο = 100.00", "REFRACTED Διαθλώμενο = 0.00", "Κρίσιμη γωνία= 30.00", "reflected 100.00 %  refracted 0.00", 20, 0},
        // clang-format on
    };
    for (const auto& s : steps) {
        s.act();
        const QString where = panel().Label4->text() + " " + panel().Text1->Text();
        EXPECT_TRUE(panel().Label1->text().startsWith(s.label1)) << where.toStdString();
        EXPECT_TRUE(panel().Label2->text().startsWith(s.label2)) << where.toStdString();
        EXPECT_TRUE(text(panel().Label5).startsWith(s.label5)) << where.toStdString();
        EXPECT_TRUE(panel().energy->text().contains(s.energy)) << where.toStdString();
        if (s.raysUp < 0) continue;
        EXPECT_EQ(raysUpAndDown(), std::make_pair(s.raysUp, s.raysDown)) << where.toStdString();
    }
    EXPECT_EQ(panel().Text1->Text(), QStringLiteral("INCIDENCE Πρόσπτωσης= 60°"));
    EXPECT_TRUE(part().incDeg() == 60 && std::fabs(part().incRad() - PI / 3) < 1e-15);
    EXPECT_EQ(part().speedChoice(), 0.25); // the button's speed stays
    // Newton's value reaches the particle window's track: the layer 0.025 of H at 10.
    w().neftonas->trigger();
    EXPECT_TRUE(panel().newtongtimi->isVisibleTo(&panel()));
    panel().newtongtimi->setValue(10);
    EXPECT_EQ(text(panel().Label7),
              QStringLiteral("Πάχος στρώματος = ") + fmt(0.025 * part().scaleH(), "0.00"));
    panel().n1overn2->setValue(75);
    EXPECT_EQ(text(panel().Label5), QStringLiteral("κρίσιμη γωνία = 48.59"));
}

// The fronts and the particles keep apart: each its own scale; BACK and END stop every clock.
TEST_F(InterpretationWindows, WavesAndParticlesKeepApartAndBackStopsEveryClock) {
    w().close();
    EXPECT_FALSE(w().Timer1->running() || w().Timer2->running());
    panel().Command1->click(); // shows the particle window again, its stream running
    EXPECT_TRUE(w().Visible() && w().Timer1->running());
    const WaveScale wave = part().waveScale();
    w().resize(1500, 300);
    w().SOMATIDIA->trigger();
    for (int t = 0; t < 50; ++t) {
        waves().Timer1->Tick();
        w().Timer1->Tick();
    }
    EXPECT_NE(part().scaleW(), wave.W);
    EXPECT_TRUE(part().waveScale().W == wave.W && part().waveScale().H == wave.H);
    const Canvas::Mark before = waves().canvas->mark();
    waves().Timer1->Tick(); // every incident front above the surface
    for (const DrawItem& d : waves().canvas->drawnSince(before))
        EXPECT_TRUE(!sameColor(Canvas::ColourOf(d), RGB(200, 100, 0)) ||
                    std::min(d.a.y, d.b.y) >= wave.H / 2 - 1e-6);
    waves().Endof->trigger(); // "BACK"
    EXPECT_FALSE(waves().Visible() || panel().Visible() || w().Visible());
    EXPECT_TRUE(program->forms.inpdat().Visible());
    EXPECT_NOTHING_A_STUDENT_MAY_NOT_SEE(*program, "back"); // no clock in a hidden window
    program->forms.inpdat().Command4->click();              // INTERPRETATION: the fronts run again
    EXPECT_TRUE(waves().Timer1->running());
    waves().Telos->trigger(); // "END"
    EXPECT_TRUE(program->ended && !waves().Timer1->running());
}

// The panel opened alone loads the particle window, which draws Newton's one layer for it.
TEST_F(ProgramTest, ThePanelsFirstLoadDrawsNewtonsLayerInTheParticleWindow) {
    rixotext& panel = program->forms.rixotext();
    ASSERT_TRUE(program->forms.isLoaded("somata"));
    EXPECT_FALSE(drawnOf(*program->forms.somata().canvas, DrawItem::FilledBox).empty());
    EXPECT_EQ(panel.Label7->text(), QStringLiteral("Πάχος στρώματος = ") +
                                        fmt(0.115 * program->interpretation.scaleH(), "0.00"));
    EXPECT_FALSE(panel.Label7->isVisibleTo(&panel) || panel.newtongtimi->isVisibleTo(&panel));
}

TEST_F(InterpretationWindows, FermatsBodiesTheirPathTheLawsAndTheLeastTime) {
    emit w().fermat->aboutToShow(); // Fermat's bodies stop the particles' clocks
    for (Shape* b : {w().fermat1, w().fermat2, w().fermat3})
        EXPECT_TRUE(b->Visible());
    EXPECT_FALSE(w().soma[1]->Visible());
    EXPECT_TRUE(w().meso2->Visible() && w().fermatscr->isVisibleTo(&w()));
    EXPECT_TRUE(caption().startsWith(kHowToMove + "\n" + kScrollCaption));
    EXPECT_FALSE(panel().newtongtimi->isVisibleTo(&panel()));
    // The path: magenta to blue and green to blue, black, and no Newton layer left.
    auto lines = drawnOf(*w().canvas, DrawItem::Line);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_TRUE(near(pt(lines[0].a), c(w().fermat1).x(), c(w().fermat1).y()));
    EXPECT_TRUE(near(pt(lines[1].b), c(w().fermat3).x(), c(w().fermat3).y()));
    EXPECT_TRUE(sameColor(Canvas::ColourOf(lines[0]), Qt::black));
    EXPECT_TRUE(drawnOf(*w().canvas, DrawItem::FilledBox).empty());
    // Fermat's law: c2 = c1 / n; the scroll bar slides the crossing body, the time follows.
    w().fermalaw->trigger();
    EXPECT_NEAR(part().speedC2(), part().speedC1() / part().ratio(), 1e-12);
    w().fermatscr->setValue(200);
    EXPECT_TRUE(near(c(w().fermat3), 200, H() / 2, 1e-9));
    EXPECT_TRUE(caption().startsWith(kScrollCaption)); // the instructions have gone
    EXPECT_NEAR(caption().mid(kScrollCaption.size()).toDouble(), fermatTime(200), 0.006);
    // FIND MINIMUM: the green least-time path, width 6, the body moved there.
    w().evresielaxistoy->trigger();
    const auto green = drawnOf(*w().canvas, DrawItem::Line, RGB(0, 255, 0));
    ASSERT_EQ(green.size(), 2u);
    EXPECT_EQ(green[0].width, 6);
    const double xMin = green[0].b.x;
    EXPECT_TRUE(near(c(w().fermat3), xMin, H() / 2, 1e-9));
    EXPECT_TRUE(caption().startsWith(QStringLiteral("LEAST TIMEΟ ΕΛΑΧΙΣΤΟΣ ΧΡΟΝΟΣ: ")));
    EXPECT_NEAR(caption().section(QStringLiteral(": "), -1).toDouble(), fermatTime(xMin), 0.006);
    // A click on the blue body there: Fermat's message, a green path of width 5; with
    // Descartes' law (c2 = n c1) never.
    w().Form_MouseDown(1, kBoth, xMin, H() / 2);
    EXPECT_TRUE(caption().endsWith(QStringLiteral("      Παράδειγμα αρχής Fermat")));
    lines = drawnOf(*w().canvas, DrawItem::Line);
    EXPECT_TRUE(lines.back().width == 5 &&
                sameColor(Canvas::ColourOf(lines.back()), RGB(0, 255, 0)));
    w().descartes->trigger();
    EXPECT_NEAR(part().speedC2(), part().speedC1() * part().ratio(), 1e-12);
    EXPECT_FALSE(caption().contains(QStringLiteral("Fermat")));
}

TEST_F(InterpretationWindows, ShiftAndControlMoveTheBodiesAndBothEndsOnOneSideMakeAReflection) {
    emit w().fermat->aboutToShow();
    w().Form_MouseDown(1, kShift, 0.2 * W(), 0.8 * H());
    EXPECT_TRUE(near(c(w().fermat1), 0.2 * W(), 0.8 * H(), 1e-9));
    w().Form_MouseDown(1, kControl, 0.6 * W(), 0.8 * H()); // the green end up: one side
    EXPECT_FALSE(w().fermatscr->isVisibleTo(&w()));
    const std::size_t drawn = w().canvas->displayList().size();
    w().evresielaxistoy->trigger(); // nothing to search
    EXPECT_EQ(w().canvas->displayList().size(), drawn);
    w().Form_MouseDown(1, kBoth, 0.4 * W(), H() / 2); // half-way on the surface: Hero's law, red
    EXPECT_TRUE(caption().endsWith(QStringLiteral("      Νόμος Ήρωνος")));
    EXPECT_EQ(drawnOf(*w().canvas, DrawItem::Line, RGB(255, 0, 0)).size(), 2u);
    w().Form_MouseDown(1, kBoth, 0.4 * W(), H() / 2 + 20); // lifted on the ends' side: follows
    EXPECT_TRUE(near(c(w().fermat3), 0.4 * W(), H() / 2 + 20, 1e-9));
    EXPECT_FALSE(caption().contains(QStringLiteral("Ήρωνος")));
    w().Form_MouseDown(1, kShift, 0.2 * W(), 0.2 * H()); // opposite sides: back on the surface
    EXPECT_NEAR(c(w().fermat3).y(), H() / 2, 1e-9);
    EXPECT_TRUE(w().fermatscr->isVisibleTo(&w()));
    // The scroll bar taking the focus in a shrunk window: the window half the screen again,
    // Value / Max the crossing body's place across.
    w().Form_MouseDown(1, kBoth, 0.45 * W(), H() / 2);
    w().resize(300, 200);
    QFocusEvent focus(QEvent::FocusIn, Qt::MouseFocusReason);
    QCoreApplication::sendEvent(w().fermatscr, &focus);
    EXPECT_EQ(w().Width(), program->screen.Width() / 2);
    const double across = w().fermatscr->value() / double(w().fermatscr->maximum());
    EXPECT_NEAR(across * w().canvas->ScaleWidth(), 0.45 * W(),
                w().canvas->ScaleWidth() / w().fermatscr->maximum());
    panel().n1overn2->setValue(300); // the panel's ratio redraws the path between the bodies
    EXPECT_TRUE(caption().startsWith(kScrollCaption));
    EXPECT_TRUE(w().fermat1->Visible());
}

TEST_F(InterpretationWindows, TheStreamsRunAndStopAndTheirNumbersReachThePanel) {
    for (Form* f : program->forms.loaded())
        f->stopTimers(); // ticks come from the test
    // Descartes: 7 in 10 refracted at n = 1.5 and 30 degrees, printed on the panel; particle 1
    // one lambda up the ray from (W/2, H/2), 50 past the surface after three ticks of 50.
    w().xekina->trigger();
    EXPECT_TRUE(w().Timer2->running() && w().Timer2->Interval() == 50);
    EXPECT_TRUE(printedText(*panel().canvas, QStringLiteral("nrefra= 7.00")));
    EXPECT_TRUE(near(c(w().soma[1]), W() / 2 - 50, H() / 2 + 100 * std::cos(PI / 6), 1e-9));
    for (int t = 0; t < 3; ++t)
        w().Timer2->Tick();
    EXPECT_TRUE(near(c(w().soma[1]), W() / 2 + 25, H() / 2 - 75 * std::sqrt(8.0) / 3, 1e-9));
    panel().n1overn2->setValue(80); // the critical angle from the next tick; hidden at n >= 1
    w().Timer2->Tick();
    EXPECT_EQ(panel().Label5->text(), QStringLiteral("CRITICAL ANGLE Κρίσιμη γωνία =53.13"));
    panel().n1overn2->setValue(120);
    w().Timer2->Tick();
    EXPECT_FALSE(panel().Label5->isVisibleTo(&panel()));
    // Newton: the ticked track, its particles on its stored points, a new track for a new
    // incidence from the next tick on, and again from the start once all have left.
    w().NEWTON2STROMATA->trigger();
    w().neftonas->trigger();
    EXPECT_FALSE(w().NEWTON2STROMATA->isChecked());
    w().SOMATIDIA->trigger();
    EXPECT_FALSE(w().Timer2->running()); // Newton's particles take the shapes back
    EXPECT_TRUE(w().Timer1->running() && w().Timer1->Interval() == 10);
    EXPECT_TRUE(panel().Label7->isVisibleTo(&panel()) &&
                panel().newtongtimi->isVisibleTo(&panel()));
    for (int incidence : {30, 60}) {
        panel().prosptosi->setValue(incidence);
        for (int t = 0; t < 120; ++t)
            w().Timer1->Tick();
        const int k = int(part().panelTime() - 3) - 100;
        ASSERT_GT(k, 0);
        EXPECT_TRUE(
            near(c(w().soma[1]), part().tracks().trackC[k], part().tracks().trackA[k], 1e-9));
    }
    for (int t = 0; t < 5000 && part().panelTime() > 0; ++t)
        w().Timer1->Tick();
    EXPECT_EQ(part().panelTime(), 0);
    w().xekina->trigger();
    w().STAMATHMA->trigger(); // "STOP"
    EXPECT_FALSE(w().Timer1->running() || w().Timer2->running());
    EXPECT_TRUE(w().soma[1]->Left() == 0 && w().soma[30]->Top() == 0);
    EXPECT_NOTHING_A_STUDENT_MAY_NOT_SEE(*program, "the streams");
}
