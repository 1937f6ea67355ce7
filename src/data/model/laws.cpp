#include "data/model/laws.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "data/model/historical.h"
#include "shell/model/mathconst.h"
#include "shell/model/numfmt.h"

namespace {

TypedRows readRows(std::span<const std::string> text1, std::span<const std::string> refr,
                   std::size_t rows) {
    TypedRows points;
    for (std::size_t i = 0; i < rows; ++i) {
        const std::optional<double> incidence = ReadTyped(text1[i], kDataAngle);
        const std::optional<double> refraction = ReadTyped(refr[i], kDataAngle);
        if (!incidence || !refraction) {
            points.x.clear();
            points.y.clear();
            points.refused = RefusedBox{i, incidence.has_value()};
            return points;
        }
        points.x.push_back(*incidence);
        points.y.push_back(*refraction);
    }
    return points;
}

std::size_t boxRows(std::span<const std::string> text1, std::span<const std::string> refr) {
    std::size_t rows = text1.size() < refr.size() ? text1.size() : refr.size();
    return rows < kTypedRows ? rows : kTypedRows;
}

// Sines closer than this are one sine as far as the single-precision fit can tell: sin 180
// degrees comes out as 1.2e-16, and a float holds about seven digits.
constexpr double kSameSine = 1e-6;

double spread(std::span<const double> values) {
    double low = values.front(), high = values.front();
    for (double v : values) {
        low = v < low ? v : low;
        high = v > high ? v : high;
    }
    return high - low;
}

double degreesToRadians(double degrees) { return degrees * PI / 180; }

} // namespace

TypedRows ReadRowsForAnalysisData(std::span<const std::string> text1,
                                  std::span<const std::string> refr) {
    const std::size_t rows = boxRows(text1, refr);
    std::size_t counted = 0;
    while (counted < rows && !text1[counted].empty()) ++counted;
    std::size_t read = 0;
    while (read < counted && !refr[read].empty()) ++read;
    return readRows(text1, refr, read);
}

TypedRows ReadRowsBothFilled(std::span<const std::string> text1,
                             std::span<const std::string> refr) {
    const std::size_t rows = boxRows(text1, refr);
    std::size_t counted = 0;
    while (counted < rows && !text1[counted].empty() && !refr[counted].empty()) ++counted;
    return readRows(text1, refr, counted);
}

namespace {

std::string trimmed(std::string_view t) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    std::size_t a = 0, b = t.size();
    while (a < b && blank(t[a]))
        ++a;
    while (b > a && blank(t[b - 1]))
        --b;
    return std::string(t.substr(a, b - a));
}

// The cells of one line; a cell in double quotes keeps the separators inside it ("" is a
// quote).
std::vector<std::string> cellsOf(std::string_view line, char separator) {
    std::vector<std::string> cells;
    std::string cell;
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted) {
            if (c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
                cell += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                cell += c;
            }
        } else if (c == '"' && trimmed(cell).empty()) {
            quoted = true;
            cell.clear();
        } else if (c == separator) {
            cells.push_back(trimmed(cell));
            cell.clear();
        } else {
            cell += c;
        }
    }
    cells.push_back(trimmed(cell));
    return cells;
}

// Whether a cell begins with a number (blanks and a sign before it, a decimal comma or point).
bool holdsNumber(std::string_view cell) {
    std::size_t i = 0;
    auto skipBlanks = [&] {
        while (i < cell.size() && (cell[i] == ' ' || cell[i] == '\t'))
            ++i;
    };
    auto digit = [&](std::size_t k) {
        return k < cell.size() && std::isdigit(static_cast<unsigned char>(cell[k]));
    };
    skipBlanks();
    if (i < cell.size() && (cell[i] == '+' || cell[i] == '-')) ++i;
    skipBlanks();
    if (digit(i)) return true;
    return i < cell.size() && (cell[i] == '.' || cell[i] == ',') && digit(i + 1);
}

} // namespace

PastedRows ReadPastedRows(std::string_view text) {
    std::vector<std::string_view> lines;
    for (std::size_t start = 0; start <= text.size();) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    const auto blankLine = [](std::string_view l) { return trimmed(l).empty(); };
    while (!lines.empty() && blankLine(lines.back()))
        lines.pop_back();
    std::size_t first = 0;
    while (first < lines.size() && blankLine(lines[first]))
        ++first;

    const char separator = text.find('\t') != std::string_view::npos  ? '\t'
                           : text.find(';') != std::string_view::npos ? ';'
                                                                      : ',';
    PastedRows out;
    for (std::size_t i = first; i < lines.size(); ++i) {
        std::vector<std::string> cells = cellsOf(lines[i], separator);
        cells.resize(std::max<std::size_t>(cells.size(), 2));
        if (i == first && !holdsNumber(cells[0]) && !holdsNumber(cells[1]) &&
            !(cells[0].empty() && cells[1].empty()))
            continue; // the heading
        if (out.rows.size() == kTypedRows) {
            ++out.leftOut;
            continue;
        }
        const std::size_t row = out.rows.size();
        for (int k = 0; k < 2; ++k) {
            const std::string& cell = cells[std::size_t(k)];
            if (!out.refused && !cell.empty() &&
                !(holdsNumber(cell) && ReadTyped(cell, kDataAngle)))
                out.refused = RefusedBox{row, k == 1};
        }
        out.rows.push_back({cells[0], cells[1]});
    }
    if (out.refused) out.rows.clear();
    return out;
}

