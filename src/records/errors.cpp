#include "records/errors.h"
#include "shell/qformat.h"

#include "shell/graph.h"
#include "shell/model/mathconst.h"

#include <algorithm>
#include <cmath>

errors::errors(Experiment& e)
    : Form("errors", QStringLiteral("MEAN VALUE OF ERROR  ΜΕΣΟ ΣΦΑΛΜΑ")), experiment(e) {
    canvas->setBackColor(RGB(255, 255, 255));
    watch = experiment.changed.connect([this](ExperimentChange change) {
        if (change == ExperimentChange::MeanError) drawCurve();
    });
}

void errors::Form_Load() {
    canvas->setFontName("Arial Greek");
    // To the right of the list and index windows, as tall as the semicircle window, so the
    // labels under the radius axis keep clear of its numbers (over the index graph where the
    // screen leaves no room there).
    placeOnScreen();
    drawCurve();
}

void errors::Form_Click() { drawCurve(); }

void errors::tickmarks() {
    TickmarkStyle st;
    st.xStep = 10;
    st.yStep = 2;
    st.xModulus = 2;
    st.yModulus = 10;
    st.t = 2.0 / 5;
    st.u = 10.0 / 5;
    st.v = 10.0 / 3;
    st.xFormat = "0";
    st.yFormat = "0.0";
    st.yNegativeFormat = "0.00";
    DrawTickmarks(*canvas, st);
}

void errors::drawCurve() {
    Canvas& c = *canvas;
    c.Cls();
    c.setFontName("Arial Greek");
    c.setFontSize(8);
    // Radii 14 to 146 across, errors 0 to 100 up, room below for the axis title and left of
    // the error axis for its numbers, however narrow the window.
    const double right = 156, room = c.width();
    const double numbers = c.TextPixels(QStringLiteral("100.0")) + 8;
    const double left = room > 2 * numbers ? std::min(-12.0, -right * numbers / (room - numbers)) : -12.0;
    // Below the axis, room for its numbers and its title (about 40 pixels) on a short window.
    const double high = c.height();
    const double below = high > 80 ? std::max(9.0, (0.4 + 40 * 106 / high) / (1 - 40 / high)) : 9;
    c.Scale(left, 106, right, -below);
    c.DrawWidth = 1;
    c.Line(0, 0, 150, 0);
    c.Line(0, 0, 0, 100);
    tickmarks();

    // The curve runs the radius through 14 ... 146 on copies of the glass, so the semicircle
    // window goes on tracing the radius it draws.
    const Experiment& s = experiment;
    const double n = s.indexN();
    const std::vector<ErrorPoint> curve = s.meanErrorCurve();
    for (std::size_t i = 1; i < curve.size(); ++i) {
        const ErrorPoint& a = curve[i - 1];
        const ErrorPoint& b = curve[i];
        // A misplaced glass can measure an index far off at some radius: the curve leaves the
        // top of the graph there, cut at its edge.
        if (std::isfinite(a.error) && std::isfinite(b.error))
            GraphLine(c, {a.radius, a.error}, {b.radius, b.error}, 0, 106);
    }

    // The axis title under the radius numbers, and the settings a line apart at least,
    // however short the window.
    const double line = std::fabs(c.TextHeight(QStringLiteral("150")));
    const double title = std::min(-2.0, UnderAxisNumbers(c));
    c.setFontSize(12);
    c.PrintInside(45, title, QStringLiteral("Radius of Semicircle"), 9);
    c.PrintAt(15, 80, QStringLiteral("Mean Error%"));
    c.setFontSize(8);
    const double step = std::max(5.0, 1.1 * line);
    c.PrintAt(25, 65, QStringLiteral("n= ") + fmt(n, "0.00"));
    c.PrintAt(25, 65 - step, QStringLiteral("h= ") + fmt(s.rayH(), "0.00"));
    c.PrintAt(25, 65 - 2 * step, QStringLiteral("xc= ") + fmt(s.xc(), "0.00"));
    c.PrintAt(25, 65 - 3 * step, QStringLiteral("yc= ") + fmt(s.yc(), "0.00"));
    c.PrintAt(25, 65 - 4 * step, QStringLiteral("Angle= ") + fmt(s.tilt() * 180 / PI, "0.00"));
}
