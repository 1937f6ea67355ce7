// What Ptolemy's and Al Haytham's reconstructions leave in the data window's graphs: the
// historical explanation in the notes of `analysis`, and in `incref` Ptolemy's apparatus or Al
// Haytham's rules list.
#include "app/flows.h"
#include "app/program.h"
#include "data/analysis.h"
#include "data/incref.h"
#include "shell/colours.h"
#include "shell/graph.h"

#include <algorithm>

namespace {

// The rules list on the graph window, each English statement with its Greek one in a column of
// their own, each line in its colour.
void PrintAlHaythamRules(::incref& window, const std::vector<ShownRulesLine>& lines) {
    Canvas& c = *window.canvas;
    c.Cls(); // each print starts on a clean graph, so the list never lies over an earlier one
    c.Scale(-5, 110, 110, -30);
    window.resetCaption();
    window.Show();
    // The Greek statements start in one column, a few blanks right of the longest English one.
    const QString blank = QStringLiteral(" ");
    const auto padded = [&c, &lines, &blank] {
        const double blankWidth = c.TextWidth(blank);
        double column = 0;
        for (const ShownRulesLine& l : lines)
            if (!l.greek.empty())
                column = std::max(column, c.TextWidth(QString::fromStdString(l.english)));
        column += 4 * blankWidth;
        std::vector<QString> out;
        for (const ShownRulesLine& l : lines) {
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
        const Rgb colour = lines[k].colour;
        if (colour != Rgb{0, 0, 0}) c.ForeColor = RGB(colour.r, colour.g, colour.b);
        c.PrintAt(-5, lines[k].y, texts[k]);
        c.ForeColor = colours::black;
    }
}

} // namespace

void ConnectReconstructionFlows(Program& program) {
    // HIDE of Ptolemy's apparatus: his method in the notes, his apparatus on the graph.
    program.keep(program.ptolemy.changed.connect([&program](const PtolemyChange& c) {
        if (c.what != PtolemyChange::Explanation) return;
        ::analysis& a = program.forms.analysis();
        a.Show();
        a.showText(QString::fromStdString(PtolemyReconstruction::explanation()),
                   PtolemyReconstruction::explanationSize);
        ::incref& r = program.forms.incref();
        r.Show();
        r.canvas->Cls();
        DrawFigure(*r.canvas, PtolemyReconstruction::apparatusFigure());
    }));
    // Al Haytham's rules on the graph, and his explanation in the notes.
    program.keep(program.alhaytham.changed.connect([&program](const AlHaythamChange& c) {
        if (c.what == AlHaythamChange::RulesList)
            PrintAlHaythamRules(program.forms.incref(), program.alhaytham.rulesList());
        if (c.what == AlHaythamChange::Explanation) {
            ::analysis& a = program.forms.analysis();
            const QString text = QString::fromStdString(AlHaythamExplanation());
            // Left alone when it already holds the text, so that moving the index keeps the
            // reader's place.
            if (a.Text1->toPlainText() != text) a.Text1->setPlainText(text);
            a.Text1->show();
            if (c.showAnalysis) a.Show();
        }
    }));
}
