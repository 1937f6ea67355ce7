#include "shell/graph.h"
#include "shell/qformat.h"

#include <algorithm>
#include <cmath>

#include "shell/canvas.h"
#include "shell/colours.h"
#include "shell/model/numfmt.h"

namespace {


// A shared routine must not hang on whatever range it is given; no graph needs more ticks.
constexpr int kMaxTicks = 2000;

// The automatic step of an axis: a tenth of its larger end, scaled up to at least 1 first.
double automaticXStep(double xMax, double xMin) {
    double m = std::max(std::fabs(xMax), std::fabs(xMin));
    if (m == 0) return 0; // no range, no step
    while (m < 1)
        m = 10 * m;
    return std::trunc(m / 10);
}

// The y step comes with a scale factor s that the labels show when the range is small.
void automaticYStep(double yMax, double yMin, double& step, double& s) {
    s = 1;
    step = 0;
    double ny = std::max(std::fabs(yMax), std::fabs(yMin));
    if (ny == 0) return;
    while (ny < 1)
        ny = 10 * ny;
    double t = ny / 10;
    while (std::trunc(t) == 0) {
        t = 10 * t;
        s = s / 10;
    }
    step = std::trunc(t);
}

} // namespace

TickmarkStyle TenthsOfTheScale(const Canvas& c, double yStep, int xModulus, int yModulus) {
    TickmarkStyle st;
    st.xStep = (c.ScaleLeft() + c.ScaleWidth()) / 10;
    st.yStep = yStep;
    st.xModulus = xModulus;
    st.yModulus = yModulus;
    st.t = st.yStep / 5;
    st.u = st.xStep / 5;
    st.v = st.xStep / 3;
    return st;
}

void DrawTickmarks(Canvas& c, const TickmarkStyle& st) {
    if (!(st.xStep > 0) || !(st.yStep > 0) || st.xModulus < 1 || st.yModulus < 1) return;
    // A scale far wider than its step would take for ever to number; no graph needs more.
    const int kMaxPasses = kMaxTicks * std::max(st.xModulus, st.yModulus);
    // Positive x: the label goes up after the step, so it stands at the next tick.
    double x = 0;
    for (int k = 1; x < c.ScaleWidth() && k < kMaxPasses; ++k) {
        if (k % st.xModulus == 0) {
            c.Line(x, -st.t, x, st.t);
            x += st.xStep;
            c.PrintAt(x, -st.t, fmt(x, st.xFormat));
        }
    }
    x = 0;
    for (int k = 1; x > c.ScaleLeft() && k < kMaxPasses; ++k) {
        if (k % st.xModulus == 0) {
            c.Line(x, -st.t, x, st.t);
            x -= st.xStep;
            c.PrintAt(x, -st.t, fmt(x, st.xFormat));
        }
    }
    double y = 0;
    for (int k = 1; y < c.ScaleTop() - c.ScaleHeight() && k < kMaxPasses; ++k) {
        y += st.yStep;
        if (k % st.yModulus == 0) {
            c.Line(-st.u, y, st.u, y);
            c.PrintAt(-st.v, y, fmt(y, st.yFormat));
        }
    }
    c.PrintAt(-st.v, 0, fmt(0, st.yFormat));
    y = 0;
    for (int k = 1; y > -std::fabs(c.ScaleHeight()) && k < kMaxPasses; ++k) {
        y -= st.yStep;
        if (k % st.yModulus == 0) {
            c.Line(-st.u, y, st.u, y);
            c.PrintAt(-st.v, y, fmt(y, st.yNegativeFormat));
        }
    }
}


void DrawAxesGrid(Canvas& c, double xMax, double xMin, double yMax, double yMin, double xFloor,
                  double yFloor, double xStep, double yStep) {
    for (double v : {xMax, xMin, yMax, yMin, xFloor, yFloor, xStep, yStep}) {
        if (!std::isfinite(v)) return;
    }
    const QColor& blue = colours::blue;

    if (yMax * yMin <= 0)
        c.Line(xMin, 0, xMax, 0);
    else
        c.Line(xMin, yMin, xMax, yMin);
    if (xMax * xMin <= 0)
        c.Line(0, yMin, 0, yMax);
    else
        c.Line(xMin, yMin, xMin, yMax);

    double xstep = automaticXStep(xMax, xMin);
    double ystep = 0, s = 1;
    automaticYStep(yMax, yMin, ystep, s);
    if (xStep > 0) xstep = static_cast<float>(xStep);
    if (yStep > 0) ystep = yStep;
    // A range below 10 with no step of its own has an automatic step of 0: nothing to number.
    if (!(xstep > 0) || !(ystep > 0)) return;

    const auto yLabel = [s](double y, const char* pattern) {
        if (s >= 1) return fmt(y, pattern);
        return fmt(y, "0.00") + fmt(s, "0.00e+00");
    };

    // Each label stands at the next tick's position, so the last may lie a step beyond xMax.
    double x = 0;
    for (int n = 0; x < xMax && n < kMaxTicks; ++n) {
        c.Line(x, -ystep / 5, x, ystep / 5);
        x = x + xstep;
        c.CurrentX = x;
        c.CurrentY = ystep / 5;
        c.Print(QString::fromStdString(PlainNumber(x)));
    }

    x = 0;
    for (int count = 1; x > c.ScaleLeft() && count < 2 * kMaxTicks; ++count) {
        if (count % 2 == 0) {
            x = x - xstep;
            if (x >= xFloor) {
                c.Line(x, -ystep / 5, x, ystep / 5);
                c.CurrentX = x;
                c.CurrentY = -ystep / 5;
                c.Print(QString::fromStdString(PlainNumber(x)));
            }
        }
    }

    double y = 0;
    for (int n = 0; y < yMax && n < kMaxTicks; ++n) {
        y = y + ystep;
        c.Line(0, y, xMax, y, blue);
        c.Line(-xstep / 5, y, xstep / 5, y);
        c.CurrentX = xstep / 3;
        c.CurrentY = y;
        c.Print(yLabel(y, "0.0"));
    }

    y = 0;
    if (yStep > 0) {
        c.CurrentX = xstep / 3;
        c.CurrentY = 0;
        c.Print(fmt(0, "0"));
        c.Line(0, 0, xMax, 0, blue);
    }
    c.CurrentX = xstep / 3;
    c.CurrentY = 0;
    c.Print(yLabel(0, "0.00"));

    // Only every second step below zero gets a line and a label.
    for (int count = 1; y > -std::fabs(c.ScaleHeight()) && count < 2 * kMaxTicks; ++count) {
        y = y - ystep;
        if (y >= yFloor && count % 2 == 0) {
            c.Line(0, y, xMax, y, blue);
            c.Line(-xstep / 5, y, xstep / 5, y);
            c.CurrentX = xstep / 3;
            c.CurrentY = y;
            c.Print(yLabel(y, "0.00"));
        }
    }
}

