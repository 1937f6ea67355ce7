// The data analysis against values from outside the program (least squares and Snell's law
// worked by hand, the historical tables, the history of optics, the geometry and the optics of
// the notes' figures computed here), and the part as its windows and the other parts' flows use
// it, without a window: what each operation leaves to be drawn, the index it keeps, and what it
// tells the student.
#include "data/model/data_analysis.h"
#include "data/model/historical.h"
#include "data/model/laws.h"
#include "data/model/note_figures.h"
#include "data/model/notes.h"
#include "shell/model/fit.h"
#include "shell/model/numfmt.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <sstream>

namespace {

std::vector<std::string> Boxes(std::initializer_list<const char*> texts) {
    std::vector<std::string> out(texts.begin(), texts.end());
    out.resize(kTypedRows);
    return out;
}

double Rad(double deg) { return deg * std::numbers::pi / 180; }
double Deg(double rad) { return rad * 180 / std::numbers::pi; }
// The angle of the segment a-b from the vertical, in degrees.
double FromVertical(Point a, Point b) {
    return Deg(std::atan2(std::fabs(b.x - a.x), std::fabs(b.y - a.y)));
}
bool Near(Point a, Point b) { return std::hypot(b.x - a.x, b.y - a.y) < 1e-9; }

bool HasLine(const Figure& f, Point a, Point b, Rgb colour) {
    for (const FigureLine& l : f.lines)
        if (l.colour == colour && Near(l.a, a) && Near(l.b, b)) return true;
    return false;
}

// The texts of a figure with where they stand.
std::string Texts(const std::vector<FigureText>& texts) {
    std::string out;
    for (const FigureText& t : texts)
        out +=
            t.text + "(" + std::to_string(int(t.at.x)) + "," + std::to_string(int(t.at.y)) + ") ";
    return out;
}

bool HasText(const std::vector<FigureText>& texts, const std::string& text, double y) {
    for (const FigureText& t : texts)
        if (t.text == text && t.at.y == y) return true;
    return false;
}

// The source Z, 30 degrees from the vertical at radius 115, and H, where the refracted ray
// from E at the origin ends, 20 degrees from the vertical.
const Point kZ{-115 * 0.5, 115 * std::sqrt(3.0) / 2}, kE{0, 0}, kG{-30, 0};
const Point kH{115 * std::sin(Rad(20)), -115 * std::cos(Rad(20))};
const Rgb kGreen{0, 255, 0}, kRed{255, 0, 0}, kBlack{0, 0, 0};

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

DataAnalysis::Ask Answering(std::optional<std::string> answer) {
    return [answer](const std::string&, const std::string&) { return answer; };
}

} // namespace

TEST(ReadingData, TypedRowsAndListsFollowTheirCountingRules) {
    // Row 3 has no refraction: both counting rules stop there.
    const auto text1 = Boxes({"10", "20", "30", "40", "50", "60"});
    const auto refr = Boxes({"7", "13,5", "19.5", "", "30", "34.5"});
    EXPECT_EQ(ReadRowsForAnalysisData(text1, refr).y, (std::vector<double>{7, 13.5, 19.5}));
    EXPECT_EQ(ReadRowsBothFilled(text1, refr).x, (std::vector<double>{10, 20, 30}));
    // An empty incidence box ends the count for both rules even with refractions after it.
    EXPECT_EQ(ReadRowsForAnalysisData(Boxes({"10", "", "30"}), refr).x.size(), 1u);
    EXPECT_EQ(ReadRowsBothFilled(Boxes({"10", "", "30"}), refr).x.size(), 1u);
    // Never more than fourteen rows (text without a number reads as 0: the typed rows of one
    // incidence below).
    const std::vector<std::string> many(20, "5");
    EXPECT_EQ(ReadRowsForAnalysisData(many, many).x.size(), 14u);
    EXPECT_EQ(ReadRowsBothFilled(many, many).x.size(), 14u);
    // A loaded set is read with its list heading as the point (0, 0).
    const DataPoints newton = PointsOfDataSet(*FindDataSet("Newt"));
    EXPECT_EQ(newton.x.size(), 13u);
    EXPECT_EQ(newton.x[0] + newton.y[0], 0);
}

