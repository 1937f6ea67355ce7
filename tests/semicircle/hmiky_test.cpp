// The semicircle window used as a student uses it: each control reaches the experiment, the
// experiment's changes reach the list and the graph, and the canvas draws what was traced. The
// numbers themselves are the model tests' (optics_test, experiment_test).
#include "support.h"

#include "records/Grafindex.h"
#include "records/errors.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {
const QColor kBlue = RGB(0, 0, 255), kGreen = RGB(0, 255, 0), kYellow = RGB(255, 255, 0);

// Segments of one colour that start at the given point.
int segmentsFrom(const Canvas& c, const QColor& color, double x, double y) {
    int count = 0;
    for (const DrawItem& d : drawnOf(c, DrawItem::Line, color))
        count += near(pt(d.a), x, y, 1e-3);
    return count;
}
} // namespace

class SemicircleTest : public SemicircleWindowTest {
protected:
    void SetUp() override { open(); }
    Canvas& scene() { return *h().canvas; }
    Experiment& part() { return program->experiment; }
    std::size_t lines(const QColor& colour) {
        return drawnOf(scene(), DrawItem::Line, colour).size();
    }
    // The half-disc: the last filled sector drawn.
    DrawItem halfDisc() {
        const auto circles = drawnOf(scene(), DrawItem::Circle);
        const auto it =
            std::find_if(circles.rbegin(), circles.rend(), [](auto& c) { return c.arc; });
        return it == circles.rend() ? DrawItem{} : *it;
    }
};

TEST_F(SemicircleTest, OneRayIsDrawnAndListedAndARefusedAnswerChangesNothing) {
    giveAngle("30");
    EXPECT_EQ(dialogs->questions.back().title, "incidence angle");
    EXPECT_TRUE(list().Visible());
    EXPECT_EQ(items(list().List2), std::vector<QString>{"19.47"}); // sin r = sin 30 / 1.5
    EXPECT_EQ(list().Label2->text(), QStringLiteral("angle φ=0.00"));
    // In from the protractor to the centre and out blue, along a radius green.
    ASSERT_EQ(std::pair(lines(kBlue), lines(kGreen)), std::pair(std::size_t(2), std::size_t(1)));
    EXPECT_TRUE(near(pt(drawnOf(scene(), DrawItem::Line, kBlue)[0].a), 150 * std::cos(PI / 6), 75));
    const auto drawn = scene().displayList().size();
    // A number that is no angle is refused (its message: numfmt_test), and nothing changes.
    giveAngle("361");
    EXPECT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(items(list().List1), std::vector<QString>{"30.00"});
    EXPECT_TRUE(part().incidenceDeg() == 30 && scene().displayList().size() == drawn);
}

TEST_F(SemicircleTest, EachScrollBarSetsTheExperimentAndTheTextsThatShowIt) {
    giveAngle("40");
    const std::tuple<QScrollBar*, int, QString, QString> bars[] = {
        {h().ycoor, 5, "yc=1.00", "yc = 1.00"},
        {h().xcoor, -3, "xc=-0.60", "xc = -0.60"},
        {h().hvalue, 15, "h(y(0) ray'2 =  1.50", "h=1.50"},
        {h().angle, 30, "Angle of Diameter with Y-axis=3.0", QStringLiteral("ANGLE  Γωνία= 3.00")},
        {h().HScroll1, 120, "Semicircle's Radius= 120.0", ""},
        {h().Indexn, 17, " n= 1.70", ""}};
    for (const auto& [bar, value, own, listed] : bars) {
        bar->setValue(value);
        QStringList texts{h().Label2->text(), h().Label3->text(), h().Label4->text(),
                          h().gon->text(),    h().aktis->text(),  h().Indexnt->text()};
        for (QLabel* l : {list().Label1, list().Label2, list().Label3, list().Label4})
            texts << l->text();
        EXPECT_TRUE(texts.contains(own) && (listed.isEmpty() || texts.contains(listed)))
            << own.toStdString();
        EXPECT_EQ(part().incidenceDeg(), 40); // the handlers trace the last ray again, in degrees
    }
    EXPECT_EQ(std::vector<double>({part().yc(), part().xc(), part().rayH(), part().tiltDeg(),
                                   part().radiusR(), part().indexN()}),
              std::vector<double>({1.0, -0.6, 1.5, 3.0, 120, 1.7}));
    EXPECT_EQ(pt(halfDisc().a), QPointF(-0.6, 1.0)); // the radius keeps the centre shown
    EXPECT_EQ(halfDisc().radius, 120);
    const auto before = scene().displayList().size(); // the index bar draws nothing
    h().Indexn->setValue(15);
    EXPECT_EQ(scene().displayList().size(), before);
}

