#include "support.h"

#include "records/List_of_Data.h"
#include "semicircle/hmiky.h"
#include "shell/velmoratimeleti.h"

#include <cmath>

namespace {
constexpr double kPi = 3.14159265358979323846;
const QColor kBlue = RGB(0, 0, 255);
const QColor kGreen = RGB(0, 255, 0);
const QColor kYellow = RGB(255, 255, 0);

bool anyNaN(const Canvas& c) {
    for (const Drawn& d : c.displayList())
        for (const QPointF& p : d.points)
            if (std::isnan(p.x()) || std::isnan(p.y())) return true;
    return false;
}
} // namespace

class SemicircleTest : public ProgramTest {
protected:
    void SetUp() override {
        Main(*program);
        program->forms.velmoratimeleti().Command1_Click();
        record(h());
    }
    hmiky& h() { return program->forms.hmiky(); }
    List_of_Data& list() { return program->forms.List_of_Data(); }
    void giveAngle(const QString& answer) {
        dialogs->answer(answer);
        h().Command1->click();
    }
    // The half-disc: the last filled sector drawn.
    Drawn halfDisc() {
        const auto circles = drawnOf(*h().canvas, Drawn::Circle);
        for (auto it = circles.rbegin(); it != circles.rend(); ++it)
            if (it->hasArc) return *it;
        return {};
    }
};

TEST_F(SemicircleTest, OneCentredRayAlongTheNormalLeavesUndeviated) {
    giveAngle("30");
    const ExperimentState& s = program->semi;
    EXPECT_NEAR(s.measuredIndex, 1.5, 1e-9);
    // sin r = sin 30 / 1.5 = 1/3: r = 19.4712 degrees.
    EXPECT_NEAR(s.refrAngle * 180 / kPi, 19.4712206, 1e-6);
    ASSERT_EQ(list().List1->count(), 1);
    EXPECT_EQ(list().List1->item(0)->text(), "30.00");
    EXPECT_EQ(list().List2->item(0)->text(), "19.47");
    EXPECT_EQ(list().List3->item(0)->text(), "1.50");
    EXPECT_EQ(list().Label1->text(), "h=0.00");
    EXPECT_EQ(list().Label2->text(), QStringLiteral("angle φ=0.00"));
    EXPECT_TRUE(list().Visible());
    // Source to the flat face in blue, inside in green, out to the protractor in blue.
    const Canvas& c = *h().canvas;
    const auto blue = drawnOf(c, Drawn::Line, kBlue);
    const auto green = drawnOf(c, Drawn::Line, kGreen);
    ASSERT_EQ(blue.size(), 2u);
    ASSERT_EQ(green.size(), 1u);
    EXPECT_NEAR(blue[0].points[0].x(), 150 * std::cos(kPi / 6), 1e-9);
    EXPECT_NEAR(blue[0].points[0].y(), 75, 1e-9);
    EXPECT_NEAR(green[0].points[0].x(), 0, 1e-9); // enters at the centre of the flat face
    EXPECT_NEAR(std::hypot(blue[1].points[1].x(), blue[1].points[1].y()), 150, 1e-6);
    // Along a radius it leaves the curved face undeviated, below the axis at r.
    EXPECT_NEAR(blue[1].points[1].x(), -150 * std::sqrt(8.0) / 3, 1e-6);
    EXPECT_NEAR(blue[1].points[1].y(), -50, 1e-6);
    EXPECT_EQ(dialogs->questions.back().title, "incidence angle");
}

TEST_F(SemicircleTest, AnswersAreReadAsStudentsTypeThem) {
    giveAngle("41,8");
    EXPECT_EQ(list().List1->item(0)->text(), "41.80");
    giveAngle("not a number");
    EXPECT_EQ(list().List1->item(0)->text(), "0.00");
    giveAngle("");
    EXPECT_EQ(list().List1->item(0)->text(), "0.00");
    for (int i = 0; i < list().List3->count(); ++i)
        EXPECT_FALSE(list().List3->item(i)->text().contains("N", Qt::CaseInsensitive));
}

TEST_F(SemicircleTest, ShiftedSemicircleMeasuresADifferentIndex) {
    // Centre moved up by 1: a ray from above-right meets the flat face above the centre,
    // no longer runs along a radius, and bends away from it at the curved face.
    h().ycoor->setValue(5);
    EXPECT_EQ(program->semi.yc, 1.0);
    EXPECT_EQ(h().Label2->text(), "yc=1.00");
    EXPECT_EQ(list().Label4->text(), "yc = 1.00");
    giveAngle("60");
    const double n = program->semi.measuredIndex;
    EXPECT_GT(std::fabs(n - 1.5), 1e-4);
    EXPECT_LT(std::fabs(n - 1.5), 0.2);
    EXPECT_FALSE(anyNaN(*h().canvas));
}

TEST_F(SemicircleTest, ScrollBarsKeepTheIncidenceInDegrees) {
    giveAngle("40");
    const double index = program->semi.measuredIndex;
    h().angle->setValue(30); // 3 degrees of tilt
    EXPECT_NEAR(program->semi.tilt, 3 * kPi / 180, 1e-12);
    EXPECT_NEAR(program->semi.incidence, 40 * kPi / 180, 1e-12);
    EXPECT_EQ(h().gon->text(), "Angle of Diameter with Y-axis=3.0");
    EXPECT_EQ(list().Label2->text(), QStringLiteral("ANGLE  Γωνία= 3.00"));
    h().angle->setValue(0);
    EXPECT_NEAR(program->semi.incidence, 40 * kPi / 180, 1e-12);
    EXPECT_NEAR(program->semi.measuredIndex, index, 1e-12);
}

