// The historical notes and the four illustrations, checked against the history of optics and
// against the geometry and the optics computed here, apart from the program.
#include "data/model/note_figures.h"
#include "data/model/notes.h"

#include "data/model/historical.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "waves/model/interpretation_state.h"

namespace {

constexpr double kPi = 3.14159265358979323846;
double Rad(double deg) { return deg * kPi / 180; }
double Deg(double rad) { return rad * 180 / kPi; }

bool StartsWith(const std::string& s, const std::string& prefix) {
    return s.compare(0, prefix.size(), prefix) == 0;
}

bool Contains(const std::string& s, const std::string& part) {
    return s.find(part) != std::string::npos;
}

// The angle of the segment a-b from the vertical, in degrees (0 when it runs straight down).
double FromVertical(Point a, Point b) { return Deg(std::atan2(std::fabs(b.x - a.x), std::fabs(b.y - a.y))); }

double Length(Point a, Point b) { return std::hypot(b.x - a.x, b.y - a.y); }

bool HasLine(const Figure& f, Point a, Point b, Rgb colour) {
    for (const FigureLine& l : f.lines)
        if (l.colour == colour && std::fabs(l.a.x - a.x) < 1e-9 && std::fabs(l.a.y - a.y) < 1e-9 &&
            std::fabs(l.b.x - b.x) < 1e-9 && std::fabs(l.b.y - b.y) < 1e-9)
            return true;
    return false;
}

bool HasText(const std::vector<FigureText>& texts, const std::string& text, double y) {
    for (const FigureText& t : texts)
        if (t.text == text && t.at.y == y) return true;
    return false;
}

} // namespace

TEST(HistoryNotes, CaptionsFontSizesAndEnglishOpeningsAreTheNotesOwn) {
    struct Expected {
        NoteId id;
        const char* caption;
        int size;
        const char* english; // nullptr: the note is in Greek only
    };
    const Expected expected[] = {
        {NoteId::AlHaytham, "AL HAYTHAM", 11,
         " AL HAYTHAM (AL HAZEN) did not give a single REFRACTION law, but  a series of rules, "
         "depicted in next form."},
        {NoteId::Descartes, "DESCARTES", 12,
         "    ******   DESCARTES proved Snell's law. He used a model. In this model he compared "
         "light with a ball falling on a fragile net"},
        {NoteId::Fermat, "FERMAT", 12,
         " *****  FERMAT proved SNELL'S law using the LEAST TIME PRINICIPLE: Light moves from one "
         "point to  another, following the path of least possible time."},
        {NoteId::Fresnel, "FRESNEL", 13, nullptr},
        {NoteId::Hero, "HERO OF ALEXANDRIA", 13, nullptr},
        {NoteId::Kepler, "KEPLER", 12, nullptr},
        {NoteId::Newton, "NEWTON", 13,
         "  ********  NEWTON has a very  prominent position in the history of OPTICS. He believed "
         "in a corpuscular nature of light."},
        {NoteId::Ptolemy, "ABOUT PTOLEMY", 13,
         "                                 PTOLEMY, was the famous ancient astronomer."},
        {NoteId::Snell, "SNELL", 13, nullptr},
        {NoteId::Witelo, "WITELO", 10, nullptr},
    };
    ASSERT_EQ(AllNotes().size(), std::size(expected));
    for (const Expected& e : expected) {
        const HistoryNote& n = Note(e.id);
        SCOPED_TRACE(e.caption);
        EXPECT_EQ(n.caption, e.caption);
        EXPECT_EQ(n.fontSize, e.size);
        // Several Greek paragraphs, and the text opens with the first of them.
        EXPECT_GE(n.greek.size(), 2u);
        EXPECT_TRUE(StartsWith(n.Text(), n.greek.front()));
        if (e.english) {
            ASSERT_FALSE(n.english.empty());
            EXPECT_TRUE(StartsWith(n.english.front(), e.english));
            // The English passage starts a paragraph of the text, after the Greek ones.
            const std::size_t at = n.Text().find(std::string("\n\n") + e.english);
            ASSERT_NE(at, std::string::npos);
            EXPECT_GT(at, n.Text().find(n.greek.back()));
        } else {
            EXPECT_TRUE(n.english.empty());
        }
        // No paragraph is empty or begins or ends a line with a stray separator.
        for (const std::string& p : n.greek) EXPECT_FALSE(p.empty());
        EXPECT_EQ(n.Text().find("\n\n\n"), std::string::npos);
    }
    // Newton's note names the data sets of the program.
    bool named = false;
    for (const std::string& p : Note(NoteId::Newton).english)
        named |= StartsWith(p, "   IN THIS PROGRAM ARE PRESENTED THE DATA OF PTOLEMY,Al Hazen  AND Newton.");
    EXPECT_TRUE(named);
}

