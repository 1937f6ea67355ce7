// The semicircle window used as a student uses it: the scroll bars, the buttons, the menus
// and the mouse, then what the windows show and what their canvases drew.
#include "support.h"

#include "data/inpdat.h"
#include "records/Grafindex.h"
#include "records/errors.h"
#include "records/model/recordfile.h"
#include "shell/model/mathconst.h"
#include "shell/model/numfmt.h"

#include <QDir>
#include <QTemporaryDir>

#include <filesystem>

namespace {
const QColor kBlue = RGB(0, 0, 255);
const QColor kGreen = RGB(0, 255, 0);
const QColor kYellow = RGB(255, 255, 0);
const QColor kCyan = RGB(0, 255, 255);

// Segments of one colour that start at the given point.
int segmentsFrom(const Canvas& c, const QColor& color, double x, double y) {
    int count = 0;
    for (const DrawItem& d : drawnOf(c, DrawItem::Line, color))
        if (near(pt(d.a), x, y, 1e-3)) ++count;
    return count;
}
} // namespace

class SemicircleTest : public SemicircleWindowTest {
protected:
    void SetUp() override { record(open()); }
    Canvas& scene() { return *h().canvas; }
    // The half-disc: the last filled sector drawn.
    DrawItem halfDisc() {
        const auto circles = drawnOf(scene(), DrawItem::Circle);
        for (auto it = circles.rbegin(); it != circles.rend(); ++it)
            if (it->arc) return *it;
        return {};
    }
};

TEST_F(SemicircleTest, OneCentredRayAlongTheNormalLeavesUndeviated) {
    giveAngle("30");
    EXPECT_EQ(dialogs->questions.back().title, "incidence angle");
    // sin r = sin 30 / 1.5 = 1/3: r = 19.47 degrees.
    EXPECT_EQ(items(list().List1), std::vector<QString>{"30.00"});
    EXPECT_EQ(items(list().List2), std::vector<QString>{"19.47"});
    EXPECT_EQ(items(list().List3), std::vector<QString>{"1.50"});
    EXPECT_EQ(list().Label1->text(), "h=0.00");
    EXPECT_EQ(list().Label2->text(), QStringLiteral("angle φ=0.00"));
    EXPECT_TRUE(list().Visible());
    // Source to the flat face in blue, inside in green, out to the protractor in blue.
    const auto blue = drawnOf(scene(), DrawItem::Line, kBlue);
    const auto green = drawnOf(scene(), DrawItem::Line, kGreen);
    ASSERT_EQ(blue.size(), 2u);
    ASSERT_EQ(green.size(), 1u);
    EXPECT_TRUE(near(pt(blue[0].a), 150 * std::cos(PI / 6), 75, 1e-9));
    EXPECT_TRUE(near(pt(green[0].a), 0, 0, 1e-9)); // enters at the centre of the flat face
    // Along a radius it leaves the curved face undeviated, below the axis at r.
    EXPECT_TRUE(near(pt(blue[1].b), -150 * std::sqrt(8.0) / 3, -50));
}

TEST_F(SemicircleTest, AnswersAreReadAsStudentsTypeThem) {
    giveAngle("41,8");
    EXPECT_EQ(list().List1->item(0)->text(), "41.80");
    giveAngle("not a number");
    EXPECT_EQ(list().List1->item(0)->text(), "0.00");
    giveAngle("");
    EXPECT_EQ(list().List1->item(0)->text(), "0.00");
}

TEST_F(SemicircleTest, ScrollBarsMoveWhatTheLabelsSay) {
    // Centre moved up by 1: a ray from above-right meets the flat face above the centre and
    // bends away from the radius at the curved face.
    h().ycoor->setValue(5);
    EXPECT_EQ(program->semi.yc, 1.0);
    EXPECT_EQ(h().Label2->text(), "yc=1.00");
    EXPECT_EQ(list().Label4->text(), "yc = 1.00");
    giveAngle("60");
    const double n = program->semi.measuredIndex;
    EXPECT_GT(std::fabs(n - 1.5), 1e-4);
    EXPECT_LT(std::fabs(n - 1.5), 0.2);
    h().ycoor->setValue(0);

    // The incident ray crosses x = 0 at h.
    h().hvalue->setValue(15);
    EXPECT_EQ(program->semi.rayH, 1.5);
    EXPECT_EQ(h().Label4->text(), "h(y(0) ray'2 =  1.50");
    EXPECT_EQ(list().Label1->text(), "h=1.50");
    scene().Cls();
    giveAngle("30");
    const auto blue = drawnOf(scene(), DrawItem::Line, kBlue);
    ASSERT_FALSE(blue.empty());
    const QPointF s = pt(blue[0].a), e = pt(blue[0].b);
    EXPECT_NEAR(s.y() - s.x() * (e.y() - s.y()) / (e.x() - s.x()), 1.5, 1e-9);

    // The index scroll bar changes n and draws nothing.
    const auto before = scene().displayList().size();
    h().Indexn->setValue(17);
    EXPECT_EQ(scene().displayList().size(), before);
    EXPECT_EQ(program->semi.indexN, 1.7);
}

