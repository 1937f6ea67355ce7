#include "data/incref.h"

#include "shell/graph.h"

#include <QStringList>

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

QString text(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }
QColor colour(Rgb c) { return RGB(c.r, c.g, c.b); }

const QColor kBlack = RGB(0, 0, 0);
const QColor kRuleLine = RGB(165, 100, 80);
const QColor kRuleText = RGB(165, 155, 80);
// The refraction title of the graph stands at (10, 60).
constexpr double kTitleX = 10, kTitleY = 60;
const QString kRefractionTitle = QStringLiteral("REFRACTION ANGLE Γωνία Διάθλασης");

} // namespace

incref::incref(DataAnalysis& part) : Form("incref", text(kIncrefDesignCaption)), part_(part) {
    canvas->setBackColor(RGB(255, 255, 255));
    connection_ = part_.changed.connect([this](const DataChange& change) {
        switch (change.kind) {
        case DataChange::IncrefCaption:
            setCaption(text(part_.increfCaption));
            break;
        case DataChange::IncrefPicture:
            drawPicture();
            break;
        default:
            break;
        }
    });
}

void incref::openFromMenu() {
    setFontName("Arial");
    placeOnScreen();
}

void incref::Form_Load() {
    setFontName("Arial Greek");
    placeOnScreen(); // right of the data window, under the analysis window
    drawPicture();
}

void incref::drawPicture() {
    const GraphPicture<IncrefStep>& picture = part_.incref;
    drawn_.catchUp(
        picture, [this] { canvas->Cls(); },
        [this](const IncrefStep& step) { std::visit([this](const auto& s) { draw(s); }, step); });
}

void incref::draw(const AngleFrame& step) {
    Canvas& c = *canvas;
    c.Scale(-5, step.top, 110, -30);
    c.Line(-5, 0, 100, 0);
    c.Line(0, -5, 0, 100);
    DrawAxesGrid(c, 110, -5, step.top, -30, 0, 0, 10, 10);
}

namespace {

// One data point's mark, centred on (x, y).
void DrawMark(Canvas& c, Marker marker, double x, double y) {
    switch (marker) {
    case Marker::Circle:
        c.Circle(x, y, 1);
        break;
    case Marker::Plus:
        c.Line(x - 2, y, x + 2, y);
        c.Line(x, y - 2, x, y + 2);
        break;
    case Marker::Cross:
        c.Line(x - 2, y - 2, x + 2, y + 2);
        c.Line(x + 2, y - 2, x - 2, y + 2);
        break;
    case Marker::Dot:
        c.PSet(x, y);
        break;
    }
}

} // namespace

void incref::draw(const DataPlot& step) {
    Canvas& c = *canvas;
    const std::vector<double>& x = step.points.x;
    const std::vector<double>& y = step.points.y;
    const std::size_t n = std::min(x.size(), y.size());
    // Each author's colour, and the legend: its mark at the left, the name beside it.
    struct Legend {
        QColor colour;
        double markX, markY, textY;
        QString name;
    };
    std::optional<Legend> legend;
    c.DrawWidth = 1;
    switch (step.marker) {
    case Marker::Circle:
        legend = Legend{RGB(255, 0, 0), 8, 43, 45, QStringLiteral("Newton")};
        break;
    case Marker::Plus:
        legend = Legend{RGB(100, 150, 0), 10, 40, 40, QStringLiteral("Al Haytham")};
        break;
    case Marker::Cross:
        legend = Legend{RGB(100, 0, 255), 10, 35, 35, QStringLiteral("PTOLEMY Πτολεμαίος")};
        break;
    case Marker::Dot:
        c.ForeColor = kBlack;
        c.DrawWidth = 5;
        break;
    }
    if (legend) c.ForeColor = legend->colour;
    for (std::size_t i = 0; i < n; ++i)
        DrawMark(c, step.marker, x[i], y[i]);
    if (legend && n > 0) {
        DrawMark(c, step.marker, legend->markX, legend->markY);
        c.CurrentX = 15;
        c.CurrentY = legend->textY;
        c.Print(legend->name);
    }
}

