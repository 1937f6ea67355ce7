#include "data/analysis.h"
#include "shell/controls.h"
#include "shell/graph.h"

namespace {

QString text(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

// The sine graph's scale, bottom and top.
constexpr double kSineLow = -0.3, kSineHigh = 1.5;

} // namespace

analysis::analysis(DataAnalysis& part)
    : Form("analysis", text(kAnalysisDesignCaption)), part_(part) {
    Text1 = new QTextEdit(canvas);
    canvas->setBackColor(RGB(255, 255, 255));
    connection_ = part_.changed.connect([this](const DataChange& change) {
        switch (change.kind) {
        case DataChange::AnalysisCaption:
            setCaption(text(part_.analysisCaption));
            break;
        case DataChange::AnalysisPicture:
            drawPicture();
            break;
        case DataChange::NoteText:
            showNotes();
            break;
        case DataChange::NoteShown:
            Text1->setVisible(part_.notes.shown);
            break;
        default:
            break;
        }
    });
}

void analysis::openFromMenu() {
    setFontName("Arial ");
    placeOnScreen();
}

void analysis::Form_Load() {
    setFontName("Arial Greek");
    placeOnScreen(); // right of the data window, the upper 3/8 of the screen
    // The notes' text box covers most of the window (inside its frame); the graphs hide it.
    Text1->hide();
    const double inside = canvas->width() * 15.0, high = canvas->height() * 15.0;
    placeTwips(Text1, 0, 0, inside - inside / 15, 0.9 * high);
    drawPicture();
}

void analysis::setNotesFont(const char* name) {
    setControlFont(Text1, name, Text1->font().pointSizeF());
}

void analysis::showNotes() {
    const NoteBox& notes = part_.notes;
    const QString t = text(notes.text);
    if (notes.fromStart) {
        if (notes.fontSize > 0) {
            QFont f = Text1->font();
            f.setPointSizeF(notes.fontSize);
            Text1->setFont(f);
        }
        Text1->setPlainText(t);
        Text1->moveCursor(QTextCursor::Start);
    } else if (Text1->toPlainText() != t) {
        // Left alone when it holds the text already, so that the reader keeps his place.
        Text1->setPlainText(t);
    }
    Text1->setVisible(notes.shown);
}

void analysis::drawPicture() {
    const GraphPicture<SineGraph>& picture = part_.analysis;
    drawn_.catchUp(
        picture, [this] { canvas->Cls(); }, [this](const SineGraph& g) { draw(g); });
}

void analysis::draw(const SineGraph& graph) {
    Canvas& c = *canvas;
    c.Scale(-0.2, kSineHigh, 1.2, kSineLow);
    c.Line(-0.2, 0, 1.1, 0);
    c.Line(0, -0.2, 0, 1.4);
    tickmarks();

    c.DrawWidth = 5;
    for (const Point& p : graph.sines)
        c.PSet(p.x, p.y);
    c.DrawWidth = 1;
    if (graph.line) {
        const SineLine& line = *graph.line;
        // The graph shows sines from -0.3 to 1.5: a steep fit is cut where it leaves them.
        GraphLine(c, {0, line.a}, {1, line.a + line.slope}, kSineLow, kSineHigh);
        c.CurrentX = 0.2;
        c.CurrentY = 0.8;
        c.Print(text(line.indexText));
        GraphLine(c, {0, 0}, {1, line.a + line.slope}, kSineLow, kSineHigh, RGB(0, 255, 0));
    }
    c.CurrentX = 0.4;
    c.CurrentY = -0.2;
    c.Print(QStringLiteral("Sin(INCIDENCE Πρόσπτωσης)"));
    c.CurrentX = 0.05;
    c.CurrentY = 1.3;
    c.Print(text(graph.refractionTitle));
    c.DrawStyle = 2;
    for (int k = 0; k <= 5; ++k) {
        const double t = 0.2 * k;
        c.Line(0, t, 1.1, t, RGB(0, 0, 255));
        c.Line(t, 0, t, 1.1, RGB(0, 0, 255));
    }
    c.DrawStyle = 0;
}

// Ticks and numbers along the axes of the sine graph, in its current scale.
void analysis::tickmarks() {
    TickmarkStyle st;
    st.xStep = 0.1;
    st.yStep = canvas->ScaleTop() / 10;
    if (!(st.yStep > 0)) return; // a scale with its top at or below 0 has no positive side
    st.xModulus = 10;
    st.yModulus = 2;
    st.t = st.yStep / 5;
    st.u = st.xStep / 5;
    // Labels of the y axis stand left of it, where the scale leaves room for them.
    st.v = 1.5 * st.xStep;
    st.xFormat = "0.0";
    st.yFormat = "0.00";
    st.yNegativeFormat = "0.00";
    DrawTickmarks(*canvas, st);
}
