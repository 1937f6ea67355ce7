#include "ptolemy/ptolkam.h"

#include "shell/colours.h"
#include "shell/graph.h"
#include "shell/layoutcheck.h"
#include "shell/qformat.h"

namespace {
// The points of the table: on a full screen the program's 3 pixels are too small to see.
constexpr int kDot = 6;
const QString kExplanation = QStringLiteral(
    "Ο Πτολεμαίος προσάρμοσε τις πειραματικές τιμές έτσι που οι δεύτερες διαφορές των γωνιών "
    "διάθλασης να είναι σταθερές και ίσες με 30'. Έτσι οι τιμές του βρέθηκαν πολύ κοντά στις "
    "πειραματικές. Οι τιμές του βρίσκονται πάνω σε μια παραβολή. Αφετηρία είναι η διαφορά "
    "ανάμεσα στην πρώτη και στη δεύτερη πειραματική τιμή (7,5° από αέρα σε νερό). Η διαφορά της "
    "τρίτης από τη δεύτερη είναι κατά 30' μικρότερη, και ούτω καθεξής. Μπορούμε να διαλέξουμε "
    "άλλη αφετηρία. Πατήστε το αριστερό πλήκτρο και δώστε τον αριθμό I του πρώτου μέλους του "
    "ζεύγους, από 1 έως 7. Για I = 2 ξεκινάμε με τη διαφορά των γωνιών πρόσπτωσης 20° και 30°."
    "       Ptolemy had manipulated  the experimental values  so that  the second differences of "
    "refraction angles, to be  30'"
    " In this way he was very near the experimental results. His values are on a parabola."
    "  In Ptolemy's method, the difference between THE FIRST EXPERIMENTAL VALUE and the SECOND "
    "EXPERIMENTAL VALUE (which is 7,5° from air to water)"
    " is considered as a starting point: The 3rd from 2nd should be  30' less and so on. WE CAN "
    "CHOOSE another  starting point. Press the LEFT BUTTON For n =2 we start  with the difference "
    "of  20° and 30°.");
} // namespace

ptolkam::ptolkam(PtolemyReconstruction& part)
    : Form("ptolkam", QStringLiteral("PTOLEMY'S DATA MANIPULATION")), part_(part) {
    setBackColor(RGB(255, 255, 255));
    Option1 = new OptionButton(QStringLiteral("INDEX Δείκτης=1,333"), canvas);
    Option2 = new OptionButton(QStringLiteral("INDEX Δείκτης =1,5"), canvas);
    Enallagi = new CommandButton(QStringLiteral("Refer to other n Εναλλακτική προσαρμογή"), canvas);
    kripse = new CommandButton(QStringLiteral("CLOSE Κλείσιμο"), canvas);
    Label1 = makeLabel(QString(), canvas);
    // Water is what the window shows first.
    Option1->setValue(true);
    Option1->Click = [this] { Option1_Click(); };
    Option2->Click = [this] { Option2_Click(); };
    Enallagi->Click = [this] { Enallagi_Click(); };
    kripse->Click = [this] { kripse_Click(); };
    connection_ = part_.changed.connect([this](const PtolemyChange& c) {
        if (c.what == PtolemyChange::Table) showTable();
    });
}

void ptolkam::Form_Load() {
    placeOnScreen(); // the whole screen
    canvas->Scale(-10, 70, 130, -30);
    // The controls under the graph, the explanation beside them.
    place(Option1, -9, -9.5, 27, 3.5);
    place(Option2, -9, -13.5, 27, 3.5);
    place(Enallagi, -9, -18, 27, 5.5);
    place(kripse, -9, -24.5, 27, 4.5);
    place(Label1, Left(Option2) + Width(Option2), -9.5, 3.5 * Width(Option2), 20);
    QFont f = Label1->font();
    f.setPointSizeF(10);
    Label1->setFont(f);
    mainPlot();
    // The window's own letter, at the size the explanation has just found.
    for (QWidget* control : std::initializer_list<QWidget*>{Option1, Option2, Enallagi, kripse, Label1})
        setControlFont(control, QStringLiteral("Tahoma"), control->font().pointSizeF());
}

void ptolkam::Option1_Click() { part_.showTable(PtolemyMedium::Water); }

void ptolkam::Option2_Click() { part_.showTable(PtolemyMedium::Glass); }

void ptolkam::showTable() {
    canvas->Cls();
    if (part_.pair)
        drawRebuild();
    else
        mainPlot();
}

void ptolkam::kripse_Click() { Hide(); }

void ptolkam::axes(double left) {
    Canvas& c = *canvas;
    c.ForeColor = RGB(0, 0, 0);
    c.DrawWidth = 1;
    c.Line(left, 0, 100, 0);
    c.Line(0, -100, 0, 100);
    DrawAxesGrid(c, 80, 0, 70, 0, 10, 0, 10, 10);
}

