#pragma once
// The historical notes of the data window's HISTORY NOTES menu: for each scientist the caption
// of the window that shows the note, the font size of its text box and the note itself, Greek
// paragraphs first, then the English ones (some notes are Greek only).
#include <string>
#include <vector>

enum class NoteId { AlHaytham, Descartes, Fermat, Fresnel, Hero, Kepler, Newton, Ptolemy, Snell,
                    Witelo };

struct HistoryNote {
    std::string caption;                 // caption of the analysis window
    int fontSize = 12;                   // points, for its text box
    std::vector<std::string> greek;      // paragraphs
    std::vector<std::string> english;    // paragraphs; empty for a note in Greek only
    // The note as the text box shows it: the paragraphs in order, a blank line between them.
    std::string Text() const;
};

const HistoryNote& Note(NoteId id);

// Every note, in the order of the menu.
const std::vector<NoteId>& AllNotes();