// A class's table pasted from a spreadsheet: each line a row, incidence then refraction, read
// cell by cell as the boxes read a typed angle. "!3r": refused whole at row 3's refraction.
TEST(ReadingData, PastedTablesFillTheRowsOrAreRefusedWhole) {
    std::string sixteen, fourteen;
    for (int i = 1; i <= 16; ++i) {
        sixteen += std::to_string(5 * i) + "\t" + std::to_string(3 * i) + "\n";
        if (i <= 14) fourteen += std::to_string(5 * i) + "|" + std::to_string(3 * i) + ";";
    }
    const std::pair<std::string, std::string> cases[] = {
        // What the data window's Ctrl+C gives: headings, tabs, a decimal comma, an empty cell.
        {"INCIDENCE Πρόσπτωσης\tREFRACTION Διάθλασης\n10\t6,6\n20\t13.2\n30\t\n",
         "10|6,6;20|13.2;30|;"},
        {"i,r\n10,7\n20,13.5\n", "10|7;20|13.5;"},
        // Quotes round a cell keep its decimal comma (semicolons, Windows line ends and a refused
        // cell: the window's paste, windows_test).
        {"\"10,5\",\"7,0\"\n", "10,5|7,0;"},
        // The list window's three columns: the index is left out.
        {"INCIDENCE\tREFRACTION\tINDEX\n30.00\t19.47\t1.5000\n", "30.00|19.47;"},
        // A row left empty in the middle stays empty; blank lines at the end are no rows.
        {"10\t7\n\t\n30\t19.5\n\n\n", "10|7;|;30|19.5;"},
        {"10\n20\n", "10|;20|;"},
        {"\t19.5\n", "|19.5;"},
        {"\n\nA;B\n5;3\n", "5|3;"},
        {"INCIDENCE\tREFRACTION\n", ""},
        {sixteen, fourteen + " and 2 left out"},
        // Refused: beyond what a box accepts, too large to hold, or no number at all.
        {"1e999\t5\n", "!0i"},
        {"10\t7\nabc\t5\n", "!1i"},
        {"10;7\n20;n/a\n", "!1r"},
    };
    for (const auto& [text, want] : cases) {
        const PastedRows p = ReadPastedRows(text);
        std::string rows;
        for (const PastedRows::Row& r : p.rows)
            rows += r.incidence + "|" + r.refraction + ";";
        if (p.leftOut) rows += " and " + std::to_string(p.leftOut) + " left out";
        if (p.refused)
            rows = "!" + std::to_string(p.refused->row) + (p.refused->refraction ? "r" : "i");
        EXPECT_EQ(rows, want) << text;
    }
}

// Least squares as the data window always did it: 0.1 three times sums with rounding, and must
// still count as one incidence; a flat line gives no index; the sines' line of Ptolemy's glass,
// (0, 0) first, crosses the axis at 0.00257 (its slope and those of every set: their indices
// below); Kepler's choice, the points up to the first incidence of 45 degrees or more: for
// Ptolemy's glass (0,0), (10,7) ... (50,30), by hand b = 0.6, a = 5/6.
TEST(Fits, LeastSquaresByHandAndThePointsEachFitTakes) {
    using V = std::vector<double>;
    EXPECT_EQ(FitLine(V{0, 1}, V{0, 1.0 / 3}).b, 1.0f / 3); // in single precision, as always
    EXPECT_DOUBLE_EQ(TryFitLineDouble(V{0, 1}, V{0, 1.0 / 3})->b, 1.0 / 3);
    EXPECT_EQ(CheckFitPoints(V{0.1, 0.1, 0.1}), FitProblem::SameIncidence);
    EXPECT_FALSE(TryFitLine(V{0.1, 0.1, 0.1}, V{1, 2, 3}));
    EXPECT_FALSE(TryFitLineDouble(V{20, 20}, V{1, 2}));
    EXPECT_TRUE(ArcSin(1) == std::numbers::pi / 2 && ArcSin(-1) == -std::numbers::pi / 2);
    EXPECT_EQ(AnalyseSines({{10, 20, 30}, {15, 15, 15}}, false).problem, FitProblem::ZeroSlope);
    const auto ptolemy = AnalyseSines(PointsOfDataSet(*FindDataSet("Ptolemy")), false).analysis;
    EXPECT_NEAR(ptolemy.value().fit.a, 0.0025681763, 1e-7);
    const KeplerResult kepler = KeplerFit(PointsOfDataSet(*FindDataSet("Ptolemy")));
    ASSERT_TRUE(kepler.fit);
    EXPECT_EQ(kepler.pointCount, 6u);
    EXPECT_NEAR(kepler.fit->b, 0.6, 1e-6);
    EXPECT_NEAR(kepler.fit->a, 5.0 / 6, 1e-6);
    EXPECT_EQ(KeplerPointCount(std::vector<double>{5, 10, 20, 30}), 3u); // no 45 in the data
    EXPECT_EQ(KeplerPointCount(std::vector<double>{45, 50}), 1u);
    EXPECT_EQ(KeplerFit({{50, 60}, {30, 35}}).problem, FitProblem::TooFewPoints);
    EXPECT_EQ(KeplerFit({{10, 10, 10}, {7, 8, 9}}).problem, FitProblem::SameIncidence);
    EXPECT_FALSE(KeplerFit({}).fit);
}