void GraphLine(Canvas& canvas, Point a, Point b, double yLow, double yHigh,
               std::optional<QColor> color) {
    if (!ClipToBand(a, b, yLow, yHigh)) return;
    if (color)
        canvas.Line(a.x, a.y, b.x, b.y, *color);
    else
        canvas.Line(a.x, a.y, b.x, b.y);
}

void DrawModelDrawing(Canvas& canvas, const Drawing& drawing) {
    const int width = canvas.DrawWidth;
    for (const DrawItem& item : drawing) {
        canvas.DrawWidth = item.width;
        const QColor colour =
            item.colour ? QColor(item.colour->r, item.colour->g, item.colour->b) : canvas.ForeColor;
        switch (item.kind) {
        case DrawItem::Line:
            canvas.Line(item.a.x, item.a.y, item.b.x, item.b.y, colour);
            break;
        case DrawItem::Dot:
            canvas.PSet(item.a.x, item.a.y, colour);
            break;
        case DrawItem::Box:
            canvas.Line(item.a.x, item.a.y, item.b.x, item.b.y, colour, Canvas::BoxFilled);
            break;
        }
    }
    canvas.DrawWidth = width;
}

void DrawFigure(Canvas& canvas, const Figure& figure) {
    auto colour = [](Rgb c) { return QColor(c.r, c.g, c.b); };
    const int width = canvas.DrawWidth, style = canvas.DrawStyle;
    const QColor fore = canvas.ForeColor;
    const double fontSize = canvas.FontSize();
    // The box, widened where a line of explanation would run past its right edge.
    canvas.setFontSize(11);
    double right = figure.right;
    for (int pass = 0; pass < 3; ++pass) {
        canvas.ScaleEven(figure.left, figure.top, right, figure.bottom);
        double needed = right;
        for (const FigureText& t : figure.explanations)
            needed = std::max(needed, t.at.x + canvas.TextWidth(QString::fromStdString(t.text)));
        if (needed <= canvas.ScaleLeft() + canvas.ScaleWidth()) break;
        right = needed + (figure.right - figure.left) * 0.02;
    }
    canvas.DrawWidth = 1;
    canvas.DrawStyle = 0;
    // A band across the whole figure (a medium) reaches both edges of the window.
    const double shownLeft = canvas.ScaleLeft(), shownRight = shownLeft + canvas.ScaleWidth();
    for (const FigureBand& b : figure.bands) {
        const bool across = std::min(b.a.x, b.b.x) <= figure.left &&
                            std::max(b.a.x, b.b.x) >= figure.right;
        const double x1 = across ? std::min(shownLeft, b.a.x) : b.a.x;
        const double x2 = across ? std::max(shownRight, b.b.x) : b.b.x;
        canvas.Line(x1, b.a.y, x2, b.b.y, colour(b.colour), Canvas::BoxFilled);
    }
    for (const FigureLine& l : figure.lines) {
        canvas.DrawWidth = l.width;
        canvas.DrawStyle = l.style;
        canvas.Line(l.a.x, l.a.y, l.b.x, l.b.y, colour(l.colour));
    }
    canvas.DrawWidth = 1;
    canvas.DrawStyle = 0;
    for (const FigureCircle& c : figure.circles)
        canvas.Circle(c.centre.x, c.centre.y, c.radius, colour(c.colour));
    canvas.ForeColor = QColor(0, 0, 0);
    auto print = [&canvas](const std::vector<FigureText>& texts, double size) {
        canvas.setFontSize(size);
        for (const FigureText& t : texts)
            canvas.PrintAt(t.at.x, t.at.y, QString::fromStdString(t.text));
    };
    print(figure.labels, 14);
    print(figure.explanations, 11);
    canvas.setFontSize(fontSize);
    canvas.ForeColor = fore;
    canvas.DrawWidth = width;
    canvas.DrawStyle = style;
}
