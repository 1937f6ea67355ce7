// The wave window, its panel and the particle window's Newton tracks, used as a student uses
// them: the main menu's button, the menus, the scroll bars, the clock.
#include "support.h"

#include "data/inpdat.h"
#include "particles/somata.h"
#include "shell/model/mathconst.h"
#include "shell/qformat.h"
#include "shell/shape.h"
#include "waves/model/interpretation.h"
#include "waves/rixo.h"
#include "waves/rixotext.h"

#include <QRegularExpression>

namespace {
const QColor kIncident = RGB(200, 100, 0);
const QColor kRefracted = RGB(0, 0, 255);
const QColor kReflected = RGB(255, 0, 0);

QRect frameOf(const Form& f) {
    return QRect(int(f.Left() / 15), int(f.Top() / 15), int(f.Width() / 15), int(f.Height() / 15));
}

} // namespace

class WaveWindowsTest : public ProgramTest {
protected:
    void SetUp() override {
        Main(*program);
        program->forms.velmoratimeleti().Command5_Click();
        record(waves());
        record(particles());
    }
    rixo& waves() { return program->forms.rixo(); }
    rixotext& panel() { return program->forms.rixotext(); }
    somata& particles() { return program->forms.somata(); }
    Canvas& picture() { return *waves().canvas; }
    // Every label and the text box of the panel, and every point drawn on both pictures.
    void expectSound(const char* where) {
        for (QLabel* l : panel().findChildren<QLabel*>())
            EXPECT_TRUE(readable(l->text())) << where << ": " << l->text().toStdString();
        EXPECT_TRUE(readable(panel().Text1->Text())) << where << ": " << panel().Text1->Text().toStdString();
        for (Canvas* c : {waves().canvas, particles().canvas})
            for (const DrawItem& d : c->displayList())
                for (const QPointF& p : pointsOf(d))
                    ASSERT_TRUE(std::isfinite(p.x()) && std::isfinite(p.y()) && std::fabs(p.x()) < 2e4 &&
                                std::fabs(p.y()) < 2e4)
                        << where << " kind " << d.kind;
    }
};

TEST_F(WaveWindowsTest, TheMainMenuOpensThreeWindowsSideBySideWithTheFrontsRunning) {
    EXPECT_TRUE(waves().Visible() && panel().Visible() && particles().Visible());
    EXPECT_EQ(panel().Label4->text(), QStringLiteral("n2 του κάτω διά n1 του πάνω: n2/n1 = 1.50"));
    EXPECT_TRUE(waves().Timer1->running());
    EXPECT_EQ(waves().Timer1->Interval(), 10);
    // The scale keeps the screen's aspect and adds up to 1500; the lower medium is its lower half.
    const InterpretationState& s = program->interp;
    EXPECT_NEAR(s.waveScaleW, 1500.0 * 1920 / 3000, 1e-9);
    EXPECT_NEAR(s.waveScaleH, 1500.0 * 1080 / 3000, 1e-9);
    EXPECT_NEAR(waves().Shape1->Top(), s.waveScaleH / 2, 1e-9);
    EXPECT_NEAR(waves().Shape1->Height(), s.waveScaleH / 2, 1e-9);
    EXPECT_EQ(waves().Shape1->layer(), Shape::UnderInk);

    // One tick: only the present fronts are drawn, orange above, blue below (n2/n1 = 1.5).
    const Canvas::Mark before = picture().mark();
    waves().Timer1->Tick();
    const auto frame = picture().drawnSince(before);
    int incident = 0, refracted = 0;
    for (const DrawItem& d : frame) {
        if (d.kind != DrawItem::Line) continue;
        incident += sameColor(Canvas::ColourOf(d), kIncident);
        refracted += sameColor(Canvas::ColourOf(d), kRefracted);
        EXPECT_FALSE(sameColor(Canvas::ColourOf(d), RGB(255, 255, 255))) << "a white trail";
    }
    EXPECT_GT(incident, 0);
    EXPECT_EQ(program->interp.waveTime, 1); // one tick of 10 ms: one time unit
    expectSound("first ticks");
}

