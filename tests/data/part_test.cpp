// The data analysis as its windows and the other parts' flows use it, without a window: what
// each operation leaves to be drawn, the index it keeps, and what it tells the student.
#include "data/model/data_analysis.h"
#include "shell/model/numfmt.h"

#include <gtest/gtest.h>

namespace {

using Rows = std::vector<std::pair<std::string, std::string>>;

// The messages the part tells, and the last change.
struct Told {
    explicit Told(DataAnalysis& part)
        : connection(part.changed.connect([this](const DataChange& c) {
              if (c.kind == DataChange::Message) messages.push_back(c.text);
              last = c;
          })) {}
    std::vector<std::string> messages;
    DataChange last{DataChange::Rows, {}};
    Observable<DataChange>::Connection connection;
};

void Type(DataAnalysis& part, const Rows& rows) {
    for (std::size_t i = 0; i < kTypedRows; ++i) {
        part.setTyped(i, false, i < rows.size() ? rows[i].first : "");
        part.setTyped(i, true, i < rows.size() ? rows[i].second : "");
    }
}

template <class Step> const Step* Last(const DataAnalysis& part) {
    for (auto s = part.incref.steps.rbegin(); s != part.incref.steps.rend(); ++s)
        if (const Step* step = std::get_if<Step>(&*s)) return step;
    return nullptr;
}

DataAnalysis::Ask Answering(std::optional<std::string> answer) {
    return [answer](const std::string&, const std::string&) { return answer; };
}

} // namespace

// Each author's points with his marker, the taller graph for Witelo's angles past 90 degrees,
// and the index of the sine fit worked by hand (single-precision angles, the point (0, 0)
// first; Witelo's kept index from the fit two points shorter than the printed one).
TEST(DataAnalysisPart, EachAnalysisDrawsItsStepsAndKeepsItsIndex) {
    struct Case {
        const char* set; // nullptr: the typed rows 10/7, 20/13.5, 30/19.5 (row 4 unfinished)
        Marker marker;
        const char* index;
        double kept;
    };
    const Case cases[] = {
        {"newt2", Marker::Circle, "1.333", 1.333376},
        {"Newt", Marker::Circle, "1.550", 1.549931},
        {"Alhazen2", Marker::Plus, "1.314", 1.314350},
        {"Alhazen", Marker::Plus, "1.513", 1.513059},
        {"ptolemy2", Marker::Cross, "1.320", 1.320075},
        {"Ptolemy", Marker::Cross, "1.513", 1.513059},
        {"Vitello_water", Marker::Dot, "0.839", 0.822371},
        {"Vitello_Glass", Marker::Dot, "0.804", 0.771889},
        {nullptr, Marker::Dot, "1.540", 1.539505},  // analysisdata
        {nullptr, Marker::Dot, "1.5395", 1.539505}, // the button, with four decimals
    };
    for (const Case& c : cases) {
        const bool byButton = std::string(c.index).size() == 6;
        SCOPED_TRACE(c.set ? c.set : c.index);
        DataAnalysis part;
        Told told(part);
        Type(part, {{"10", "7"}, {"20", "13.5"}, {"30", "19.5"}, {"40", ""}});
        c.set      ? part.loadDataSet(c.set)
        : byButton ? part.analyseByButton(false)
                   : part.analyseData();
        ASSERT_EQ(part.incref.steps.size(), 3u); // frame, points, titles
        const bool witelo = c.set && std::string(c.set).starts_with("Vitello");
        EXPECT_EQ(std::get<AngleFrame>(part.incref.steps[0]).top, witelo ? 110 : 80);
        const DataPlot& plot = std::get<DataPlot>(part.incref.steps[1]);
        EXPECT_EQ(plot.marker, c.marker);
        EXPECT_EQ(plot.points.x.size(), c.set ? FindDataSet(c.set)->incidence.size() + 1 : 3);
        ASSERT_EQ(part.analysis.steps.size(), 1u);
        EXPECT_EQ(part.analysis.steps[0].sines.size(), plot.points.x.size());
        EXPECT_EQ(part.analysis.steps[0].line.value().indexText,
                  (byButton ? "INDEX OF REFRACTION Δείκτης Διάθλασης= "
                            : "REFRACTION INDEX Δείκτης Διάθλασης= ") +
                      std::string(c.index));
        EXPECT_NEAR(part.fittedIndex(), c.kept, 1e-6);
        EXPECT_EQ(part.fromLists, c.set != nullptr);
        // analysisdata on typed rows leaves the captions; a data set and the button set them.
        EXPECT_EQ(part.analysisCaption,
                  c.set || byButton ? kAnalysisCaption : kAnalysisDesignCaption);
        EXPECT_EQ(part.increfCaption, c.set      ? FindDataSet(c.set)->increfCaption
                                      : byButton ? "REFRACTION ANGLE VS INCIDENCE ANGLE"
                                                 : kIncrefDesignCaption);
        EXPECT_FALSE(part.notes.shown);
        EXPECT_TRUE(told.messages.empty());
    }
}

