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
#include <QRegularExpression>

namespace {
const QString kHowToMove = QStringLiteral(
    "Time of movement from magenta body through blue to  green. TO MOVE THE magenta body press "
    "Shift, to MOVE THE  GREEN PRESS Control, TO MOVE BLUE PRESS Shift & Control");
const QString kScrollCaption = QStringLiteral("Time of movement from  magenta through blue to GREEN ");
const QString kMouseCaption = QStringLiteral("Time of movement from  magenta through blue to  GREEN");
constexpr int kShift = 1, kControl = 2, kBoth = 3;

// The time in a path's caption: the number after "GREEN" (the law's captions keep the
// mouse's first text, without the blank).
double travelTime(const QString& caption) {
    const int at = caption.lastIndexOf(QStringLiteral("GREEN"));
    return at < 0 ? NAN : caption.mid(at + 5).trimmed().section(' ', 0, 0).toDouble();
}
} // namespace

class ParticleWindowTest : public ProgramTest {
protected:
    void SetUp() override {
        Main(*program);
        program->forms.velmoratimeleti().Command5_Click();
        for (Form* f : program->forms.loaded()) f->stopTimers(); // ticks come from the test
        record(w());
        record(panel());
    }
    somata& w() { return program->forms.somata(); }
    rixotext& panel() { return program->forms.rixotext(); }
    double H() const { return program->interp.scaleH; }
    double W() const { return program->interp.scaleW; }
    void openFermat() { emit w().fermat->aboutToShow(); }
    QPointF c(const Shape* s) const { return s->centre(); }
    QString caption() { return panel().Label6->text(); }
    // The sines of the path with the angles from the normal, in the window's own units.
    std::pair<double, double> sines() {
        const QPointF a = c(w().fermat1), b = c(w().fermat2), x = c(w().fermat3);
        return {std::fabs(a.x() - x.x()) / std::hypot(a.x() - x.x(), a.y() - x.y()),
                std::fabs(b.x() - x.x()) / std::hypot(b.x() - x.x(), b.y() - x.y())};
    }
    void expectSound(const char* where) {
        for (QLabel* l : panel().findChildren<QLabel*>())
            ASSERT_TRUE(readable(l->text())) << where << ": " << l->text().toStdString();
        for (const DrawItem& d : w().canvas->displayList())
            for (const QPointF& p : pointsOf(d))
                ASSERT_TRUE(std::isfinite(p.x()) && std::isfinite(p.y()) && std::fabs(p.x()) < 2e4 &&
                            std::fabs(p.y()) < 2e4)
                    << where;
        for (const auto& s : w().canvas->shapes())
            ASSERT_TRUE(std::isfinite(s->Left()) && std::isfinite(s->Top())) << where;
    }
};

TEST_F(ParticleWindowTest, FermatsPrinciplePutsUpThreeBodiesJoinedByTheirPath) {
    openFermat();
    for (Shape* b : {w().fermat1, w().fermat2, w().fermat3}) EXPECT_TRUE(b->Visible());
    for (int i = 0; i <= 52; ++i) EXPECT_FALSE(w().soma[i]->Visible()) << i;
    // The caption's colours name the bodies: magenta, green at the end, blue crossing.
    EXPECT_TRUE(sameColor(w().fermat1->FillColor(), RGB(255, 192, 255)));
    EXPECT_TRUE(sameColor(w().fermat2->FillColor(), RGB(0, 192, 0)));
    EXPECT_TRUE(sameColor(w().fermat3->FillColor(), RGB(0, 0, 255)));
    EXPECT_EQ(w().meso2->FillStyle(), Shape::UpwardDiagonal);
    EXPECT_TRUE(w().meso2->Visible());
    EXPECT_GT(c(w().fermat1).y(), H() / 2);
    EXPECT_LT(c(w().fermat2).y(), H() / 2);
    EXPECT_NEAR(c(w().fermat3).y(), H() / 2, 1e-9);
    EXPECT_TRUE(panel().Label6->isVisibleTo(&panel()));
    EXPECT_TRUE(caption().startsWith(kHowToMove + "\n" + kScrollCaption)) << caption().toStdString();
    EXPECT_FALSE(panel().newtongtimi->isVisibleTo(&panel()));
    EXPECT_TRUE(w().fermatscr->isVisibleTo(&w()));
    EXPECT_EQ(w().fermatscr->value(), std::lround(c(w().fermat3).x()));
    // The path: magenta to blue and green to blue, black, and no Newton layer left.
    const auto lines = drawnOf(*w().canvas, DrawItem::Line);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_TRUE(near(pt(lines[0].a), c(w().fermat1).x(), c(w().fermat1).y()));
    EXPECT_TRUE(near(pt(lines[1].a), c(w().fermat2).x(), c(w().fermat2).y()));
    EXPECT_TRUE(near(pt(lines[0].b), c(w().fermat3).x(), c(w().fermat3).y()));
    EXPECT_TRUE(sameColor(Canvas::ColourOf(lines[0]), Qt::black));
    EXPECT_TRUE(drawnOf(*w().canvas, DrawItem::FilledBox).empty());
    // Bodies and the scene keep a unit as long across as down.
    const Canvas& cv = *w().canvas;
    EXPECT_NEAR(std::fabs(cv.ScaleWidth()) / cv.width(), std::fabs(cv.ScaleHeight()) / cv.height(), 1e-9);
}