// On a small screen as on a large one the three windows share it without overlapping, and
// every control of the panel, with its longest text, lies inside the panel.
class WaveWindowsOnAScreen : public ProgramTest, public ::testing::WithParamInterface<QSize> {};

TEST_P(WaveWindowsOnAScreen, TheWindowsShareTheScreenAndNoControlIsCut) {
    const QSize px = GetParam();
    program->screen.widthPx = px.width();
    program->screen.heightPx = px.height();
    Main(*program);
    program->forms.velmoratimeleti().Command5_Click();
    rixo& waves = program->forms.rixo();
    rixotext& panel = program->forms.rixotext();
    somata& particles = program->forms.somata();
    // A unit is as long across as down in both pictures, so angles are drawn true.
    for (Form* f : {static_cast<Form*>(&waves), static_cast<Form*>(&particles)}) {
        const Canvas& c = *f->canvas;
        EXPECT_NEAR(std::fabs(c.ScaleWidth()) / c.width(), std::fabs(c.ScaleHeight()) / c.height(), 1e-9)
            << f->objectName().toStdString();
    }
    // The longest texts the handlers write, shown at once: Fermat's help with the time of the
    // path under it, the critical angle, the layer's thickness.
    panel.n1overn2->setValue(50);
    panel.prosptosi->setValue(89);
    emit particles.fermat->aboutToShow();
    panel.newtongtimi->show();
    panel.Label7->show();
    ASSERT_TRUE(panel.Label6->isVisibleTo(&panel));
    ASSERT_TRUE(panel.Label6->text().contains(QStringLiteral("Shift & Control\n")));
    for (QWidget* c : panel.canvas->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!c->isVisibleTo(&panel)) continue;
        const std::string name = c->objectName().toStdString();
        EXPECT_TRUE(panel.canvas->rect().contains(c->geometry())) << name;
        if (auto* l = qobject_cast<QLabel*>(c)) {
            if (l->wordWrap())
                EXPECT_LE(l->heightForWidth(l->width()), l->height()) << l->text().toStdString();
            else
                EXPECT_LE(l->sizeHint().width(), l->width()) << name;
        }
    }
    // Fermat's bodies stand inside the picture, above the scroll bar.
    for (const Shape* body : {particles.fermat1, particles.fermat2, particles.fermat3}) {
        const QPointF at = particles.canvas->toPixel(body->centre().x(), body->centre().y());
        EXPECT_TRUE(QRectF(0, 0, particles.canvas->width(), particles.fermatscr->y()).contains(at));
    }
    // The particle window's scroll bar runs along its lower edge, inside it.
    EXPECT_TRUE(particles.fermatscr->isVisibleTo(&particles));
    EXPECT_TRUE(particles.canvas->rect().contains(particles.fermatscr->geometry()));
    EXPECT_EQ(particles.fermatscr->geometry().bottom(), particles.canvas->height() - 1);
}

INSTANTIATE_TEST_SUITE_P(SmallAndLarge, WaveWindowsOnAScreen,
                         ::testing::Values(QSize(1366, 768), QSize(1920, 1080)),
                         [](const ::testing::TestParamInfo<QSize>& p) {
                             return std::to_string(p.param.width()) + "x" + std::to_string(p.param.height());
                         });