TEST(HistoryNotes, NamesAndDatesAreThoseOfTheHistoryOfOptics) {
    // Each note names its scientist's time and work as the history of optics knows them.
    const std::pair<NoteId, std::vector<std::string>> facts[] = {
        {NoteId::Hero, {"1ος αιώνας", "Κατοπτρικά", "συντομότερη"}},
        {NoteId::Ptolemy, {"2ο αιώνα", "Οπτικών", "δεύτερες διαφορές"}},
        {NoteId::AlHaytham, {"965–1040", "Βιβλίο της Οπτικής", "ίδιο επίπεδο"}},
        {NoteId::Witelo, {"13ου αιώνα", "Perspectiva", "90°", "80° + 30° = 110°"}},
        {NoteId::Kepler, {"1604", "1611", "2/3", "3/2"}},
        {NoteId::Snell, {"1621", "1626", "Κανείς δεν ξέρει"}},
        {NoteId::Descartes, {"1637", "Διοπτρική", "δίχτυ"}},
        {NoteId::Fermat, {"1657", "1662", "ελάχιστου χρόνου"}},
        {NoteId::Newton, {"1704", "στρώμα", "σωματίδια"}},
        {NoteId::Fresnel, {"1818", "1823", "μερική"}},
    };
    for (const auto& [id, words] : facts)
        for (const std::string& w : words)
            EXPECT_TRUE(Contains(Note(id).Text(), w)) << Note(id).caption << ": " << w;
    // Where the speed of light is greater is what set the theories apart: Descartes and Newton
    // want it greater in the denser medium, Fermat smaller.
    EXPECT_TRUE(Contains(Note(NoteId::Descartes).Text(), "ταχύτερα, στο πυκνότερο"));
    EXPECT_TRUE(Contains(Note(NoteId::Fermat).Text(), "πιο αργά στο"));
    EXPECT_TRUE(Contains(Note(NoteId::Newton).Text(), "ταχύτερα στο"));
    // Witelo's dense-to-rare values are the incidence plus the rare-to-dense deviation, not an
    // inversion of his tables (which would give the right values): at 80 degrees his data sets
    // show 80 + (80 - 50) for water and 80 + (80 - 42) for glass.
    EXPECT_FALSE(Contains(Note(NoteId::Witelo).Text(), "υπολογισμένες με αντιστροφή"));
    EXPECT_EQ(FindDataSet("Vitello_water")->refraction.back(), 2 * 80 - kPtolemyWater.back());
    EXPECT_EQ(FindDataSet("Vitello_Glass")->refraction.back(), 2 * 80 - kPtolemyGlass.back());
}