TEST_F(SemicircleTest, TiltScrollBarKeepsTheIncidenceInDegrees) {
    giveAngle("40");
    const double index = program->semi.measuredIndex;
    h().angle->setValue(30); // 3 degrees of tilt
    EXPECT_NEAR(program->semi.tilt, 3 * PI / 180, 1e-12);
    EXPECT_NEAR(program->semi.incidence, 40 * PI / 180, 1e-12);
    EXPECT_EQ(h().gon->text(), "Angle of Diameter with Y-axis=3.0");
    EXPECT_EQ(list().Label2->text(), QStringLiteral("ANGLE  Γωνία= 3.00"));
    h().angle->setValue(0);
    EXPECT_NEAR(program->semi.measuredIndex, index, 1e-12);
}

TEST_F(SemicircleTest, RadiusScrollBarKeepsTheCentreTheLabelsShow) {
    h().xcoor->setValue(5);
    EXPECT_EQ(h().Label3->text(), "xc=1.00");
    scene().Cls();
    h().HScroll1->setValue(120);
    EXPECT_EQ(program->semi.xc, 1.0);
    EXPECT_EQ(h().aktis->text(), "Semicircle's Radius= 120.0");
    EXPECT_EQ(pt(halfDisc().a), QPointF(1.0, 0));
    EXPECT_EQ(halfDisc().radius, 120);
    h().Form_Click(); // the same on a click on the window
    EXPECT_EQ(pt(halfDisc().a), QPointF(1.0, 0));
}

TEST_F(SemicircleTest, DirectionChoosesTheHalfDiscAndAZeroStartStillDrawsTheRadius) {
    scene().Cls();
    h().drawsemicircle(0, 0, 100);
    DrawItem left = halfDisc();
    EXPECT_NEAR(left.start, -PI / 2, 1e-12);
    EXPECT_NEAR(left.end, -3 * PI / 2, 1e-6);
    EXPECT_TRUE(left.filled);
    EXPECT_EQ(fillOf(left), RGB(205, 0, 0));
    auto axis = drawnOf(scene(), DrawItem::Line, kYellow);
    ASSERT_EQ(axis.size(), 1u);
    EXPECT_NEAR(pt(axis[0].b).x(), -100, 1e-9);

    h().Raref->trigger();
    EXPECT_TRUE(h().Raref->isChecked());
    EXPECT_FALSE(h().moredens->isChecked());
    DrawItem right = halfDisc();
    EXPECT_NEAR(right.start, -3 * PI / 2, 1e-6); // the arc runs the other way round
    EXPECT_NEAR(right.end, -PI / 2, 1e-12);
    EXPECT_NEAR(pt(drawnOf(scene(), DrawItem::Line, kYellow).back().b).x(), 100, 1e-9);
    h().moredens->trigger();
    EXPECT_EQ(program->semi.semiDirection, 1);

    program->semi.tilt = -PI / 2;
    h().drawsemicircle(0, 0, 100);
    EXPECT_EQ(program->semi.arcStart, -0.001);
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
    EXPECT_EQ(scene().displayList().size(), 2u); // only the two axes remain
}