void ptolkam::legend(const QString& analogy, const QString& manipulation, const QString& expected) {
    Canvas& c = *canvas;
    c.DrawWidth = kDot;
    c.PSet(73, -6, RGB(255, 0, 0));
    c.PrintAt(75, -4, analogy);
    c.PSet(73, -8.5, RGB(0, 0, 0));
    c.PrintAt(73, -7.3, manipulation);
    c.DrawWidth = 1;
    c.Circle(73, -3, 1, RGB(0, 0, 0));
    c.PrintAt(75, -1, expected);
}

void ptolkam::mainPlot() {
    Canvas& c = *canvas;
    c.Scale(-10, 70, 130, -30);
    axes(-15);
    Label1->setText(kExplanation);
    ShrinkToFit(Label1, 10, 6); // font 10 where the screen has room for it
    const PtolemyTable t = MainTable(part_.medium);
    const double q = AnalogyRatio(t);
    // Ptolemy's points last: the analogy meets them where it takes its ratio (and wherever
    // else a value falls on its line), and must not hide them.
    for (int k = 0; k <= t.last(); ++k) {
        const double i = t.incidence[k];
        c.DrawWidth = 1;
        c.Circle(i, ExpectedRefraction(i, t.n), 1, RGB(0, 0, 0));
        c.DrawWidth = kDot;
        c.PSet(i, q * i, RGB(255, 0, 0));
        c.PSet(i, t.refraction[k], RGB(0, 0, 0));
        c.DrawWidth = 1;
    }
    legend(QStringLiteral("ANALOGY Σχέση αναλογίας"),
           QStringLiteral("  PTOLEMY'S MANIPULATION Προσαρμογή Πτολεμαίου"),
           QStringLiteral("EXPECTED VALUES Πραγματικές τιμές"));
}

void ptolkam::Enallagi_Click() {
    const QString answer = InputBox(QStringLiteral("number of first member  of pair ΑΡΙΘΜΟΣ ΠΡΩΤΟΥ ΜΕΛΟΥΣ ΖΕΥΓΟΥΣ"),
                                    QStringLiteral("CHOOSE A NUMBER BETWEEN 1 &7"));
    part_.rebuildFrom(answer.toStdString());
}

void ptolkam::drawRebuild() {
    Canvas& c = *canvas;
    Label1->setText(QString());
    axes(-10);
    const PtolemyRebuild rebuild = part_.rebuild();
    const PtolemyTable& t = rebuild.table;
    const int N = t.last(), I = rebuild.pair;
    c.ForeColor = RGB(0, 0, 0);
    // Each heading over its column, English above Greek, in the largest letter (down to 6
    // points) at which every line keeps clear of the next column.
    const struct {
        double x, next;
        QString english, greek;
    } headings[] = {{80, 92, QStringLiteral("INCIDENCE"), QStringLiteral("Πρόσπτωσης")},
                    {92, 105, QStringLiteral("REFRACTION"), QStringLiteral("Διάθλασης")},
                    {105, c.ScaleLeft() + c.ScaleWidth(), QStringLiteral("DIFFERENCE"), QStringLiteral("Διαφορά")}};
    const double size = c.FontSize();
    c.FitFontSize(size, 6, [&] {
        for (const auto& h : headings)
            if (std::max(c.TextWidth(h.english), c.TextWidth(h.greek)) > h.next - h.x - 0.5) return false;
        return true;
    });
    for (const auto& h : headings) {
        c.PrintAt(h.x, 70, h.english);
        c.PrintAt(h.x, 70 - std::fabs(c.TextHeight(h.english)), h.greek);
    }
    c.setFontSize(size);
    for (int k = 0; k <= N; ++k) {
        c.PrintAt(85, 60 - 5 * k, fmt(t.incidence[k], "0") + QStringLiteral("°   "));
        c.PrintAt(96, 60 - 5 * k, fmt(rebuild.rebuilt[k], "0.0") + QStringLiteral("°"));
        if (k < N)
            c.PrintAt(110, 57.5 - 5 * k, fmt(rebuild.rebuilt[k + 1] - rebuild.rebuilt[k], "0.0"));
    }
    // From the bottom up: the expected values, the analogy, the rebuilt values, and the chosen
    // pair over them all (the analogy takes its ratio from the pair's first value, so its
    // point lies exactly on the green mark).
    c.DrawWidth = 1;
    for (int k = 0; k <= N; ++k)
        c.Circle(t.incidence[k], rebuild.expected[k], 1, RGB(0, 0, 0));
    c.DrawWidth = kDot;
    for (int k = 0; k <= N; ++k)
        c.PSet(t.incidence[k], rebuild.analogy * t.incidence[k], RGB(255, 0, 0));
    for (int k = 0; k <= N; ++k)
        c.PSet(t.incidence[k], rebuild.rebuilt[k], RGB(0, 0, 0));
    c.PSet(t.incidence[I - 1], rebuild.rebuilt[I - 1], RGB(0, 255, 0));
    c.PSet(t.incidence[I], rebuild.rebuilt[I], RGB(0, 0, 255));
    c.DrawWidth = 1;
    legend(QStringLiteral(" ANALOGY Σχέση αναλογίας"),
           QStringLiteral("    PTOLEMY'S MANIPULATION Προσαρμογή Πτολεμαίου"),
           QStringLiteral("  EXPECTGED  VALUES Πραγματικές τιμές"));
}