TEST_F(WaveWindowsTest, TheClockMovesTheFrontsAndStopsOnceTheLastHasCrossed) {
    // The first incident front's height at x = 0 falls by c1 / cos(incidence) per tick.
    const InterpretationState& s = program->interp;
    waves().Timer1->Tick();
    const double h1 = s.frontHeight[1];
    waves().Timer1->Tick();
    EXPECT_NEAR(h1 - s.frontHeight[1], 1 / std::cos(30 * PI / 180), 1e-9);
    // "c=2" then "WAVE": twice as fast, the same gap between fronts.
    const double gap = s.frontGap1;
    waves().okitis2->trigger();
    waves().TIMERSTART->trigger();
    EXPECT_EQ(s.speedChoice, 2);
    waves().Timer1->Tick();
    const double h2 = s.frontHeight[1];
    waves().Timer1->Tick();
    EXPECT_NEAR(h2 - s.frontHeight[1], 2 / std::cos(30 * PI / 180), 1e-9);
    EXPECT_NEAR(s.frontGap1, gap, 1e-9);
    int ticks = 0;
    while (waves().Timer1->running() && ticks < 100000) {
        waves().Timer1->Tick();
        ++ticks;
    }
    EXPECT_FALSE(waves().Timer1->running());
    EXPECT_LT(ticks, 100000);
    EXPECT_EQ(s.waveTime, 0);
}

TEST_F(WaveWindowsTest, RayStopsTheClockAndCountsTheAmplitudesInRays) {
    waves().aktina->trigger(); // "RAY"
    EXPECT_FALSE(waves().Timer1->running());
    EXPECT_FALSE(panel().newtongtimi->isVisible());
    // c1 = c2 (ratio 100): ten incident and ten refracted rays, none reflected.
    panel().n1overn2->setValue(100);
    EXPECT_TRUE(panel().Label4->text().endsWith("1.00"));
    EXPECT_FALSE(panel().Label5->isVisible());
    const auto lines = drawnOf(picture(), DrawItem::Line);
    int up = 0, down = 0;
    const double S = program->interp.waveScaleH / 2;
    for (const DrawItem& d : lines) {
        if (!near(pt(d.a), pt(d.a).x(), S, 1e-6)) continue;
        (pt(d.b).y() > S ? up : down) += 1;
    }
    EXPECT_EQ(up, 10);
    EXPECT_EQ(down, 10);
    EXPECT_TRUE(panel().Label2->text().endsWith("100.00")) << panel().Label2->text().toStdString();
    EXPECT_TRUE(panel().Label1->text().endsWith("0.00"));
    // Every handler that writes the two amplitudes writes how the energy divides under them.
    const auto energy = [](const char* reflected, const char* refracted) {
        return QStringLiteral("ENERGY ΕΝΕΡΓΕΙΑ: reflected ") + reflected +
               QStringLiteral(" %  refracted ") + refracted + QStringLiteral(" %");
    };
    EXPECT_EQ(panel().energy->text(), energy("0.00", "100.00"));
    EXPECT_TRUE(panel().energy->isVisible());
    // Two media alike at 90 degrees reflect nothing either.
    panel().prosptosi->setValue(90);
    EXPECT_EQ(panel().Label1->text(), QStringLiteral("REFLECTED Ανακλώμενο = 0.00"));
    EXPECT_EQ(panel().energy->text(), energy("0.00", "100.00"));
    // Glass at 30 degrees: amplitudes 24.04 and 75.96, 5.78 % of the energy reflected; into a
    // medium twice as fast at 20 degrees the refracted amplitude is 144.08 %.
    panel().n1overn2->setValue(150);
    panel().prosptosi->setValue(30);
    EXPECT_EQ(panel().Label1->text(), QStringLiteral("REFLECTED Ανακλώμενο = 24.04"));
    EXPECT_EQ(panel().Label2->text(), QStringLiteral("REFRACTED Διαθλώμενο = 75.96"));
    EXPECT_EQ(panel().energy->text(), energy("5.78", "94.22"));
    // The button's own numbers (media alike) give way to the wave scene's at once; the ray
    // picture writes them again.
    panel().Command1->click();
    EXPECT_EQ(panel().Label1->text(), QStringLiteral("REFLECTED Ανακλώμενο % = 24.04"));
    EXPECT_EQ(panel().energy->text(), energy("5.78", "94.22"));
    waves().aktina->trigger();
    EXPECT_EQ(panel().Label1->text(), QStringLiteral("REFLECTED Ανακλώμενο= 24.04"));
    EXPECT_EQ(panel().energy->text(), energy("5.78", "94.22"));
    panel().n1overn2->setValue(50);
    panel().prosptosi->setValue(20);
    EXPECT_EQ(panel().Label1->text(), QStringLiteral("REFLECTED Ανακλώμενο = 44.08"));
    EXPECT_EQ(panel().Label2->text(), QStringLiteral("REFRACTED Διαθλώμενο = 144.08"));
    EXPECT_EQ(panel().energy->text(), energy("19.43", "80.57"));
    panel().n1overn2->setValue(100);
    panel().prosptosi->setValue(30);
    // n2/n1 = 0.5: the critical angle is 30 degrees; at 60 only reflected rays remain. With
    // one layer ticked, Newton's scene writes the critical angle last; with the slab ticked, the
    // ray picture's text stays after the ratio and the panel's own after the incidence.
    panel().n1overn2->setValue(50);
    EXPECT_TRUE(panel().Label5->isVisible());
    EXPECT_EQ(panel().Label5->text(), QStringLiteral("κρίσιμη γωνία = 30.00"));
    particles().NEWTON2STROMATA->trigger();
    panel().n1overn2->setValue(51);
    panel().n1overn2->setValue(50);
    EXPECT_EQ(panel().Label5->text(), QStringLiteral("criticalγωνία =30.00"));
    picture().Cls();
    panel().prosptosi->setValue(60);
    EXPECT_EQ(panel().Label5->text(), QStringLiteral("Κρίσιμη γωνία= 30.00"));
    up = down = 0;
    for (const DrawItem& d : drawnOf(picture(), DrawItem::Line)) {
        if (!near(pt(d.a), pt(d.a).x(), S, 1e-6)) continue;
        (pt(d.b).y() > S ? up : down) += 1;
    }
    EXPECT_EQ(down, 0);
    EXPECT_EQ(up, 20); // ten incident, ten reflected
    EXPECT_EQ(panel().Label1->text(), QStringLiteral("REFLECTED Ανακλώμενο = 100.00"));
    EXPECT_EQ(panel().Label2->text(), QStringLiteral("REFRACTED Διαθλώμενο = 0.00"));
    EXPECT_EQ(panel().energy->text(), energy("100.00", "0.00"));
    EXPECT_EQ(panel().Text1->Text(), QStringLiteral("INCIDENCE Πρόσπτωσης= 60°"));
}

