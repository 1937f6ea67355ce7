#include "data/model/data_analysis.h"

#include <cmath>

#include "data/model/note_figures.h"
#include "shell/model/numfmt.h"

namespace {

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kSnellFromData{155, 39, 110};
constexpr std::string_view kAngleCaption = "REFRACTION ANGLE VS INCIDENCE ANGLE";

Marker MarkerOf(const HistoricalDataSet* set) {
    if (!set) return Marker::Dot;
    switch (set->author) {
    case Author::Newton:
        return Marker::Circle;
    case Author::AlHaytham:
        return Marker::Plus;
    case Author::Ptolemy:
        return Marker::Cross;
    case Author::Witelo:
        return Marker::Dot;
    }
    return Marker::Dot;
}

// A cell of the semicircle's list as the transfer reads it: a single-precision number in the
// plain number form, or nothing for a cell without one.
std::string TransferredText(std::string_view cell) {
    while (!cell.empty() && (cell.front() == ' ' || cell.front() == '\t'))
        cell.remove_prefix(1);
    while (!cell.empty() && (cell.back() == ' ' || cell.back() == '\t'))
        cell.remove_suffix(1);
    if (cell.empty()) return {};
    return PlainNumber(static_cast<float>(Val(cell)), 7);
}

} // namespace

double DataAnalysis::fittedIndex() const {
    if (!lastFit) return 0;
    return fitByButton ? lastFit->printedIndex : lastFit->fittedIndex;
}

float DataAnalysis::fittedIntercept() const { return lastFit ? lastFit->fit.a : 0; }

double DataAnalysis::indexOfData() const {
    return fitByButton ? std::fabs(fittedIndex()) : fittedIndex();
}

void DataAnalysis::tell(DataChange::Kind kind, std::string text) {
    changed.notify(DataChange{kind, std::move(text)});
}

// Rows and data sets ----------------------------------------------------------------------------

void DataAnalysis::setTyped(std::size_t row, bool refraction, const std::string& text) {
    if (row >= kTypedRows) return;
    std::string& box = refraction ? typedRefraction[row] : typedIncidence[row];
    if (box == text) return;
    box = text;
    tell(DataChange::Rows);
}

void DataAnalysis::setRow(std::size_t row, const std::string& incidence,
                          const std::string& refraction) {
    typedIncidence[row] = incidence;
    typedRefraction[row] = refraction;
}

void DataAnalysis::setChecked(const HistoricalDataSet* set) {
    checkedSet = set;
    tell(DataChange::Checks);
}

bool DataAnalysis::witeloChecked() const {
    return checkedSet && checkedSet->author == Author::Witelo;
}

void DataAnalysis::keyInBox(bool incidenceBox) {
    if (!witeloChecked()) setChecked(nullptr);
    if (incidenceBox) drawOnIncref(PenColour{kBlack});
}

std::optional<std::size_t> DataAnalysis::pasteRows(std::string_view text) {
    const PastedRows pasted = ReadPastedRows(text);
    if (pasted.refused) {
        say(RefusedBoxText(*pasted.refused));
        return std::nullopt;
    }
    if (pasted.rows.empty()) {
        say("The pasted text holds no row of angles: nothing was changed. "
            "Το κείμενο δεν έχει γραμμή με γωνίες: τίποτα δεν άλλαξε.");
        return std::nullopt;
    }
    for (std::size_t i = 0; i < kTypedRows; ++i) {
        const bool given = i < pasted.rows.size();
        setRow(i, given ? pasted.rows[i].incidence : "", given ? pasted.rows[i].refraction : "");
    }
    tell(DataChange::Rows);
    // The boxes are the data now, as after EXPECTED: no data set is checked or analysed.
    setChecked(nullptr);
    fromLists = false;
    drawOnIncref(PenColour{kBlack});
    return pasted.leftOut;
}

std::string RowsLeftOutText(std::size_t leftOut) {
    const std::string n = std::to_string(leftOut);
    return "Only 14 rows fit: the last " + n + " were left out. Χωράνε μόνο 14 γραμμές: οι " +
           "τελευταίες " + n + " δεν μπήκαν.";
}