TEST(DataAnalysisPart, DataThatGiveNoLineAreToldAndLeaveNoIndex) {
    // Nothing typed, one point, one incidence, words read as 0 twice, incidences of one sine.
    const Rows cases[] = {{},
                          {{"30", "20"}},
                          {{"30", "19"}, {"30", "21"}},
                          {{"ten", "7"}, {"x", "8"}},
                          {{"0", "0"}, {"180", "30"}}};
    for (const Rows& rows : cases) {
        for (bool byButton : {true, false}) {
            DataAnalysis part;
            Type(part, {{"10", "7"}, {"20", "13"}});
            part.analyseData(); // an index from earlier data, which must not stay
            Type(part, rows);
            Told told(part);
            byButton ? part.analyseByButton(false) : part.analyseData();
            EXPECT_EQ(told.messages.size(), 1u);
            EXPECT_FALSE(part.analysis.steps.at(0).line);
            EXPECT_EQ(part.indexOfData(), 0);
            // With no index, Snell's law from the data draws nothing.
            const std::size_t steps = part.incref.steps.size();
            EXPECT_FALSE(part.snellFromData());
            EXPECT_EQ(part.incref.steps.size(), steps);
        }
    }
}

// A box that holds no angle the window accepts is named, and nothing else happens: nothing
// drawn or cleared, no index changed, no question asked.
TEST(DataAnalysisPart, ABoxThatHoldsNoAngleChangesNothing) {
    DataAnalysis part;
    Type(part, {{"10", "7"}, {"20", "13"}, {"30", "19.5"}, {"40", "25"}});
    part.analyseByButton(false);
    EXPECT_NEAR(part.indexOfData(), 1.548384, 1e-6); // 1 / slope of the sines' line, by hand
    bool asked = false;
    const DataAnalysis::Ask ask = [&asked](const std::string&, const std::string&) {
        asked = true;
        return std::optional<std::string>("1.5");
    };
    for (const auto& [typed, refraction] :
         Rows{{"1e308", ""}, {"361", ""}, {"-360.5", "r"}, {std::string(10000, '7'), "r"}}) {
        part.setTyped(2, !refraction.empty(), typed);
        const auto steps = part.incref.steps.size();
        const auto clearings = part.incref.clearings + part.analysis.clearings;
        for (int act = 0; act < 4; ++act) {
            Told told(part);
            if (act == 0) part.analyseByButton(true);
            if (act == 1) part.kepler(true);
            if (act == 2) part.snellFromData();
            if (act == 3) part.snellGiven(ask);
            EXPECT_EQ(told.messages, std::vector{RefusedBoxText({2, !refraction.empty()})});
            EXPECT_EQ(part.incref.steps.size(), steps);
            EXPECT_EQ(part.incref.clearings + part.analysis.clearings, clearings);
            EXPECT_NEAR(part.indexOfData(), 1.548384, 1e-6);
        }
        part.setTyped(2, !refraction.empty(), refraction.empty() ? "30" : "19.5");
    }
    EXPECT_FALSE(asked);
}

TEST(DataAnalysisPart, TheLawsOverTheData) {
    DataAnalysis part;
    part.loadDataSet("Ptolemy");
    part.kepler(false);
    EXPECT_EQ(part.increfCaption, "REFRACTION ANGLE VS INCIDENCE  ANGLE ");
    EXPECT_EQ(Last<KeplerLine>(part)->text,
              "Kepler's Model for Refraction Μοντέλο Kepler για διάθλαση= 0.60Πρόσπτωση");
    EXPECT_TRUE(part.snellFromData()); // the fitted 1.513
    EXPECT_EQ(Last<SnellLine>(part)->label, "n=1.51");
    const int clearings = part.incref.clearings;
    part.kepler(true); // ERASE: the data again on a clean graph, then the line
    EXPECT_GT(part.incref.clearings, clearings);
    EXPECT_TRUE(std::holds_alternative<DataPlot>(part.incref.steps.at(1)));
    // Witelo's index is below 1: the curve stops at the critical angle, 50.5 degrees.
    part.loadDataSet("Vitello_Glass");
    part.snellFromData();
    EXPECT_EQ(Last<SnellLine>(part)->curve.back().x, 50);
    // Refractions of 0.01 and 0.02 degrees give an index of 4647.6, which has no curve.
    part.backFromHistorical();
    Type(part, {{"10", "0.01"}, {"80", "0.02"}});
    part.analyseByButton(false);
    Told told(part);
    EXPECT_FALSE(part.snellFromData());
    EXPECT_NEAR(part.indexOfData(), 4647.6, 1.0);
    EXPECT_EQ(told.messages.at(0).rfind("The index from the data, n=4647", 0), 0u);
    Type(part, {{"10", "7"}, {"10", "7.5"}, {"10", "8"}}); // Kepler with one incidence
    part.kepler(false);
    EXPECT_EQ(told.messages.size(), 2u);
    EXPECT_NE(told.last.kind, DataChange::IncrefPicture);
}

