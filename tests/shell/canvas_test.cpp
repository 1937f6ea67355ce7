// The drawing surface: its user scale, what each drawing call puts into the display list and
// onto the pixels, the mouse in user units.
#include "support.h"

#include "shell/controls.h"
#include "shell/model/mathconst.h"

#include <QTest>

#include <tuple>

namespace {
const QColor kWhite = RGB(255, 255, 255);

class CanvasTest : public ::testing::Test {
protected:
    CanvasTest() {
        canvas.resize(400, 400);
        canvas.Scale(-200, 200, 200, -200);
        canvas.Cls();
    }
    QColor at(double x, double y) {
        const QPointF p = canvas.toPixel(x, y);
        return canvas.image().pixelColor(int(p.x()), int(p.y()));
    }
    // The colours the student sees at the user points (x, y).
    void expectColours(std::initializer_list<std::tuple<double, double, QColor>> points) {
        for (const auto& [x, y, c] : points)
            EXPECT_EQ(at(x, y), c) << x << ", " << y;
    }
    Canvas canvas;
};
} // namespace

TEST_F(CanvasTest, UserScaleFlipsYAndTheDefaultScaleIsTwips) {
    EXPECT_EQ(canvas.ScaleHeight(), -400);
    EXPECT_EQ(canvas.toPixel(-200, 200), QPointF(0, 0));
    EXPECT_EQ(canvas.toPixel(0, 100), QPointF(200, 100));
    EXPECT_EQ(canvas.toUser(QPointF(300, 300)), QPointF(100, -100));
    Canvas plain;
    plain.resize(100, 50);
    EXPECT_EQ(QSizeF(plain.ScaleWidth(), plain.ScaleHeight()), QSizeF(1500, 750));
    EXPECT_EQ(plain.toPixel(150, 150), QPointF(10, 10));
}

TEST_F(CanvasTest, SectorsArcsAndAspect) {
    canvas.FillStyle = 0;
    canvas.FillColor = RGB(205, 0, 0);
    // Negative angles: from straight up counter-clockwise to straight down, radii drawn and
    // filled: the left half-disc.
    canvas.Circle(0, 0, 100, RGB(0, 0, 0), -PI / 2, -3 * PI / 2);
    expectColours({{-50, 10, RGB(205, 0, 0)}, {-50, -40, RGB(205, 0, 0)}, {50, 10, kWhite}});
    EXPECT_LT(at(0, 30).lightness(), 200); // the diameter
    ASSERT_EQ(canvas.displayList().size(), 1u);
    EXPECT_TRUE(canvas.displayList()[0].filled && canvas.displayList()[0].arc);
    // The end wraps through 2 pi when it is below the start: the right half.
    canvas.Cls();
    canvas.FillColor = RGB(0, 0, 255);
    canvas.Circle(0, 0, 100, RGB(0, 0, 0), -3 * PI / 2, -PI / 2);
    expectColours({{50, 0, RGB(0, 0, 255)}, {-50, 0, kWhite}});
    // Positive angles: an arc with no radii, never filled.
    canvas.Cls();
    canvas.Circle(0, 0, 100, RGB(0, 0, 0), 0.0, PI);
    EXPECT_EQ(at(0, 50), kWhite);
    EXPECT_FALSE(canvas.displayList()[0].filled);
    canvas.Cls();
    canvas.FillColor = RGB(0, 255, 0);
    canvas.CircleAspect(0, 0, 100, RGB(0, 0, 0), 0.5);
    expectColours({{90, 0, RGB(0, 255, 0)}, {0, 70, kWhite}, {0, 40, RGB(0, 255, 0)}});
}

TEST_F(CanvasTest, LinesBoxesPointsPrintClsAndMarks) {
    canvas.Line(-100, -100, 100, 100, RGB(0, 0, 255));
    EXPECT_EQ(QPointF(canvas.CurrentX, canvas.CurrentY), QPointF(100, 100));
    canvas.LineTo(150, 100, RGB(0, 255, 0));
    canvas.Line(23, 13, 100, 6, RGB(255, 255, 0), Canvas::BoxFilled);
    canvas.DrawStyle = 2;
    canvas.Line(-150, -150, -50, -150);
    canvas.DrawWidth = 5;
    canvas.PSet(10, 7, RGB(255, 0, 0));
    const auto& list = canvas.displayList();
    ASSERT_EQ(list.size(), 5u);
    EXPECT_TRUE(pt(list[1].a) == QPointF(100, 100) && pt(list[1].b) == QPointF(150, 100));
    EXPECT_TRUE(list[2].kind == DrawItem::FilledBox && list[3].style == 2);
    EXPECT_TRUE(list[4].kind == DrawItem::Dot && pt(list[4].a) == QPointF(10, 7) &&
                list[4].width == 5);
    expectColours({{60, 10, RGB(255, 255, 0)}, {10, 7, RGB(255, 0, 0)}});

    canvas.Cls();
    EXPECT_TRUE(canvas.displayList().empty());
    EXPECT_EQ(at(60, 10), kWhite);
    EXPECT_EQ(QPointF(canvas.CurrentX, canvas.CurrentY), QPointF(-200, 200));
    // Print writes at the current point, then moves down one line (y grows upwards here, so
    // down is smaller) and back to the left edge.
    canvas.PrintAt(10, 100, "n=1.50");
    EXPECT_EQ(canvas.CurrentX, -200);
    EXPECT_NEAR(100 - canvas.CurrentY, -canvas.TextHeight("n"), 1e-9);
    EXPECT_GT(100 - canvas.CurrentY, 0);
    EXPECT_TRUE(printedText(canvas, "n=1.50"));
    EXPECT_EQ(pt(canvas.displayList()[0].a), QPointF(10, 100));
    // A mark reads only what was drawn since, or since the last Cls after it.
    const Canvas::Mark tick = canvas.mark();
    canvas.PSet(5, 5, RGB(255, 0, 0));
    canvas.Circle(50, 50, 5);
    auto since = canvas.drawnSince(tick);
    ASSERT_EQ(since.size(), 2u);
    EXPECT_TRUE(since[0].kind == DrawItem::Dot && since[1].kind == DrawItem::Circle);
    canvas.Cls();
    canvas.Line(1, 1, 2, 2);
    since = canvas.drawnSince(tick);
    EXPECT_TRUE(since.size() == 1 && since[0].kind == DrawItem::Line);
    EXPECT_TRUE(canvas.drawnSince(canvas.mark()).empty());
}