void DataAnalysis::transferRows(const std::vector<std::pair<std::string, std::string>>& rows) {
    for (std::size_t i = 0; i < rows.size() && i < kTypedRows; ++i)
        setRow(i, TransferredText(rows[i].first), TransferredText(rows[i].second));
    tell(DataChange::Rows);
}

void DataAnalysis::loadDataSet(std::string_view menuItem) {
    const HistoricalDataSet* set = FindDataSet(menuItem);
    if (!set) return;
    setAnalysisCaption(std::string(kAnalysisCaption));
    setIncrefCaption(std::string(set->increfCaption));
    hideNoteText();
    setChecked(set);
    clearAnalysis();
    loadedSet = set;
    tell(DataChange::DataSetLoaded);
    fromLists = true;
    analyseData();
}

void DataAnalysis::backFromHistorical() { fromLists = false; }

std::optional<DataPoints> DataAnalysis::currentData(bool bothFilled) {
    if (fromLists && loadedSet) return PointsOfDataSet(*loadedSet);
    TypedRows rows = bothFilled ? ReadRowsBothFilled(typedIncidence, typedRefraction)
                                : ReadRowsForAnalysisData(typedIncidence, typedRefraction);
    if (rows.refused) {
        say(RefusedBoxText(*rows.refused));
        return std::nullopt;
    }
    DataPoints points = std::move(rows);
    return points;
}

// The two graphs ------------------------------------------------------------------------------

void DataAnalysis::clearIncref() {
    incref.steps.clear();
    ++incref.clearings;
    tell(DataChange::IncrefPicture);
}

void DataAnalysis::clearAnalysis() {
    analysis.steps.clear();
    ++analysis.clearings;
    tell(DataChange::AnalysisPicture);
}

void DataAnalysis::drawOnIncref(IncrefStep step) {
    incref.steps.push_back(std::move(step));
    tell(DataChange::IncrefPicture);
}

void DataAnalysis::setIncrefCaption(std::string caption) {
    increfCaption = std::move(caption);
    tell(DataChange::IncrefCaption);
}

void DataAnalysis::resetIncrefCaption() { setIncrefCaption(std::string(kIncrefDesignCaption)); }

void DataAnalysis::setAnalysisCaption(std::string caption) {
    analysisCaption = std::move(caption);
    tell(DataChange::AnalysisCaption);
}

void DataAnalysis::drawAngleFrame() {
    tell(DataChange::ShowIncref);
    // Witelo's extrapolated angles reach 118 degrees: his graph is taller.
    drawOnIncref(AngleFrame{witeloChecked() ? 110.0 : 80.0});
}

void DataAnalysis::analyseData() {
    // Read first: a box refused leaves the graphs as they are.
    std::optional<DataPoints> read = currentData(false);
    if (!read) return;
    DataPoints points = std::move(*read);
    hideNoteText();
    clearIncref();
    clearAnalysis();
    // This analysis has always read the angles in single precision.
    for (double& v : points.x)
        v = static_cast<float>(v);
    for (double& v : points.y)
        v = static_cast<float>(v);
    drawAngleFrame();
    drawOnIncref(DataPlot{points, MarkerOf(checkedSet)});
    drawOnIncref(
        AngleTitles{"REFRACTION ANGLE Γωνία Διάθλασης", "INCIDENCE ANGLE Γωνία Πρόσπτωσης"});
    drawSineGraph(points, witeloChecked(), false);
}

void DataAnalysis::analyseByButton(bool erase) {
    const std::optional<DataPoints> read = currentData(true);
    if (!read) return;
    if (erase) clearIncref();
    setAnalysisCaption(std::string(kAnalysisCaption));
    setIncrefCaption(std::string(kAngleCaption));
    hideNoteText();
    tell(DataChange::ShowAnalysis);
    clearAnalysis();
    drawAngleFrame();
    drawOnIncref(DataPlot{*read, Marker::Dot});
    drawOnIncref(AngleTitles{"REFRACTION ANGLE Διάθλασης", "INCIDENCE ANGLE Πρόσπτωσης"});
    drawSineGraph(*read, false, true);
}

