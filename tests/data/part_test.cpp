// The data analysis as its windows and the other parts' flows use it, without a window: what
// each operation leaves to be drawn, the index it keeps, and what it tells the student.
#include "data/model/data_analysis.h"
#include "shell/model/numfmt.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

using Rows = std::vector<std::pair<std::string, std::string>>;

// The messages the part tells.
struct Told {
    explicit Told(DataAnalysis& part)
        : connection(part.changed.connect([this](const DataChange& c) {
              if (c.kind == DataChange::Message) messages.push_back(c.text);
          })) {}
    std::vector<std::string> messages;
    Observable<DataChange>::Connection connection;
};

// Numbers or texts written one after another.
template <class List> std::string Joined(const List& list) {
    std::ostringstream out;
    out.precision(10);
    for (const auto& x : list)
        out << x << " ";
    return out.str();
}

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

// The eight historical sets in the order of the menu, with the texts each puts up, and what
// loading one draws, whatever is typed: the author's points with his marker, the taller graph
// for Witelo's angles past 90 degrees, and the index of the sine fit worked by hand
// (single-precision angles, the point (0, 0) first; Witelo's kept index from the fit two points
// shorter than the printed one). Ptolemy's water is his table of constant second differences;
// Al Haytham's glass is Ptolemy's.
TEST(DataAnalysisPart, EachSetIsItsHistoricalTableAndGivesItsIndex) {
    struct Set {
        const char *item, *incidence, *refraction, *label3, *heading, *incref;
        Marker marker;
        const char* index;
        double kept;
    };
    const char* tens = "10 20 30 40 50 60 70 80 ";
    const char* vs = "REFRACTION ANGLE VS INCIDENCE ANGLE";
    const Set sets[] = {
        {"newt2", "0 15 30 45 60 75 90 ", "0 11.1833 22.01667 32.033 40.5 46.4166 48.5833 ",
         "Newton's DATA: νερό", "INCIDENCE Πρόσπτωση ", vs, Marker::Circle, "1.333", 1.333376},
        {"Newt", "10 20 30 40 50 60 65 70 75 80 85 90 ",
         "6.433 12.75 18.81667 24.5 29.61667 33.966 35.7833 37.3166 38.55 39.45 40 40.1833 ",
         "Newton's DATA: GLASS Γυαλί", " INCIDENCE Πρόσπτωσης", vs, Marker::Circle, "1.550",
         1.549931},
        {"Alhazen2", tens, "7.54 15.5 22.5 29 35 40.5 45.5 50 ", "Al Haytham's DATA: water νερό",
         "INCIDENCE Πρόσπτωση ", "REFRACTION ANGLE VS INCIDENCE ", Marker::Plus, "1.314", 1.314350},
        {"Alhazen", tens, "7 13.5 19.5 25 30 34.5 38.5 42 ", "Al Haytham's DATA: GLASS Γυαλιού",
         " incidence Πρόσπτωση", vs, Marker::Plus, "1.513", 1.513059},
        {"ptolemy2", tens, "8 15.5 22.5 29 35 40.5 45.5 50 ",
         "PTOLEMY'S DATA FOR WATER Δεδομένα Πτολεμαίου νερού", "INCIDENCE Πρόσπτωση",
         "REFRACTION ANGLE VS INCIDENCE ANGLE ", Marker::Cross, "1.320", 1.320075},
        {"Ptolemy", tens, "7 13.5 19.5 25 30 34.5 38.5 42 ",
         "PTOLEMY'S DATA FOR GLASS Δεδομένα Πτολεμαίου Γυαλιού", "INCIDENCE Πρόσπτωση ",
         "REFRACTION ANGLE VX INCIDENCE ANGLE Γωνία διάθλασης vs γωνία πρόσπτωσης", Marker::Cross,
         "1.513", 1.513059},
        {"Vitello_water", tens, "12.25 24.5 37.5 51 65 79.5 94.5 110 ",
         "Witelo Data: From Water  to  Airνερό σε αέρα ", "INCIDENCE Πρόσπτωση ", vs, Marker::Dot,
         "0.839", 0.822371},
        {"Vitello_Glass", tens, "13 26 40.5 55 70 85.83 101.5 118 ",
         "Witelo data: From Glass to air γυαλί σε αέρα", "INCIDENCE Πρόσπτωση ", vs, Marker::Dot,
         "0.804", 0.771889},
    };
    ASSERT_EQ(HistoricalDataSets().size(), std::size(sets));
    for (std::size_t i = 0; i < std::size(sets); ++i) {
        const Set& c = sets[i];
        const HistoricalDataSet& set = HistoricalDataSets()[i];
        SCOPED_TRACE(c.item);
        EXPECT_EQ(FindDataSet(c.item), &set);
        EXPECT_EQ(Joined(set.incidence), c.incidence);
        EXPECT_EQ(Joined(set.refraction), c.refraction);
        EXPECT_EQ(set.label3Caption, c.label3);
        EXPECT_EQ(set.list1Heading, c.heading);
        EXPECT_EQ(set.increfCaption, c.incref);
        // The list: its heading, then each angle in the plain number form ("18.81667").
        EXPECT_EQ(Joined(List2Items(set)), std::string(kList2Heading) + " " + c.refraction);
        DataAnalysis part;
        Told told(part);
        Type(part, {{"10", "7"}, {"20", "13.5"}});
        part.loadDataSet(c.item);
        ASSERT_EQ(part.incref.steps.size(), 3u); // frame, points, titles
        EXPECT_EQ(std::get<AngleFrame>(part.incref.steps[0]).top, i >= 6 ? 110 : 80);
        const DataPlot& plot = std::get<DataPlot>(part.incref.steps[1]);
        EXPECT_EQ(plot.marker, c.marker);
        EXPECT_EQ(plot.points.x.size(), set.incidence.size() + 1);
        EXPECT_EQ(part.analysis.steps.at(0).sines.size(), plot.points.x.size());
        EXPECT_EQ(part.analysis.steps[0].line.value().indexText,
                  std::string("REFRACTION INDEX Δείκτης Διάθλασης= ") + c.index);
        EXPECT_NEAR(part.fittedIndex(), c.kept, 1e-6);
        EXPECT_TRUE(part.fromLists && part.increfCaption == set.increfCaption &&
                    part.analysisCaption == kAnalysisCaption);
        EXPECT_TRUE(told.messages.empty() && !part.notes.shown);
    }
    EXPECT_EQ(FindDataSet("klinoistoria"), nullptr);
}