std::string RefusedBoxText(const RefusedBox& box) {
    const std::string row = std::to_string(box.row + 1);
    return box.refraction
               ? RefusalText("Refraction angle, row " + row, "Γωνία διάθλασης, γραμμή " + row,
                             kDataAngle)
               : RefusalText("Incidence angle, row " + row, "Γωνία πρόσπτωσης, γραμμή " + row,
                             kDataAngle);
}

DataPoints PointsOfDataSet(const HistoricalDataSet& set) {
    DataPoints points{{0}, {0}};
    points.x.insert(points.x.end(), set.incidence.begin(), set.incidence.end());
    points.y.insert(points.y.end(), set.refraction.begin(), set.refraction.end());
    return points;
}

std::vector<double> SinesOfDegrees(std::span<const double> degrees) {
    std::vector<double> sines;
    sines.reserve(degrees.size());
    for (double angle : degrees) sines.push_back(std::sin(degreesToRadians(angle)));
    return sines;
}

SineAnalysisResult AnalyseSines(const DataPoints& points, bool witelo) {
    std::vector<double> sinX = SinesOfDegrees(points.x);
    std::vector<double> sinY = SinesOfDegrees(points.y);
    std::size_t count = sinX.size() < sinY.size() ? sinX.size() : sinY.size();
    if (witelo && count > kWiteloFitPoints) count = kWiteloFitPoints;
    const std::span<const double> fx(sinX.data(), count);
    const std::span<const double> fy(sinY.data(), count);

    SineAnalysisResult result;
    result.problem = CheckFitPoints(fx);
    if (result.problem == FitProblem::None && spread(fx) < kSameSine)
        result.problem = FitProblem::SameSine;
    if (result.problem != FitProblem::None) return result;
    const auto fit = TryFitLine(fx, fy);
    if (!fit) {
        result.problem = FitProblem::SameIncidence;
        return result;
    }
    // Equal refractions give a slope of rounding size, not zero; either way there is no index.
    if (fit->b == 0 || spread(fy) < kSameSine) {
        result.problem = FitProblem::ZeroSlope;
        return result;
    }
    SineAnalysis analysis{*fit, 1 / static_cast<double>(fit->b), 1 / static_cast<double>(fit->b),
                          count};
    if (witelo) {
        // Witelo's index comes from the second fit, two points shorter, in double precision.
        const auto second = TryFitLineDouble(fx.first(count - 2), fy.first(count - 2));
        if (second && second->b != 0) analysis.fittedIndex = 1 / second->b;
    }
    result.analysis = analysis;
    return result;
}

std::size_t KeplerPointCount(std::span<const double> incidence) {
    for (std::size_t i = 0; i < incidence.size(); ++i) {
        if (incidence[i] >= 45) return i + 1;
    }
    return incidence.empty() ? 0 : incidence.size() - 1;
}

KeplerResult KeplerFit(const DataPoints& points) {
    const std::size_t available =
        points.x.size() < points.y.size() ? points.x.size() : points.y.size();
    KeplerResult result;
    result.pointCount = KeplerPointCount(std::span(points.x).first(available));
    const auto x = std::span(points.x).first(result.pointCount);
    const auto y = std::span(points.y).first(result.pointCount);
    result.problem = CheckFitPoints(x);
    if (result.problem != FitProblem::None) return result;
    result.fit = TryFitLine(x, y);
    if (!result.fit) result.problem = FitProblem::SameIncidence;
    return result;
}

bool IsDrawableIndex(double n) {
    return n >= kDrawableIndex.min && n <= kDrawableIndex.max; // false for NaN
}

std::vector<Point> SnellCurve(double n) {
    std::vector<Point> curve{{0, 0}};
    if (!IsDrawableIndex(n)) return curve;
    for (int i = 1; i <= 90; ++i) {
        const double ratio = std::sin(degreesToRadians(i)) / n;
        // Beyond the critical angle there is no refracted ray.
        if (ratio >= 1) continue;
        curve.push_back({static_cast<double>(i), ArcSin(ratio) * 180 / PI});
    }
    return curve;
}

std::vector<ExpectedRow> ExpectedRows(double n) {
    std::vector<ExpectedRow> rows;
    if (!IsDrawableIndex(n)) return rows;
    const bool small = n < 0.6;
    // A small index has its critical angle early, so the table looks closer.
    const double step = small ? 2.5 : 10;
    const std::string_view pattern = small ? "0.00000" : "0.000000";
    for (int k = 0; k <= 9; ++k) {
        const double incidence = step * k;
        const double ratio = std::sin(degreesToRadians(incidence)) / n;
        ExpectedRow row{PlainNumber(incidence), ""};
        if (ratio <= 1) row.refraction = Format(ArcSin(ratio) * 180 / PI, pattern);
        rows.push_back(row);
        if (small && ratio > 1) break;
    }
    return rows;
}
