// The interpretation's three windows used as a student uses them, each click checked where it
// lands: in the part, and from there in the windows that show it. The numbers of the scenes
// are the models' tests'; here a number only has to arrive. Settings anywhere on the scroll
// bars and careless clicks are the careless student's (tests/fuzz).
#include "support.h"

#include "data/inpdat.h"
#include "particles/somata.h"
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
    bool at(const Shape* s, double x, double y) { return near(s->centre(), x, y, 1e-9); }
    QString caption() { return panel().Label6->text(); }
    QString text(const QLabel* l) { return l->isVisibleTo(&panel()) ? l->text() : "(hidden)"; }
};

TEST_F(InterpretationWindows, TheMainMenuOpensThreeWindowsWithTheFrontsRunning) {
    EXPECT_TRUE(waves().Visible() && panel().Visible() && w().Visible());
    EXPECT_EQ(panel().Label4->text(), QStringLiteral("n2 του κάτω διά n1 του πάνω: n2/n1 = 1.50"));
    EXPECT_TRUE(waves().Timer1->running() && waves().Timer1->Interval() == 10);
    // The wave scale from the screen (1920 x 1080), the lower medium under its lower half; a
    // unit as long across as down in both pictures, so that angles are drawn true.
    EXPECT_TRUE(part().waveScale().W == 960 && waves().Shape1->Top() == 270 &&
                waves().Shape1->Height() == 270);
    for (const Canvas* c : {waves().canvas, w().canvas})
        EXPECT_NEAR(std::fabs(c->ScaleWidth()) / c->width(),
                    std::fabs(c->ScaleHeight()) / c->height(), 1e-9);
    // One tick: the part's fronts at the next clock, and nothing else (no trail).
    waves().Timer1->Tick();
    EXPECT_TRUE(waves().canvas->displayList().size() == part().waveFrame().size() &&
                part().waveTime() == 1);
    // "c=2" then "WAVE": the fronts at c = 2 from clock 0 until they have crossed the picture;
    // "REFLECTED WAVE" ticked, the reflected ones too.
    waves().okitis2->trigger();
    waves().TIMERSTART->trigger();
    panel().reflected->setValue(1);
    EXPECT_TRUE(part().waveRefraction().speedC1 == 2 && part().waveTime() == 0);
    int ticks = 0, reflected = 0;
    for (; waves().Timer1->running() && ticks < 100000; ++ticks, waves().Timer1->Tick())
        reflected += !drawnOf(*waves().canvas, DrawItem::Line, RGB(255, 0, 0)).empty();
    EXPECT_TRUE(reflected > 100 && ticks < 100000 && part().waveTime() == 0) << ticks;
    EXPECT_NOTHING_A_STUDENT_MAY_NOT_SEE(*program, "the fronts");
}

// What each handler writes on the panel, in its own words, and the ray picture that reaches
// the wave window.
TEST_F(InterpretationWindows, EachHandlerWritesItsCaptionsOnThePanel) {
    const struct {
        std::function<void()> act;
        const char *label1, *label2, *label5, *energy;
        bool rays; // the wave window shows the ray picture
    } steps[] = {
        // clang-format off
        {[&] { waves().aktina->trigger(); panel().prosptosi->setValue(29); panel().n1overn2->setValue(100); }, // "RAY", c1 = c2
         "REFLECTED Ανακλώμενο= 0.00", "REFRACTED Διαθλώμενο= 100.00", "(hidden)", "reflected 0.00 %  refracted 100.00", true},
        {[&] { panel().n1overn2->setValue(150); panel().prosptosi->setValue(30); },
         "REFLECTED Ανακλώμενο = 24.04", "REFRACTED Διαθλώμενο = 75.96", "(hidden)", "reflected 5.78 %  refracted 94.22", true},
        {[&] { panel().Command1->click(); }, // the button's own numbers give way to the scene's
         "REFLECTED Ανακλώμενο % = 24.04", "REFRACTED Διαθλώμενο % = 75.96", "(hidden)", "reflected 5.78 %", false},
        {[&] { waves().aktina->trigger(); panel().n1overn2->setValue(50); panel().prosptosi->setValue(20); },
         "REFLECTED Ανακλώμενο = 44.08", "REFRACTED Διαθλώμενο = 144.08", "κρίσιμη γωνία = 30.00", "reflected 19.43 %  refracted 80.57", true},
        // Critical 30: one layer ticked, Newton's scene writes it last (above); the slab ticked,
        // the ray picture's text stays after the ratio and the panel's own after the incidence.
        {[&] { w().NEWTON2STROMATA->trigger(); panel().n1overn2->setValue(51); panel().n1overn2->setValue(50); },
         "", "", "criticalγωνία =30.00", "", false},
        {[&] { panel().prosptosi->setValue(60); }, // past it: only incident and reflected rays
         "REFLECTED Ανακλώμενο = 100.00", "REFRACTED Διαθλώμενο = 0.00", "Κρίσιμη γωνία= 30.00", "reflected 100.00 %  refracted 0.00", true},
        // clang-format on
    };
    for (const auto& s : steps) {
        s.act();
        SCOPED_TRACE((panel().Label1->text() + " | " + panel().Label2->text() + " | " +
                      text(panel().Label5) + " | " + panel().energy->text())
                         .toStdString());
        EXPECT_TRUE(panel().Label1->text().startsWith(s.label1) &&
                    panel().Label2->text().startsWith(s.label2) &&
                    text(panel().Label5).startsWith(s.label5) &&
                    panel().energy->text().contains(s.energy));
        // The ray picture on the wave window is the part's for the scroll bars as they stand.
        EXPECT_TRUE(!s.rays || waves().canvas->displayList().size() == part().rayDrawing().size());
    }
    // The incidence text without a refracted wave; the button's speed stays.
    EXPECT_TRUE(panel().Text1->Text() == QStringLiteral("INCIDENCE Πρόσπτωσης= 60°") &&
                part().speedChoice() == 0.25);
    // Newton's value reaches the particle window's track: the layer 0.025 of H at 10.
    w().neftonas->trigger();
    panel().newtongtimi->setValue(10);
    EXPECT_EQ(text(panel().Label7), "Πάχος στρώματος = " + fmt(0.025 * H(), "0.00"));
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
    for (int t = 0; t < 50; ++t, waves().Timer1->Tick())
        w().Timer1->Tick();
    EXPECT_TRUE(part().scaleW() != wave.W && part().waveScale().W == wave.W &&
                part().waveScale().H == wave.H);
    waves().Timer1->Tick(); // every incident front above the surface of the wave scale
    for (const DrawItem& d : drawnOf(*waves().canvas, DrawItem::Line, RGB(200, 100, 0)))
        EXPECT_GE(std::min(d.a.y, d.b.y), wave.H / 2 - 1e-6);
    waves().Endof->trigger(); // "BACK"
    EXPECT_TRUE(!waves().Visible() && !panel().Visible() && !w().Visible() &&
                program->forms.inpdat().Visible());
    EXPECT_NOTHING_A_STUDENT_MAY_NOT_SEE(*program, "back"); // no clock in a hidden window
    waves().Telos->trigger();                               // "END"
    EXPECT_TRUE(program->ended && !waves().Timer1->running());
}

