#pragma once
#include "shell/model/numfmt.h"
#include "shell/model/point.h"
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "shell/model/fit.h"

struct HistoricalDataSet;

// Points of the data window: incidence and refraction angles in degrees, same length.
struct DataPoints {
    std::vector<double> x;
    std::vector<double> y;
};

// The window has 14 rows of boxes; nothing reads past them.
inline constexpr std::size_t kTypedRows = 14;

// What an angle box of the data window accepts, incidence and refraction alike (degrees).
inline constexpr Accepts kDataAngle{-360, 360};

// Typed rows, each box read with ReadTyped. The first box (in reading order) that holds no
// angle the window accepts is named in `refused`, and then the rows are not to be used.
struct RefusedBox {
    std::size_t row = 0;     // 0 for the first row
    bool refraction = false; // the Refr box of the row, else its Text1 box
};
struct TypedRows : DataPoints {
    std::optional<RefusedBox> refused;
};

// Typed rows as analysisdata reads them: the rows are counted while Text1 is filled, and
// reading stops at the first empty Refr box.
TypedRows ReadRowsForAnalysisData(std::span<const std::string> text1,
                                  std::span<const std::string> refr);

// Typed rows as the data-analysis button, Kepler's model and Snell's law read them: the rows
// are counted while both boxes are filled.
TypedRows ReadRowsBothFilled(std::span<const std::string> text1,
                             std::span<const std::string> refr);

// The refusal of a box, in the words of the window: "Refraction angle, row 3: a number from
// -360 to 360   Γωνία διάθλασης, γραμμή 3: ..." (rows counted from 1, as the student sees them).
std::string RefusedBoxText(const RefusedBox& box);

// A table pasted into the data window's boxes: a line a row, incidence then refraction. The
// cells are split at tabs when the text holds one, else at semicolons, else at commas (so a
// decimal comma, read as the boxes read it, goes with tabs and semicolons; a cell in double
// quotes may hold the separator). A first line that holds no number is a heading and is left
// out, and so are the cells after the second. A cell that is not empty must hold a number
// the boxes accept: the first that does not is named in `refused`, and nothing is to be
// pasted.
struct PastedRows {
    struct Row {
        std::string incidence, refraction; // the cells' texts, blanks at their ends taken off
    };
    std::vector<Row> rows;   // at most kTypedRows, from the first box on
    std::size_t leftOut = 0; // rows after the last box, not pasted
    std::optional<RefusedBox> refused;
};
PastedRows ReadPastedRows(std::string_view text);

// The points of a loaded data set as its lists show them, heading first: (0, 0), then its rows.
DataPoints PointsOfDataSet(const HistoricalDataSet& set);

// Witelo's angles beyond 90 cannot be fitted: his sets are fitted over the first six points
// only, the (0, 0) point and his rows of 10 to 50 degrees.
inline constexpr std::size_t kWiteloFitPoints = 6;

// The sine analysis of the data window.
struct SineAnalysis {
    LineFit fit;         // sin(refraction) = a + b·sin(incidence), over the fitted points
    double printedIndex; // 1/b, the index printed on the sine graph
    double fittedIndex;  // 1/b, or for Witelo 1 / slope of the double fit over two points less
    std::size_t fittedPoints;
};

// Fits the sines of the points; witelo limits the fit as above. Nothing when the points give
// no line (problem says why) or the slope is zero, so that no index can be shown.
struct SineAnalysisResult {
    std::optional<SineAnalysis> analysis;
    FitProblem problem = FitProblem::None;
};
SineAnalysisResult AnalyseSines(const DataPoints& points, bool witelo);

std::vector<double> SinesOfDegrees(std::span<const double> degrees);

// Kepler's choice: the points up to and including the first incidence of 45 degrees or more;
// when none reaches 45, all but the last.
std::size_t KeplerPointCount(std::span<const double> incidence);

// Kepler's line refraction = a + b·incidence over his chosen points (on the angles).
struct KeplerResult {
    std::optional<LineFit> fit;
    std::size_t pointCount = 0;
    FitProblem problem = FitProblem::None;
};
KeplerResult KeplerFit(const DataPoints& points);

// The indices a Snell curve or an EXPECTED table is drawn for, typed or fitted. Below 0.02
// even an incidence of 1 degree is past the critical angle (sin 1 degree = 0.01745) and the
// curve is a single point; above 100 it lies flat on the incidence axis (no glass or liquid
// comes near: diamond is 2.42).
inline constexpr Accepts kDrawableIndex{0.02, 100};
bool IsDrawableIndex(double n);

// Snell's curve for index n: (0, 0), then (i, refraction) for i = 1 ... 90 degrees, leaving
// out the incidences beyond the critical angle.
std::vector<Point> SnellCurve(double n);

// One row of the EXPECTED table: the texts of Text1(k) and Refr(k).
struct ExpectedRow {
    std::string incidence;
    std::string refraction; // empty where no refraction exists
};

// n >= 0.6: ten rows 0, 10 ... 90 with "0.000000", empty refraction past the critical angle.
// n < 0.6: rows 0, 2.5 ... 22.5 with "0.00000"; the first incidence past the critical angle is
// the last row, with an empty refraction. Nothing for an index that is not drawable.
std::vector<ExpectedRow> ExpectedRows(double n);
