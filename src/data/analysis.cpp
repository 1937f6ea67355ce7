#include "data/analysis.h"
#include "shell/graph.h"
#include "shell/qformat.h"

#include "data/inpdat.h"
#include "shell/model/numfmt.h"
#include "app/program.h"

#include <cmath>


analysis::analysis(Program& p) : Form("analysis", QStringLiteral("ANALYSIS OF DATA")), program(p) {
    Text1 = new QTextEdit(canvas);
    canvas->setBackColor(RGB(255, 255, 255));
}

void analysis::Form_Load() {
    setFontName("Arial Greek");
    placeOnScreen(); // right of the data window, the upper 3/8 of the screen
    // The notes' text box covers most of the window (inside its frame); the graphs hide it.
    Text1->hide();
    const double inside = canvas->width() * 15.0, high = canvas->height() * 15.0;
    placeTwips(Text1, 0, 0, inside - inside / 15, 0.9 * high);
}

void analysis::showText(const QString& text, double points) {
    canvas->Cls();
    QFont f = Text1->font();
    f.setPointSizeF(points);
    Text1->setFont(f);
    Text1->setPlainText(text);
    Text1->moveCursor(QTextCursor::Start);
    Text1->show();
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