TEST(NoteFigures, FermatsPathObeysTheLeastTimeAndTheGivenPlaces) {
    const Figure f = FermatFigure();
    EXPECT_EQ(f.caption, "FERMAT'S PRINCIPLE");
    EXPECT_EQ(f.top, 170);
    EXPECT_EQ(f.bottom, -110);
    ASSERT_EQ(f.bands.size(), 1u);
    EXPECT_EQ(f.bands[0].colour, (Rgb{200, 100, 0}));
    EXPECT_EQ(f.bands[0].a, (Point{-150, 0}));
    EXPECT_EQ(f.bands[0].b, (Point{150, -140}));
    EXPECT_TRUE(HasLine(f, {-140, 0}, {140, 0}, {0, 0, 0}));
    EXPECT_TRUE(HasLine(f, {0, -110}, {0, 100}, {0, 0, 0}));
    // Z is 30 degrees from the vertical at radius 115; the refracted ray leaves E at 20 degrees.
    const Point z{-115 * 0.5, 115 * std::sqrt(3.0) / 2}, e{0, 0};
    const Point h{115 * std::sin(Rad(20)), -115 * std::cos(Rad(20))};
    EXPECT_TRUE(HasLine(f, z, e, {0, 255, 0}));
    EXPECT_TRUE(HasLine(f, e, h, {0, 255, 0}));
    EXPECT_TRUE(HasLine(f, z, {-30, 0}, {255, 0, 0}));
    EXPECT_TRUE(HasLine(f, {-30, 0}, h, {255, 0, 0}));
    // With the speeds in the ratio sin 30 : sin 20 the time is least through E, of every point
    // of the surface, and the path through G takes longer.
    const double slower = std::sin(Rad(30)) / std::sin(Rad(20));
    auto time = [&](double x) { return Length(z, {x, 0}) + slower * Length({x, 0}, h); };
    for (double x = -140; x <= 140; x += 0.5)
        if (std::fabs(x) > 0.25) EXPECT_GT(time(x), time(0)) << x;
    EXPECT_GT(time(-30), time(0));
    for (const auto& [text, y] : std::vector<std::pair<std::string, double>>{
             {"FERMAT'S PRINCIPLE Αρχή του Fermat", 170},
             {"TIME OF MOVEMENT ALONG ZEH Ο χρόνος που κινείται το φως κατά ZEH", 158},
             {"IS SMALLER THAN TIME ALONG ZGH είναι μικρότερος από το χρόνο κατά ZGH", 146},
             {"For ZEO: SIN(ZE0)x SPEED IN  2 =SIN(HEM)xSPEED IN 1  sin(ZEO)Xταχύτητα στο "
              "2=sin(HEM)X ταχύτητα στο 1",
              124}})
        EXPECT_TRUE(HasText(f.explanations, text, y)) << text;
    for (const FigureText& t : f.explanations) EXPECT_EQ(t.at.x, -140);
    int labels = 0;
    for (const FigureText& t : f.labels) {
        labels += t.text == "O" && t.at.y == 110;
        labels += t.text == "M" && t.at.y == -85;
    }
    EXPECT_EQ(labels, 2);
}

TEST(NoteFigures, HerosShortestPathMeetsTheMirrorAtEqualAngles) {
    const Figure f = HeroFigure();
    ASSERT_EQ(f.bands.size(), 1u);
    EXPECT_EQ(f.bands[0].a, (Point{-150, 0}));
    EXPECT_EQ(f.bands[0].b, (Point{150, -10}));
    EXPECT_TRUE(HasLine(f, {-140, 0}, {140, 0}, {0, 0, 0}));
    // The green path Z-E-H and the red one through G = (-30, 0), both on to the image H'.
    Point z{}, h{}, image{};
    for (const FigureLine& l : f.lines) {
        if (l.colour == Rgb{0, 255, 0} && l.b == Point{0, 0}) z = l.a;
        if (l.colour == Rgb{0, 255, 0} && l.a == Point{0, 0} && l.style == 0) h = l.b;
        if (l.colour == Rgb{0, 255, 0} && l.style != 0) image = l.b;
    }
    EXPECT_NEAR(FromVertical(z, {0, 0}), FromVertical({0, 0}, h), 1e-9); // equal angles
    EXPECT_NEAR(image.x, h.x, 1e-9);                                     // H' mirrors H
    EXPECT_NEAR(image.y, -h.y, 1e-9);
    EXPECT_TRUE(HasLine(f, z, {-30, 0}, {255, 0, 0}));
    EXPECT_TRUE(HasLine(f, {-30, 0}, h, {255, 0, 0}));
    // Z, E and H' lie on one straight line, so ZE + EH' = ZH' < ZG + GH'.
    EXPECT_NEAR(Length(z, {0, 0}) + Length({0, 0}, image), Length(z, image), 1e-9);
    EXPECT_GT(Length(z, {-30, 0}) + Length({-30, 0}, h), Length(z, {0, 0}) + Length({0, 0}, h));
    EXPECT_TRUE(HasText(f.explanations, "HERO'S PROOF Απόδειξη του Ήρωνα: SINCE ZG+GH' > ZE+EH' ", 170));
    EXPECT_TRUE(HasText(f.explanations, " & EH=EH' &  GH=GH\"", 158));
    EXPECT_TRUE(HasText(f.explanations, "The refleceted follows a path Η ανακλώμενη ακολουθεί μια πορεία", 146));
    EXPECT_TRUE(HasText(f.explanations, "with least possible length με το ελάχιστο δυνατό μήκος", 134));
    std::string letters;
    for (const FigureText& t : f.labels) letters += t.text + " ";
    EXPECT_EQ(letters, "Z H H' G E ");
}

