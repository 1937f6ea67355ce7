// The ray modes of the semicircle window, used as a student uses them: the buttons, the
// menus and the mouse, then what the windows show and what their canvases drew.
#include "support.h"

#include "data/inpdat.h"
#include "records/Grafindex.h"
#include "records/List_of_Data.h"
#include "records/errors.h"
#include "records/recordfile.h"
#include "semicircle/hmiky.h"
#include "shell/mathconst.h"
#include "shell/numfmt.h"
#include "shell/velmoratimeleti.h"

#include <QDir>
#include <QTemporaryDir>

#include <cmath>
#include <filesystem>

namespace {

const QColor kBlue = RGB(0, 0, 255);
const QColor kGreen = RGB(0, 255, 0);
const QColor kCyan = RGB(0, 255, 255);
const QColor kDarkGrey = RGB(50, 50, 50);
const QColor kRed = RGB(255, 0, 0);

bool finite(const QPointF& p) { return std::isfinite(p.x()) && std::isfinite(p.y()); }

// Nothing drawn or printed holds a NaN or an infinity.
void expectAllFinite(const Canvas& c) {
    for (const Drawn& d : c.displayList()) {
        for (const QPointF& p : d.points)
            EXPECT_TRUE(finite(p)) << d.kind;
        EXPECT_TRUE(std::isfinite(d.radius));
        EXPECT_FALSE(d.text.contains("NaN") || d.text.contains("Infinity")) << d.text.toStdString();
    }
}

std::vector<QString> items(const QListWidget* list) {
    std::vector<QString> out;
    for (int i = 0; i < list->count(); ++i)
        out.push_back(list->item(i)->text());
    return out;
}

// Segments of one colour that start at the given point.
int segmentsFrom(const Canvas& c, const QColor& color, double x, double y) {
    int count = 0;
    for (const Drawn& d : drawnOf(c, Drawn::Line, color))
        if (std::fabs(d.points[0].x() - x) < 1e-3 && std::fabs(d.points[0].y() - y) < 1e-3) ++count;
    return count;
}

class HmikyModesTest : public ProgramTest {
protected:
    // The semicircle as the main menu opens it.
    hmiky& open() {
        program->forms.velmoratimeleti().Command1_Click();
        return program->forms.hmiky();
    }
    List_of_Data& list() { return program->forms.List_of_Data(); }
    struct Settings {
        double rayH, xc, yc, tilt;
        std::vector<QString> incidences;
    };
    Settings settings() {
        const ExperimentState& s = program->semi;
        return {s.rayH, s.xc, s.yc, s.tilt, items(list().List1)};
    }
};

} // namespace

TEST_F(HmikyModesTest, SweepListsNineRaysFromSixDegreesWithTheMeanIndexAndItsGraph) {
    hmiky& h = open();
    Canvas& scene = record(h);
    Canvas& listing = record(list());
    Canvas& graph = record(program->forms.Grafindex());
    h.Command4->click();

    const auto incidences = items(list().List1);
    ASSERT_EQ(incidences.size(), 9u);
    EXPECT_EQ(incidences.front(), "6");
    EXPECT_EQ(incidences.back(), "80");
    // A well-placed semicircle gives every student its own index back.
    for (const QString& index : items(list().List3))
        EXPECT_EQ(index, "1.5000");
    // sin 30 / 1.5 = 1/3: the refraction at 30 degrees is 19.47 degrees.
    EXPECT_EQ(items(list().List2)[3], "19.47");
    EXPECT_TRUE(printedText(listing,
                            QStringLiteral("MEAN VALUE OF INDEX Μέσος όρος δείκτη διάθλασης1.50")));
    EXPECT_EQ(list().Label1->text(), "h= 0.00");
    EXPECT_EQ(list().Label2->text(), QStringLiteral("ANGLE φ=0.00"));
    EXPECT_EQ(list().Label3->text(), "xc = 0.00");
    EXPECT_EQ(list().Label4->text(), "yc = 0.00");

    // Nine blue rays come in from the protractor, nine green ones cross the glass.
    int incoming = 0;
    for (const Drawn& d : drawnOf(scene, Drawn::Line, kBlue))
        if (std::fabs(std::hypot(d.points[0].x(), d.points[0].y()) - 150) < 1e-6) ++incoming;
    EXPECT_EQ(incoming, 9);
    EXPECT_EQ(segmentsFrom(scene, kGreen, 0, 0), 9);
    expectAllFinite(scene);

    EXPECT_TRUE(list().isVisible());
    EXPECT_TRUE(program->forms.Grafindex().isVisible());
    EXPECT_EQ(drawnOf(graph, Drawn::Point).size(), 9u);
    EXPECT_TRUE(printedText(graph, QStringLiteral("MEAN ERROR Μέσο σφάλμα=0.000 %")));
}