TEST_F(ParticleWindowTest, TheScrollBarSlidesTheCrossingBodyAndTheTimeFollowsIt) {
    openFermat();
    // The instructions stay through the choice of a law, and the time under them follows the
    // law's speeds; they go once the student moves the scroll bar (or a body).
    w().descartes->trigger();
    const double descartesTime = travelTime(caption());
    w().fermalaw->trigger();
    EXPECT_TRUE(caption().startsWith(kHowToMove + "\n" + kScrollCaption))
        << caption().toStdString();
    EXPECT_NE(travelTime(caption()), descartesTime);
    EXPECT_TRUE(w().fermalaw->isChecked());
    EXPECT_FALSE(w().descartes->isChecked());
    const double n = panel().n1overn2->value() / 100.0, c1 = program->interp.speedC1;
    ASSERT_GT(c1, 0);
    EXPECT_NEAR(program->interp.speedC2, c1 / n, 1e-12);
    w().fermatscr->setValue(200);
    EXPECT_NEAR(c(w().fermat3).x(), 200, 1e-9);
    EXPECT_NEAR(c(w().fermat3).y(), H() / 2, 1e-9);
    // The time by hand: d1 at c1 above, d2 at c1 / n below.
    const QPointF a = c(w().fermat1), b = c(w().fermat2);
    const double t = std::hypot(a.x() - 200, a.y() - H() / 2) / c1 +
                     std::hypot(b.x() - 200, b.y() - H() / 2) * n / c1;
    EXPECT_TRUE(caption().startsWith(kScrollCaption));
    EXPECT_NEAR(travelTime(caption()), t, 0.006);
    // Each scroll starts a fresh picture: only the latest path is drawn.
    const int before = w().canvas->clsCount();
    w().fermatscr->setValue(300);
    EXPECT_EQ(w().canvas->clsCount(), before + 1);
    EXPECT_EQ(drawnOf(*w().canvas, DrawItem::Line).size(), 2u);
}

TEST_F(ParticleWindowTest, TheRefractionMessageShowsExactlyWhereTheSinesObeyTheLaw) {
    openFermat();
    w().fermalaw->trigger();
    const double n = panel().n1overn2->value() / 100.0;
    int shown = 0;
    for (int v = 0; v <= w().fermatscr->maximum(); ++v) {
        w().fermatscr->setValue(v);
        const auto [s1, s2] = sines();
        const bool law = std::fabs(n * s2 - s1) < 0.05 && v > c(w().fermat1).x() && v < c(w().fermat2).x();
        const bool message = caption().endsWith(QStringLiteral("      Παράδειγμα αρχής Fermat"));
        ASSERT_EQ(message, law) << v;
        const auto lines = drawnOf(*w().canvas, DrawItem::Line);
        ASSERT_EQ(lines.size(), 2u);
        ASSERT_EQ(lines[0].width, law ? 5 : 1);
        ASSERT_TRUE(sameColor(Canvas::ColourOf(lines[0]), law ? RGB(0, 255, 0) : RGB(0, 0, 0)));
        shown += message;
        ASSERT_TRUE(readable(caption()));
    }
    EXPECT_GT(shown, 3); // a band of positions, not one point
    // With Descartes' law ticked the message never comes.
    w().descartes->trigger();
    EXPECT_FALSE(w().fermalaw->isChecked());
    EXPECT_NEAR(program->interp.speedC2, program->interp.speedC1 * n, 1e-12);
    for (int v = 0; v <= w().fermatscr->maximum(); ++v) {
        w().fermatscr->setValue(v);
        ASSERT_FALSE(caption().contains(QStringLiteral("Fermat"))) << v;
    }
}