// Typed rows (10/7, 20/13.5, 30/19.5, row 4 unfinished) as analysisdata reads them, which leaves
// the captions, and as the button does, with four decimals: dots, and the index by hand.
TEST(DataAnalysisPart, TypedRowsGiveTheirIndexByTheMenuAndByTheButton) {
    for (bool byButton : {false, true}) {
        DataAnalysis part;
        Told told(part);
        Type(part, {{"10", "7"}, {"20", "13.5"}, {"30", "19.5"}, {"40", ""}});
        byButton ? part.analyseByButton(false) : part.analyseData();
        const DataPlot& plot = std::get<DataPlot>(part.incref.steps.at(1));
        EXPECT_TRUE(plot.marker == Marker::Dot && plot.points.x.size() == 3);
        EXPECT_EQ(part.analysis.steps.at(0).line.value().indexText,
                  byButton ? "INDEX OF REFRACTION Δείκτης Διάθλασης= 1.5395"
                           : "REFRACTION INDEX Δείκτης Διάθλασης= 1.540");
        EXPECT_NEAR(part.fittedIndex(), 1.539505, 1e-6);
        EXPECT_EQ(part.analysisCaption, byButton ? kAnalysisCaption : kAnalysisDesignCaption);
        EXPECT_EQ(part.increfCaption,
                  byButton ? "REFRACTION ANGLE VS INCIDENCE ANGLE" : kIncrefDesignCaption);
        EXPECT_TRUE(told.messages.empty() && !part.notes.shown && !part.fromLists);
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
    const std::size_t steps = part.incref.steps.size();
    part.kepler(false);
    EXPECT_EQ(told.messages.size(), 2u);
    EXPECT_EQ(part.incref.steps.size(), steps);
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