TEST_F(WaveWindowsTest, EveryPlaceOfTheScrollBarsGivesReadableTextsAndDrawableLines) {
    for (int r = 50; r <= 300; r += 10) {
        panel().n1overn2->setValue(r);
        for (int i = 1; i <= 90; i += (i < 85 ? 7 : 1)) {
            picture().Cls();
            particles().canvas->Cls();
            panel().prosptosi->setValue(i);
            if (HasFailure()) return;
            expectSound(qPrintable(QString("ratio %1 incidence %2").arg(r).arg(i)));
        }
    }
    // Newton's value over its range, with both tracks; never the self-check's message.
    for (int k = 1; k <= 10; ++k) {
        panel().newtongtimi->setValue(k);
        particles().NEWTON2STROMATA->trigger();
        particles().neftonas->trigger();
    }
    EXPECT_TRUE(dialogs->messages.empty());
    // The waves at every speed through the corners of the grid, ticked to their end.
    for (QAction* speed : {waves().okitis1, waves().okitis2, waves().okitismiso})
        for (int r : {50, 100, 300})
            for (int i : {1, 45, 89, 90}) {
                panel().n1overn2->setValue(r);
                panel().prosptosi->setValue(i);
                speed->trigger();
                waves().TIMERSTART->trigger();
                for (int t = 0; t < 400 && waves().Timer1->running(); ++t) {
                    waves().Timer1->Tick();
                }
                expectSound(qPrintable(QString("waves ratio %1 incidence %2").arg(r).arg(i)));
                if (HasFailure()) return;
            }
}

