#pragma once
// The data analysis: typed and historical refraction data, their fits, the laws of refraction
// laid over them, the historical notes, and what its two graph windows show (incref, refraction
// against incidence; analysis, sine against sine and the notes' box). Its views are the data
// window inpdat and those two windows; every change is told through `changed`.
#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "data/model/graph_steps.h"
#include "data/model/historical.h"
#include "data/model/laws.h"
#include "data/model/notes.h"
#include "shell/model/observer.h"

inline constexpr std::string_view kIncrefDesignCaption =
    "REFRACDTION VS INCIDENCE ΔΙΑΘΛΑΣΗΣ VS ΠΡΟΣΠΤΩΣΗΣ";
inline constexpr std::string_view kAnalysisDesignCaption = "ANALYSIS OF DATA";

// What changed. The views redraw only what a change names. The requests (ShowIncref,
// ShowAnalysis and the last three kinds) are the flows' in app/flows_data.cpp: bringing a
// window forward, opening another part's windows.
struct DataChange {
    enum Kind {
        Rows,            // typedIncidence, typedRefraction
        DataSetLoaded,   // a historical data set is loaded: its lists are filled and shown
        Checks,          // checkedSet, the check mark of the data-set items
        IncrefCaption,   // increfCaption
        AnalysisCaption, // analysisCaption
        NoteText,        // notes: the box's text, letter and place, and whether it shows
        NoteShown,       // notes.shown alone
        IncrefPicture,   // incref: new steps, or a clearing
        AnalysisPicture, // analysis: new steps, or a clearing
        ShowIncref,      // the graph window comes forward now, before what is drawn next
        ShowAnalysis,
        Message,                  // `text` is to be told to the student now
        NoteChosen,               // the history note `note` was chosen (Ptolemy's and Al Haytham's
                                  // open their windows)
        InterpretationAsked,      // INTERPRETATION: the interpretation windows, their waves running
        PtolemyManipulationAsked, // PTOLEMY DATA MANIPULATION: his table's window
    };
    Kind kind;
    std::string text;
    NoteId note = NoteId::AlHaytham;
};

// The notes' box of the analysis window.
struct NoteBox {
    std::string text;
    double fontSize = 0;    // points; 0: the box keeps its letter
    bool fromStart = false; // shown from its start; else the reader keeps his place when the
                            // box holds this text already
    bool shown = false;
};

// The message for the rows of a pasted table that found no box.
std::string RowsLeftOutText(std::size_t leftOut);

class DataAnalysis {
public:
    Observable<DataChange> changed;

    // State ------------------------------------------------------------------------------------

    // The typed rows: the incidence boxes Text1(i) and the refraction boxes Refr(i).
    std::array<std::string, kTypedRows> typedIncidence, typedRefraction;
    // True while the data to analyse are the loaded data set, not the typed rows.
    bool fromLists = false;
    const HistoricalDataSet* loadedSet = nullptr;  // the set the lists show
    const HistoricalDataSet* checkedSet = nullptr; // the set whose menu item is checked
    // The last sine analysis (none when it gave no line), and whether the button made it.
    std::optional<SineAnalysis> lastFit;
    bool fitByButton = false;

    std::string increfCaption{kIncrefDesignCaption};
    std::string analysisCaption{kAnalysisDesignCaption};
    NoteBox notes;
    GraphPicture<IncrefStep> incref;
    GraphPicture<SineGraph> analysis;

    // Derived from the last analysis: the index 1/b (for Witelo the shorter fit's; 0 without
    // a line), the intercept a, and the index Snell's law from the data takes (after the
    // data-analysis button, the size of 1/b).
    double fittedIndex() const;
    float fittedIntercept() const;
    double indexOfData() const;

    // The data window's operations --------------------------------------------------------------