// The panel opened alone loads the particle window, which draws Newton's one layer for it.
TEST_F(ProgramTest, ThePanelsFirstLoadDrawsNewtonsLayerInTheParticleWindow) {
    rixotext& panel = program->forms.rixotext();
    ASSERT_TRUE(program->forms.isLoaded("somata"));
    EXPECT_FALSE(drawnOf(*program->forms.somata().canvas, DrawItem::FilledBox).empty());
    EXPECT_EQ(panel.Label7->text(),
              "Πάχος στρώματος = " + fmt(0.115 * program->interpretation.scaleH(), "0.00"));
    EXPECT_FALSE(panel.Label7->isVisibleTo(&panel) || panel.newtongtimi->isVisibleTo(&panel));
}

TEST_F(InterpretationWindows, FermatsBodiesTheirPathTheLawsAndTheLeastTime) {
    emit w().fermat->aboutToShow(); // Fermat's bodies stop the particles' clocks
    EXPECT_TRUE(w().fermat1->Visible() && w().fermat2->Visible() && w().fermat3->Visible() &&
                w().meso2->Visible() && w().fermatscr->isVisibleTo(&w()));
    EXPECT_FALSE(w().soma[1]->Visible() || panel().newtongtimi->isVisibleTo(&panel()));
    EXPECT_TRUE(caption().startsWith(kHowToMove + "\n" + kScrollCaption));
    // The path: magenta to blue and green to blue, black, and no Newton layer left.
    const auto lines = drawnOf(*w().canvas, DrawItem::Line, Qt::black);
    ASSERT_TRUE(lines.size() == 2 && drawnOf(*w().canvas, DrawItem::FilledBox).empty());
    EXPECT_TRUE(near(pt(lines[0].a), w().fermat1->centre().x(), w().fermat1->centre().y()) &&
                near(pt(lines[1].b), w().fermat3->centre().x(), w().fermat3->centre().y()));
    // Fermat's law: c2 = c1 / n; the scroll bar slides the crossing body, the time follows.
    w().fermalaw->trigger();
    EXPECT_NEAR(part().speedC2(), part().speedC1() / part().ratio(), 1e-12);
    w().fermatscr->setValue(200);
    EXPECT_TRUE(at(w().fermat3, 200, H() / 2) && caption().startsWith(kScrollCaption) &&
                std::fabs(caption().section(' ', -1).toDouble() - w().lastPath().time) < 0.006);
    // FIND MINIMUM: the green least-time path, width 6, the body moved there.
    w().evresielaxistoy->trigger();
    const auto green = drawnOf(*w().canvas, DrawItem::Line, RGB(0, 255, 0));
    ASSERT_EQ(green.size(), 2u);
    const double xMin = green[0].b.x;
    EXPECT_TRUE(green[0].width == 6 && at(w().fermat3, xMin, H() / 2) &&
                caption().startsWith(QStringLiteral("LEAST TIMEΟ ΕΛΑΧΙΣΤΟΣ ΧΡΟΝΟΣ: ")));
    // A click on the blue body there: the path's time is the least time, Fermat's message, a
    // green path of width 5; with Descartes' law (c2 = n c1) never.
    const double least = caption().section(' ', -1).toDouble();
    w().Form_MouseDown(1, kBoth, xMin, H() / 2);
    EXPECT_TRUE(caption().endsWith(QStringLiteral("      Παράδειγμα αρχής Fermat")) &&
                std::fabs(w().lastPath().time - least) < 0.006);
    const auto path = drawnOf(*w().canvas, DrawItem::Line).back();
    EXPECT_TRUE(path.width == 5 && sameColor(Canvas::ColourOf(path), RGB(0, 255, 0)));
    w().descartes->trigger();
    EXPECT_NEAR(part().speedC2(), part().speedC1() * part().ratio(), 1e-12);
    EXPECT_FALSE(caption().contains(QStringLiteral("Fermat")));
}