// Snell's curve is asin(sin i / n) at every whole degree from the origin to the critical angle
// (53 for n = 0.8, whose critical angle is 53.13; one segment for the smallest index, 0.02; the
// largest, 100, lies just above the axis); an index with no curve draws nothing.
TEST(Snell, CurvesFollowTheLawToTheCriticalAngleAndOnlyIndicesWithACurveAreDrawn) {
    for (const double n : {0.02, 0.8, 1.5, 100.0}) {
        const auto curve = SnellCurve(n);
        std::size_t k = 1;
        for (int i = 1; i <= 90 && std::sin(Rad(i)) <= n; ++i, ++k) {
            ASSERT_LT(k, curve.size()) << n;
            const double r = Deg(std::asin(std::sin(Rad(i)) / n));
            EXPECT_TRUE(curve[k].x == i && std::fabs(curve[k].y - r) < 1e-9) << n << " " << i;
        }
        EXPECT_TRUE(curve.size() == k && curve[0].x == 0 && curve[0].y == 0) << n;
    }
    for (double n : {0.0199, 0.0, -1.5, 100.01, 1e308, double(NAN), double(INFINITY)})
        EXPECT_TRUE(!IsDrawableIndex(n) && SnellCurve(n).size() == 1 && ExpectedRows(n).empty())
            << n;
}

TEST(Expected, RowsForEachIndexStopWhereSnellHasNoAnswer) {
    struct Row {
        double n;
        std::size_t rows, at;
        const char *incidence, *refraction;
    };
    // Hand values: asin(sin i / n) in degrees; below n = 0.6 the steps are 2.5 degrees.
    const Row cases[] = {
        {1.5, 10, 0, "0", "0.000000"},    {1.5, 10, 3, "30", "19.471221"},
        {1.5, 10, 9, "90", "41.810315"},  {0.8, 10, 5, "50", "73.246858"},
        {0.8, 10, 6, "60", ""},           {0.5, 10, 1, "2.5", "5.00478"},
        {0.5, 10, 9, "22.5", "49.93964"}, {0.3, 8, 6, "15", "59.62452"},
        {0.3, 8, 7, "17.5", ""},
    };
    for (const Row& c : cases) {
        const auto rows = ExpectedRows(c.n);
        ASSERT_EQ(rows.size(), c.rows) << c.n;
        EXPECT_EQ(rows[c.at].incidence + "|" + rows[c.at].refraction,
                  std::string(c.incidence) + "|" + c.refraction)
            << c.n;
    }
}

