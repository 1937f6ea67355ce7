// The flows of the data analysis: its graph windows brought forward when it draws on them,
// the notes that open Ptolemy's and Al Haytham's windows, the interpretation and Ptolemy's data
// manipulation asked for from the data window.
#include "app/flows.h"
#include "app/program.h"

void ConnectDataFlows(Program& program) {
    program.keep(program.dataAnalysis.changed.connect([&program](const DataChange& change) {
        switch (change.kind) {
        case DataChange::ShowIncref:
            program.ShowWindow(QStringLiteral("incref")); // loaded first where need be
            break;
        case DataChange::ShowAnalysis:
            program.ShowWindow(QStringLiteral("analysis"));
            break;
        case DataChange::NoteChosen:
            // The notes on Ptolemy and Al Haytham open the reconstruction of their experiments.
            if (change.note == NoteId::Ptolemy) program.ShowWindow(QStringLiteral("ptolemaios"));
            if (change.note == NoteId::AlHaytham) program.ShowWindow(QStringLiteral("xaithamos"));
            break;
        case DataChange::InterpretationAsked:
            program.ShowWindow(QStringLiteral("rixo"));
            program.ShowWindow(QStringLiteral("rixotext"));
            program.ShowWindow(QStringLiteral("somata"));
            program.interpretation.runWaveClock(); // the fronts run again
            break;
        case DataChange::PtolemyManipulationAsked:
            // The table's window sets its own fonts as it loads.
            program.ShowWindow(QStringLiteral("ptolkam"));
            break;
        default:
            break;
        }
    }));
}