void DataAnalysis::drawSineGraph(const DataPoints& points, bool witelo, bool byButton) {
    tell(DataChange::ShowAnalysis);
    SineGraph graph;
    const std::vector<double> sinX = SinesOfDegrees(points.x);
    const std::vector<double> sinY = SinesOfDegrees(points.y);
    for (std::size_t i = 0; i < sinX.size() && i < sinY.size(); ++i)
        graph.sines.push_back({sinX[i], sinY[i]});
    const SineAnalysisResult result = AnalyseSines(points, witelo);
    lastFit = result.analysis;
    fitByButton = byButton;
    if (result.analysis) {
        const SineAnalysis& fit = *result.analysis;
        graph.line = SineLine{fit.fit.a, byButton ? std::fabs(fit.fit.b) : fit.fit.b,
                              byButton ? "INDEX OF REFRACTION Δείκτης Διάθλασης= " +
                                             Format(std::fabs(fit.printedIndex), "0.0000")
                                       : "REFRACTION INDEX Δείκτης Διάθλασης= " +
                                             Format(fit.printedIndex, "0.000")};
    }
    graph.refractionTitle = byButton ? "Sin(REFRACTION Διάθλασης)" : "Sin(REFRACTIONΔιάθλασης)";
    analysis.steps.push_back(std::move(graph));
    tell(DataChange::AnalysisPicture);
    if (!result.analysis) say(std::string(FitProblemText(result.problem)));
}

// The laws ------------------------------------------------------------------------------------

std::optional<double> DataAnalysis::askIndex(const Ask& ask, const std::string& prompt,
                                             const std::string& proposed) {
    const std::optional<std::string> answer = ask(prompt, proposed);
    if (!answer) return std::nullopt;
    // An empty or non-numeric answer reads as 0 and is refused like any index with no curve.
    const std::optional<double> n = ReadTyped(*answer, kDrawableIndex);
    if (!n) say(RefusalText("Index of refraction", "Δείκτης διάθλασης", kDrawableIndex));
    return n;
}

void DataAnalysis::kepler(bool erase) {
    setIncrefCaption("REFRACTION ANGLE VS INCIDENCE  ANGLE ");
    const std::optional<DataPoints> points = currentData(true);
    if (!points) return;
    if (erase) {
        clearIncref();
        analyseData();
    }
    hideNoteText();
    const KeplerResult kepler = KeplerFit(*points);
    if (!kepler.fit) {
        say(std::string(FitProblemText(kepler.problem)));
        return;
    }
    const double b = kepler.fit->b;
    drawOnIncref(KeplerLine{b, "Kepler's Model for Refraction Μοντέλο Kepler για διάθλαση= " +
                                   Format(b, "0.00") + "Πρόσπτωση"});
}

bool DataAnalysis::snellFromData() {
    const std::optional<DataPoints> points = currentData(true);
    if (!points || points->x.empty()) return false;
    hideNoteText();
    const double n = indexOfData();
    if (n == 0) {
        say("There is no index from the data yet: analyse them first Δεν υπάρχει ακόμη δείκτης "
            "από τα δεδομένα: ανάλυσέ τα πρώτα");
        return false;
    }
    if (!IsDrawableIndex(n)) {
        say("The index from the data, n=" + Format(n, "0.00") +
            ", gives no curve   Ο δείκτης από τα δεδομένα, n=" + Format(n, "0.00") +
            ", δεν δίνει καμπύλη");
        return false;
    }
    drawOnIncref(SnellLine{SnellCurve(n), kSnellFromData, "n=" + Format(n, "0.00"), true});
    return true;
}

void DataAnalysis::snellGiven(const Ask& ask) {
    setIncrefCaption(std::string(kAngleCaption));
    const std::optional<DataPoints> points = currentData(true);
    if (!points || points->x.empty()) return;
    const auto n = askIndex(ask, "INDEX OF REFRACTION δείκτης διάθλασης?", "1.5");
    if (!n) return;
    drawOnIncref(SnellLine{SnellCurve(*n), std::nullopt, "n=" + Format(*n, "0.00"), false});
}