TEST_F(HmikyModesTest, SweepsNeverDrawNaNWhateverTheSettings) {
    hmiky& h = open();
    Canvas& scene = record(h);
    for (int direction : {1, 2}) {
        (direction == 1 ? h.moredens : h.Raref)->trigger();
        for (int index : {5, 10, 20}) {
            for (int height : {-20, 20}) {
                h.Indexn->setValue(index);
                h.hvalue->setValue(height);
                h.angle->setValue(-50);
                h.xcoor->setValue(5);
                h.Command4->click();
                SCOPED_TRACE(testing::Message() << direction << " " << index << " " << height);
                expectAllFinite(scene);
                expectAllFinite(*list().canvas);
                expectAllFinite(*program->forms.Grafindex().canvas);
                for (const QString& cell : items(list().List3))
                    EXPECT_NE(cell, "NaN");
            }
        }
    }
}

TEST_F(HmikyModesTest, AllRandomHidesSettingsThatTheScrollBarsReproduceAndDiffersEachTime) {
    hmiky& h = open();
    record(h);
    record(list());
    h.allrandom->trigger();
    const Settings first = settings();
    const ExperimentState& s = program->semi;

    // The hidden scroll bars hold exactly what was traced and listed.
    EXPECT_DOUBLE_EQ(h.hvalue->value() / 10.0, s.rayH);
    EXPECT_DOUBLE_EQ(h.xcoor->value() / 5.0, s.xc);
    EXPECT_DOUBLE_EQ(h.ycoor->value() / 5.0, s.yc);
    EXPECT_NEAR(h.angle->value() / 10.0 * PI / 180, s.tilt, 1e-15);
    EXPECT_LE(std::fabs(s.rayH), 1.0);
    EXPECT_LE(std::fabs(s.tilt * 180 / PI), 5.0);
    EXPECT_EQ(list().Label1->text(),
              QStringLiteral("h= ") + QString::fromStdString(Format(s.rayH, "0.00")));
    EXPECT_EQ(list().Label3->text(),
              QStringLiteral("xc = ") + QString::fromStdString(Format(s.xc, "0.00")));
    for (QWidget* w : {static_cast<QWidget*>(h.hvalue), static_cast<QWidget*>(h.xcoor),
                       static_cast<QWidget*>(h.ycoor), static_cast<QWidget*>(h.angle),
                       static_cast<QWidget*>(h.Label2), static_cast<QWidget*>(h.Label3),
                       static_cast<QWidget*>(h.Label4), static_cast<QWidget*>(h.gon)})
        EXPECT_TRUE(w->isHidden());
    EXPECT_TRUE(h.allrandom->isChecked());

    // Each ray is less than a degree off its nominal angle.
    ASSERT_EQ(first.incidences.size(), 9u);
    EXPECT_NEAR(first.incidences[0].toDouble(), 6, 1.0);
    EXPECT_NEAR(first.incidences[8].toDouble(), 80, 1.0);
    bool meanShown = false;
    for (const QString& t : printed(*list().canvas))
        meanShown |= t.startsWith(QStringLiteral("MEAN VALUE OF INDEX Μέσος όρος δείκτη= "));
    EXPECT_TRUE(meanShown);
    expectAllFinite(*h.canvas);

    h.allrandom->trigger();
    const Settings second = settings();
    EXPECT_TRUE(first.rayH != second.rayH || first.xc != second.xc || first.yc != second.yc ||
                first.tilt != second.tilt || first.incidences != second.incidences);

    // GIVE INCIDENCE ANGLE shows the settings again.
    dialogs->answer("30");
    h.Command1->click();
    EXPECT_FALSE(h.hvalue->isHidden());
    EXPECT_FALSE(h.angle->isHidden());
    EXPECT_FALSE(h.gon->isHidden());
}

TEST_F(HmikyModesTest, CriticalAngleIsFoundOrRefused) {
    hmiky& h = open();
    Canvas& scene = record(h);

    h.kritikal->trigger();
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(dialogs->messages.back().text, "`Change Direction of Semicircle");

    h.Raref->trigger();
    h.Indexn->setValue(9);
    h.kritikal->trigger();
    ASSERT_EQ(dialogs->messages.size(), 2u);
    EXPECT_EQ(dialogs->messages.back().text, "Try with index>1");

    // arcsin(1 / 1.5) = 41.81 degrees.
    h.Indexn->setValue(15);
    h.kritikal->trigger();
    ASSERT_EQ(dialogs->messages.size(), 3u);
    EXPECT_EQ(dialogs->messages.back().text, "critical=41.81");
    EXPECT_EQ(dialogs->messages.back().title, "Critical Angle");
    const auto cyan = drawnOf(scene, Drawn::Line, kCyan);
    ASSERT_EQ(cyan.size(), 1u);
    EXPECT_NEAR(std::hypot(cyan[0].points[0].x(), cyan[0].points[0].y()), 150, 1e-6);
    EXPECT_EQ(drawnOf(scene, Drawn::Line, kDarkGrey).size(), 2u);
    EXPECT_GT(drawnOf(scene, Drawn::Line, kGreen).size(), 5u); // the marched free ray
    expectAllFinite(scene);

    // n = 1 and a small semicircle low and to the left: no ray changes side below 90
    // degrees, and the search stops there.
    h.Indexn->setValue(10);
    h.HScroll1->setValue(20);
    h.hvalue->setValue(-20);
    h.xcoor->setValue(-5);
    const std::size_t drawn = scene.displayList().size();
    h.kritikal->trigger();
    ASSERT_EQ(dialogs->messages.size(), 4u);
    EXPECT_TRUE(dialogs->messages.back().text.startsWith("No critical angle"));
    EXPECT_TRUE(dialogs->messages.back().text.contains(QStringLiteral("κρίσιμη γωνία")));
    EXPECT_EQ(scene.displayList().size(), drawn);
}

