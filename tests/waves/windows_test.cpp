// The wave window and its panel used as a student uses them, each click checked where it
// lands: in the part, and from there in the windows that show it.
#include "support.h"

#include "data/inpdat.h"
#include "particles/somata.h"
#include "shell/qformat.h"
#include "shell/shape.h"
#include "waves/rixo.h"
#include "waves/rixotext.h"

class WaveWindowsTest : public ProgramTest {
protected:
    void SetUp() override {
        Main(*program);
        program->forms.velmoratimeleti().Command5_Click();
    }
    rixo& waves() { return program->forms.rixo(); }
    rixotext& panel() { return program->forms.rixotext(); }
    somata& particles() { return program->forms.somata(); }
    Interpretation& part() { return program->interpretation; }
    // The rays of the ray picture that leave the surface upwards and downwards.
    std::pair<int, int> raysUpAndDown() {
        int up = 0, down = 0;
        const double S = part().waveScale().H / 2;
        for (const DrawItem& d : drawnOf(*waves().canvas, DrawItem::Line))
            if (std::fabs(d.a.y - S) < 1e-6) (d.b.y > S ? up : down) += 1;
        return {up, down};
    }
};

TEST_F(WaveWindowsTest, TheMainMenuOpensThreeWindowsWithTheFrontsRunning) {
    EXPECT_TRUE(waves().Visible() && panel().Visible() && particles().Visible());
    EXPECT_EQ(panel().Label4->text(), QStringLiteral("n2 του κάτω διά n1 του πάνω: n2/n1 = 1.50"));
    EXPECT_EQ(panel().Label1->text(), QStringLiteral("REFLECTED Ανακλώμενο % = 24.04"));
    EXPECT_EQ(panel().Text1->Text(),
              QStringLiteral("INCIDENCE Πρόσπτωσης= 30°  REFRACTION διάθλασης =19.47°"));
    EXPECT_FALSE(panel().Label5->isVisibleTo(&panel()) || panel().Label7->isVisibleTo(&panel()));
    EXPECT_TRUE(waves().Timer1->running());
    EXPECT_EQ(waves().Timer1->Interval(), 10);
    // The wave scale from the screen, adding up to 1500; the lower medium under its lower half;
    // a unit as long across as down in both pictures, so that angles are drawn true.
    EXPECT_NEAR(part().waveScale().W, 1500.0 * 1920 / 3000, 1e-9);
    EXPECT_NEAR(waves().Shape1->Top(), 1500.0 * 1080 / 3000 / 2, 1e-9);
    EXPECT_NEAR(waves().Shape1->Height(), 1500.0 * 1080 / 3000 / 2, 1e-9);
    for (const Canvas* c : {waves().canvas, particles().canvas})
        EXPECT_NEAR(std::fabs(c->ScaleWidth()) / c->width(),
                    std::fabs(c->ScaleHeight()) / c->height(), 1e-9);
    // One tick: only the present fronts, orange above, no white trail; one time unit on.
    const Canvas::Mark before = waves().canvas->mark();
    waves().Timer1->Tick();
    int incident = 0;
    for (const DrawItem& d : waves().canvas->drawnSince(before)) {
        incident += sameColor(Canvas::ColourOf(d), RGB(200, 100, 0));
        EXPECT_FALSE(sameColor(Canvas::ColourOf(d), RGB(255, 255, 255)));
    }
    EXPECT_GT(incident, 0);
    EXPECT_EQ(part().waveTime(), 1);
    // "c=2" then "WAVE": the fronts at c = 2 from clock 0; the clock stops once they have crossed.
    waves().okitis2->trigger();
    waves().TIMERSTART->trigger();
    EXPECT_EQ(part().waveRefraction().speedC1, 2);
    int ticks = 0;
    while (waves().Timer1->running() && ++ticks < 100000)
        waves().Timer1->Tick();
    EXPECT_LE(ticks, (2000 + part().waveScale().right + part().waveScale().H) /
                         2); // within the crossing time
    EXPECT_EQ(part().waveTime(), 0);
    EXPECT_NOTHING_A_STUDENT_MAY_NOT_SEE(*program, "the fronts");
}

