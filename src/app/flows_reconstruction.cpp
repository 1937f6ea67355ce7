// What Ptolemy's and Al Haytham's reconstructions leave in the data window's graphs, through
// the data analysis: the historical explanation in the notes of `analysis`, and in `incref`
// Ptolemy's apparatus or Al Haytham's rules list.
#include "app/flows.h"
#include "app/program.h"

namespace {

// Al Haytham's rules as the data window's graph prints them: each English statement with its
// Greek one in a column of their own, each line in its colour.
TextLines RulesLines(const std::vector<ShownRulesLine>& lines) {
    TextLines out;
    for (const ShownRulesLine& l : lines) out.lines.push_back({l.y, l.english, l.greek, l.colour});
    return out;
}

} // namespace

void ConnectReconstructionFlows(Program& program) {
    // HIDE of Ptolemy's apparatus: his method in the notes, his apparatus on the graph.
    program.keep(program.ptolemy.changed.connect([&program](const PtolemyChange& c) {
        if (c.what != PtolemyChange::Explanation) return;
        DataAnalysis& data = program.dataAnalysis;
        data.showNoteText(PtolemyReconstruction::explanation(), PtolemyReconstruction::explanationSize);
        data.showFigure(PtolemyReconstruction::apparatusFigure());
    }));
    // Al Haytham's rules on the graph, and his explanation in the notes.
    program.keep(program.alhaytham.changed.connect([&program](const AlHaythamChange& c) {
        DataAnalysis& data = program.dataAnalysis;
        if (c.what == AlHaythamChange::RulesList) {
            // Each print starts on a clean graph, so the list never lies over an earlier one.
            data.clearIncref();
            data.resetIncrefCaption();
            data.printTextLines(RulesLines(program.alhaytham.rulesList()));
        }
        // The explanation stays while the index moves: the reader keeps his place.
        if (c.what == AlHaythamChange::Explanation) {
            data.showExplanation(AlHaythamExplanation());
            if (c.showAnalysis) program.ShowWindow("analysis");
        }
    }));
}
