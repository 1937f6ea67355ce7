// The check of Al Haytham's rules: the four curves against the incidence, the rules list on the
// data window's graph, and the explanation in the analysis window's notes.
#include "alhaytham/alhazencheck.h"

#include "alhaytham/model/alhaytham.h"
#include "app/program.h"
#include "data/analysis.h"
#include "data/incref.h"
#include "data/inpdat.h"
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

alhazencheck::alhazencheck(Program& p)
    : Form("alhazencheck", QStringLiteral("CHECK AL HAYTHAM'S RULES ")), program(p) {
    setBackColor(RGB(255, 255, 255));
    timidikti = makeVScroll(canvas, 10, 200, 133, 1, 20, [this] { timidikti_Change(); });
    Label1 = makeLabel(QStringLiteral("Label1"), canvas);
    setControlFont(Label1, "Arial", 12, true);
    Command1 = new CommandButton(QStringLiteral("BACK TO HISTORICAL DATA"), canvas);
    Command1->Click = [this] { Command1_Click(); };
    Command2 = new CommandButton(QStringLiteral("END"), canvas);
    Command2->Click = [this] { Command2_Click(); };
    placeControls();
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

void alhazencheck::Form_Load() {
    // Where the apparatus window puts it: over the data window, at its size.
    placeOnScreen();
    placeControls();
    showIndex();
}

void alhazencheck::showIndex() { Label1->setText(QStringLiteral("n =") + fmt(index(), "0.00")); }

void alhazencheck::timidikti_Change() {
    const double n = index();
    canvas->Cls();
    showIndex();
    CheckAlHaythamRules(n);
}

void alhazencheck::Command1_Click() { Hide(); }

void alhazencheck::Command2_Click() { program.End(); }

void alhazencheck::openAtIndex(double n) {
    {
        const QSignalBlocker quiet(timidikti);
        timidikti->setValue(static_cast<int>(std::lround(n * 100)));
    }
    canvas->Cls();
    showIndex();
    CheckAlHaythamRules(n);
}

void alhazencheck::PrintAlHaythamRules() {
    ::incref& w = program.forms.incref();
    Canvas& c = *w.canvas;
    c.Scale(-5, 110, 110, -30);
    w.resetCaption();
    w.Show();
    const std::vector<RulesLine>& lines = AlHaythamRulesList();
    // The Greek statements start in one column, a few blanks right of the longest English one.
    const QString blank = QStringLiteral(" ");
    const auto padded = [&c, &lines, &blank] {
        const double blankWidth = c.TextWidth(blank);
        double column = 0;
        for (const RulesLine& l : lines)
            if (!l.greek.empty())
                column = std::max(column, c.TextWidth(QString::fromStdString(l.english)));
        column += 4 * blankWidth;
        std::vector<QString> out;
        for (const RulesLine& l : lines) {
            QString text = QString::fromStdString(l.english);
            if (!l.greek.empty()) {
                int blanks = 0;
                if (blankWidth > 0) {
                    while (c.TextWidth(text) < column && blanks < 200) {
                        text += blank;
                        ++blanks;
                    }
                }
                if (blanks == 0) text += QStringLiteral("    ");
                text += QString::fromStdString(l.greek);
            }
            out.push_back(text);
        }
        return out;
    };
    // Font size 9, or smaller (down to 6) where the window is too narrow for the longest line.
    const double right = c.ScaleLeft() + c.ScaleWidth();
    std::vector<QString> texts;
    c.FitFontSize(9, 6, [&] {
        texts = padded();
        for (const QString& t : texts)
            if (-5 + c.TextWidth(t) > right) return false;
        return true;
    });
    for (std::size_t k = 0; k < lines.size(); ++k) {
        const RulesLine& l = lines[k];
        const QString& text = texts[k];
        if (l.rule == 5 && rule5Broken) c.ForeColor = colourOf(kRule5Colour);
        if (l.rule == 6 && rule6Broken) c.ForeColor = colourOf(kRule6Colour);
        c.PrintAt(-5, l.y, text);
        c.ForeColor = colours::black;
    }
}

void alhazencheck::reprintRules() {
    program.forms.incref().canvas->Cls();
    PrintAlHaythamRules();
}

void alhazencheck::CheckAlHaythamRules(double n) {
    rule5Broken = false;
    rule6Broken = false;
    Canvas& c = *canvas;
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
    for (const RuleStep& step : CheckRules(n)) {
        // The list is printed again only when a rule's colour has to change.
        rule5Broken = step.rule5Broken;
        if (rule5Broken != rule5Shown) {
            rule5Shown = rule5Broken;
            reprintRules();
        }
        rule6Broken = step.rule6Broken;
        if (rule6Broken != rule6Shown) {
            rule6Shown = rule6Broken;
            reprintRules();
        }
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
        rule5Broken = false;
        rule6Broken = false;
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

    ShowExplanation();
}

void alhazencheck::ShowExplanation() {
    QTextEdit* notes = program.forms.analysis().Text1;
    const QString text = QString::fromStdString(AlHaythamExplanation());
    // Left alone when it already holds the text, so that moving the index keeps the reader's place.
    if (notes->toPlainText() != text) notes->setPlainText(text);
    notes->show();
}
