// The particle window as a student uses it: the menus, the scroll bar, clicks with Shift and
// Control, the panel's scroll bars and the clocks of the two streams.
#include "support.h"

#include "particles/somata.h"
#include "shell/model/mathconst.h"
#include "shell/shape.h"
#include "waves/rixo.h"
#include "waves/rixotext.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QMouseEvent>

namespace {
const QString kHowToMove = QStringLiteral(
    "Time of movement from magenta body through blue to  green. TO MOVE THE magenta body press "
    "Shift, to MOVE THE  GREEN PRESS Control, TO MOVE BLUE PRESS Shift & Control");
const QString kScrollCaption =
    QStringLiteral("Time of movement from  magenta through blue to GREEN ");
const QString kMouseCaption =
    QStringLiteral("Time of movement from  magenta through blue to  GREEN");
constexpr int kShift = 1, kControl = 2, kBoth = 3;
} // namespace

class ParticleWindowTest : public ProgramTest {
protected:
    void SetUp() override {
        Main(*program);
        program->forms.velmoratimeleti().Command5_Click();
        for (Form* f : program->forms.loaded())
            f->stopTimers(); // ticks come from the test
    }
    somata& w() { return program->forms.somata(); }
    rixotext& panel() { return program->forms.rixotext(); }
    const Interpretation& part() { return program->interpretation; }
    double H() { return part().scaleH(); }
    double W() { return part().scaleW(); }
    QPointF c(const Shape* s) const { return s->centre(); }
    QString caption() { return panel().Label6->text(); }
    // The time in a path's caption, and the path's time worked out with Fermat's speeds.
    double shownTime() {
        return caption()
            .section(QStringLiteral("GREEN"), -1)
            .trimmed()
            .section(' ', 0, 0)
            .toDouble();
    }
    double fermatTime(double x) {
        const QPointF a = c(w().fermat1), b = c(w().fermat2);
        const double n = part().ratio(), c1 = part().speedC1();
        return std::hypot(a.x() - x, a.y() - H() / 2) / c1 +
               std::hypot(b.x() - x, b.y() - H() / 2) * n / c1;
    }
};

TEST_F(ParticleWindowTest, FermatsBodiesTheirPathAndTheLaws) {
    emit w().fermat->aboutToShow();
    for (Shape* b : {w().fermat1, w().fermat2, w().fermat3})
        EXPECT_TRUE(b->Visible());
    EXPECT_FALSE(w().soma[1]->Visible());
    EXPECT_TRUE(w().meso2->Visible() && w().fermatscr->isVisibleTo(&w()));
    EXPECT_TRUE(caption().startsWith(kHowToMove + "\n" + kScrollCaption))
        << caption().toStdString();
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
    EXPECT_NEAR(shownTime(), fermatTime(200), 0.006);
    // FIND MINIMUM: the green least-time path, width 6, where sin i = n sin r exactly.
    w().evresielaxistoy->trigger();
    const auto green = drawnOf(*w().canvas, DrawItem::Line, RGB(0, 255, 0));
    ASSERT_EQ(green.size(), 2u);
    EXPECT_EQ(green[0].width, 6);
    const double xMin = green[0].b.x;
    EXPECT_TRUE(near(c(w().fermat3), xMin, H() / 2, 1e-9));
    EXPECT_NEAR(caption().section(QStringLiteral(": "), -1).toDouble(), fermatTime(xMin), 0.006);
    EXPECT_TRUE(caption().startsWith(QStringLiteral("LEAST TIMEΟ ΕΛΑΧΙΣΤΟΣ ΧΡΟΝΟΣ: ")));
    // A click on the blue body there: Fermat's message, a green path of width 5; with
    // Descartes' law (c2 = n c1) never.
    w().Form_MouseDown(1, kBoth, xMin, H() / 2);
    EXPECT_TRUE(caption().endsWith(QStringLiteral("      Παράδειγμα αρχής Fermat")))
        << caption().toStdString();
    lines = drawnOf(*w().canvas, DrawItem::Line);
    EXPECT_TRUE(lines.back().width == 5 &&
                sameColor(Canvas::ColourOf(lines.back()), RGB(0, 255, 0)));
    w().descartes->trigger();
    EXPECT_NEAR(part().speedC2(), part().speedC1() * part().ratio(), 1e-12);
    EXPECT_FALSE(caption().contains(QStringLiteral("Fermat")));
}