TEST_F(WaveWindowsTest, NewtonsTracksFollowTheTickedItemAndTheNewtonValue) {
    EXPECT_TRUE(particles().neftonas->isChecked());
    particles().NEWTON2STROMATA->trigger();
    EXPECT_TRUE(particles().NEWTON2STROMATA->isChecked());
    EXPECT_FALSE(particles().neftonas->isChecked());
    EXPECT_TRUE(panel().newtongtimi->isVisible());
    EXPECT_TRUE(panel().Label7->isVisible());
    particles().neftonas->trigger();
    // Newton value 1: the layer is 0.115 of the scene's height; 10: 0.025.
    const double H = program->interp.scaleH;
    panel().newtongtimi->setValue(1);
    EXPECT_EQ(panel().Label7->text(), QStringLiteral("Πάχος στρώματος = ") + fmt(0.115 * H, "0.00"));
    panel().newtongtimi->setValue(10);
    EXPECT_EQ(panel().Label7->text(), QStringLiteral("Πάχος στρώματος = ") + fmt(0.025 * H, "0.00"));
    // n2/n1 = 0.75: the one-layer scene names its critical angle.
    panel().n1overn2->setValue(75);
    EXPECT_TRUE(panel().Label5->isVisible());
    EXPECT_EQ(panel().Label5->text(), QStringLiteral("κρίσιμη γωνία = 48.59"));
    EXPECT_FALSE(drawnOf(*particles().canvas, DrawItem::Dot).empty());
}

TEST_F(WaveWindowsTest, BackReturnsToTheDataWindowAndStopsEveryAnimation) {
    waves().Endof->trigger(); // "BACK"
    EXPECT_FALSE(waves().Visible());
    EXPECT_TRUE(program->forms.inpdat().Visible());
    EXPECT_FALSE(waves().Timer1->running());
    for (Timer* t : particles().timers()) EXPECT_FALSE(t->running());
    // "WAVES AND PARTICLES": the fronts again, at c = 0.25.
    panel().Command1->click();
    EXPECT_TRUE(waves().Visible());
    EXPECT_EQ(program->interp.speedChoice, 0.25);
    EXPECT_TRUE(waves().Timer1->running());
    waves().Telos->trigger(); // "END"
    EXPECT_TRUE(program->ended);
    EXPECT_FALSE(waves().Timer1->running());
}

// Animations run only where they are seen, and the fronts and the particles never share a
// drawing: each keeps its own arrays and its own scale.
TEST_F(WaveWindowsTest, AnimationsRunOnlyWhereSeenAndWavesAndParticlesKeepApart) {
    particles().close();
    EXPECT_FALSE(particles().Timer1->running() || particles().Timer2->running());
    // "WAVES AND PARTICLES" with the particle window closed shows it again, its stream running.
    panel().Command1->click();
    EXPECT_TRUE(particles().Visible());
    EXPECT_TRUE(particles().Timer1->running());
    const InterpretationState& s = program->interp;
    const double waveW = s.waveScaleW, waveH = s.waveScaleH;
    // A much wider particle window changes the particles' scale, not the fronts'.
    particles().resize(1500, 300);
    particles().SOMATIDIA->trigger();
    for (int t = 0; t < 50; ++t) {
        waves().Timer1->Tick();
        particles().Timer1->Tick();
    }
    EXPECT_NE(s.scaleW, waveW);
    EXPECT_EQ(s.waveScaleW, waveW);
    EXPECT_EQ(s.waveScaleH, waveH);
    // Every incident front stays above the surface, wherever the particles are.
    const Canvas::Mark before = picture().mark();
    waves().Timer1->Tick();
    for (const DrawItem& d : picture().drawnSince(before))
        if (d.kind == DrawItem::Line && sameColor(Canvas::ColourOf(d), kIncident))
            for (const QPointF& p : pointsOf(d)) EXPECT_GE(p.y(), waveH / 2 - 1e-6);
    expectSound("waves and particles together");
    // Back to the data window and in again through its INTERPRETATION button: the fronts run.
    waves().Endof->trigger();
    EXPECT_FALSE(panel().Visible() || particles().Visible());
    program->forms.inpdat().Command4->click();
    EXPECT_TRUE(waves().Timer1->running());
}