TEST(NoteFigures, PtolemysDiscHasItsRimsLettersAndRays) {
    const Figure f = PtolemyFigure("PTOLEMY'S APPARATRUS Η συσκευή του Πτολεμαίου");
    ASSERT_EQ(f.bands.size(), 1u);
    EXPECT_EQ(f.bands[0].colour, (Rgb{200, 200, 0}));
    EXPECT_EQ(f.bands[0].b, (Point{150, -130}));
    ASSERT_EQ(f.circles.size(), 2u);
    EXPECT_EQ(f.circles[0].radius, 100);
    EXPECT_EQ(f.circles[1].radius, 105);
    const Point z{-115 * 0.5, 115 * std::sqrt(3.0) / 2};
    const Point h{115 * std::sin(Rad(20)), -115 * std::cos(Rad(20))};
    EXPECT_TRUE(HasLine(f, z, {0, 0}, {0, 0, 0}));
    EXPECT_TRUE(HasLine(f, {0, 0}, h, {0, 0, 0}));
    const std::pair<const char*, Point> letters[] = {
        {"D", {-110, 0}}, {"A", {0, 115}}, {"B", {110, 0}}, {"G", {0, -105}},
        {"PTOLEMY'S APPARATRUS Η συσκευή του Πτολεμαίου", {-140, 130}}};
    for (const auto& [text, at] : letters) {
        bool found = false;
        for (const FigureText& t : f.labels) found |= t.text == text && t.at == at;
        EXPECT_TRUE(found) << text;
    }
}

TEST(NoteFigures, NewtonsParticlesBendInTheLayerAndLeaveAtSnellsAngles) {
    InterpretationState state;
    state.incRad = 1.1;
    state.frontSpeed1 = 0.7;
    state.scaleW = 1234;
    const NewtonPaths p = ComputeNewtonPaths(state, 1.5);
    // Into the glass: 28 degrees in the air, arcsin(sin 28 / 1.5) = 18.24 degrees in it.
    const double inGlass = Deg(std::asin(std::sin(Rad(28)) / 1.5));
    EXPECT_NEAR(p.refractionDeg, inGlass, 1e-9);
    EXPECT_NEAR(inGlass, 18.2399, 1e-3);
    ASSERT_GE(p.intoGlass.size(), 4u);
    const auto& red = p.intoGlass;
    EXPECT_NEAR(FromVertical(red[0], red[1]), 28, 1e-9);
    EXPECT_NEAR(FromVertical(red[red.size() - 2], red.back()), inGlass, 1e-9);
    EXPECT_DOUBLE_EQ(red[1].y, 0); // it reaches the surface where the layer begins
    // Inside the layer the track is a smooth curve that turns steadily towards the normal and
    // arrives at the layer's edge already running at the refraction angle.
    double previous = 28;
    for (std::size_t k = 2; k + 1 < red.size(); ++k) {
        EXPECT_LE(red[k].y, red[k - 1].y);
        EXPECT_GE(red[k].y, p.layerBottom - 1e-9);
        const double angle = FromVertical(red[k - 1], red[k]);
        EXPECT_LT(angle, previous + 1e-9);
        previous = angle;
    }
    EXPECT_NEAR(previous, inGlass, 0.5);
    EXPECT_LT(p.layerBottom, p.layerTop);

    // Out of the glass at 28 degrees: arcsin(1.5 sin 28) = 44.76 degrees in the air.
    const double inAir = Deg(std::asin(1.5 * std::sin(Rad(28))));
    EXPECT_NEAR(p.exitDeg, inAir, 1e-9);
    const auto& blue = p.outOfGlass;
    ASSERT_GE(blue.size(), 4u);
    EXPECT_NEAR(FromVertical(blue[0], blue[1]), 28, 1e-9);
    EXPECT_NEAR(FromVertical(blue[blue.size() - 2], blue.back()), inAir, 1e-9);
    EXPECT_LT(blue.front().y, blue.back().y); // it rises out of the glass
    EXPECT_LT(blue.front().x, blue.back().x);
    for (const auto* track : {&red, &blue})
        for (const Point& q : *track) EXPECT_TRUE(std::isfinite(q.x) && std::isfinite(q.y));

    // In glass of 2.2 a particle at 28 degrees cannot leave (2.2 sin 28 > 1): no blue track.
    const NewtonPaths dense = ComputeNewtonPaths(state, 2.2);
    EXPECT_TRUE(dense.outOfGlass.empty());
    EXPECT_EQ(dense.exitDeg, 0);
    const Figure f = NewtonFigure(dense);
    for (const FigureLine& l : f.lines) EXPECT_FALSE(l.colour == (Rgb{0, 0, 255}));
    EXPECT_EQ(NewtonFigure(p).caption, "PATHS OF Newton's rays");
}