TEST_F(ParticleWindowTest, ShiftAndControlMoveEachBodyToTheClick) {
    openFermat();
    w().Form_MouseDown(1, kShift, 0.1 * W(), 0.9 * H());
    EXPECT_TRUE(near(c(w().fermat1), 0.1 * W(), 0.9 * H(), 1e-9)); // the centre, upward scale
    EXPECT_TRUE(caption().startsWith(kMouseCaption));
    w().Form_MouseDown(1, kControl, 0.8 * W(), 0.1 * H());
    EXPECT_TRUE(near(c(w().fermat2), 0.8 * W(), 0.1 * H(), 1e-9));
    EXPECT_TRUE(w().fermatscr->isVisibleTo(&w()));
    // Shift and Control: the crossing body slides to the pointer's x, on the surface.
    w().Form_MouseDown(1, kBoth, 0.5 * W(), 0.7 * H());
    EXPECT_TRUE(near(c(w().fermat3), 0.5 * W(), H() / 2, 1e-9));
    // Other states only redraw.
    const QPointF before = c(w().fermat1);
    w().Form_MouseDown(1, 0, 0.3 * W(), 0.3 * H());
    w().Form_MouseDown(2, 4, 0.3 * W(), 0.3 * H());
    EXPECT_EQ(c(w().fermat1), before);
    // The real click, through the canvas: Shift on the canvas's pixel of that point.
    const QPointF px = w().canvas->toPixel(0.25 * W(), 0.75 * H());
    QMouseEvent press(QEvent::MouseButtonPress, px, w().canvas->mapToGlobal(px), Qt::LeftButton,
                      Qt::LeftButton, Qt::ShiftModifier);
    QCoreApplication::sendEvent(w().canvas, &press);
    EXPECT_TRUE(near(c(w().fermat1), 0.25 * W(), 0.75 * H(), 2)) << c(w().fermat1).x();
}

TEST_F(ParticleWindowTest, TheScrollBarTakesUpTheCrossingBodyWhereTheMouseLeftIt) {
    openFermat();
    w().Form_MouseDown(1, kBoth, 0.45 * W(), H() / 2);
    EXPECT_NE(w().fermatscr->value(), std::lround(0.45 * W()));
    w().resize(300, 200); // a student shrank the window
    QFocusEvent focus(QEvent::FocusIn, Qt::MouseFocusReason);
    QCoreApplication::sendEvent(w().fermatscr, &focus);
    EXPECT_EQ(w().Width(), program->screen.Width() / 2);
    EXPECT_EQ(w().Height(), program->screen.Height() / 2);
    // Value / Max is the body's place across the picture; the body stays where it was.
    const double across = w().fermatscr->value() / double(w().fermatscr->maximum());
    EXPECT_NEAR(across * w().canvas->ScaleWidth(), 0.45 * W(), w().canvas->ScaleWidth() / w().fermatscr->maximum());
    EXPECT_NEAR(c(w().fermat3).x(), w().fermatscr->value(), 1e-9);
    EXPECT_NEAR(c(w().fermat3).y(), H() / 2, 1e-9);
}