TEST_F(InterpretationWindows, ShiftAndControlMoveTheBodiesAndBothEndsOnOneSideMakeAReflection) {
    emit w().fermat->aboutToShow();
    w().Form_MouseDown(1, kShift, 0.2 * W(), 0.8 * H());
    w().Form_MouseDown(1, kControl, 0.6 * W(), 0.8 * H()); // the green end up: one side
    EXPECT_TRUE(at(w().fermat1, 0.2 * W(), 0.8 * H()) && at(w().fermat2, 0.6 * W(), 0.8 * H()));
    EXPECT_FALSE(w().fermatscr->isVisibleTo(&w()));
    const std::size_t drawn = w().canvas->displayList().size();
    w().evresielaxistoy->trigger(); // nothing to search
    EXPECT_EQ(w().canvas->displayList().size(), drawn);
    w().Form_MouseDown(1, kBoth, 0.4 * W(), H() / 2); // half-way on the surface: Hero's law, red
    EXPECT_TRUE(caption().endsWith(QStringLiteral("      Νόμος Ήρωνος")));
    EXPECT_EQ(drawnOf(*w().canvas, DrawItem::Line, RGB(255, 0, 0)).size(), 2u);
    w().Form_MouseDown(1, kBoth, 0.4 * W(), H() / 2 + 20); // lifted on the ends' side: follows
    EXPECT_TRUE(at(w().fermat3, 0.4 * W(), H() / 2 + 20) && !caption().contains("Ήρωνος"));
    w().Form_MouseDown(1, kShift, 0.2 * W(), 0.2 * H()); // opposite sides: back on the surface
    EXPECT_TRUE(at(w().fermat3, 0.4 * W(), H() / 2) && w().fermatscr->isVisibleTo(&w()));
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
    EXPECT_TRUE(caption().startsWith(kScrollCaption) && w().fermat1->Visible());
}

TEST_F(InterpretationWindows, TheStreamsRunAndStopAndTheirNumbersReachThePanel) {
    for (Form* f : program->forms.loaded())
        f->stopTimers(); // ticks come from the test
    // Descartes: 7 in 10 refracted at n = 1.5 and 30 degrees, printed on the panel; the
    // particles move; the critical angle from the next tick, hidden again at n >= 1.
    w().xekina->trigger();
    EXPECT_TRUE(w().Timer2->running() && w().Timer2->Interval() == 50 &&
                printedText(*panel().canvas, QStringLiteral("nrefra= 7.00")));
    const QPointF start = w().soma[1]->centre();
    w().Timer2->Tick();
    EXPECT_NE(w().soma[1]->centre(), start);
    panel().n1overn2->setValue(80);
    w().Timer2->Tick();
    EXPECT_EQ(panel().Label5->text(), QStringLiteral("CRITICAL ANGLE Κρίσιμη γωνία =53.13"));
    panel().n1overn2->setValue(120);
    w().Timer2->Tick();
    EXPECT_FALSE(panel().Label5->isVisibleTo(&panel()));
    // Newton: the ticked track, its particles on its stored points, a new track for a new
    // incidence from the next tick on, and again from the start once all have left.
    w().NEWTON2STROMATA->trigger();
    w().neftonas->trigger();
    w().SOMATIDIA->trigger(); // Newton's particles take the shapes back
    EXPECT_TRUE(!w().NEWTON2STROMATA->isChecked() && !w().Timer2->running() &&
                w().Timer1->running() && w().Timer1->Interval() == 10);
    EXPECT_TRUE(text(panel().Label7) != "(hidden)" && panel().newtongtimi->isVisibleTo(&panel()));
    for (int incidence : {30, 60}) {
        panel().prosptosi->setValue(incidence);
        for (int t = 0; t < 120; ++t)
            w().Timer1->Tick();
        const int k = int(part().panelTime() - 3) - 100;
        ASSERT_GT(k, 0);
        EXPECT_TRUE(at(w().soma[1], part().tracks().trackC[k], part().tracks().trackA[k]));
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