TEST_F(SemicircleTest, SweepListsNineRaysFromSixDegreesWithTheMeanIndexAndItsGraph) {
    Canvas& listing = record(list());
    Canvas& graph = record(program->forms.Grafindex());
    h().Command4->click();

    const auto incidences = items(list().List1);
    ASSERT_EQ(incidences.size(), 9u);
    EXPECT_EQ(incidences.front(), "6");
    EXPECT_EQ(incidences.back(), "80");
    for (const QString& index : items(list().List3)) EXPECT_EQ(index, "1.5000");
    EXPECT_TRUE(printedText(listing,
                            QStringLiteral("MEAN VALUE OF INDEX Μέσος όρος δείκτη διάθλασης1.50")));
    EXPECT_EQ(list().Label2->text(), QStringLiteral("ANGLE φ=0.00"));

    // Nine blue rays come in from the protractor, nine green ones cross the glass.
    int incoming = 0;
    for (const DrawItem& d : drawnOf(scene(), DrawItem::Line, kBlue))
        if (std::fabs(std::hypot(pt(d.a).x(), pt(d.a).y()) - 150) < 1e-6) ++incoming;
    EXPECT_EQ(incoming, 9);
    EXPECT_EQ(segmentsFrom(scene(), kGreen, 0, 0), 9);
    EXPECT_TRUE(program->forms.Grafindex().isVisible());
    EXPECT_EQ(drawnOf(graph, DrawItem::Dot).size(), 9u);
    EXPECT_TRUE(printedText(graph, QStringLiteral("MEAN ERROR Μέσο σφάλμα=0.000 %")));
}

TEST_F(SemicircleTest, SweepsLeaveTotallyReflectedLightOutOfTheMeasurements) {
    Canvas& listing = record(list());
    Canvas& graph = record(program->forms.Grafindex());
    // Curved face to the right, n = 1.5, centred: each ray runs along a radius to the centre.
    // Below arcsin(1 / 1.5) = 41.81 it leaves the flat face at arcsin(1.5 sin i); past it, it is
    // totally reflected, runs back along a radius and leaves the arc: no measurement. Those four
    // rows say so, and the mean, the graph and its mean error keep to the five rays measured.
    h().Raref->trigger();
    scene().Cls();
    h().Command4->click();
    const std::vector<double> angles{6, 10, 20, 30, 40, 50, 60, 70, 80};
    std::vector<QString> refraction, index;
    for (const double a : angles) {
        const double i = a * PI / 180;
        const bool out = 1.5 * std::sin(i) < 1;
        refraction.push_back(
            out ? QString::fromStdString(Format(std::asin(1.5 * std::sin(i)) * 180 / PI, "0.00"))
                : QStringLiteral("total reflection"));
        index.push_back(out ? QStringLiteral("1.5000") : QStringLiteral("ολική ανάκλαση"));
    }
    EXPECT_EQ(items(list().List2), refraction);
    EXPECT_EQ(items(list().List3), index);
    EXPECT_EQ(refraction[5] + " " + index[5], QStringLiteral("total reflection ολική ανάκλαση"));
    EXPECT_TRUE(printedText(listing,
                            QStringLiteral("MEAN VALUE OF INDEX Μέσος όρος δείκτη διάθλασης1.50")));
    EXPECT_EQ(drawnOf(graph, DrawItem::Dot).size(), 5u);
    EXPECT_TRUE(printedText(graph, QStringLiteral("MEAN ERROR Μέσο σφάλμα=0.000 %")));
    // Inside the glass the reflected light is green from the centre; the refracted light
    // leaves the centre blue.
    EXPECT_EQ(segmentsFrom(scene(), kGreen, 0, 0), 4);
    EXPECT_EQ(segmentsFrom(scene(), kBlue, 0, 0), 5);
    for (const DrawItem& d : drawnOf(scene(), DrawItem::Line, kBlue))
        if (std::hypot(pt(d.a).x(), pt(d.a).y()) > 1e-6 &&
            std::fabs(std::hypot(pt(d.a).x(), pt(d.a).y()) - 150) > 1e-6) {
            // The light leaving the arc ends on the protractor.
            EXPECT_NEAR(std::hypot(pt(d.b).x(), pt(d.b).y()), 150, 1e-9);
        }
    // Only the measured rows go to the data window.
    list().Command1->click();
    EXPECT_EQ(program->forms.inpdat().Refr[4]->text(), refraction[4]);
    EXPECT_TRUE(program->forms.inpdat().Refr[5]->text().isEmpty());

    // Curved face to the left, n = 0.6: from arcsin(0.6) = 36.87 degrees on, the light is
    // turned back at the flat face. Those rows say so, and the mean and the graph leave them
    // out.
    h().moredens->trigger();
    h().Indexn->setValue(6);
    listing.Cls();
    h().Command4->click();
    refraction.clear();
    index.clear();
    for (const double a : angles) {
        const double s = std::sin(a * PI / 180) / 0.6; // sin r
        refraction.push_back(s < 1 ? QString::fromStdString(Format(std::asin(s) * 180 / PI, "0.00"))
                                   : QStringLiteral("total reflection"));
        index.push_back(s < 1 ? QStringLiteral("0.6000") : QStringLiteral("ολική ανάκλαση"));
    }
    EXPECT_EQ(items(list().List2), refraction);
    EXPECT_EQ(items(list().List3), index);
    EXPECT_EQ(refraction[4], QStringLiteral("total reflection")); // 40 degrees
    EXPECT_TRUE(printedText(
        listing, QStringLiteral("MEAN VALUE OF INDEX Μέσος όρος δείκτη διάθλασης0.60")));
    EXPECT_EQ(drawnOf(graph, DrawItem::Dot).size(), 4u);
    for (const QString& row : items(list().List2)) EXPECT_TRUE(readable(row)) << row.toStdString();
}

