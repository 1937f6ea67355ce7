// The HISTORY NOTES menu of the data window: each item puts a scientist's note into the text
// box of the analysis window and, for four of them, draws an illustration in incref.
#include "data/inpdat.h"

#include "alhaytham/xaithamos.h"
#include "app/program.h"
#include "data/analysis.h"
#include "data/incref.h"
#include "data/model/note_figures.h"
#include "data/model/notes.h"
#include "ptolemy/ptolemaios.h"
#include "shell/graph.h"

void inpdat::showNote(NoteId id) {
    const HistoryNote& note = Note(id);
    program.forms.incref().canvas->Cls();
    program.forms.incref().resetCaption(); // an illustration below sets its own
    ::analysis& a = program.forms.analysis();
    a.setCaption(QString::fromStdString(note.caption));
    a.showText(QString::fromStdString(note.Text()), note.fontSize);
    a.Show();
}

void inpdat::drawNoteFigure(const Figure& figure) {
    ::incref& r = program.forms.incref();
    if (!figure.caption.empty()) r.setCaption(QString::fromStdString(figure.caption));
    r.Show();
    DrawFigure(*r.canvas, figure);
}

void inpdat::alhaytham_Click() {
    showNote(NoteId::AlHaytham);
    program.forms.xaithamos().Show();
}

void inpdat::Descarteslaw_Click() { showNote(NoteId::Descartes); }

void inpdat::Fermatlaw_Click() {
    showNote(NoteId::Fermat);
    drawNoteFigure(FermatFigure());
}

void inpdat::fresnellaw_Click() { showNote(NoteId::Fresnel); }

void inpdat::Herolaw_Click() {
    showNote(NoteId::Hero);
    Figure f = HeroFigure();
    f.caption = Note(NoteId::Hero).caption;
    drawNoteFigure(f);
}

void inpdat::Keplerlaw_Click() { showNote(NoteId::Kepler); }

void inpdat::Newtonlaw_Click() {
    showNote(NoteId::Newton);
    // Worked out on a copy of the interpretation state: the wave window and the panel show
    // next what they showed before.
    drawNoteFigure(NewtonFigure(ComputeNewtonPaths(program.interp, 1.5)));
}

void inpdat::Ptolemylaw_Click() {
    showNote(NoteId::Ptolemy);
    Figure f = PtolemyFigure("PTOLEMY'S APPARATRUS Η συσκευή του Πτολεμαίου");
    f.caption = Ptolemylaw->text().toStdString();
    drawNoteFigure(f);
    program.forms.ptolemaios().Show();
}

void inpdat::Snellaw_Click() { showNote(NoteId::Snell); }

void inpdat::Witellolaw_Click() { showNote(NoteId::Witelo); }