// Each note's caption, letter and exact text, and the time and work of its scientist as the
// history of optics knows them ("|" between the words its text holds). Descartes and Newton want
// light faster in the denser medium, Fermat slower; Witelo's dense-to-rare values are the
// incidence plus the rare-to-dense deviation (the historical sets below), not an inversion of his
// tables.
TEST(HistoryNotes, TheNotesAreTheirScientistsOwn) {
    // The opening of the English text as the program has it; nullptr: the note is Greek only.
    const std::tuple<NoteId, const char*, int, const char*, const char*> notes[] = {
        {NoteId::AlHaytham, "AL HAYTHAM", 11, "965–1040|Βιβλίο της Οπτικής|ίδιο επίπεδο",
         " AL HAYTHAM (AL HAZEN) did not give a single REFRACTION law, but  a series of rules, "
         "depicted in next form."},
        {NoteId::Descartes, "DESCARTES", 12, "1637|Διοπτρική|δίχτυ|ταχύτερα, στο πυκνότερο",
         "    ******   DESCARTES proved Snell's law. He used a model. In this model he compared "
         "light with a ball falling on a fragile net"},
        {NoteId::Fermat, "FERMAT", 12, "1657|1662|ελάχιστου χρόνου|πιο αργά στο",
         " *****  FERMAT proved SNELL'S law using the LEAST TIME PRINICIPLE: Light moves from one "
         "point to  another, following the path of least possible time."},
        {NoteId::Fresnel, "FRESNEL", 13, "1818|1823|μερική", nullptr},
        {NoteId::Hero, "HERO OF ALEXANDRIA", 13, "1ος αιώνας|Κατοπτρικά|συντομότερη", nullptr},
        {NoteId::Kepler, "KEPLER", 12, "1604|1611|2/3|3/2", nullptr},
        {NoteId::Newton, "NEWTON", 13, "1704|στρώμα|σωματίδια|ταχύτερα στο",
         "  ********  NEWTON has a very  prominent position in the history of OPTICS. He believed "
         "in a corpuscular nature of light."},
        {NoteId::Ptolemy, "ABOUT PTOLEMY", 13, "2ο αιώνα|Οπτικών|δεύτερες διαφορές",
         "                                 PTOLEMY, was the famous ancient astronomer."},
        {NoteId::Snell, "SNELL", 13, "1621|1626|Κανείς δεν ξέρει", nullptr},
        {NoteId::Witelo, "WITELO", 10, "13ου αιώνα|Perspectiva|90°|80° + 30° = 110°", nullptr},
    };
    ASSERT_EQ(AllNotes().size(), std::size(notes));
    for (const auto& [id, caption, size, facts, english] : notes) {
        const HistoryNote& n = Note(id);
        EXPECT_TRUE(n.caption == caption && n.fontSize == size) << caption;
        std::istringstream words(facts);
        for (std::string word; std::getline(words, word, '|');)
            EXPECT_NE(n.Text().find(word), std::string::npos) << caption << ": " << word;
        EXPECT_TRUE(!english || n.Text().find(english) != std::string::npos) << caption;
    }
    EXPECT_EQ(Note(NoteId::Witelo).Text().find("υπολογισμένες με αντιστροφή"), std::string::npos);
}

// Fermat: the light from Z through E to H, 30 and 20 degrees from the perpendicular, against the
// longer path through G. Hero: the eye H and its image H' in the mirror; the light meets the
// mirror at equal angles, so that Z, E and H' lie in one line. Ptolemy: the disc's two rims,
// the sight line and the refracted line, and the letters where his figure has them.
TEST(NoteFigures, FermatsHerosAndPtolemysFiguresHaveTheirPathsAndTexts) {
    const Figure fermat = FermatFigure(), hero = HeroFigure();
    const Figure ptolemy = PtolemyFigure("PTOLEMY'S APPARATRUS Η συσκευή του Πτολεμαίου");
    EXPECT_EQ(fermat.caption, "FERMAT'S PRINCIPLE");
    EXPECT_TRUE(HasLine(fermat, kZ, kE, kGreen) && HasLine(fermat, kE, kH, kGreen));
    EXPECT_TRUE(HasLine(fermat, kZ, kG, kRed) && HasLine(fermat, kG, kH, kRed));
    EXPECT_EQ(Texts(fermat.labels), "Z(-67,107) H(44,-96) G(-34,-2) E(4,-2) O(4,110) M(4,-85) ");
    Point eye{}, image{};
    for (const FigureLine& l : hero.lines)
        if (l.colour == kGreen && Near(l.a, kE)) (l.style == 0 ? eye : image) = l.b;
    EXPECT_TRUE(HasLine(hero, kZ, kE, kGreen) && HasLine(hero, kZ, kG, kRed));
    EXPECT_NEAR(FromVertical(kZ, kE), FromVertical(kE, eye), 1e-9);
    EXPECT_TRUE(Near(image, {eye.x, -eye.y}));
    const std::tuple<const Figure&, const char*, double> explanations[] = {
        {fermat, "FERMAT'S PRINCIPLE Αρχή του Fermat", 170},
        {fermat, "TIME OF MOVEMENT ALONG ZEH Ο χρόνος που κινείται το φως κατά ZEH", 158},
        {fermat, "IS SMALLER THAN TIME ALONG ZGH είναι μικρότερος από το χρόνο κατά ZGH", 146},
        {fermat,
         "For ZEO: SIN(ZE0)x SPEED IN  2 =SIN(HEM)xSPEED IN 1  sin(ZEO)Xταχύτητα στο "
         "2=sin(HEM)X ταχύτητα στο 1",
         124},
        {hero, "HERO'S PROOF Απόδειξη του Ήρωνα: SINCE ZG+GH' > ZE+EH' ", 170},
        {hero, " & EH=EH' &  GH=GH\"", 158},
        {hero, "The refleceted follows a path Η ανακλώμενη ακολουθεί μια πορεία", 146},
        {hero, "with least possible length με το ελάχιστο δυνατό μήκος", 134}};
    for (const auto& [figure, text, y] : explanations)
        EXPECT_TRUE(HasText(figure.explanations, text, y)) << text;
    EXPECT_EQ(Texts(hero.labels), "Z(-67,107) H(61,107) H'(61,-95) G(-34,14) E(-3,14) ");
    EXPECT_TRUE(ptolemy.circles.size() == 2 &&
                ptolemy.circles[0].radius + ptolemy.circles[1].radius == 100 + 105);
    EXPECT_TRUE(HasLine(ptolemy, kZ, kE, kBlack) && HasLine(ptolemy, kE, kH, kBlack));
    EXPECT_EQ(Texts(ptolemy.labels),
              "Z(-57,99) H(39,-108) D(-110,0) A(0,115) B(110,0) G(0,-105) "
              "E(0,0) PTOLEMY'S APPARATRUS Η συσκευή του Πτολεμαίου(-140,130) ");
}