TEST_F(SemicircleTest, ExtremeSettingsNeverShowNaN) {
    // Grazing and backward rays, then a sweep, for n = 0.5 and 2, both directions, centred
    // and with the ray high, the centre moved and the face tilted 5 degrees.
    h().Indexn->setValue(5);
    EXPECT_EQ(h().Indexnt->text(), " n= 0.50");
    for (int index : {5, 20})
        for (int direction : {1, 2})
            for (bool misplaced : {false, true}) {
                SCOPED_TRACE(testing::Message() << index << " " << direction << " " << misplaced);
                h().Indexn->setValue(index);
                (direction == 1 ? h().moredens : h().Raref)->trigger();
                h().hvalue->setValue(misplaced ? 20 : 0);
                h().angle->setValue(misplaced ? -50 : 0);
                h().xcoor->setValue(misplaced ? 5 : 0);
                for (const char* a : {"90", "89.9", "-30", "6"}) giveAngle(a);
                for (auto* l : {list().List1, list().List2, list().List3})
                    for (const QString& t : items(l))
                        EXPECT_FALSE(t.contains("n", Qt::CaseInsensitive)) << t.toStdString();
                EXPECT_TRUE(std::isfinite(program->semi.measuredIndex));
                h().Command4->click();
                expectAllFinite(scene());
                expectAllFinite(*list().canvas);
                expectAllFinite(*program->forms.Grafindex().canvas);
                for (const QString& cell : items(list().List3)) EXPECT_NE(cell, "NaN");
            }
}

TEST_F(SemicircleTest, AllRandomHidesSettingsThatTheScrollBarsReproduceAndDiffersEachTime) {
    record(list());
    h().allrandom->trigger();
    const ExperimentState& s = program->semi;
    const auto settings = [&] {
        return std::tuple{s.rayH, s.xc, s.yc, s.tilt, items(list().List1)};
    };
    const auto first = settings();

    // The hidden scroll bars hold exactly what was traced and listed.
    EXPECT_DOUBLE_EQ(h().hvalue->value() / 10.0, s.rayH);
    EXPECT_DOUBLE_EQ(h().xcoor->value() / 5.0, s.xc);
    EXPECT_DOUBLE_EQ(h().ycoor->value() / 5.0, s.yc);
    EXPECT_NEAR(h().angle->value() / 10.0 * PI / 180, s.tilt, 1e-15);
    EXPECT_LE(std::fabs(s.rayH), 1.0);
    EXPECT_LE(std::fabs(s.tilt * 180 / PI), 5.0);
    EXPECT_EQ(list().Label1->text(), "h= " + QString::fromStdString(Format(s.rayH, "0.00")));
    EXPECT_EQ(list().Label3->text(), "xc = " + QString::fromStdString(Format(s.xc, "0.00")));
    for (QWidget* w : std::initializer_list<QWidget*>{h().hvalue, h().angle, h().Label4, h().gon})
        EXPECT_TRUE(w->isHidden());
    EXPECT_TRUE(h().allrandom->isChecked());

    // Each ray is less than a degree off its nominal angle.
    const auto& incidences = std::get<4>(first);
    ASSERT_EQ(incidences.size(), 9u);
    EXPECT_NEAR(incidences[0].toDouble(), 6, 1.0);
    EXPECT_NEAR(incidences[8].toDouble(), 80, 1.0);
    const auto texts = printed(*list().canvas);
    EXPECT_TRUE(std::any_of(texts.begin(), texts.end(), [](const QString& t) {
        return t.startsWith(QStringLiteral("MEAN VALUE OF INDEX Μέσος όρος δείκτη= "));
    }));
    expectAllFinite(scene());

    h().allrandom->trigger();
    EXPECT_NE(settings(), first);

    giveAngle("30"); // GIVE INCIDENCE ANGLE shows the settings again
    EXPECT_FALSE(h().hvalue->isHidden());
    EXPECT_FALSE(h().gon->isHidden());
}

