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

namespace {
QColor colourOf(Rgb c) { return RGB(c.r, c.g, c.b); }
} // namespace

alhazencheck::alhazencheck(Program& p)
    : Form(p, "alhazencheck", QStringLiteral("CHECK AL HAYTHAM'S RULES ")) {
    setBackColor(RGB(255, 255, 255));
    timidikti = makeVScroll(canvas, 10, 200, 133, 1, 20, [this] { timidikti_Change(); });
    Label1 = makeLabel(QStringLiteral("Label1"), canvas);
    setControlFont(Label1, "Arial", 12, true);
    Command1 = new CommandButton(QStringLiteral("BACK TO HISTORICAL DATA"), canvas);
    Command1->Click = [this] { Command1_Click(); };
    Command2 = new CommandButton(QStringLiteral("END"), canvas);
    Command2->Click = [this] { Command2_Click(); };
    // Right of the graph, above the legend, near the right edge of a window of any width.
    const double w = 14400, h = 16200;
    placeTwipsNearEdges(Label1, 12300, 300, 1900, 400, w, h);
    placeTwipsNearEdges(timidikti, 13100, 800, 300, 4000, w, h);
    placeTwipsNearEdges(Command1, 12200, 5000, 2000, 800, w, h);
    placeTwipsNearEdges(Command2, 12200, 5900, 2000, 500, w, h);
}

void alhazencheck::Form_Load() {
    // Where the apparatus window puts it: over the data window, at its size.
    const ::inpdat& data = program.forms.inpdat();
    setLeft(0);
    setTop(0);
    setWidth(data.Width());
    setHeight(data.Height());
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
    c.setFontSize(9);
    c.Scale(-5, 110, 110, -30);
    w.Show();
    const std::vector<RulesLine>& lines = AlHaythamRulesList();
    // The Greek statements start in one column, a few blanks right of the longest English one.
    const QString blank = QStringLiteral(" ");
    const double blankWidth = c.TextWidth(blank);
    double column = 0;
    for (const RulesLine& l : lines)
        if (!l.greek.empty())
            column = std::max(column, c.TextWidth(QString::fromStdString(l.english)));
    column += 4 * blankWidth;
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
    c.Scale(-10, 90, 120, -25);
    c.Line(-10, 0, 90, 0);
    c.Line(0, 0, 0, 90);
    DrawAxesGrid(c, 90, 0, 90, 0, 0, 0, 10, 10);
    for (int k = 10; k <= 90; k += 10) c.Line(k, 0, k, 90);

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
        for (const StyledLine& l : StepCurves(step)) {
            c.DrawWidth = l.width;
            c.DrawStyle = l.style;
            c.Line(l.a.x, l.a.y, l.b.x, l.b.y, colourOf(l.colour));
        }
        c.DrawStyle = 0;
        c.DrawWidth = 1;
        rule5Broken = false;
        rule6Broken = false;
    }

    // The legend, each line in its curve's colour and style.
    const auto legend = [&c](double y, CurveLook look, double textX, double textY, const QString& text) {
        c.DrawStyle = look.style;
        c.Line(90, y, 100, y, colourOf(look.colour));
        c.DrawStyle = 0;
        c.PrintAt(textX, textY, text);
    };
    legend(30, kRefractionCurve, 88, 33, QStringLiteral("REFRACTION διάθλασης"));
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