TEST_F(HmikyModesTest, BeamsSendSixtyFourParallelRaysFromEitherSide) {
    hmiky& h = open();
    Canvas& scene = record(h);
    emit h.Paral->aboutToShow();
    h.leftpar->trigger();
    int fromLeft = 0;
    for (const Drawn& d : drawnOf(scene, Drawn::Line, kGreen))
        if (d.points[0].x() == -200) ++fromLeft;
    EXPECT_EQ(fromLeft, 64);

    h.rightpar->trigger();
    int fromRight = 0;
    for (const Drawn& d : drawnOf(scene, Drawn::Line, kGreen))
        if (d.points[0].x() == 200) ++fromRight;
    EXPECT_EQ(fromRight, 64);
    // The ray along the axis crosses the centred semicircle undeviated.
    EXPECT_EQ(segmentsFrom(scene, kGreen, -200, 0), 1);
    expectAllFinite(scene);
}

TEST_F(HmikyModesTest, MouseMarksTwoPointsAndTheRightButtonSendsAFan) {
    hmiky& h = open();
    Canvas& scene = record(h);

    h.Form_MouseDown(1, 0, -50, 60);
    h.Form_MouseUp(1, 0, 50, 70);
    EXPECT_EQ(program->semi.freeRay, (std::array<float, 4>{-50, 60, 50, 70}));
    const auto red = drawnOf(scene, Drawn::Circle, kRed);
    ASSERT_EQ(red.size(), 1u);
    EXPECT_EQ(red[0].points[0], QPointF(50, 70));
    EXPECT_EQ(red[0].radius, 5);
    EXPECT_TRUE(drawnOf(scene, Drawn::Line, kGreen).empty()); // marked, not traced

    h.Form_MouseDown(2, 0, 0, 120);
    EXPECT_EQ(segmentsFrom(scene, kGreen, 0, 120), 46);
    expectAllFinite(scene);
}

TEST_F(HmikyModesTest, BestSemicircleShowsTheMeanErrorWindow) {
    hmiky& h = open();
    h.Optimize->trigger();
    errors& e = program->forms.errors();
    EXPECT_TRUE(e.isVisible());
    EXPECT_DOUBLE_EQ(program->semi.radiusR, 100); // the window still traces what it draws
}

TEST_F(HmikyModesTest, RecordFileFromTheMenuCountsItsRecordsOrNamesItsFailure) {
    hmiky& h = open();
    const QString home = QDir::currentPath();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(QDir::setCurrent(dir.path()));

    h.fylaxe->trigger();
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(dialogs->messages.back().text, " number of records =14641");
    const auto file = std::filesystem::path(dir.path().toStdString()) / "fylaxi";
    const RecordFileContents contents = ReadRecordFileBytes(file);
    ASSERT_TRUE(contents.ok) << contents.reason;
    EXPECT_GE(contents.bytes.size(), 1873968u);
    const auto records = ParseRecords(contents.bytes);
    ASSERT_GE(records.size(), 14641u);
    // Record 7,321: ray, centre and tilt all 0, so the fit gives the semicircle's index.
    EXPECT_EQ(records[7320].rayH, 0);
    EXPECT_EQ(records[7320].tilt, 0);
    EXPECT_NEAR(records[7320].indexFit, 1.5, 1e-6);
    EXPECT_EQ(records[14640].rayH, 2);
    EXPECT_EQ(records[14640].tilt, 5);
    // The window keeps the settings it draws.
    EXPECT_EQ(program->semi.rayH, 0);
    EXPECT_EQ(program->semi.tilt, 0);

    // A folder in the file's place: the message names the file and never counts a success.
    std::filesystem::remove(file);
    std::filesystem::create_directory(file);
    h.fylaxe->trigger();
    ASSERT_EQ(dialogs->messages.size(), 2u);
    const QString failure = dialogs->messages.back().text;
    EXPECT_TRUE(failure.contains("fylaxi")) << failure.toStdString();
    EXPECT_FALSE(failure.contains("=14641")) << failure.toStdString();

    QDir::setCurrent(home);
}