TEST_F(SemicircleTest, CriticalAngleIsFoundOrRefused) {
    const auto lastMessage = [&] { return dialogs->messages.back().text; };
    h().kritikal->trigger();
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(lastMessage(), "`Change Direction of Semicircle");
    h().Raref->trigger();
    h().Indexn->setValue(9);
    h().kritikal->trigger();
    EXPECT_EQ(lastMessage(), "Try with index>1");

    // arcsin(1 / 1.5) = 41.81 degrees.
    h().Indexn->setValue(15);
    h().kritikal->trigger();
    ASSERT_EQ(dialogs->messages.size(), 3u);
    EXPECT_EQ(lastMessage(), "critical=41.81");
    EXPECT_EQ(dialogs->messages.back().title, "Critical Angle");
    const auto cyan = drawnOf(scene(), DrawItem::Line, kCyan);
    ASSERT_EQ(cyan.size(), 1u);
    EXPECT_NEAR(std::hypot(pt(cyan[0].a).x(), pt(cyan[0].a).y()), 150, 1e-6);
    EXPECT_EQ(drawnOf(scene(), DrawItem::Line, RGB(50, 50, 50)).size(), 2u);
    EXPECT_GT(drawnOf(scene(), DrawItem::Line, kGreen).size(), 5u); // the marched free ray
    expectAllFinite(scene());

    // n = 1 and a small semicircle low and to the left: no ray changes side below 90
    // degrees, and the search stops there.
    h().Indexn->setValue(10);
    h().HScroll1->setValue(20);
    h().hvalue->setValue(-20);
    h().xcoor->setValue(-5);
    const std::size_t drawn = scene().displayList().size();
    h().kritikal->trigger();
    ASSERT_EQ(dialogs->messages.size(), 4u);
    EXPECT_TRUE(lastMessage().startsWith("No critical angle"));
    EXPECT_TRUE(lastMessage().contains(QStringLiteral("κρίσιμη γωνία")));
    EXPECT_EQ(scene().displayList().size(), drawn);
}

TEST_F(SemicircleTest, BeamsFromEitherSideAndTheMouse) {
    emit h().Paral->aboutToShow();
    h().leftpar->trigger();
    h().rightpar->trigger();
    int fromLeft = 0, fromRight = 0;
    for (const DrawItem& d : drawnOf(scene(), DrawItem::Line, kGreen)) {
        fromLeft += pt(d.a).x() == -200;
        fromRight += pt(d.a).x() == 200;
    }
    EXPECT_EQ(fromLeft, 64);
    EXPECT_EQ(fromRight, 64);
    // The ray along the axis crosses the centred semicircle undeviated.
    EXPECT_EQ(segmentsFrom(scene(), kGreen, -200, 0), 1);

    // A left press and release marks two points and traces nothing; a right press sends a fan.
    scene().Cls();
    h().Form_MouseDown(1, 0, -50, 60);
    h().Form_MouseUp(1, 0, 50, 70);
    EXPECT_EQ(program->semi.freeRay, (std::array<float, 4>{-50, 60, 50, 70}));
    const auto red = drawnOf(scene(), DrawItem::Circle, RGB(255, 0, 0));
    ASSERT_EQ(red.size(), 1u);
    EXPECT_EQ(pt(red[0].a), QPointF(50, 70));
    EXPECT_TRUE(drawnOf(scene(), DrawItem::Line, kGreen).empty());
    h().Form_MouseDown(2, 0, 0, 120);
    EXPECT_EQ(segmentsFrom(scene(), kGreen, 0, 120), 46);
    expectAllFinite(scene());

    h().Optimize->trigger(); // BEST SEMICIRCLE
    EXPECT_TRUE(program->forms.errors().isVisible());
    EXPECT_DOUBLE_EQ(program->semi.radiusR, 100); // the window still traces what it draws
}

TEST_F(SemicircleTest, RecordFileFromTheMenuCountsItsRecordsOrNamesItsFailure) {
    const QString home = QDir::currentPath();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(QDir::setCurrent(dir.path()));

    h().fylaxe->trigger();
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(dialogs->messages.back().text, " number of records =14641");
    const auto file = std::filesystem::path(dir.path().toStdString()) / "fylaxi";
    const auto records = ParseRecords(ReadRecordFileBytes(file).bytes);
    ASSERT_GE(records.size(), 14641u);
    EXPECT_NEAR(records[7320].indexFit, 1.5, 1e-6); // the window's own index
    // The window keeps the settings it draws.
    EXPECT_EQ(program->semi.rayH, 0);
    EXPECT_EQ(program->semi.tilt, 0);

    // A folder in the file's place: the message names the file and never counts a success.
    std::filesystem::remove(file);
    std::filesystem::create_directory(file);
    h().fylaxe->trigger();
    ASSERT_EQ(dialogs->messages.size(), 2u);
    const QString failure = dialogs->messages.back().text;
    EXPECT_TRUE(failure.contains("fylaxi")) << failure.toStdString();
    EXPECT_FALSE(failure.contains("=14641")) << failure.toStdString();
    QDir::setCurrent(home);
}