// What each handler writes on the panel, in its own words, and the ray picture it draws.
TEST_F(WaveWindowsTest, EachHandlerWritesItsCaptionsOnThePanel) {
    const auto energy = [](const char* reflected, const char* refracted) {
        return QStringLiteral("ENERGY ΕΝΕΡΓΕΙΑ: reflected ") + reflected +
               QStringLiteral(" %  refracted ") + refracted + QStringLiteral(" %");
    };
    waves().aktina->trigger(); // "RAY"
    EXPECT_FALSE(waves().Timer1->running());
    panel().n1overn2->setValue(100); // c1 = c2: ten incident and ten refracted rays
    EXPECT_TRUE(panel().Label4->text().endsWith("1.00"));
    EXPECT_EQ(raysUpAndDown(), std::make_pair(10, 10));
    EXPECT_EQ(panel().Label2->text(), QStringLiteral("REFRACTED Διαθλώμενο= 100.00"));
    panel().prosptosi->setValue(90); // two media alike at 90 reflect nothing either
    EXPECT_EQ(panel().Label1->text(), QStringLiteral("REFLECTED Ανακλώμενο = 0.00"));
    EXPECT_EQ(panel().energy->text(), energy("0.00", "100.00"));
    panel().n1overn2->setValue(150);
    panel().prosptosi->setValue(30);
    EXPECT_EQ(panel().Label2->text(), QStringLiteral("REFRACTED Διαθλώμενο = 75.96"));
    EXPECT_EQ(panel().energy->text(), energy("5.78", "94.22"));
    panel().Command1->click(); // the button's own numbers give way to the wave scene's
    EXPECT_EQ(panel().Label1->text(), QStringLiteral("REFLECTED Ανακλώμενο % = 24.04"));
    EXPECT_EQ(part().speedChoice(), 0.25);
    EXPECT_TRUE(waves().Timer1->running() && particles().Timer1->running());
    waves().aktina->trigger();
    EXPECT_EQ(panel().Label1->text(), QStringLiteral("REFLECTED Ανακλώμενο= 24.04"));
    panel().n1overn2->setValue(50);
    panel().prosptosi->setValue(20); // into a medium twice as fast: 144.08 %
    EXPECT_EQ(panel().Label2->text(), QStringLiteral("REFRACTED Διαθλώμενο = 144.08"));
    EXPECT_EQ(panel().energy->text(), energy("19.43", "80.57"));
    // n2/n1 = 0.5, critical 30: one layer ticked, Newton's scene writes it last; the slab
    // ticked, the ray picture's text stays after the ratio and the panel's after the incidence.
    panel().n1overn2->setValue(51);
    panel().n1overn2->setValue(50);
    EXPECT_EQ(panel().Label5->text(), QStringLiteral("κρίσιμη γωνία = 30.00"));
    particles().NEWTON2STROMATA->trigger();
    panel().n1overn2->setValue(51);
    panel().n1overn2->setValue(50);
    EXPECT_EQ(panel().Label5->text(), QStringLiteral("criticalγωνία =30.00"));
    panel().prosptosi->setValue(60); // past it: ten incident and ten reflected rays
    EXPECT_EQ(panel().Label5->text(), QStringLiteral("Κρίσιμη γωνία= 30.00"));
    EXPECT_EQ(raysUpAndDown(), std::make_pair(20, 0));
    EXPECT_EQ(panel().Label1->text(), QStringLiteral("REFLECTED Ανακλώμενο = 100.00"));
    EXPECT_EQ(panel().energy->text(), energy("100.00", "0.00"));
    EXPECT_EQ(panel().Text1->Text(), QStringLiteral("INCIDENCE Πρόσπτωσης= 60°"));
    // Newton's value reaches the particle window's track: the layer 0.115 and 0.025 of H.
    particles().neftonas->trigger();
    EXPECT_TRUE(panel().newtongtimi->isVisibleTo(&panel()) &&
                panel().Label7->isVisibleTo(&panel()));
    panel().newtongtimi->setValue(10);
    EXPECT_EQ(panel().Label7->text(),
              QStringLiteral("Πάχος στρώματος = ") + fmt(0.025 * part().scaleH(), "0.00"));
    panel().n1overn2->setValue(75);
    EXPECT_EQ(panel().Label5->text(), QStringLiteral("κρίσιμη γωνία = 48.59"));
}

TEST_F(WaveWindowsTest, EveryCornerOfTheScrollBarsAndEverySpeed) {
    for (QAction* speed : {waves().okitis1, waves().okitis2, waves().okitismiso})
        for (int r : {50, 100, 300})
            for (int i : {1, 45, 89, 90}) {
                panel().n1overn2->setValue(r);
                panel().prosptosi->setValue(i);
                panel().newtongtimi->setValue(i == 1 ? 10 : 1);
                (i == 45 ? particles().NEWTON2STROMATA : particles().neftonas)->trigger();
                speed->trigger();
                waves().TIMERSTART->trigger();
                for (int t = 0; t < 400 && waves().Timer1->running(); ++t)
                    waves().Timer1->Tick();
                EXPECT_NOTHING_A_STUDENT_MAY_NOT_SEE(
                    *program, QString("ratio %1 incidence %2").arg(r).arg(i).toStdString());
                if (HasFailure()) return;
            }
    EXPECT_TRUE(dialogs->messages.empty());
}

// The fronts and the particles keep apart: each its own scale; BACK and END stop every clock.
TEST_F(WaveWindowsTest, WavesAndParticlesKeepApartAndBackStopsEveryClock) {
    particles().close();
    EXPECT_FALSE(particles().Timer1->running() || particles().Timer2->running());
    panel().Command1->click(); // shows the particle window again, its stream running
    EXPECT_TRUE(particles().Visible() && particles().Timer1->running());
    const WaveScale wave = part().waveScale();
    particles().resize(1500, 300);
    particles().SOMATIDIA->trigger();
    for (int t = 0; t < 50; ++t) {
        waves().Timer1->Tick();
        particles().Timer1->Tick();
    }
    EXPECT_NE(part().scaleW(), wave.W);
    EXPECT_TRUE(part().waveScale().W == wave.W && part().waveScale().H == wave.H);
    const Canvas::Mark before = waves().canvas->mark();
    waves().Timer1->Tick(); // every incident front above the surface
    for (const DrawItem& d : waves().canvas->drawnSince(before))
        EXPECT_TRUE(!sameColor(Canvas::ColourOf(d), RGB(200, 100, 0)) ||
                    std::min(d.a.y, d.b.y) >= wave.H / 2 - 1e-6);
    waves().Endof->trigger(); // "BACK"
    EXPECT_FALSE(waves().Visible() || panel().Visible() || particles().Visible());
    EXPECT_TRUE(program->forms.inpdat().Visible());
    EXPECT_NOTHING_A_STUDENT_MAY_NOT_SEE(*program, "back"); // no clock in a hidden window
    program->forms.inpdat().Command4->click();              // INTERPRETATION: the fronts run again
    EXPECT_TRUE(waves().Timer1->running());
    waves().Telos->trigger(); // "END"
    EXPECT_TRUE(program->ended);
    EXPECT_FALSE(waves().Timer1->running());
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
