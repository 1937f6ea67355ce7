// The check of Al Haytham's rules: the four curves against the incidence for the part's index.
#include "alhaytham/alhazencheck.h"

#include "shell/colours.h"
#include "shell/graph.h"
#include "shell/qformat.h"

#include <QSignalBlocker>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {
QColor colourOf(Rgb c) { return RGB(c.r, c.g, c.b); }

// The check's scale, and the height of the legend's first text, which the controls stay above.
constexpr double kScaleLeft = -10, kScaleTop = 90, kScaleRight = 120, kScaleBottom = -25;
constexpr double kLegendTop = 33;
} // namespace

alhazencheck::alhazencheck(AlHaythamReconstruction& part)
    : Form("alhazencheck", QStringLiteral("CHECK AL HAYTHAM'S RULES ")), part_(part) {
    setBackColor(RGB(255, 255, 255));
    timidikti = makeVScroll(canvas, 10, 200, 133, 1, 20, [this] { timidikti_Change(); });
    Label1 = makeLabel(QStringLiteral("Label1"), canvas);
    setControlFont(Label1, "Arial", 12, true);
    Command1 = new CommandButton(QStringLiteral("BACK TO HISTORICAL DATA"), canvas);
    Command1->Click = [this] { Command1_Click(); };
    Command2 = new CommandButton(QStringLiteral("END"), canvas);
    Command2->Click = [this] { Command2_Click(); };
    placeControls();
    connection_ = part_.changed.connect([this](const AlHaythamChange& c) {
        if (c.what == AlHaythamChange::CheckOpened) {
            placeOnScreen();
            Show();
        }
        if (c.what == AlHaythamChange::Check) CheckAlHaythamRules();
    });
}

void alhazencheck::placeControls() {
    // Right of the graph, near the right edge of a window of any width. The buttons stand just
    // above the legend: on a short window they move up with it and the scroll bar gives up height.
    const double w = 14400, h = 16200;
    placeTwipsNearEdges(Label1, 12300, 300, 1900, 400, w, h);
    const double legendTop = (kScaleTop - kLegendTop) / (kScaleTop - kScaleBottom) * (Height() - MenuHeight());
    const double gap = 100, endHeight = 500, backHeight = 800, barTop = 800;
    const double endTop = std::min(5900.0, legendTop - 2 * gap - endHeight);
    const double backTop = endTop - gap - backHeight;
    const double barHeight = std::clamp(backTop - 2 * gap - barTop, 900.0, 4000.0);
    placeTwipsNearEdges(timidikti, 13100, barTop, 300, barHeight, w, h);
    placeTwipsNearEdges(Command1, 12200, std::max(barTop + barHeight + 2 * gap, backTop), 2000, backHeight, w, h);
    placeTwipsNearEdges(Command2, 12200, std::max(barTop + barHeight + 3 * gap + backHeight, endTop), 2000,
                        endHeight, w, h);
}

void alhazencheck::resizeEvent(QResizeEvent* e) {
    Form::resizeEvent(e);
    placeControls();
}

void alhazencheck::setVisible(bool on) {
    if (on && !isVisible()) placeOnScreen();
    Form::setVisible(on);
}

void alhazencheck::Form_Load() {
    // Where the apparatus window puts it: over the data window, at its size.
    placeOnScreen();
    placeControls();
    showIndex();
}

void alhazencheck::showIndex() { Label1->setText(QStringLiteral("n =") + fmt(index(), "0.00")); }

void alhazencheck::timidikti_Change() { part_.check(index()); }

void alhazencheck::Command1_Click() { Hide(); }

void alhazencheck::Command2_Click() { End(); }

void alhazencheck::CheckAlHaythamRules() {
    {
        const QSignalBlocker quiet(timidikti);
        timidikti->setValue(static_cast<int>(std::lround(part_.n * 100)));
    }
    Canvas& c = *canvas;
    c.Cls();
    showIndex();
    c.Scale(kScaleLeft, kScaleTop, kScaleRight, kScaleBottom);
    c.Line(-10, 0, 90, 0);
    c.Line(0, 0, 0, 90);
    DrawAxesGrid(c, 90, 0, 90, 0, 0, 0, 10, 10);
    for (int k = 10; k <= 90; k += 10) c.Line(k, 0, k, 90);

    // The dash-dot deviation curve is drawn in runs of one width as single lines, so that its
    // pattern runs on from degree to degree, thin or thick; segment by segment a thick curve's
    // dashes are longer than a degree and it looks solid.
    std::vector<QPointF> run;
    int runWidth = 0;
    const auto drawRun = [&c, &run, &runWidth] {
        if (run.size() >= 2) {
            c.DrawWidth = runWidth;
            c.DrawStyle = kDeviationCurve.style;
            c.Polyline(run, colourOf(kDeviationCurve.colour));
            c.DrawStyle = 0;
            c.DrawWidth = 1;
        }
        run.clear();
    };
    for (const RuleStep& step : part_.steps()) {
        const auto curves = StepCurves(step);
        const StyledLine& deviation = curves[1];
        const bool joins = !run.empty() && run.back() == QPointF(deviation.a.x, deviation.a.y);
        if (!joins || deviation.width != runWidth) {
            drawRun();
            run.emplace_back(deviation.a.x, deviation.a.y);
            runWidth = deviation.width;
        }
        run.emplace_back(deviation.b.x, deviation.b.y);
        for (const StyledLine& l : curves) {
            if (&l == &deviation) continue;
            c.DrawWidth = l.width;
            c.DrawStyle = l.style;
            c.Line(l.a.x, l.a.y, l.b.x, l.b.y, colourOf(l.colour));
        }
        c.DrawStyle = 0;
        c.DrawWidth = 1;
    }
    drawRun();

    // The legend, each line in its curve's colour and style, each text inside the window.
    const auto legend = [&c](double y, CurveLook look, double textX, double textY, const QString& text) {
        c.DrawStyle = look.style;
        c.Line(90, y, 100, y, colourOf(look.colour));
        c.DrawStyle = 0;
        c.PrintInside(textX, textY, text, 7);
    };
    legend(30, kRefractionCurve, 88, kLegendTop, QStringLiteral("REFRACTION διάθλασης"));
    legend(23, kDeviationCurve, 88, 27, QStringLiteral("DEVIATION απόκλισης"));
    legend(16, kHalfIncidenceCurve, 88, 20, QStringLiteral("INCIDENCE/2 πρόσπτωσης/2"));
    legend(9, kMeanCurve, 71, 13, QStringLiteral("(INCIDENCE + DEVIATION πρόσπτωσης+απόκλισης)/2"));
}