// An incidence that is not an angle is refused with a message, and nothing changes: the
// list, the state and the drawing stay as the last good ray left them.
TEST_F(SemicircleWindowTest, ARefusedIncidenceChangesNothing) {
    open();
    giveAngle("30");
    const auto rows = items(list().List1);
    const double index = program->semi.measuredIndex;
    Canvas& c = record(h());
    const auto drawnBefore = c.displayList().size();
    for (const char* hostile : {"1e308", "-1e308", "361", "1e999"}) {
        dialogs->messages.clear();
        giveAngle(hostile);
        ASSERT_EQ(dialogs->messages.size(), 1u) << hostile;
        EXPECT_EQ(dialogs->messages[0].text,
                  "Incidence angle: a number from -360 to 360   Γωνία πρόσπτωσης: αριθμός από "
                  "-360 έως 360");
        EXPECT_EQ(items(list().List1), rows);
        EXPECT_EQ(program->semi.measuredIndex, index);
        EXPECT_EQ(c.displayList().size(), drawnBefore);
    }
    giveAngle("1e-320"); // nought, a ray straight in
    EXPECT_EQ(items(list().List1).back(), "0.00");
    expectAllFinite(c);
}

// A ray keeps only what it measured: where the light is totally reflected, or no refracted
// light comes out to the protractor, the row says which, and an angle of 0 or 180 degrees
// (whose sine is 1.2e-16, not 0) has no index.
TEST_F(SemicircleWindowTest, ARowHoldsOnlyWhatItsOwnRayMeasured) {
    open();
    giveAngle("30"); // refraction 19.47, index 1.50
    // n = 0.5 is past its critical angle (30 degrees) at 60: totally reflected at the flat face.
    h().Indexn->setValue(5);
    giveAngle("60");
    EXPECT_EQ(items(list().List1), std::vector<QString>{"60.00"});
    EXPECT_EQ(items(list().List2), std::vector<QString>{"total reflection"});
    EXPECT_EQ(items(list().List3), std::vector<QString>{"ολική ανάκλαση"});
    EXPECT_FALSE(program->semi.refrAngleMeasured);
    EXPECT_FALSE(program->semi.indexMeasured);
    EXPECT_NEAR(program->semi.measuredIndex, 1.5, 1e-9); // the last measurement stays
    // The smallest glass moved one unit right, curved face to the right, light straight down
    // the y axis: it passes the glass by.
    h().HScroll1->setValue(20);
    h().Raref->trigger();
    h().xcoor->setValue(5);
    giveAngle("90");
    const QString none = QStringLiteral("no ray  καμία ακτίνα");
    EXPECT_EQ(items(list().List2), std::vector<QString>{none});
    EXPECT_EQ(items(list().List3), std::vector<QString>{none});
    h().moredens->trigger();
    h().xcoor->setValue(0);
    h().HScroll1->setValue(100);
    // Straight in along the axis: a refraction of 0, and no ratio of sines to take.
    h().Indexn->setValue(15);
    giveAngle("0");
    EXPECT_EQ(items(list().List2), std::vector<QString>{"0.00"});
    EXPECT_EQ(items(list().List3), std::vector<QString>{""});
    // The curved face to the right, h at its end, the source at 180 degrees.
    h().Raref->trigger();
    h().hvalue->setValue(h().hvalue->maximum());
    giveAngle("180");
    EXPECT_EQ(items(list().List1), std::vector<QString>{"180.00"});
    EXPECT_EQ(items(list().List3), std::vector<QString>{""});
    const QString refraction = list().List2->item(0)->text();
    EXPECT_TRUE(refraction.isEmpty() || std::fabs(refraction.toDouble()) <= 360)
        << refraction.toStdString();
    // Off the axis the index is measured again, and it is the glass's 1.5 (h = 0: the ray from
    // the left comes in at the centre of the flat face and leaves along a radius).
    h().hvalue->setValue(0);
    giveAngle("150");
    ASSERT_EQ(items(list().List3).size(), 1u);
    EXPECT_EQ(list().List3->item(0)->text(), "1.50");
    expectAllFinite(*h().canvas);
}