TEST_F(ParticleWindowTest, BothEndsOnOneSideMakeAReflectionAndNoLeastTime) {
    openFermat();
    // The green end up into the upper medium: no crossing to slide, nothing to search.
    w().Form_MouseDown(1, kShift, 0.2 * W(), 0.8 * H());
    w().Form_MouseDown(1, kControl, 0.6 * W(), 0.8 * H());
    EXPECT_FALSE(w().fermatscr->isVisibleTo(&w()));
    const QString before = caption();
    const std::size_t drawn = w().canvas->displayList().size();
    w().evresielaxistoy->trigger();
    EXPECT_EQ(w().canvas->displayList().size(), drawn);
    EXPECT_EQ(caption(), before);
    // The crossing body half-way on the surface: equal angles, Hero's law, in red.
    w().Form_MouseDown(1, kBoth, 0.4 * W(), H() / 2);
    EXPECT_TRUE(caption().startsWith(kMouseCaption));
    EXPECT_TRUE(caption().contains(QStringLiteral("            total distance = ")));
    EXPECT_TRUE(caption().endsWith(QStringLiteral("      Νόμος Ήρωνος"))) << caption().toStdString();
    const auto red = drawnOf(*w().canvas, DrawItem::Line, RGB(255, 0, 0));
    EXPECT_EQ(red.size(), 2u);
    // Lifted off the surface on the ends' side, it follows the pointer: never Hero's law.
    w().Form_MouseDown(1, kBoth, 0.4 * W(), H() / 2 + 20);
    EXPECT_TRUE(near(c(w().fermat3), 0.4 * W(), H() / 2 + 20, 1e-9));
    EXPECT_FALSE(caption().contains(QStringLiteral("Ήρωνος")));
    // The magenta end taken below: opposite sides again, the crossing body back on the surface.
    w().Form_MouseDown(1, kShift, 0.2 * W(), 0.2 * H());
    EXPECT_NEAR(c(w().fermat3).y(), H() / 2, 1e-9);
    EXPECT_TRUE(w().fermatscr->isVisibleTo(&w()));
}

TEST_F(ParticleWindowTest, FindMinimumDrawsTheLeastTimePathWhereSnellsLawHolds) {
    openFermat();
    w().fermalaw->trigger();
    w().fermatscr->setValue(int(0.25 * W()));
    w().evresielaxistoy->trigger();
    const auto green = drawnOf(*w().canvas, DrawItem::Line, RGB(0, 255, 0));
    ASSERT_EQ(green.size(), 2u);
    EXPECT_EQ(green[0].width, 6);
    const double xMin = pt(green[0].b).x();
    EXPECT_TRUE(near(c(w().fermat3), xMin, H() / 2, 1e-9));
    // sin i / sin r = n, exactly.
    const double n = panel().n1overn2->value() / 100.0;
    const auto [s1, s2] = sines();
    EXPECT_NEAR(s1, n * s2, 1e-9);
    // The least time is the time of that path with Fermat's speeds.
    const QPointF a = c(w().fermat1), b = c(w().fermat2);
    const double c1 = program->interp.speedC1;
    const double t = std::hypot(a.x() - xMin, a.y() - H() / 2) / c1 +
                     std::hypot(b.x() - xMin, b.y() - H() / 2) * n / c1;
    const QString head = QStringLiteral("LEAST TIMEΟ ΕΛΑΧΙΣΤΟΣ ΧΡΟΝΟΣ: ");
    ASSERT_TRUE(caption().startsWith(head));
    EXPECT_NEAR(caption().mid(head.size()).toDouble(), t, 0.006);
    // No other crossing takes less time.
    for (int v = 0; v <= w().fermatscr->maximum(); v += 7) {
        w().fermatscr->setValue(v);
        EXPECT_GE(travelTime(caption()), t - 0.01) << v;
    }
    // The green body a hundredth of a unit under the surface: the crossing found still obeys
    // the law, and a click of Shift & Control on the blue body itself gives Fermat's message.
    for (const double x2 : {0.7 * W(), 0.21 * W()}) {
        w().Form_MouseDown(1, kControl, x2, H() / 2 - 0.01);
        w().evresielaxistoy->trigger();
        const auto [near1, near2] = sines();
        EXPECT_NEAR(near1, n * near2, 1e-6) << x2;
        w().Form_MouseDown(1, kBoth, c(w().fermat3).x(), H() / 2);
        EXPECT_TRUE(caption().endsWith(QStringLiteral("      Παράδειγμα αρχής Fermat")))
            << caption().toStdString();
        EXPECT_EQ(w().lastPath().law, PathVerdict::Fermat);
    }
    // The ends one above the other: the least-time path is the vertical through them.
    w().Form_MouseDown(1, kControl, c(w().fermat1).x(), 0.1 * H());
    w().evresielaxistoy->trigger();
    const auto vertical = drawnOf(*w().canvas, DrawItem::Line, RGB(0, 255, 0));
    ASSERT_EQ(vertical.size(), 2u);
    for (const DrawItem& d : vertical)
        for (const QPointF& p : pointsOf(d)) EXPECT_NEAR(p.x(), c(w().fermat1).x(), 1e-9);
}