void DataAnalysis::expected(const Ask& ask) {
    setIncrefCaption(std::string(kAngleCaption));
    hideNoteText();
    // Asked first, so that a wrong answer leaves the student's rows as they were.
    const auto n = askIndex(ask, "index of refraction Δώσε δείκτη διάθλασης", "");
    if (!n) return;
    fromLists = false;
    for (std::size_t k = 0; k <= 12; ++k)
        setRow(k, "", "");
    tell(DataChange::Rows);
    const std::vector<ExpectedRow> rows = ExpectedRows(*n);
    for (std::size_t k = 0; k < rows.size() && k < kTypedRows; ++k)
        setRow(k, rows[k].incidence, rows[k].refraction);
    tell(DataChange::Rows);
}

void DataAnalysis::empirical() { hideNoteText(); }

void DataAnalysis::toentrito() {
    hideNoteText();
    drawOnIncref(EmpiricalRule{
        {100, 200.0 / 3}, {40, 50}, "REFRACTION = 2/3 INCIDENCE Διάθλασης=2/3Πρόσπτωσης"});
}

void DataAnalysis::toendeytero() {
    hideNoteText();
    drawOnIncref(EmpiricalRule{
        {100, 150}, {60.0 * 2 / 3, 60}, "REFRACTION = 3/2 INCIDENCE διάθλασης=3/2πρόσπτωσης"});
}

// The notes ------------------------------------------------------------------------------------

void DataAnalysis::showHistoryNote(NoteId id) {
    const HistoryNote& note = Note(id);
    clearIncref();
    resetIncrefCaption(); // an illustration below sets its own
    setAnalysisCaption(note.caption);
    showNoteText(note.Text(), note.fontSize);
    switch (id) {
    case NoteId::Fermat:
        drawFigure(FermatFigure());
        break;
    case NoteId::Hero: {
        Figure f = HeroFigure();
        f.caption = note.caption;
        drawFigure(f);
        break;
    }
    case NoteId::Newton:
        // Worked out on a state of its own: the interpretation shows next what it showed.
        drawFigure(NewtonFigure(ComputeNewtonPaths(1.5)));
        break;
    case NoteId::Ptolemy: {
        Figure f = PtolemyFigure("PTOLEMY'S APPARATRUS Η συσκευή του Πτολεμαίου");
        f.caption = "PTOLEMY'S APPARATUS"; // the menu item's text
        drawFigure(f);
        break;
    }
    default:
        break;
    }
    DataChange chosen{DataChange::NoteChosen, {}};
    chosen.note = id;
    changed.notify(chosen);
}

void DataAnalysis::askInterpretation() { tell(DataChange::InterpretationAsked); }

void DataAnalysis::askPtolemyManipulation() { tell(DataChange::PtolemyManipulationAsked); }

// For the flows of other parts ---------------------------------------------------------------

void DataAnalysis::drawFigure(const Figure& figure) {
    if (!figure.caption.empty()) setIncrefCaption(figure.caption);
    tell(DataChange::ShowIncref);
    drawOnIncref(figure);
}

void DataAnalysis::showFigure(const Figure& figure) {
    clearIncref();
    drawFigure(figure);
}

void DataAnalysis::printTextLines(const TextLines& lines) {
    tell(DataChange::ShowIncref);
    drawOnIncref(lines);
}

void DataAnalysis::showNoteText(std::string text, double fontSize) {
    clearAnalysis();
    notes = NoteBox{std::move(text), fontSize, true, true};
    tell(DataChange::NoteText);
    tell(DataChange::ShowAnalysis);
}

void DataAnalysis::showExplanation(std::string text) {
    notes = NoteBox{std::move(text), 0, false, true};
    tell(DataChange::NoteText);
}

void DataAnalysis::hideNoteText() {
    notes.shown = false;
    tell(DataChange::NoteShown);
}