// A refused incidence never becomes a measurement: TRANSFER carries the good rows only, an
// empty cell goes over as an empty box (not a refraction of 0), and BACK and reopening draw
// the last good ray.
TEST_F(SemicircleWindowTest, ARefusedIncidenceNeverReachesTheDataWindow) {
    open();
    giveAngle("30");
    giveAngle("1e308");
    list().Command1->click(); // TRANSFER OF DATA
    ::inpdat& data = program->forms.inpdat();
    EXPECT_EQ(data.Text1[0]->text(), "30");
    EXPECT_EQ(data.Refr[0]->text(), "19.47");
    EXPECT_EQ(data.Text1[1]->text(), "");
    EXPECT_EQ(program->semi.incidenceDeg, 30);

    h().Command3->click(); // BACK
    program->forms.velmoratimeleti().Command1_Click();
    Canvas& c = record(h());
    h().Form_Click();
    EXPECT_FALSE(c.displayList().empty());
    expectAllFinite(c);

    // n = 0.5 at 60 degrees: no refraction of its own, so the box stays empty.
    h().Indexn->setValue(5);
    giveAngle("60");
    data.Refr[0]->setText("99");
    list().Command1->click();
    EXPECT_EQ(data.Text1[0]->text(), "60");
    EXPECT_EQ(data.Refr[0]->text(), "");
}

TEST_F(SemicircleTest, TheScrollBarsReadInTheExperimentsUnitsEverywhere) {
    // Each bar holds whole steps: index and tilt in tenths, h in tenths, centre in fifths.
    h().HScroll1->setValue(120);
    h().Indexn->setValue(17);
    h().xcoor->setValue(-3);
    h().ycoor->setValue(4);
    h().hvalue->setValue(-15);
    h().angle->setValue(25);
    const SemicircleSettings set = h().settings();
    EXPECT_DOUBLE_EQ(set.R, 120);
    EXPECT_DOUBLE_EQ(set.n, 1.7);
    EXPECT_DOUBLE_EQ(set.xc, -0.6);
    EXPECT_DOUBLE_EQ(set.yc, 0.8);
    EXPECT_DOUBLE_EQ(set.h, -1.5);
    EXPECT_DOUBLE_EQ(set.tiltDeg, 2.5);
    EXPECT_NEAR(set.tiltRad(), 0.04363323129985824, 1e-15); // 2.5 x pi / 180
    // The last change handler has put them into the experiment, the tilt in radians.
    const ExperimentState& s = program->semi;
    EXPECT_DOUBLE_EQ(s.radiusR, 120);
    EXPECT_DOUBLE_EQ(s.xc, -0.6);
    EXPECT_DOUBLE_EQ(s.yc, 0.8);
    EXPECT_DOUBLE_EQ(s.rayH, -1.5);
    EXPECT_NEAR(s.tilt, 0.04363323129985824, 1e-15);
    // The mean-error window reads the same settings.
    program->forms.errors().drawCurve();
    EXPECT_DOUBLE_EQ(s.xc, -0.6);
    EXPECT_NEAR(s.tilt, 0.04363323129985824, 1e-15);
    // The main menu's SEMICIRCLE opens the experiment afresh: bars and state back to start.
    program->forms.velmoratimeleti().Command1_Click();
    EXPECT_EQ(h().Indexn->value(), 15);
    EXPECT_DOUBLE_EQ(h().settings().n, 1.5);
    EXPECT_DOUBLE_EQ(s.xc, 0);
    EXPECT_DOUBLE_EQ(s.tilt, 0);
}