TEST_F(SemicircleTest, RadiusScrollBarKeepsTheCentreTheLabelsShow) {
    h().xcoor->setValue(5);
    EXPECT_EQ(h().Label3->text(), "xc=1.00");
    h().canvas->Cls();
    h().HScroll1->setValue(120);
    EXPECT_EQ(program->semi.xc, 1.0);
    EXPECT_EQ(h().aktis->text(), "Semicircle's Radius= 120.0");
    const Drawn disc = halfDisc();
    EXPECT_EQ(disc.points[0], QPointF(1.0, 0));
    EXPECT_EQ(disc.radius, 120);
    // The same on a click on the window.
    h().Form_Click();
    EXPECT_EQ(halfDisc().points[0], QPointF(1.0, 0));
}

TEST_F(SemicircleTest, DirectionChoosesTheHalfDisc) {
    h().canvas->Cls();
    h().drawsemicircle(0, 0, 100);
    Drawn left = halfDisc();
    EXPECT_NEAR(left.start, -kPi / 2, 1e-12);
    EXPECT_NEAR(left.end, -3 * kPi / 2, 1e-6);
    EXPECT_TRUE(left.filled);
    EXPECT_EQ(left.fill, RGB(205, 0, 0));
    auto axis = drawnOf(*h().canvas, Drawn::Line, kYellow);
    ASSERT_EQ(axis.size(), 1u);
    EXPECT_NEAR(axis[0].points[1].x(), -100, 1e-9);

    h().Raref->trigger();
    EXPECT_TRUE(h().Raref->isChecked());
    EXPECT_FALSE(h().moredens->isChecked());
    Drawn right = halfDisc();
    EXPECT_NEAR(right.start, -3 * kPi / 2, 1e-6); // the arc runs the other way round
    EXPECT_NEAR(right.end, -kPi / 2, 1e-12);
    axis = drawnOf(*h().canvas, Drawn::Line, kYellow);
    EXPECT_NEAR(axis.back().points[1].x(), 100, 1e-9);

    h().moredens->trigger();
    EXPECT_EQ(program->semi.semiDirection, 1);
    EXPECT_TRUE(h().moredens->isChecked());
}

TEST_F(SemicircleTest, StartAngleOfZeroStillDrawsTheRadius) {
    program->semi.tilt = -kPi / 2;
    h().drawsemicircle(0, 0, 100);
    EXPECT_EQ(program->semi.arcStart, -0.001);
    program->semi.tilt = 0;
    h().drawsemicircle(0, 0, 100);
    EXPECT_NEAR(program->semi.arcStart, -kPi / 2, 1e-12);
}

TEST_F(SemicircleTest, IndexBelowOneAndGrazingRaysStayFinite) {
    h().Indexn->setValue(5); // n = 0.5
    EXPECT_EQ(h().Indexnt->text(), " n= 0.50");
    for (const char* a : {"80", "90", "89.9", "-30"}) giveAngle(a);
    h().Raref->trigger();
    for (const char* a : {"80", "90", "45"}) giveAngle(a);
    h().Indexn->setValue(20);
    h().hvalue->setValue(20);
    h().angle->setValue(-50);
    for (const char* a : {"90", "6"}) giveAngle(a);
    EXPECT_FALSE(anyNaN(*h().canvas));
    for (auto* l : {list().List1, list().List2, list().List3})
        for (int i = 0; i < l->count(); ++i)
            EXPECT_FALSE(l->item(i)->text().contains("n", Qt::CaseInsensitive)) << l->item(i)->text().toStdString();
    EXPECT_TRUE(std::isfinite(program->semi.measuredIndex));
}

TEST_F(SemicircleTest, HeightScrollBarMovesTheRay) {
    h().hvalue->setValue(15);
    EXPECT_EQ(program->semi.rayH, 1.5);
    EXPECT_EQ(h().Label4->text(), "h(y(0) ray'2 =  1.50");
    EXPECT_EQ(list().Label1->text(), "h=1.50");
    giveAngle("30");
    // The incident ray crosses x = 0 at h.
    const auto blue = drawnOf(*h().canvas, Drawn::Line, kBlue);
    ASSERT_FALSE(blue.empty());
    const QPointF s = blue[0].points[0], e = blue[0].points[1];
    const double yAtZero = s.y() + (0 - s.x()) * (e.y() - s.y()) / (e.x() - s.x());
    EXPECT_NEAR(yAtZero, 1.5, 1e-9);
}

TEST_F(SemicircleTest, EraseResetsTheSettingsAndTheList) {
    h().xcoor->setValue(3);
    h().hvalue->setValue(-10);
    giveAngle("20");
    ASSERT_EQ(list().List1->count(), 1);
    h().Command2->click();
    EXPECT_EQ(h().xcoor->value(), 0);
    EXPECT_EQ(h().hvalue->value(), 0);
    EXPECT_EQ(program->semi.xc, 0);
    EXPECT_EQ(program->semi.rayH, 0);
    EXPECT_EQ(list().List1->count(), 0);
    // Only the two axes remain.
    EXPECT_EQ(h().canvas->displayList().size(), 2u);
}

TEST_F(SemicircleTest, IndexScrollBarDoesNotRedraw) {
    giveAngle("30");
    const auto before = h().canvas->displayList().size();
    h().Indexn->setValue(17);
    EXPECT_EQ(h().canvas->displayList().size(), before);
    EXPECT_EQ(program->semi.indexN, 1.7);
}