TEST(DataAnalysisPart, AnIndexThatIsNoIndexIsRefusedAndExpectedFillsTheRows) {
    DataAnalysis part;
    Type(part, {{"10", "7"}});
    part.setTyped(13, false, "99");
    for (const std::string answer :
         {"0", "-1.5", "abc", "", "0.0199", "1e308", "nan", "inf", "100.5"}) {
        Told told(part);
        part.snellGiven(Answering(answer));
        part.expected(Answering(answer));
        EXPECT_EQ(told.messages,
                  std::vector<std::string>(
                      2, RefusalText("Index of refraction", "Δείκτης διάθλασης", kDrawableIndex)));
        EXPECT_TRUE(part.incref.steps.empty());
        EXPECT_EQ(part.typedIncidence[0], "10");
    }
    Told told(part);
    part.expected(Answering(std::nullopt)); // cancelled: nothing said, nothing changed
    EXPECT_TRUE(told.messages.empty());
    EXPECT_EQ(part.typedRefraction[0], "7");
    part.fromLists = true;
    part.expected(Answering("0.3")); // stops at 17.5 degrees, the rows after it emptied
    EXPECT_FALSE(part.fromLists);
    EXPECT_EQ(part.typedIncidence[7] + "|" + part.typedRefraction[7], "17.5|");
    EXPECT_EQ(part.typedIncidence[8], "");
    EXPECT_EQ(part.typedIncidence[13], "99"); // the last row is not emptied
}

TEST(DataAnalysisPart, TransferPasteAndKeysChangeTheRowsAndTheChecks) {
    DataAnalysis part;
    part.setTyped(3, false, "keep");
    part.transferRows({{"4.00", "2.6700"}, {"", ""}, {" 30 ", "19.47"}});
    std::string rows;
    for (std::size_t i = 0; i < 4; ++i)
        rows += part.typedIncidence[i] + "|" + part.typedRefraction[i] + ";";
    EXPECT_EQ(rows, "4|2.67;|;30|19.47;keep|;");
    part.transferRows(Rows(16, {"5", "3"})); // fourteen boxes
    EXPECT_EQ(part.typedIncidence[13], "5");
    part.loadDataSet("Ptolemy");
    // A pasted table is the data now; one refused is refused whole.
    Told told(part);
    EXPECT_FALSE(part.pasteRows("10\t7\n20\t400\n"));
    EXPECT_EQ(told.messages, std::vector{RefusedBoxText({1, true})});
    EXPECT_EQ(part.typedIncidence[0], "5");
    EXPECT_EQ(part.pasteRows("10\t7\n20\t13.5\n"), std::optional<std::size_t>(0));
    EXPECT_EQ(part.typedIncidence[1] + part.typedIncidence[2], "20");
    EXPECT_FALSE(part.fromLists || part.checkedSet);
}

TEST(DataAnalysisPart, NotesTellWhichWasChosenAndLeaveTheData) {
    DataAnalysis part;
    part.loadDataSet("Ptolemy");
    Type(part, {{"12", "9"}});
    Told told(part);
    part.showHistoryNote(NoteId::Hero);
    EXPECT_EQ(part.increfCaption, "HERO OF ALEXANDRIA");
    EXPECT_EQ(told.last.kind, DataChange::NoteChosen);
    EXPECT_EQ(told.last.note, NoteId::Hero);
    part.showHistoryNote(NoteId::Ptolemy);
    EXPECT_EQ(part.increfCaption, "PTOLEMY'S APPARATUS");
    part.showHistoryNote(NoteId::Snell); // no figure: a clean graph with its own caption
    EXPECT_EQ(part.increfCaption, kIncrefDesignCaption);
    EXPECT_TRUE(part.incref.steps.empty() && part.analysis.steps.empty());
    EXPECT_TRUE(part.notes.fromStart && part.notes.shown);
    EXPECT_TRUE(part.fromLists);
    EXPECT_EQ(part.checkedSet, FindDataSet("Ptolemy"));
    EXPECT_EQ(part.typedIncidence[0], "12");
}