    // The text of a box, as typed (nothing is told when it is the text the row holds).
    void setTyped(std::size_t row, bool refraction, const std::string& text);
    // A key in a box takes the check from the data-set items of Ptolemy, Al Haytham and Newton
    // (Witelo's keep theirs); one in an incidence box also gives incref a black pen.
    void keyInBox(bool incidenceBox);
    // A table pasted into the boxes (ReadPastedRows): the rows from the first on, the others
    // emptied, no data set checked or analysed. Gives how many rows were left out past the
    // last box (RowsLeftOutText says so); nothing when the table is refused whole, with the
    // boxes' message.
    std::optional<std::size_t> pasteRows(std::string_view text);
    // TRANSFER OF DATA from the semicircle's list: row i takes the given incidence and
    // refraction texts, each read as a single-precision number and written in the plain number
    // form ("4.00" gives "4"); an empty text empties its box. Rows past the 14th are left out,
    // the rows after the last given keep their texts. For the flow of the experiment.
    void transferRows(const std::vector<std::pair<std::string, std::string>>& rows);

    // A historical data set by its menu item ("Newt" ...): checked, listed and analysed.
    void loadDataSet(std::string_view menuItem);
    // BACK FROM HISTORICAL: the typed rows are the data again (the checks stay).
    void backFromHistorical();

    // analysisdata: each author's points with his marker, the sine fit and its index.
    void analyseData();
    // The data-analysis button: every point alike, over the last plot unless `erase`.
    void analyseByButton(bool erase);

    // The laws. An index is asked through `ask` (its prompt and proposed answer; nothing when
    // the student cancels) and read as a typed index; a refused one is told and changes nothing.
    using Ask = std::function<std::optional<std::string>(const std::string& prompt,
                                                         const std::string& proposed)>;
    void kepler(bool erase);
    bool snellFromData(); // true when the curve was drawn
    void snellGiven(const Ask& ask);
    void expected(const Ask& ask);
    void empirical();
    void toentrito();   // refraction = 2/3 incidence
    void toendeytero(); // refraction = 3/2 incidence

    // A history note: its text in the analysis window, its figure (Fermat, Hero, Newton,
    // Ptolemy) in incref, both cleared first; then NoteChosen.
    void showHistoryNote(NoteId id);

    void askInterpretation();
    void askPtolemyManipulation();

    // For the flows of other parts: what they put on the two graph windows ---------------------

    // Clears incref (its ink and its steps).
    void clearIncref();
    void setIncrefCaption(std::string caption);
    void resetIncrefCaption(); // the design caption, for a picture without a caption of its own
    // Clears incref, takes the figure's caption where it has one, brings incref forward and
    // draws the figure (DrawFigure: its box, bands, lines, circles, labels, explanations).
    void showFigure(const Figure& figure);
    // Brings incref forward and prints the lines over what it shows (see TextLines).
    void printTextLines(const TextLines& lines);
    // Clears the sine graph, puts `text` into the notes' box from its start at `fontSize`
    // points, shows the box and brings the analysis window forward.
    void showNoteText(std::string text, double fontSize);
    // Shows `text` in the notes' box at the box's letter; where the box holds it already the
    // reader keeps his place (an explanation that stays while its window changes).
    void showExplanation(std::string text);
    void hideNoteText();

private:
    void tell(DataChange::Kind kind, std::string text = {});
    void say(std::string text) { tell(DataChange::Message, std::move(text)); }
    void clearAnalysis();
    void drawOnIncref(IncrefStep step);
    void drawFigure(const Figure& figure);
    void setAnalysisCaption(std::string caption);
    void setChecked(const HistoricalDataSet* set);
    void setRow(std::size_t row, const std::string& incidence, const std::string& refraction);
    bool witeloChecked() const;
    // The data as the analysis reads them, or nothing after telling which box is refused.
    std::optional<DataPoints> currentData(bool bothFilled);
    // An index asked and read, or nothing (refused ones told).
    std::optional<double> askIndex(const Ask& ask, const std::string& prompt,
                                   const std::string& proposed);
    void drawAngleFrame();
    void drawSineGraph(const DataPoints& points, bool witelo, bool byButton);
};