TEST_F(ParticleWindowTest, ShiftAndControlMoveTheBodiesAndBothEndsOnOneSideMakeAReflection) {
    emit w().fermat->aboutToShow();
    w().Form_MouseDown(1, kShift, 0.2 * W(), 0.8 * H());
    EXPECT_TRUE(near(c(w().fermat1), 0.2 * W(), 0.8 * H(), 1e-9));
    EXPECT_TRUE(caption().startsWith(kMouseCaption));
    w().Form_MouseDown(1, kControl, 0.6 * W(), 0.8 * H()); // the green end up: one side
    EXPECT_FALSE(w().fermatscr->isVisibleTo(&w()));
    const std::size_t drawn = w().canvas->displayList().size();
    w().evresielaxistoy->trigger(); // nothing to search
    EXPECT_EQ(w().canvas->displayList().size(), drawn);
    w().Form_MouseDown(1, kBoth, 0.4 * W(), H() / 2); // half-way on the surface: Hero's law, red
    EXPECT_TRUE(caption().endsWith(QStringLiteral("      Νόμος Ήρωνος")))
        << caption().toStdString();
    EXPECT_EQ(drawnOf(*w().canvas, DrawItem::Line, RGB(255, 0, 0)).size(), 2u);
    w().Form_MouseDown(1, kBoth, 0.4 * W(), H() / 2 + 20); // lifted on the ends' side: follows
    EXPECT_TRUE(near(c(w().fermat3), 0.4 * W(), H() / 2 + 20, 1e-9));
    EXPECT_FALSE(caption().contains(QStringLiteral("Ήρωνος")));
    w().Form_MouseDown(1, kShift, 0.2 * W(), 0.2 * H()); // opposite sides: back on the surface
    EXPECT_NEAR(c(w().fermat3).y(), H() / 2, 1e-9);
    EXPECT_TRUE(w().fermatscr->isVisibleTo(&w()));
    // The real click, through the canvas; then the scroll bar, taking the focus in a shrunk
    // window: the window half the screen again, Value / Max the body's place across.
    const QPointF px = w().canvas->toPixel(0.25 * W(), 0.75 * H());
    QMouseEvent press(QEvent::MouseButtonPress, px, w().canvas->mapToGlobal(px), Qt::LeftButton,
                      Qt::LeftButton, Qt::ShiftModifier);
    QCoreApplication::sendEvent(w().canvas, &press);
    EXPECT_TRUE(near(c(w().fermat1), 0.25 * W(), 0.75 * H(), 2));
    w().Form_MouseDown(1, kBoth, 0.45 * W(), H() / 2);
    w().resize(300, 200);
    QFocusEvent focus(QEvent::FocusIn, Qt::MouseFocusReason);
    QCoreApplication::sendEvent(w().fermatscr, &focus);
    EXPECT_EQ(w().Width(), program->screen.Width() / 2);
    const double across = w().fermatscr->value() / double(w().fermatscr->maximum());
    EXPECT_NEAR(across * w().canvas->ScaleWidth(), 0.45 * W(),
                w().canvas->ScaleWidth() / w().fermatscr->maximum());
    // No click, however careless, nor the panel's bars, puts a number out of place.
    for (int shift : {kShift, kControl, kBoth, 0})
        for (double x : {0.0, 1e-9, 0.5 * W(), 1.2 * W()})
            for (double y : {-0.2 * H(), H() / 2, H() / 2 + 1e-12, H()}) {
                w().Form_MouseDown(1, shift, x, y);
                w().evresielaxistoy->trigger();
            }
    for (int r : {50, 300})
        panel().n1overn2->setValue(r);
    EXPECT_TRUE(caption().startsWith(kScrollCaption)); // the path redrawn for the new ratio
    EXPECT_NOTHING_A_STUDENT_MAY_NOT_SEE(*program, "careless clicks");
}

TEST_F(ParticleWindowTest, DescartesParticlesRefractAndAtTheCriticalAngleAllAreReflected) {
    w().xekina->trigger();
    EXPECT_TRUE(w().Timer2->running());
    EXPECT_EQ(w().Timer2->Interval(), 50);
    EXPECT_TRUE(w().soma[52]->Visible() && !w().fermat1->Visible());
    EXPECT_TRUE(printedText(*panel().canvas, QStringLiteral("nrefra= 7.00"))); // 7 in 10 at 1.5, 30
    // Particle 1 one lambda up the ray from (W/2, H/2); three ticks of 50: 50 past the surface.
    EXPECT_TRUE(near(c(w().soma[1]), W() / 2 - 50, H() / 2 + 100 * std::cos(PI / 6), 1e-9));
    for (int t = 0; t < 3; ++t)
        w().Timer2->Tick();
    EXPECT_TRUE(near(c(w().soma[1]), W() / 2 + 25, H() / 2 - 75 * std::sqrt(8.0) / 3, 1e-9));
    panel().n1overn2->setValue(80);
    panel().prosptosi->setValue(60);
    w().xekina->trigger();
    EXPECT_EQ(panel().Label5->text(), QStringLiteral("CRITICAL ANGLE Κρίσιμη γωνία =53.13"));
    for (int t = 0; t < 200; ++t) {
        w().Timer2->Tick();
        for (int i = 1; i <= 30; ++i)
            ASSERT_GE(c(w().soma[i]).y(), H() / 2 - 1e-9) << t << " " << i;
    }
    panel().n1overn2->setValue(120); // n >= 1 hides the critical angle at the next tick
    w().Timer2->Tick();
    EXPECT_FALSE(panel().Label5->isVisibleTo(&panel()));
}

TEST_F(ParticleWindowTest, NewtonsParticlesRunAlongTheDrawnTrackAndStopStopsBothClocks) {
    w().NEWTON2STROMATA->trigger();
    w().neftonas->trigger();
    EXPECT_FALSE(w().NEWTON2STROMATA->isChecked());
    w().xekina->trigger(); // Descartes' clock runs ...
    w().SOMATIDIA->trigger();
    EXPECT_FALSE(w().Timer2->running()); // ... until Newton's particles take the shapes back
    EXPECT_TRUE(w().Timer1->running());
    EXPECT_EQ(w().Timer1->Interval(), 10);
    EXPECT_TRUE(panel().Label7->isVisibleTo(&panel()) &&
                panel().newtongtimi->isVisibleTo(&panel()));
    // Particle 1, 100 steps behind the counter, sits on a stored point of the drawn track; a
    // new incidence draws a new track, and the particles follow it from the next tick.
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
    EXPECT_EQ(part().panelTime(), 0); // the stream starts again once its last particle has left
    w().xekina->trigger();
    w().STAMATHMA->trigger(); // "STOP"
    EXPECT_FALSE(w().Timer1->running() || w().Timer2->running());
    EXPECT_EQ(w().soma[1]->Left(), 0);
    EXPECT_EQ(w().soma[30]->Top(), 0);
    EXPECT_NOTHING_A_STUDENT_MAY_NOT_SEE(*program, "the streams");
}