// The protractor's degree marks come with the scene base, so every handler that draws the
// protractor draws them, under the rays; their numbers stand clear of one another, of the
// buttons and of the window's edges on a large screen, a small one, and at scale 2 (half the
// logical pixels of 1366 x 768 and of 1280 x 720).
TEST_F(SemicircleWindowTest, TheProtractorIsGraduatedUnderTheRaysOnEveryScreen) {
    const QColor markGrey = RGB(150, 150, 150), numberGrey = RGB(105, 105, 105);
    for (const QSize screen :
         {QSize(1920, 1080), QSize(1366, 768), QSize(683, 384), QSize(640, 360)}) {
        SCOPED_TRACE(screen.width());
        auto d = std::make_unique<ScriptedDialogs>();
        dialogs = d.get();
        program = std::make_unique<Program>(std::move(d));
        program->screen.widthPx = screen.width();
        program->screen.heightPx = screen.height();
        hmiky& w = open();
        Canvas& c = record(w);
        giveAngle("30");
        EXPECT_EQ(items(list().List2), std::vector<QString>{"19.47"});
        EXPECT_EQ(drawnOf(c, DrawItem::Line, markGrey).size(), 360u);
        // The rays come after the marks, over them.
        const auto& all = c.displayList();
        std::size_t lastMark = 0, firstRay = all.size();
        for (std::size_t i = 0; i < all.size(); ++i) {
            if (all[i].kind == DrawItem::Line && sameColor(Canvas::ColourOf(all[i]), markGrey)) lastMark = i;
            if (all[i].kind == DrawItem::Line && sameColor(Canvas::ColourOf(all[i]), kBlue) &&
                firstRay == all.size())
                firstRay = i;
        }
        EXPECT_LT(lastMark, firstRay);

        std::vector<QRectF> boxes;
        QStringList numbers;
        for (const DrawItem& t : drawnOf(c, DrawItem::Text, numberGrey)) {
            QFont f(QStringLiteral("Arial"));
            f.setPointSizeF(t.fontSize);
            const QFontMetricsF fm = Canvas::MetricsOf(f);
            boxes.emplace_back(c.toPixel(pt(t.a).x(), pt(t.a).y()),
                               QSizeF(fm.horizontalAdvance(textOf(t)), fm.height()));
            numbers << textOf(t);
            EXPECT_GE(t.fontSize, 5);
        }
        // Every number on a usual screen; on the smallest only those that stand clear, the
        // numbers every 30 degrees among them.
        if (screen.width() >= 1366) {
            ASSERT_EQ(boxes.size(), 36u);
            for (const char* n : {"0", "10", "50", "90"})
                EXPECT_EQ(numbers.count(n), 4 - 2 * (n == QString("0") || n == QString("90")));
        }
        for (const char* n : {"0", "30", "60"}) EXPECT_GE(numbers.count(n), 2) << n;
        const QRectF surface(0, 0, c.width(), c.height());
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            EXPECT_TRUE(surface.contains(boxes[i])) << numbers[int(i)].toStdString();
            for (std::size_t j = i + 1; j < boxes.size(); ++j)
                EXPECT_FALSE(
                    boxes[i].adjusted(-1, 0, 1, 0).intersects(boxes[j].adjusted(-1, 0, 1, 0)))
                    << numbers[int(i)].toStdString() << " and " << numbers[int(j)].toStdString();
            for (const QWidget* k : c.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                if (!k->isVisible()) continue;
                EXPECT_FALSE(boxes[i].intersects(QRectF(k->geometry())))
                    << numbers[int(i)].toStdString() << " under " << k->objectName().toStdString();
            }
            // Never struck through by an axis.
            const QPointF origin = c.toPixel(0, 0);
            EXPECT_FALSE(boxes[i].top() < origin.y() && boxes[i].bottom() > origin.y());
            EXPECT_FALSE(boxes[i].left() < origin.x() && boxes[i].right() > origin.x());
        }
    }

    // Every handler that draws the protractor draws its marks.
    hmiky& w = h();
    Canvas& c = *w.canvas;
    const std::pair<const char*, std::function<void()>> handlers[] = {
        {"tilt", [&] { w.angle->setValue(20); }},
        {"xc", [&] { w.xcoor->setValue(2); }},
        {"yc", [&] { w.ycoor->setValue(-1); }},
        {"h", [&] { w.hvalue->setValue(5); }},
        {"radius", [&] { w.HScroll1->setValue(145); }},
        {"to the right", [&] { w.Raref->trigger(); }},
        {"to the left", [&] { w.moredens->trigger(); }},
        {"sweep", [&] { w.Command4->click(); }},
        {"all random", [&] { w.allrandom->trigger(); }},
        {"parallel", [&] { w.Paral_Click(); }},
        {"one ray", [&] { giveAngle("45"); }},
        {"left mouse button", [&] { w.Form_MouseDown(1, 0, 20, 30); }},
    };
    for (const auto& [name, act] : handlers) {
        const Canvas::Mark m = c.mark();
        act();
        std::size_t marks = 0;
        for (const DrawItem& d : c.drawnSince(m))
            if (d.kind == DrawItem::Line && sameColor(Canvas::ColourOf(d), markGrey)) ++marks;
        EXPECT_EQ(marks, 360u) << name;
    }
}