void incref::draw(const AngleTitles& step) {
    Canvas& c = *canvas;
    c.DrawWidth = 1;
    c.ForeColor = kBlack;
    c.CurrentX = kTitleX;
    c.CurrentY = kTitleY;
    c.Print(text(step.refraction));
    c.CurrentX = 55;
    c.CurrentY = std::min(-4.0, UnderAxisNumbers(c));
    c.Print(text(step.incidence));
}

void incref::draw(const KeplerLine& step) {
    Canvas& c = *canvas;
    // The angle graph reaches from -30 to 110 degrees at most: a steep fit is cut there.
    GraphLine(c, {0, 0}, {100, 100 * step.slope}, -30, 110, RGB(255, 0, 0));
    c.Line(23, 13, 100, 6, RGB(255, 255, 0), Canvas::BoxFilled);
    c.CurrentX = 23;
    c.CurrentY = 12;
    c.setFontItalic(true);
    c.ForeColor = RGB(255, 0, 0);
    c.Print(text(step.text));
    c.setFontItalic(false);
    c.ForeColor = kBlack;
}

void incref::draw(const SnellLine& step) {
    Canvas& c = *canvas;
    // From the origin; incidences past the critical angle are left out of the curve.
    const QColor pen = step.colour ? colour(*step.colour) : c.ForeColor;
    const std::vector<Point>& curve = step.curve;
    for (std::size_t i = 1; i < curve.size(); ++i)
        c.Line(curve[i].x, curve[i].y, curve[i - 1].x, curve[i - 1].y, pen);
    c.CurrentX = curve.back().x;
    c.CurrentY = curve.back().y;
    if (step.labelInBox) {
        c.Line(77, 65, 97, 70, RGB(0, 255, 255), Canvas::BoxFilled);
        c.CurrentX = 80;
        c.CurrentY = 70;
    }
    c.Print(text(step.label));
}

void incref::draw(const EmpiricalRule& step) {
    Canvas& c = *canvas;
    c.Line(0, 0, step.lineEnd.x, step.lineEnd.y, kRuleLine);
    c.CurrentX = step.textAt.x;
    c.CurrentY = step.textAt.y;
    // On a narrow graph the title reaches past the rule's text on its line: the text goes one
    // line down, still right of its line.
    if (step.textAt.y == kTitleY && kTitleX + c.TextWidth(kRefractionTitle) > c.CurrentX)
        c.CurrentY -= std::fabs(c.TextHeight(QStringLiteral("R")));
    c.setFontItalic(true);
    c.ForeColor = kRuleText;
    c.Print(text(step.text));
    c.setFontItalic(false);
    c.ForeColor = kBlack;
}

void incref::draw(const PenColour& step) { canvas->ForeColor = colour(step.colour); }

void incref::draw(const Figure& step) { DrawFigure(*canvas, step); }

void incref::draw(const TextLines& step) {
    Canvas& c = *canvas;
    c.Scale(step.left, step.top, step.right, step.bottom);
    // The second columns start together, a few blanks right of the longest first column.
    const QString blank = QStringLiteral(" ");
    const auto padded = [&c, &step, &blank] {
        const double blankWidth = c.TextWidth(blank);
        double column = 0;
        for (const TextLine& l : step.lines)
            if (!l.second.empty()) column = std::max(column, c.TextWidth(text(l.first)));
        column += 4 * blankWidth;
        std::vector<QString> out;
        for (const TextLine& l : step.lines) {
            QString t = text(l.first);
            if (!l.second.empty()) {
                int blanks = 0;
                if (blankWidth > 0) {
                    while (c.TextWidth(t) < column && blanks < 200) {
                        t += blank;
                        ++blanks;
                    }
                }
                if (blanks == 0) t += QStringLiteral("    ");
                t += text(l.second);
            }
            out.push_back(t);
        }
        return out;
    };
    // The largest letter, down to the smallest, at which the longest line fits the window.
    const double right = c.ScaleLeft() + c.ScaleWidth();
    std::vector<QString> texts;
    c.FitFontSize(step.fontSize, step.smallestFontSize, [&] {
        texts = padded();
        for (const QString& t : texts)
            if (step.x + c.TextWidth(t) > right) return false;
        return true;
    });
    for (std::size_t k = 0; k < step.lines.size(); ++k) {
        c.ForeColor = colour(step.lines[k].colour);
        c.PrintAt(step.x, step.lines[k].y, texts[k]);
        c.ForeColor = kBlack;
    }
}