// Newton's particles at 28 degrees: into glass of 1.5 at arcsin(sin 28 / 1.5) = 18.24 degrees,
// reaching the surface where the layer begins (the bend inside the layer is the particle model's,
// which tests/waves checks); out of the glass at arcsin(1.5 sin 28) = 44.76 degrees, rising.
// From glass of 2.2 none leaves.
TEST(NoteFigures, NewtonsParticlesBendInTheLayerAndLeaveAtSnellsAngles) {
    const NewtonPaths p = ComputeNewtonPaths(1.5);
    const double inGlass = Deg(std::asin(std::sin(Rad(28)) / 1.5));
    const double inAir = Deg(std::asin(1.5 * std::sin(Rad(28))));
    EXPECT_NEAR(p.refractionDeg, inGlass, 1e-9);
    EXPECT_NEAR(p.exitDeg, inAir, 1e-9);
    const auto& red = p.intoGlass;
    const auto& blue = p.outOfGlass;
    ASSERT_TRUE(red.size() >= 4 && blue.size() >= 4);
    EXPECT_DOUBLE_EQ(red[1].y, 0);
    EXPECT_NEAR(FromVertical(red[0], red[1]), 28, 1e-9);
    EXPECT_NEAR(FromVertical(red[red.size() - 2], red.back()), inGlass, 1e-9);
    EXPECT_NEAR(FromVertical(blue[0], blue[1]), 28, 1e-9);
    EXPECT_NEAR(FromVertical(blue[blue.size() - 2], blue.back()), inAir, 1e-9);
    EXPECT_LT(blue.front().y, blue.back().y);
    EXPECT_TRUE(ComputeNewtonPaths(2.2).outOfGlass.empty());
}

