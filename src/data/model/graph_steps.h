#pragma once
// What the data analysis's two graph windows show, described in the program's own terms for
// each window to draw: incref (refraction against incidence, the laws over it, the notes'
// figures, lines of text) and analysis (sine against sine). A picture is the list of steps
// drawn since its last clearing, in the order they were drawn; the window draws each new step
// on what it already shows, and starts again on a clean graph after a clearing.
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "data/model/laws.h"
#include "shell/model/drawing.h"
#include "shell/model/figure.h"
#include "shell/model/point.h"

// The frame of the angle graph: its scale from (-5, top) to (110, -30), the axes and the
// numbered grid up to `top` (80, or 110 for Witelo's extrapolated angles).
struct AngleFrame {
    double top = 80;
};

// How the points of a data set are marked: dots for typed data, Witelo and the data-analysis
// button; Ptolemy's purple crosses, Al Haytham's green plus signs and Newton's red circles,
// each with its legend.
enum class Marker { Dot, Cross, Plus, Circle };

struct DataPlot {
    DataPoints points; // degrees
    Marker marker = Marker::Dot;
};

// The graph's two axis titles, refraction up the left, incidence under the axis.
struct AngleTitles {
    std::string refraction, incidence;
};

// Kepler's line through the origin with his slope, and its yellow label.
struct KeplerLine {
    double slope = 0;
    std::string text;
};

// Snell's curve, in its colour or else the graph's pen; its label in a cyan box at (80, 70),
// or else at the curve's end.
struct SnellLine {
    std::vector<Point> curve;
    std::optional<Rgb> colour;
    std::string label;
    bool labelInBox = false;
};

// An empirical rule: its line from the origin and its italic text. A text that would stand on
// the line of the graph's title, where the title reaches it, goes one line down.
struct EmpiricalRule {
    Point lineEnd;
    Point textAt;
    std::string text;
};

// The pen the next drawing without a colour of its own takes.
struct PenColour {
    Rgb colour;
};

// Lines of text in one or two columns, each line in its colour, on the scale from
// (left, top) to (right, bottom): every line starts at x; the second columns start together a
// few blanks right of the longest first column that has one. The letter is `fontSize`, or
// smaller down to `smallestFontSize` where the window is too narrow for the longest line, and
// stays so for what is printed next.
struct TextLine {
    double y = 0;
    std::string first;
    std::string second; // empty: a line of one column (a title)
    Rgb colour;
};
struct TextLines {
    double left = -5, top = 110, right = 110, bottom = -30;
    double x = -5;
    double fontSize = 9, smallestFontSize = 6;
    std::vector<TextLine> lines;
};

using IncrefStep = std::variant<AngleFrame, DataPlot, AngleTitles, KeplerLine, SnellLine,
                                EmpiricalRule, PenColour, Figure, TextLines>;

// The sine graph: its frame and tick marks, the points (sin incidence, sin refraction), the
// fitted line sin r = a + slope sin i with the printed index and the green line from the
// origin (none when the points give no line), the axis titles and the dotted grid.
struct SineLine {
    double a = 0, slope = 0;
    std::string indexText;
};
struct SineGraph {
    std::vector<Point> sines;
    std::optional<SineLine> line;
    std::string refractionTitle;
};

// What a graph window shows: the steps since its last clearing, and how many clearings there
// have been, so that a window sees a clearing it has not drawn yet.
template <class Step> struct GraphPicture {
    std::vector<Step> steps;
    int clearings = 0;
};

// How much of a GraphPicture a window has drawn. Each time the part tells it, the window
// draws the steps it has not drawn yet, on a clean graph after a clearing it has not seen.
class PictureDrawn {
public:
    template <class Step, class Clear, class Draw>
    void catchUp(const GraphPicture<Step>& picture, Clear clear, Draw draw) {
        if (picture.clearings != clearings_) {
            clear();
            clearings_ = picture.clearings;
            steps_ = 0;
        }
        while (steps_ < picture.steps.size())
            draw(picture.steps[steps_++]);
    }

private:
    int clearings_ = 0;
    std::size_t steps_ = 0;
};