TEST_F(CanvasTest, MouseEventsArriveInUserUnitsWithButtonAndShiftAndADragIsNoClick) {
    std::vector<std::tuple<int, int, double, double>> downs, ups;
    int clicks = 0;
    canvas.onMouseDown = [&](int b, int s, double x, double y) { downs.emplace_back(b, s, x, y); };
    canvas.onMouseUp = [&](int b, int s, double x, double y) { ups.emplace_back(b, s, x, y); };
    canvas.onClick = [&] { ++clicks; };
    const auto both = Qt::ShiftModifier | Qt::ControlModifier;
    QTest::mousePress(&canvas, Qt::LeftButton, both, QPoint(300, 100));
    QTest::mouseRelease(&canvas, Qt::LeftButton, both, QPoint(300, 100));
    EXPECT_EQ(clicks, 1);
    QTest::mousePress(&canvas, Qt::LeftButton, {}, QPoint(100, 100));
    QTest::mouseRelease(&canvas, Qt::LeftButton, {}, QPoint(200, 300));
    QTest::mousePress(&canvas, Qt::RightButton, Qt::ControlModifier, QPoint(200, 200));
    QTest::mouseRelease(&canvas, Qt::RightButton, Qt::ControlModifier, QPoint(200, 200));
    EXPECT_EQ(clicks, 1); // neither the drag nor the right button clicks
    ASSERT_EQ(ups.size(), 3u);
    EXPECT_EQ(downs[0], std::make_tuple(1, 3, 100.0, 100.0));
    EXPECT_EQ(ups[0], std::make_tuple(1, 3, 100.0, 100.0));
    EXPECT_EQ(ups[1], std::make_tuple(1, 0, 0.0, -100.0));
    EXPECT_EQ(downs[2], std::make_tuple(2, 2, 0.0, 0.0));
}

TEST(KeyCodes, OnlyKeysNotCharactersNavigate) {
    // "(", "'", "$", "%" and "&" have the codes of the arrows and Home as characters.
    // clang-format off
    const std::pair<int, int> codes[] = {
        {Qt::Key_Return, 13}, {Qt::Key_Down, 40}, {Qt::Key_Home, 36}, {Qt::Key_A, 'A'},
        {Qt::Key_7, '7'}, {Qt::Key_ParenLeft, 0}, {Qt::Key_Apostrophe, 0}, {Qt::Key_Dollar, 0},
        {Qt::Key_Percent, 0}, {Qt::Key_Ampersand, 0}, {Qt::Key_Period, 0}};
    // clang-format on
    for (const auto& [key, code] : codes)
        EXPECT_EQ(keyCodeOf(key), code) << key;
}

// A one-pixel line across or down is one row (column) of fully dark pixels, whatever the
// surface's size: odd or even, and a scale whose units fall between pixels.
TEST(CrispLines, AOnePixelAxisIsOnePixelWideAndFullyDarkOnEveryWidth) {
    for (const QSize size : {QSize(400, 400), QSize(401, 399), QSize(960, 540), QSize(683, 287)}) {
        SCOPED_TRACE(std::to_string(size.width()) + "x" + std::to_string(size.height()));
        Canvas c;
        c.resize(size);
        c.Scale(-5, 3, 100, -0.8); // the index graph's scale
        c.Cls();
        c.Line(-5, 0, 100, 0, RGB(0, 0, 0));                      // the x axis
        c.Line(0, -0.8, 0, 3, RGB(0, 0, 0));                      // the y axis
        c.Line(10, 2, 90, 1.5, RGB(0, 0, 0), Canvas::BoxOutline); // two more rows down midX
        const QImage img = c.image();
        // Dark and grey (smeared) pixels down one column [0] and along one row [1].
        int dark[2] = {0, 0}, grey[2] = {0, 0};
        auto count = [&](int x, int y, int k) {
            const int g = qGray(img.pixel(x, y));
            dark[k] += g < 40;
            grey[k] += g >= 40 && g < 215;
        };
        for (int y = 0; y < size.height(); ++y)
            count(size.width() * 2 / 3, y, 0);
        for (int x = 0; x < size.width(); ++x)
            count(x, size.height() / 5, 1);
        EXPECT_EQ(dark[0], 3);
        EXPECT_EQ(dark[1], 1);
        EXPECT_EQ(grey[0] + grey[1], 0);
    }
}