// The eight historical sets in the order of the menu, with the texts each puts up, and what
// loading one draws, whatever is typed: the author's points with his marker, the taller graph
// for Witelo's angles past 90 degrees, and the index of the sine fit worked by hand
// (single-precision angles, the point (0, 0) first; Witelo's kept index from the fit two points
// shorter than the printed one). Ptolemy's water is his table of constant second differences;
// Al Haytham's glass is Ptolemy's.
TEST(DataAnalysisPart, EachSetIsItsHistoricalTableAndGivesItsIndex) {
    struct Set {
        const char *item, *incidence, *refraction;
        std::string texts; // Label3, the list's heading and incref's caption, "|" between
        Marker marker;
        const char* index;
        double kept;
    };
    const char* tens = "10 20 30 40 50 60 70 80 ";
    const std::string vs = "|REFRACTION ANGLE VS INCIDENCE ANGLE";
    const Set sets[] = {
        {"newt2", "0 15 30 45 60 75 90 ", "0 11.1833 22.01667 32.033 40.5 46.4166 48.5833 ",
         "Newton's DATA: νερό|INCIDENCE Πρόσπτωση " + vs, Marker::Circle, "1.333", 1.333376},
        {"Newt", "10 20 30 40 50 60 65 70 75 80 85 90 ",
         "6.433 12.75 18.81667 24.5 29.61667 33.966 35.7833 37.3166 38.55 39.45 40 40.1833 ",
         "Newton's DATA: GLASS Γυαλί| INCIDENCE Πρόσπτωσης" + vs, Marker::Circle, "1.550",
         1.549931},
        {"Alhazen2", tens, "7.54 15.5 22.5 29 35 40.5 45.5 50 ",
         "Al Haytham's DATA: water νερό|INCIDENCE Πρόσπτωση |REFRACTION ANGLE VS INCIDENCE ",
         Marker::Plus, "1.314", 1.314350},
        {"Alhazen", tens, "7 13.5 19.5 25 30 34.5 38.5 42 ",
         "Al Haytham's DATA: GLASS Γυαλιού| incidence Πρόσπτωση" + vs, Marker::Plus, "1.513",
         1.513059},
        {"ptolemy2", tens, "8 15.5 22.5 29 35 40.5 45.5 50 ",
         "PTOLEMY'S DATA FOR WATER Δεδομένα Πτολεμαίου νερού|INCIDENCE Πρόσπτωση|"
         "REFRACTION ANGLE VS INCIDENCE ANGLE ",
         Marker::Cross, "1.320", 1.320075},
        {"Ptolemy", tens, "7 13.5 19.5 25 30 34.5 38.5 42 ",
         "PTOLEMY'S DATA FOR GLASS Δεδομένα Πτολεμαίου Γυαλιού|INCIDENCE Πρόσπτωση |"
         "REFRACTION ANGLE VX INCIDENCE ANGLE Γωνία διάθλασης vs γωνία πρόσπτωσης",
         Marker::Cross, "1.513", 1.513059},
        {"Vitello_water", tens, "12.25 24.5 37.5 51 65 79.5 94.5 110 ",
         "Witelo Data: From Water  to  Airνερό σε αέρα |INCIDENCE Πρόσπτωση " + vs, Marker::Dot,
         "0.839", 0.822371},
        {"Vitello_Glass", tens, "13 26 40.5 55 70 85.83 101.5 118 ",
         "Witelo data: From Glass to air γυαλί σε αέρα|INCIDENCE Πρόσπτωση " + vs, Marker::Dot,
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
        const std::string texts = std::string(set.label3Caption) + "|" +
                                  std::string(set.list1Heading) + "|" +
                                  std::string(set.increfCaption);
        EXPECT_EQ(texts, c.texts);
        // The list: its heading, then each angle in the plain number form ("18.81667").
        EXPECT_EQ(Joined(List2Items(set)), std::string(kList2Heading) + " " + c.refraction);
        DataAnalysis part;
        Told told(part);
        Type(part, {{"10", "7"}, {"20", "13.5"}});
        part.loadDataSet(c.item);
        ASSERT_EQ(part.incref.steps.size(), 3u); // frame, points, titles
        EXPECT_EQ(std::get<AngleFrame>(part.incref.steps[0]).top, i >= 6 ? 110 : 80);
        const DataPlot& plot = std::get<DataPlot>(part.incref.steps[1]);
        EXPECT_TRUE(plot.marker == c.marker && plot.points.x.size() == set.incidence.size() + 1 &&
                    part.analysis.steps.at(0).sines.size() == plot.points.x.size());
        EXPECT_EQ(part.analysis.steps[0].line.value().indexText,
                  std::string("REFRACTION INDEX Δείκτης Διάθλασης= ") + c.index);
        EXPECT_NEAR(part.fittedIndex(), c.kept, 1e-6);
        EXPECT_TRUE(part.fromLists && part.increfCaption == set.increfCaption &&
                    part.analysisCaption == kAnalysisCaption && told.messages.empty() &&
                    !part.notes.shown);
    }
    EXPECT_EQ(FindDataSet("klinoistoria"), nullptr);
}

// Typed rows (10/7, 20/13.5, 30/19.5, row 4 unfinished) as analysisdata reads them, which leaves
// the captions, and as the button does, with four decimals: dots, and the index by hand. Data
// that then give no line (nothing typed, one point, one incidence, words read as 0 twice,
// incidences of one sine) are told, and leave no index from before: Snell's law from the data
// draws nothing.
TEST(DataAnalysisPart, TypedRowsGiveTheirIndexAndDataWithNoLineLeaveNone) {
    const Rows cases[] = {{},
                          {{"30", "20"}},
                          {{"30", "19"}, {"30", "21"}},
                          {{"ten", "7"}, {"x", "8"}},
                          {{"0", "0"}, {"180", "30"}}};
    for (const Rows& rows : cases) {
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
            Type(part, rows);
            byButton ? part.analyseByButton(false) : part.analyseData();
            EXPECT_TRUE(told.messages.size() == 1 && !part.analysis.steps.at(0).line &&
                        part.indexOfData() == 0);
            const std::size_t steps = part.incref.steps.size();
            EXPECT_TRUE(!part.snellFromData() && part.incref.steps.size() == steps);
        }
    }
}

