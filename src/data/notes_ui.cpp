// The HISTORY NOTES menu of the data window: each item has the data analysis show a
// scientist's note in the analysis window and, for four of them, an illustration in incref.
#include "data/inpdat.h"

void inpdat::alhaytham_Click() { part_.showHistoryNote(NoteId::AlHaytham); }
void inpdat::Descarteslaw_Click() { part_.showHistoryNote(NoteId::Descartes); }
void inpdat::Fermatlaw_Click() { part_.showHistoryNote(NoteId::Fermat); }
void inpdat::fresnellaw_Click() { part_.showHistoryNote(NoteId::Fresnel); }
void inpdat::Herolaw_Click() { part_.showHistoryNote(NoteId::Hero); }
void inpdat::Keplerlaw_Click() { part_.showHistoryNote(NoteId::Kepler); }
void inpdat::Newtonlaw_Click() { part_.showHistoryNote(NoteId::Newton); }
void inpdat::Ptolemylaw_Click() { part_.showHistoryNote(NoteId::Ptolemy); }
void inpdat::Snellaw_Click() { part_.showHistoryNote(NoteId::Snell); }
void inpdat::Witellolaw_Click() { part_.showHistoryNote(NoteId::Witelo); }