TEST_F(ParticleWindowTest, NoClickOrPanelSettingPutsANumberOutOfPlace) {
    openFermat();
    w().fermalaw->trigger();
    const double xs[] = {0, 1e-9, 0.5 * W(), W(), 1.2 * W()};
    const double ys[] = {-0.2 * H(), 0, H() / 2, H() / 2 + 1e-12, H()};
    for (int shift : {kShift, kControl, kBoth, 0})
        for (double x : xs)
            for (double y : ys) {
                w().Form_MouseDown(1, shift, x, y);
                expectSound("click");
                w().evresielaxistoy->trigger();
                expectSound("least time");
            }
    // Every body on one point.
    for (int shift : {kShift, kControl, kBoth}) w().Form_MouseDown(1, shift, 0.3 * W(), 0.3 * H());
    EXPECT_FALSE(caption().contains(QStringLiteral("Fermat")));
    EXPECT_FALSE(caption().contains(QStringLiteral("Ήρωνος")));
    expectSound("one point");
    // The panel's scroll bars over their range keep the bodies and redraw their path.
    w().Form_MouseDown(1, kControl, 0.7 * W(), 0.2 * H());
    for (int r = panel().n1overn2->minimum(); r <= panel().n1overn2->maximum(); r += 10) {
        panel().n1overn2->setValue(r);
        ASSERT_TRUE(caption().startsWith(kScrollCaption));
        ASSERT_TRUE(drawnOf(*w().canvas, DrawItem::FilledBox).empty()) << "Newton's layer over the bodies";
        expectSound("ratio");
    }
    for (int i = panel().prosptosi->minimum(); i <= panel().prosptosi->maximum(); i += 7) {
        panel().prosptosi->setValue(i);
        expectSound("incidence");
    }
    EXPECT_TRUE(w().fermat1->Visible());
}

TEST_F(ParticleWindowTest, DescartesSendsThirtyParticlesThatRefractAtTheSurface) {
    panel().n1overn2->setValue(150);
    panel().prosptosi->setValue(30);
    w().xekina->trigger();
    EXPECT_TRUE(w().Timer2->running());
    EXPECT_EQ(w().Timer2->Interval(), 50);
    EXPECT_FALSE(w().fermat1->Visible());
    for (int i = 1; i <= 52; ++i) EXPECT_TRUE(w().soma[i]->Visible()) << i;
    EXPECT_FALSE(panel().Label6->isVisibleTo(&panel()));
    // Seven in ten refracted at n = 1.5 and 30 degrees (tS = 0.7594).
    EXPECT_TRUE(printedText(*panel().canvas, QStringLiteral("nrefra= 7.00")));
    // Particle 1 starts one lambda up the ray from (W/2, H/2), drawn by soma(1) throughout.
    const double cos30 = std::cos(PI / 6);
    EXPECT_TRUE(near(c(w().soma[1]), W() / 2 - 50, H() / 2 + 100 * cos30, 1e-9));
    for (int t = 0; t < 3; ++t) w().Timer2->Tick();
    // Three ticks of 50: 50 past the surface, at 0.5 along and 1.5 cos r down per unit.
    EXPECT_TRUE(near(c(w().soma[1]), W() / 2 + 25, H() / 2 - 75 * std::sqrt(8.0) / 3, 1e-9));
    EXPECT_TRUE(near(c(w().soma[2]), W() / 2 - 25, H() / 2 + 50 * cos30, 1e-9));
    EXPECT_FALSE(w().soma[0]->Visible());
    // A new incidence turns the coming particles at the next tick.
    const QPointF before = c(w().soma[5]);
    panel().prosptosi->setValue(10);
    w().Timer2->Tick();
    const QPointF step = c(w().soma[5]) - before;
    EXPECT_NEAR(std::atan2(step.x(), -step.y()) * 180 / PI, 10, 1e-6);
    EXPECT_TRUE(w().Timer2->running());
    expectSound("stream");
}