// A box that holds no angle the window accepts is named, and nothing else happens: nothing
// drawn or cleared, no index changed, no question asked.
TEST(DataAnalysisPart, ABoxThatHoldsNoAngleChangesNothing) {
    DataAnalysis part;
    Type(part, {{"10", "7"}, {"20", "13"}, {"30", "19.5"}, {"40", "25"}});
    part.analyseByButton(false);
    const double index = part.indexOfData();
    EXPECT_NEAR(index, 1.548384, 1e-6); // 1 / slope of the sines' line, by hand
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
            EXPECT_TRUE(part.incref.steps.size() == steps && part.indexOfData() == index &&
                        part.incref.clearings + part.analysis.clearings == clearings);
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
    EXPECT_EQ(std::get<KeplerLine>(part.incref.steps.back()).text,
              "Kepler's Model for Refraction Μοντέλο Kepler για διάθλαση= 0.60Πρόσπτωση");
    EXPECT_TRUE(part.snellFromData()); // the fitted 1.513
    EXPECT_EQ(std::get<SnellLine>(part.incref.steps.back()).label, "n=1.51");
    const int clearings = part.incref.clearings;
    part.kepler(true); // ERASE: the data again on a clean graph, then the line
    EXPECT_TRUE(part.incref.clearings > clearings &&
                std::holds_alternative<DataPlot>(part.incref.steps.at(1)));
    // Witelo's index is below 1: the curve stops at the critical angle, 50.5 degrees.
    part.loadDataSet("Vitello_Glass");
    part.snellFromData();
    EXPECT_EQ(std::get<SnellLine>(part.incref.steps.back()).curve.back().x, 50);
    // Refractions of 0.01 and 0.02 degrees give an index of 4647.6, which has no curve.
    part.backFromHistorical();
    Type(part, {{"10", "0.01"}, {"80", "0.02"}});
    part.analyseByButton(false);
    Told told(part);
    EXPECT_TRUE(!part.snellFromData() && std::fabs(part.indexOfData() - 4647.6) < 1);
    EXPECT_EQ(told.messages.at(0).rfind("The index from the data, n=4647", 0), 0u);
    Type(part, {{"10", "7"}, {"10", "7.5"}, {"10", "8"}}); // Kepler with one incidence
    const std::size_t steps = part.incref.steps.size();
    part.kepler(false);
    EXPECT_TRUE(told.messages.size() == 2 && part.incref.steps.size() == steps);
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
        EXPECT_TRUE(part.incref.steps.empty() && part.typedIncidence[0] == "10");
    }
    Told told(part);
    part.expected(Answering(std::nullopt)); // cancelled: nothing said, nothing changed
    EXPECT_TRUE(told.messages.empty() && part.typedRefraction[0] == "7");
    part.fromLists = true;
    part.expected(Answering("0.3")); // stops at 17.5 degrees, the rows after it emptied
    EXPECT_FALSE(part.fromLists);
    // The last row is not emptied.
    EXPECT_EQ(part.typedIncidence[7] + "|" + part.typedRefraction[7] + "|" +
                  part.typedIncidence[8] + "|" + part.typedIncidence[13],
              "17.5|||99");
}