TEST_F(SemicircleTest, TheDirectionChoosesTheHalfDiscAndEraseStartsAgain) {
    scene().Cls();
    h().drawsemicircle(0, 0, 100);
    const DrawItem left = halfDisc(); // the part's arc, curved face to the left
    EXPECT_TRUE(left.filled && fillOf(left) == RGB(205, 0, 0));
    EXPECT_EQ(std::pair(left.start, left.end),
              std::pair(part().arcStart(), double(part().arcEnd())));
    EXPECT_NEAR(drawnOf(scene(), DrawItem::Line, kYellow).at(0).b.x, -100, 1e-9);
    h().Raref->trigger();
    EXPECT_TRUE(h().Raref->isChecked() && !h().moredens->isChecked() &&
                part().semiDirection() == 2);
    EXPECT_EQ(std::pair(halfDisc().start, halfDisc().end), std::pair(left.end, left.start));
    EXPECT_NEAR(drawnOf(scene(), DrawItem::Line, kYellow).back().b.x, 100, 1e-9);
    h().moredens->trigger();
    EXPECT_EQ(part().semiDirection(), 1);
    h().xcoor->setValue(3);
    h().hvalue->setValue(-10);
    h().Command4->click();
    h().Command2->click(); // erase
    EXPECT_TRUE(h().xcoor->value() == 0 && h().hvalue->value() == 0 && part().xc() == 0 &&
                part().rayH() == 0);
    EXPECT_TRUE(list().List1->count() == 0 && list().canvas->displayList().empty());
    EXPECT_FALSE(program->forms.Grafindex().isVisible());
    EXPECT_EQ(scene().displayList().size(), 2u); // only the two axes remain
}

// Nine rays drawn: blue in from the protractor, green across the glass from the centre; their
// rows in the list, their points on the index graph (its mean error: the records' tests).
TEST_F(SemicircleTest, ASweepIsDrawnAndReachesTheListAndTheIndexGraph) {
    Canvas& graph = record(program->forms.Grafindex());
    h().Command4->click();
    EXPECT_EQ(items(list().List3), std::vector<QString>(9, "1.5000"));
    EXPECT_TRUE(program->forms.Grafindex().isVisible() &&
                drawnOf(graph, DrawItem::Dot).size() == 9);
    int incoming = 0;
    for (const DrawItem& d : drawnOf(scene(), DrawItem::Line, kBlue))
        incoming += std::fabs(std::hypot(d.a.x, d.a.y) - 150) < 1e-6;
    EXPECT_EQ(std::pair(incoming, segmentsFrom(scene(), kGreen, 0, 0)), std::pair(9, 9));
}

TEST_F(SemicircleTest, AllRandomHidesSettingsThatTheScrollBarsHoldAndDiffersEachTime) {
    h().allrandom->trigger();
    const auto settings = [&] {
        return std::tuple{part().rayH(), part().xc(), part().yc(), part().tiltDeg(),
                          items(list().List1)};
    };
    const auto first = settings();
    EXPECT_EQ(std::vector<double>({h().hvalue->value() / 10.0, h().xcoor->value() / 5.0,
                                   h().ycoor->value() / 5.0, h().angle->value() / 10.0}),
              std::vector<double>({part().rayH(), part().xc(), part().yc(), part().tiltDeg()}));
    EXPECT_LE(std::fabs(part().rayH()), 1.0);
    for (QWidget* w : std::initializer_list<QWidget*>{h().hvalue, h().angle, h().Label4, h().gon})
        EXPECT_TRUE(w->isHidden());
    const auto& incidences = std::get<4>(first); // each less than a degree off its nominal angle
    ASSERT_EQ(incidences.size(), 9u);
    EXPECT_TRUE(std::fabs(incidences[0].toDouble() - 6) < 1 &&
                std::fabs(incidences[8].toDouble() - 80) < 1);
    EXPECT_TRUE(part().meanIndexText()->starts_with("MEAN VALUE OF INDEX Μέσος όρος δείκτη= "));
    h().allrandom->trigger();
    EXPECT_NE(settings(), first);
    giveAngle("30"); // GIVE INCIDENCE ANGLE shows the settings again
    EXPECT_FALSE(h().hvalue->isHidden() || h().gon->isHidden());
}

