// The historical notes and the four illustrations, checked against the history of optics and
// against the geometry and the optics computed here, apart from the program.
#include "data/model/note_figures.h"
#include "data/model/notes.h"
#include "waves/model/interpretation_state.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <sstream>

namespace {

double Rad(double deg) { return deg * std::numbers::pi / 180; }
double Deg(double rad) { return rad * 180 / std::numbers::pi; }
bool Has(const std::string& s, const std::string& part) {
    return s.find(part) != std::string::npos;
}
// The angle of the segment a-b from the vertical, in degrees.
double FromVertical(Point a, Point b) {
    return Deg(std::atan2(std::fabs(b.x - a.x), std::fabs(b.y - a.y)));
}
double Length(Point a, Point b) { return std::hypot(b.x - a.x, b.y - a.y); }
bool Near(Point a, Point b) { return Length(a, b) < 1e-9; }

bool HasLine(const Figure& f, Point a, Point b, Rgb colour) {
    for (const FigureLine& l : f.lines)
        if (l.colour == colour && Near(l.a, a) && Near(l.b, b)) return true;
    return false;
}

// The labels of a figure with where they stand.
std::string Letters(const Figure& f) {
    std::string out;
    for (const FigureText& t : f.labels)
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

} // namespace

// Each note's caption, letter and English opening, and the time and work of its scientist as
// the history of optics knows them ("|" between the words its text holds).
TEST(HistoryNotes, TheNotesAreTheirScientistsOwn) {
    struct Expected {
        NoteId id;
        const char* caption;
        int size;
        const char* facts;
        const char* english; // nullptr: the note is in Greek only
    };
    const Expected expected[] = {
        {NoteId::AlHaytham, "AL HAYTHAM", 11, "965–1040|Βιβλίο της Οπτικής|ίδιο επίπεδο",
         " AL HAYTHAM (AL HAZEN) did not give a single REFRACTION law, but  a series of rules, "
         "depicted in next form."},
        // Descartes and Newton want light faster in the denser medium, Fermat slower.
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
    ASSERT_EQ(AllNotes().size(), std::size(expected));
    for (const Expected& e : expected) {
        const HistoryNote& n = Note(e.id);
        SCOPED_TRACE(e.caption);
        EXPECT_EQ(n.caption, e.caption);
        EXPECT_EQ(n.fontSize, e.size);
        std::istringstream facts(e.facts);
        for (std::string word; std::getline(facts, word, '|');)
            EXPECT_TRUE(Has(n.Text(), word)) << word;
        // Greek paragraphs first, then the English passage, which starts a paragraph.
        ASSERT_GE(n.greek.size(), 2u);
        EXPECT_EQ(n.Text().rfind(n.greek.front(), 0), 0u);
        EXPECT_EQ(n.english.empty(), e.english == nullptr);
        if (e.english) {
            EXPECT_GT(n.Text().find(std::string("\n\n") + e.english),
                      n.Text().find(n.greek.back()));
        }
        EXPECT_FALSE(Has(n.Text(), "\n\n\n"));
    }
    EXPECT_TRUE(
        Has(Note(NoteId::Newton).Text(),
            "\n   IN THIS PROGRAM ARE PRESENTED THE DATA OF PTOLEMY,Al Hazen  AND Newton."));
    // Witelo's dense-to-rare values are the incidence plus the rare-to-dense deviation (at 80
    // degrees 80 + (80 - 50) = 110 for water, model_test), not an inversion of his tables.
    EXPECT_FALSE(Has(Note(NoteId::Witelo).Text(), "υπολογισμένες με αντιστροφή"));
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
    EXPECT_TRUE(HasText(fermat.labels, "O", 110) && HasText(fermat.labels, "M", -85));
    Point eye{}, image{};
    for (const FigureLine& l : hero.lines)
        if (l.colour == kGreen && Near(l.a, kE)) (l.style == 0 ? eye : image) = l.b;
    EXPECT_TRUE(HasLine(hero, kZ, kE, kGreen) && HasLine(hero, kZ, kG, kRed));
    EXPECT_NEAR(FromVertical(kZ, kE), FromVertical(kE, eye), 1e-9);
    EXPECT_TRUE(Near(image, {eye.x, -eye.y}));
    const std::tuple<const Figure*, std::string, double> texts[] = {
        {&fermat, "FERMAT'S PRINCIPLE Αρχή του Fermat", 170},
        {&fermat, "TIME OF MOVEMENT ALONG ZEH Ο χρόνος που κινείται το φως κατά ZEH", 158},
        {&fermat, "IS SMALLER THAN TIME ALONG ZGH είναι μικρότερος από το χρόνο κατά ZGH", 146},
        {&fermat,
         "For ZEO: SIN(ZE0)x SPEED IN  2 =SIN(HEM)xSPEED IN 1  sin(ZEO)Xταχύτητα στο "
         "2=sin(HEM)X ταχύτητα στο 1",
         124},
        {&hero, "HERO'S PROOF Απόδειξη του Ήρωνα: SINCE ZG+GH' > ZE+EH' ", 170},
        {&hero, " & EH=EH' &  GH=GH\"", 158},
        {&hero, "The refleceted follows a path Η ανακλώμενη ακολουθεί μια πορεία", 146},
        {&hero, "with least possible length με το ελάχιστο δυνατό μήκος", 134}};
    for (const auto& [figure, text, y] : texts)
        EXPECT_TRUE(HasText(figure->explanations, text, y)) << text;
    EXPECT_EQ(Letters(hero), "Z(-67,107) H(61,107) H'(61,-95) G(-34,14) E(-3,14) ");
    ASSERT_EQ(ptolemy.circles.size(), 2u);
    EXPECT_EQ(ptolemy.circles[0].radius + ptolemy.circles[1].radius, 100 + 105);
    EXPECT_TRUE(HasLine(ptolemy, kZ, kE, kBlack) && HasLine(ptolemy, kE, kH, kBlack));
    EXPECT_EQ(Letters(ptolemy), "Z(-57,99) H(39,-108) D(-110,0) A(0,115) B(110,0) G(0,-105) "
                                "E(0,0) PTOLEMY'S APPARATRUS Η συσκευή του Πτολεμαίου(-140,130) ");
}

// Newton's particles at 28 degrees: into glass of 1.5 at arcsin(sin 28 / 1.5) = 18.24 degrees,
// reaching the surface where the layer begins and turning towards the normal inside it; out of
// the glass at arcsin(1.5 sin 28) = 44.76 degrees, rising. From glass of 2.2 none leaves.
TEST(NoteFigures, NewtonsParticlesBendInTheLayerAndLeaveAtSnellsAngles) {
    const NewtonPaths p = ComputeNewtonPaths(InterpretationState{}, 1.5);
    const double inGlass = Deg(std::asin(std::sin(Rad(28)) / 1.5));
    const double inAir = Deg(std::asin(1.5 * std::sin(Rad(28))));
    EXPECT_NEAR(p.refractionDeg, inGlass, 1e-9);
    EXPECT_NEAR(p.exitDeg, inAir, 1e-9);
    const auto& red = p.intoGlass;
    const auto& blue = p.outOfGlass;
    ASSERT_TRUE(red.size() >= 4 && blue.size() >= 4);
    EXPECT_DOUBLE_EQ(red[1].y, 0);
    double previous = 28;
    for (std::size_t k = 1; k + 1 < red.size(); ++k) {
        EXPECT_TRUE(red[k].y <= red[k - 1].y && red[k].y >= p.layerBottom - 1e-9) << k;
        EXPECT_LT(FromVertical(red[k - 1], red[k]), previous + 1e-9) << k;
        previous = FromVertical(red[k - 1], red[k]);
    }
    EXPECT_NEAR(FromVertical(red[0], red[1]), 28, 1e-9);
    EXPECT_NEAR(FromVertical(red[red.size() - 2], red.back()), inGlass, 1e-9);
    EXPECT_NEAR(FromVertical(blue[0], blue[1]), 28, 1e-9);
    EXPECT_NEAR(FromVertical(blue[blue.size() - 2], blue.back()), inAir, 1e-9);
    EXPECT_LT(blue.front().y, blue.back().y);
    EXPECT_TRUE(ComputeNewtonPaths(InterpretationState{}, 2.2).outOfGlass.empty());
}
