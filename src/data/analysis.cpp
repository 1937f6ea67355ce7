#include "data/analysis.h"
#include "shell/qformat.h"

#include "data/inpdat.h"
#include "shell/model/numfmt.h"
#include "app/program.h"

#include <cmath>


analysis::analysis(Program& p) : Form(p, "analysis", QStringLiteral("ANALYSIS OF DATA")) {
    Text1 = new QTextEdit(canvas);
    canvas->setBackColor(RGB(255, 255, 255));
}

void analysis::Form_Load() {
    setFontName("Arial Greek");
    const Screen& screen = program.screen;
    const double dataWidth = program.forms.inpdat().Width();
    setLeft(dataWidth);
    setTop(0);
    setWidth(screen.Width() - dataWidth);
    setHeight(screen.Height() * 1.5 / 4);
    // The notes' text box covers most of the window; the graphs hide it.
    Text1->hide();
    placeTwips(Text1, 0, 0, Width() - Width() / 15, 0.9 * Height());
}

// Ticks and numbers along the axes of the sine graph, in its current scale. Each label is
// printed after the step, so it stands at the next tick.
void analysis::tickmarks() {
    Canvas& c = *canvas;
    const double xStep = 0.1;
    const double yStep = c.ScaleTop() / 10;
    const int xModulus = 10, yModulus = 2;
    if (!(yStep > 0)) return; // a scale with its top at or below 0 has no positive side
    const double t = yStep / 5, u = xStep / 5;
    // Labels of the y axis stand left of it, where the scale leaves room for them.
    const double v = 1.5 * xStep;
    constexpr int kMaxPasses = 1000;

    double x = 0;
    for (int count = 1; x < c.ScaleWidth() && count < kMaxPasses; ++count) {
        if (count % xModulus == 0) {
            c.Line(x, -t, x, t);
            x = x + xStep;
            c.CurrentX = x;
            c.CurrentY = -t;
            c.Print(fmt(x, "0.0"));
        }
    }
    x = 0;
    for (int count = 1; x > c.ScaleLeft() && count < kMaxPasses; ++count) {
        if (count % xModulus == 0) {
            c.Line(x, -t, x, t);
            x = x - xStep;
            c.CurrentX = x;
            c.CurrentY = -t;
            c.Print(fmt(x, "0.0"));
        }
    }
    double y = 0;
    for (int count = 1; y < c.ScaleTop() - c.ScaleHeight() && count < kMaxPasses; ++count) {
        y = y + yStep;
        if (count % yModulus == 0) {
            c.Line(-u, y, u, y);
            c.CurrentX = -v;
            c.CurrentY = y;
            c.Print(fmt(y, "0.00"));
        }
    }
    c.CurrentX = -v;
    c.CurrentY = 0;
    c.Print(fmt(0, "0.00"));
    y = 0;
    for (int count = 1; y > -std::abs(c.ScaleHeight()) && count < kMaxPasses; ++count) {
        y = y - yStep;
        if (count % yModulus == 0) {
            c.Line(-u, y, u, y);
            c.CurrentX = -v;
            c.CurrentY = y;
            c.Print(fmt(y, "0.00"));
        }
    }
}
