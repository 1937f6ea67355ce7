// The laws of refraction laid over the data window's refraction-against-incidence graph.
#include "data/analysis.h"
#include "shell/qformat.h"
#include "shell/graph.h"
#include "data/incref.h"
#include "data/inpdat.h"
#include "data/model/laws.h"
#include "shell/model/mathconst.h"
#include "shell/model/numfmt.h"
#include "app/program.h"

namespace {

QString text(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

const QColor kBlack = RGB(0, 0, 0);
const QColor kRuleLine = RGB(165, 100, 80);
const QColor kRuleText = RGB(165, 155, 80);
const QString kIncrefCaption = QStringLiteral("REFRACTION ANGLE VS INCIDENCE ANGLE");

// An index typed by the student, or nothing after a message; a cancelled box says nothing.
// An empty or non-numeric answer reads as 0 and is refused like any index with no curve.
std::optional<double> askIndex(Program& program, const QString& prompt, const QString& proposed) {
    const QString answer = program.InputBox(prompt, QString(), proposed);
    if (answer.isNull()) return std::nullopt;
    const std::optional<double> n = ReadTyped(answer.toStdString(), kDrawableIndex);
    if (!n) {
        program.MsgBox(QString::fromStdString(
            RefusalText("Index of refraction", "Δείκτης διάθλασης", kDrawableIndex)));
        return std::nullopt;
    }
    return n;
}

// Snell's curve from the origin; incidences past the critical angle are left out.
void drawSnellCurve(Canvas& c, double n, const QColor& color) {
    const std::vector<Point> curve = SnellCurve(n);
    for (std::size_t i = 1; i < curve.size(); ++i)
        c.Line(curve[i].x, curve[i].y, curve[i - 1].x, curve[i - 1].y, color);
    c.CurrentX = curve.back().x;
    c.CurrentY = curve.back().y;
}

} // namespace

void inpdat::Kepler_Click() {
    ::incref& r = program.forms.incref();
    r.setCaption(QStringLiteral("REFRACTION ANGLE VS INCIDENCE  ANGLE "));
    const std::optional<DataPoints> points = currentData(true);
    if (!points) return;
    if (svinograf->isChecked()) {
        r.canvas->Cls();
        analysisdata();
    }
    program.forms.analysis().Text1->hide();

    const KeplerResult kepler = KeplerFit(*points);
    if (!kepler.fit) {
        program.MsgBox(text(FitProblemText(kepler.problem)));
        return;
    }
    const double b = kepler.fit->b;
    Canvas& c = *r.canvas;
    // The angle graph reaches from -30 to 110 degrees at most: a steep fit is cut there.
    GraphLine(c, {0, 0}, {100, 100 * b}, -30, 110, RGB(255, 0, 0));
    c.Line(23, 13, 100, 6, RGB(255, 255, 0), Canvas::BoxFilled);
    c.CurrentX = 23;
    c.CurrentY = 12;
    c.setFontItalic(true);
    c.ForeColor = RGB(255, 0, 0);
    c.Print(QStringLiteral("Kepler's Model for Refraction Μοντέλο Kepler για διάθλαση= ") +
            fmt(b, "0.00") + QStringLiteral("Πρόσπτωση"));
    c.setFontItalic(false);
    c.ForeColor = kBlack;
}

void inpdat::Snell_1_Click() {
    const std::optional<DataPoints> points = currentData(true);
    if (!points || points->x.empty()) return;
    program.forms.analysis().Text1->hide();
    const double n = program.data.windowIndex();
    if (n == 0) {
        program.MsgBox(QStringLiteral("There is no index from the data yet: analyse them first "
                                      "Δεν υπάρχει ακόμη δείκτης από τα δεδομένα: ανάλυσέ τα "
                                      "πρώτα"));
        return;
    }
    if (!IsDrawableIndex(n)) {
        program.MsgBox(QStringLiteral("The index from the data, n=") + fmt(n, "0.00") +
                       QStringLiteral(", gives no curve   Ο δείκτης από τα δεδομένα, n=") +
                       fmt(n, "0.00") + QStringLiteral(", δεν δίνει καμπύλη"));
        return;
    }
    Canvas& c = *program.forms.incref().canvas;
    drawSnellCurve(c, n, RGB(155, 39, 110));
    c.Line(77, 65, 97, 70, RGB(0, 255, 255), Canvas::BoxFilled);
    c.CurrentX = 80;
    c.CurrentY = 70;
    c.Print(QStringLiteral("n=") + fmt(n, "0.00"));
    Show();
}

void inpdat::Snell_2_Click() {
    ::incref& r = program.forms.incref();
    r.setCaption(kIncrefCaption);
    const std::optional<DataPoints> points = currentData(true);
    if (!points || points->x.empty()) return;
    const auto n = askIndex(program, QStringLiteral("INDEX OF REFRACTION δείκτης διάθλασης?"),
                            QStringLiteral("1.5"));
    if (!n) return;
    Canvas& c = *r.canvas;
    drawSnellCurve(c, *n, c.ForeColor);
    c.Print(QStringLiteral("n=") + fmt(*n, "0.00"));
}

void inpdat::theoretikes_Click() {
    program.forms.incref().setCaption(kIncrefCaption);
    program.forms.analysis().Text1->hide();
    // Asked first, so that a wrong answer leaves the student's rows as they were.
    const auto n =
        askIndex(program, QStringLiteral("index of refraction Δώσε δείκτη διάθλασης"), QString());
    if (!n) return;
    fromLists = false;
    for (int k = 0; k <= 12; ++k) {
        Text1[k]->clear();
        Refr[k]->clear();
    }
    const std::vector<ExpectedRow> rows = ExpectedRows(*n);
    for (std::size_t k = 0; k < rows.size() && k < Text1.size(); ++k) {
        Text1[k]->setText(QString::fromStdString(rows[k].incidence));
        Refr[k]->setText(QString::fromStdString(rows[k].refraction));
    }
}

void inpdat::empirikos_Click() { program.forms.analysis().Text1->hide(); }

void inpdat::toentrito1_Click() {
    program.forms.incref().setCaption(kIncrefCaption);
    toentrito();
}

void inpdat::pyknoareo_Click() {
    program.forms.incref().setCaption(QStringLiteral("REFRACTION  ANGLE VS INCIDENCE ANGLE"));
    toendeytero();
}

void inpdat::toentrito() {
    program.forms.analysis().Text1->hide();
    Canvas& c = *program.forms.incref().canvas;
    c.Line(0, 0, 100, 200.0 / 3, kRuleLine);
    c.CurrentX = 40;
    c.CurrentY = 50;
    c.setFontItalic(true);
    c.ForeColor = kRuleText;
    c.Print(QStringLiteral("REFRACTION = 2/3 INCIDENCE Διάθλασης=2/3Πρόσπτωσης"));
    c.setFontItalic(false);
    c.ForeColor = kBlack;
}

void inpdat::toendeytero() {
    program.forms.analysis().Text1->hide();
    Canvas& c = *program.forms.incref().canvas;
    c.Line(0, 0, 100, 150, kRuleLine);
    c.CurrentY = 60;
    c.CurrentX = c.CurrentY * 2 / 3;
    // The graph's title "REFRACTION ANGLE ..." stands at (10, 60): on a narrow graph it reaches
    // past x = 40, and the rule's text goes one line down, still right of its line.
    if (10 + c.TextWidth(QStringLiteral("REFRACTION ANGLE Γωνία Διάθλασης")) > c.CurrentX)
        c.CurrentY -= std::fabs(c.TextHeight(QStringLiteral("R")));
    c.setFontItalic(true);
    c.ForeColor = kRuleText;
    c.Print(QStringLiteral("REFRACTION = 3/2 INCIDENCE διάθλασης=3/2πρόσπτωσης"));
    c.setFontItalic(false);
    c.ForeColor = kBlack;
}