TEST_F(ParticleWindowTest, AtTheCriticalAngleEveryDescartesParticleIsReflected) {
    panel().n1overn2->setValue(80);
    panel().prosptosi->setValue(60);
    w().xekina->trigger();
    EXPECT_TRUE(panel().Label5->isVisibleTo(&panel()));
    EXPECT_EQ(panel().Label5->text(), QStringLiteral("CRITICAL ANGLE Κρίσιμη γωνία =53.13"));
    for (int t = 0; t < 200; ++t) {
        w().Timer2->Tick();
        for (int i = 1; i <= 30; ++i) ASSERT_GE(c(w().soma[i]).y(), H() / 2 - 1e-9) << t << " " << i;
    }
    expectSound("total reflection");
    // n >= 1 hides the critical angle at the next tick.
    panel().n1overn2->setValue(120);
    w().Timer2->Tick();
    EXPECT_FALSE(panel().Label5->isVisibleTo(&panel()));
}

TEST_F(ParticleWindowTest, NewtonsParticlesRunAlongTheDrawnTrackAndStopStopsBothClocks) {
    w().NEWTON2STROMATA->trigger();
    w().neftonas->trigger();
    EXPECT_TRUE(w().neftonas->isChecked());
    EXPECT_FALSE(w().NEWTON2STROMATA->isChecked());
    w().SOMATIDIA->trigger();
    EXPECT_TRUE(w().Timer1->running());
    EXPECT_EQ(w().Timer1->Interval(), 10);
    EXPECT_TRUE(panel().Label7->isVisibleTo(&panel()));
    EXPECT_TRUE(panel().newtongtimi->isVisibleTo(&panel()));
    for (int t = 0; t < 120; ++t) w().Timer1->Tick();
    // Particle 1, 100 steps behind the counter's start, sits on a stored point of the track.
    const InterpretationState& s = program->interp;
    const int k = int(s.panelTime - 3) - 100;
    ASSERT_GT(k, 0);
    EXPECT_TRUE(near(c(w().soma[1]), s.trackC[k], s.trackA[k], 1e-9));
    // A new incidence draws the new track, and the particles follow it from the next tick.
    w().xekina->trigger(); // Descartes' clock runs too ...
    w().SOMATIDIA->trigger();
    EXPECT_FALSE(w().Timer2->running()); // ... until Newton's particles take the shapes back
    for (int t = 0; t < 120; ++t) w().Timer1->Tick();
    panel().prosptosi->setValue(60);
    EXPECT_FALSE(drawnOf(*w().canvas, DrawItem::Dot).empty());
    w().Timer1->Tick();
    const int k2 = int(s.panelTime - 3) - 100;
    EXPECT_TRUE(near(c(w().soma[1]), s.trackC[k2], s.trackA[k2], 1e-9));
    // The stream starts again once its last particle has left the picture.
    for (int t = 0; t < 5000 && s.panelTime > 0; ++t) w().Timer1->Tick();
    EXPECT_EQ(s.panelTime, 0);
    expectSound("Newton's stream");

    w().xekina->trigger();
    w().STAMATHMA->trigger();
    EXPECT_FALSE(w().Timer1->running());
    EXPECT_FALSE(w().Timer2->running());
    for (int i = 1; i <= 30; ++i) {
        EXPECT_EQ(w().soma[i]->Left(), 0);
        EXPECT_EQ(w().soma[i]->Top(), 0);
    }
    EXPECT_EQ(s.panelTime, 0);
}

TEST_F(ParticleWindowTest, WavesAndParticlesStartsNewtonsStreamAndBackStopsEveryClock) {
    openFermat();
    panel().Command1->click();
    EXPECT_TRUE(w().Timer1->running());
    EXPECT_FALSE(w().fermat1->Visible());
    EXPECT_FALSE(w().fermatscr->isVisibleTo(&w()));
    w().xekina->trigger();
    program->forms.rixo().Endof_Click();
    EXPECT_FALSE(w().Timer1->running());
    EXPECT_FALSE(w().Timer2->running());
}