TEST_F(SemicircleTest, TheCriticalAngleIsFoundOrRefused) {
    const auto asked = [&](int n) {
        h().Indexn->setValue(n);
        h().kritikal->trigger();
        return dialogs->messages.back().text;
    };
    EXPECT_EQ(asked(15), "`Change Direction of Semicircle");
    h().Raref->trigger();
    EXPECT_EQ(asked(9), "Try with index>1");
    EXPECT_EQ(asked(15), "critical=41.81"); // arcsin(1 / 1.5)
    EXPECT_EQ(dialogs->messages.back().title, "Critical Angle");
    EXPECT_EQ(std::pair(lines(RGB(0, 255, 255)), lines(RGB(50, 50, 50))),
              std::pair(std::size_t(1), std::size_t(2)));
    EXPECT_GT(lines(kGreen), 5u); // the marched free ray
    // n = 1 and a small semicircle low and to the left: no ray changes side below 90 degrees.
    h().HScroll1->setValue(20);
    h().hvalue->setValue(-20);
    h().xcoor->setValue(-5);
    const std::size_t drawn = scene().displayList().size();
    EXPECT_EQ(asked(10), QStringLiteral("No critical angle was found below 90°  Δεν βρέθηκε "
                                        "κρίσιμη γωνία κάτω από 90°"));
    EXPECT_EQ(scene().displayList().size(), drawn);
    EXPECT_EQ(dialogs->messages.size(), 4u);
}

TEST_F(SemicircleTest, BeamsTheMouseBestSemicircleAndTheRecordFile) {
    emit h().Paral->aboutToShow();
    h().leftpar->trigger();
    h().rightpar->trigger();
    int fromLeft = 0, fromRight = 0;
    for (const DrawItem& d : drawnOf(scene(), DrawItem::Line, kGreen))
        fromLeft += d.a.x == -200, fromRight += d.a.x == 200;
    EXPECT_EQ(std::pair(fromLeft, fromRight), std::pair(64, 64));
    // A left press and release marks two points and traces nothing; a right press sends a fan.
    scene().Cls();
    h().Form_MouseDown(1, 0, -50, 60);
    h().Form_MouseUp(1, 0, 50, 70);
    EXPECT_EQ(part().freeRay(), (FreeRay{-50, 60, 50, 70}));
    EXPECT_EQ(pt(drawnOf(scene(), DrawItem::Circle, RGB(255, 0, 0)).at(0).a), QPointF(50, 70));
    EXPECT_EQ(lines(kGreen), 0u);
    h().Form_MouseDown(2, 0, 0, 120);
    EXPECT_EQ(segmentsFrom(scene(), kGreen, 0, 120), 46);
    h().Optimize->trigger(); // BEST SEMICIRCLE
    EXPECT_TRUE(program->forms.errors().isVisible());
    const QString home = QDir::currentPath();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid() && QDir::setCurrent(dir.path()));
    h().fylaxe->trigger(); // the record file, in the working folder
    EXPECT_EQ(dialogs->messages.back().text, " number of records =14641");
    EXPECT_EQ(QFileInfo(dir.filePath("fylaxi")).size(), 14640 * 128 + 48);
    QDir::setCurrent(home);
}

// The protractor's degree marks come with the scene base, under the rays, with every handler
// that draws the protractor; a number every 10 degrees, as the lists read angles.
TEST_F(SemicircleTest, TheProtractorIsGraduatedUnderTheRays) {
    hmiky& w = h();
    const std::function<void()> handlers[] = {
        [&] { giveAngle("30"); },       [&] { w.angle->setValue(20); },
        [&] { w.xcoor->setValue(2); },  [&] { w.ycoor->setValue(-1); },
        [&] { w.hvalue->setValue(5); }, [&] { w.HScroll1->setValue(145); },
        [&] { w.Raref->trigger(); },    [&] { w.moredens->trigger(); },
        [&] { w.Command4->click(); },   [&] { w.allrandom->trigger(); },
        [&] { w.Paral_Click(); },       [&] { w.Form_MouseDown(1, 0, 20, 30); }};
    for (std::size_t k = 0; k < std::size(handlers); ++k) {
        const Canvas::Mark m = w.canvas->mark();
        handlers[k]();
        const auto drawn = w.canvas->drawnSince(m);
        std::size_t marks = 0, lastMark = 0, firstRay = drawn.size();
        for (std::size_t i = 0; i < drawn.size(); ++i) {
            if (sameColor(Canvas::ColourOf(drawn[i]), RGB(150, 150, 150))) ++marks, lastMark = i;
            if (sameColor(Canvas::ColourOf(drawn[i]), kBlue)) firstRay = std::min(firstRay, i);
        }
        EXPECT_TRUE(marks == 360 && lastMark < firstRay) << k;
    }
    w.Raref->trigger(); // which number where: the Protractor test
    EXPECT_EQ(drawnOf(scene(), DrawItem::Text, RGB(105, 105, 105)).size(), 36u);
}
