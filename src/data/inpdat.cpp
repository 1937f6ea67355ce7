#include "data/inpdat.h"
#include "shell/qformat.h"

#include "alhaytham/xaithamos.h"
#include "data/analysis.h"
#include "shell/graph.h"
#include "shell/layoutcheck.h"
#include "data/model/historical.h"
#include "data/incref.h"
#include "data/model/laws.h"
#include "particles/somata.h"
#include "ptolemy/ptolemaios.h"
#include "ptolemy/ptolkam.h"
#include "shell/model/numfmt.h"
#include "shell/takeaway.h"
#include "app/program.h"
#include "app/velmoratimeleti.h"
#include "waves/rixo.h"
#include "waves/rixotext.h"

#include <QAbstractButton>
#include <QPalette>

#include <cmath>
#include <string>
#include <vector>

namespace {

QString text(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

const QColor kBlack = RGB(0, 0, 0);
const QColor kPink = RGB(255, 205, 205);
constexpr int kRows = 14;
// The sine graph's scale, bottom and top.
constexpr double kSineLow = -0.3, kSineHigh = 1.5;

std::vector<std::string> texts(const std::array<QLineEdit*, 14>& boxes) {
    std::vector<std::string> out;
    for (const QLineEdit* box : boxes)
        out.push_back(box->text().toStdString());
    return out;
}

} // namespace

inpdat::inpdat(Program& p) : Form("inpdat", QStringLiteral("Istorikva")), program(p) {
    for (int i = 0; i < kRows; ++i) {
        Text1[i] = new QLineEdit(canvas);
        Refr[i] = new QLineEdit(canvas);
        connect(Text1[i], &QLineEdit::textChanged, this, [this, i] { Text1_Change(i); });
        onKeyDown(Text1[i], [this, i](int key, int shift) { Text1_KeyDown(i, key, shift); });
        onKeyDown(Refr[i], [this, i](int key, int shift) { Refr_KeyDown(i, key, shift); });
    }
    Label1 = makeLabel(QStringLiteral("INCIDENCE Πρόσπτωσης"), canvas);
    Label2 = makeLabel(QStringLiteral("REFRACTION Διάθλασης"), canvas);
    Label3 = makeLabel(QString(), canvas);
    List1 = new QListWidget(canvas);
    List2 = new QListWidget(canvas);
    svinograf = new QCheckBox(QStringLiteral("ERASE Σβήσε γρα φικές"), canvas);
    Command1 = new CommandButton(QStringLiteral("Data Analysis Ανάλυση δεδομένων"), canvas);
    Command2 = new CommandButton(QStringLiteral("INITIAL Αρχική"), canvas);
    Command3 = new CommandButton(QStringLiteral("END Τέλος"), canvas);
    Command4 =
        new CommandButton(QStringLiteral("INTERPRETATION  OF lAW Ερμηνεία του νόμου"), canvas);
    Command1->Click = [this] { Command1_Click(); };
    Command2->Click = [this] { Command2_Click(); };
    Command3->Click = [this] { Command3_Click(); };
    Command4->Click = [this] { Command4_Click(); };

    Models = addMenu(QStringLiteral("MODELS"));
    Kepler = addItem(Models, QStringLiteral("Kepler'S"));
    Snell = addSubMenu(Models, QStringLiteral("Snell law"));
    Snell_2 = addItem(Snell, QStringLiteral("Snell: GIVE n"));
    Snell_1 = addItem(Snell, QStringLiteral("Snell: n according to data"));
    empirikos = addSubMenu(Models, QStringLiteral("EMPIRICAL"));
    pyknoareo = addItem(empirikos, QStringLiteral("REFRACTION ANGLE=3/2 INCIDENCE ANGLE"));
    toentrito1 = addItem(empirikos, QStringLiteral("REFRACTION ANGLE=2/3 INCIDENCE ANGLE"));
    theoretikes = addTopItem(QStringLiteral("EXPECTED"));
    Histoire = addMenu(QStringLiteral("HISTORICAL DATA"));
    newt2 = addItem(Histoire, QStringLiteral("Newton: WATER"), true);
    Newt = addItem(Histoire, QStringLiteral("Newton: GLASS"), true);
    Alhazen2 = addItem(Histoire, QStringLiteral("Al Haytham:  WATER"), true);
    Alhazen = addItem(Histoire, QStringLiteral("Al Haytham: GLASS"), true);
    ptolemy2 = addItem(Histoire, QStringLiteral("PTOLEMY WATER"), true);
    ptolemeosprosarmogidedo = addItem(Histoire, QStringLiteral("PTOLEMY DATA MANIPULATION"));
    Ptolemy = addItem(Histoire, QStringLiteral("PTOLEMY: GLASS"), true);
    Vitello_water = addItem(Histoire, QStringLiteral("Witelo:FROM WATER TO AIR"), true);
    Vitello_Glass = addItem(Histoire, QStringLiteral("Witelo: GLASS TO AIR"), true);
    klinoistoria = addItem(Histoire, QStringLiteral("BACK FROM HISTORICAL"));
    History_notes = addMenu(QStringLiteral("HISTORY NOTES"));
    alhaytham = addItem(History_notes, QStringLiteral("Al Haytham"));
    Descarteslaw = addItem(History_notes, QStringLiteral("Descartes"));
    Fermatlaw = addItem(History_notes, QStringLiteral("Fermat"));
    fresnellaw = addItem(History_notes, QStringLiteral("Fresnel"));
    Herolaw = addItem(History_notes, QStringLiteral("HERO OF ALEXANDRIA"));
    Keplerlaw = addItem(History_notes, QStringLiteral("Kepler"));
    Newtonlaw = addItem(History_notes, QStringLiteral("Newton"));
    Ptolemylaw = addItem(History_notes, QStringLiteral("PTOLEMY'S APPARATUS"));
    Snellaw = addItem(History_notes, QStringLiteral("Snell"));
    Witellolaw = addItem(History_notes, QStringLiteral("Witelo"));

    onClick(Kepler, [this] { Kepler_Click(); });
    onClick(Snell_2, [this] { Snell_2_Click(); });
    onClick(Snell_1, [this] { Snell_1_Click(); });
    // The EMPIRICAL entry acts as its submenu opens.
    connect(empirikos, &QMenu::aboutToShow, this, [this] { empirikos_Click(); });
    onClick(pyknoareo, [this] { pyknoareo_Click(); });
    onClick(toentrito1, [this] { toentrito1_Click(); });
    onClick(theoretikes, [this] { theoretikes_Click(); });
    onClick(newt2, [this] { newt2_Click(); });
    onClick(Newt, [this] { Newt_Click(); });
    onClick(Alhazen2, [this] { Alhazen2_Click(); });
    onClick(Alhazen, [this] { Alhazen_Click(); });
    onClick(ptolemy2, [this] { ptolemy2_Click(); });
    onClick(ptolemeosprosarmogidedo, [this] { ptolemeosprosarmogidedo_Click(); });
    onClick(Ptolemy, [this] { Ptolemy_Click(); });
    onClick(Vitello_water, [this] { Vitello_water_Click(); });
    onClick(Vitello_Glass, [this] { Vitello_Glass_Click(); });
    onClick(klinoistoria, [this] { klinoistoria_Click(); });
    onClick(alhaytham, [this] { alhaytham_Click(); });
    onClick(Descarteslaw, [this] { Descarteslaw_Click(); });
    onClick(Fermatlaw, [this] { Fermatlaw_Click(); });
    onClick(fresnellaw, [this] { fresnellaw_Click(); });
    onClick(Herolaw, [this] { Herolaw_Click(); });
    onClick(Keplerlaw, [this] { Keplerlaw_Click(); });
    onClick(Newtonlaw, [this] { Newtonlaw_Click(); });
    onClick(Ptolemylaw, [this] { Ptolemylaw_Click(); });
    onClick(Snellaw, [this] { Snellaw_Click(); });
    onClick(Witellolaw, [this] { Witellolaw_Click(); });
}

namespace {
// The data set's name and the lists are set in these sizes where the window leaves them room;
// a list is at least as wide as designed (2400 twips).
constexpr double kLabel3Points = 9;
constexpr double kListPoints = 9;
constexpr int kListWidth = 160;
} // namespace

void inpdat::Form_Load() {
    setFontName("Arial Greek");
    placeOnScreen(); // the left half of the screen
    setBackColor(RGB(224, 224, 224));

    for (int i = 0; i < kRows; ++i) {
        placeTwips(Text1[i], 960, 360 + 480 * i, 1215, 495);
        placeTwips(Refr[i], 2400, 360 + 480 * i, 1215, 495);
    }
    placeTwips(Label1, 960, 0, 1215, 360);
    placeTwips(Label2, 2400, 0, 1215, 360);
    // The lists, the data set's name and INITIAL / END stand in a column right of the rows.
    placeTwips(List1, 3840, 360, 2400, 5400);
    placeTwips(List2, 6480, 360, 2400, 5400);
    placeTwips(Label3, 3840, 5760, 5040, 735);
    placeTwips(Command2, 3840, 6495, 2400, 735);
    placeTwips(Command3, 3840, 7230, 2400, 735);
    // Below the rows: the analysis button, its ERASE box and the way to the interpretation.
    placeTwips(Command1, 960, 7440, 2655, 735);
    placeTwips(svinograf, 960, 8250, 2655, 375);
    placeTwips(Command4, 960, 8700, 2655, 735);
    for (QLabel* label : {Label1, Label2}) {
        setControlFont(label, "Arial", 8);
        label->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    }
}

// The columns may have been widened since the window was laid out: the headings and the
// buttons below the rows follow them.
void inpdat::alignColumns() {
    const double left = Left(Text1[0]);
    const double right = Left(Refr[0]) + Width(Refr[0]);
    setLeft(Label1, left);
    setWidth(Label1, Left(Refr[0]) - left);
    setLeft(Label2, Left(Refr[0]));
    setWidth(Label2, Width(Refr[0]));
    for (QWidget* w : std::initializer_list<QWidget*>{Command1, svinograf, Command4}) {
        setLeft(w, left);
        setWidth(w, right - left);
    }
    // On a narrow window the headings take a smaller letter, or two lines, rather than lose
    // their ends.
    for (QLabel* heading : {Label1, Label2}) ShrinkToFit(heading, 8, 6);
    ShrinkToFit(svinograf, 8, 6);
    fitLists();
}

// The two lists are as wide as their widest row, side by side inside the window, in a smaller
// letter where the window is too narrow for them; the data set's name runs under both.
void inpdat::fitLists() {
    auto needed = [](const QListWidget* l) {
        int widest = 0;
        for (int r = 0; r < l->count(); ++r)
            widest = std::max(widest, l->fontMetrics().horizontalAdvance(l->item(r)->text()));
        return widest + 2 * l->frameWidth() + 14;
    };
    // On a narrow window the lists are narrower than designed, as far as their rows allow.
    const int gap = std::clamp(List1->width() / 10, 4, 16);
    const int room = canvas->width() - 4 - List1->x() - gap;
    const int least = std::clamp(room / 2, 40, kListWidth);
    for (double points = kListPoints; points >= 6; points -= 0.5) {
        for (QListWidget* l : {List1, List2}) {
            QFont f = l->font();
            f.setPointSizeF(points);
            l->setFont(f);
        }
        List1->resize(std::max(least, needed(List1)), List1->height());
        List2->move(List1->x() + List1->width() + gap, List2->y());
        List2->resize(std::max(least, needed(List2)), List2->height());
        if (List2->x() + List2->width() <= canvas->width() - 4) break;
    }
    Label3->resize(List2->x() + List2->width() - List1->x(), Label3->height());
    ShrinkToFit(Label3, kLabel3Points, 6);
}

// The rows the window shows: the loaded data set (its lists carry their headings), or the
// typed boxes under their headings.
QString inpdat::tableText() const {
    if (!List1->isHidden()) return TabSeparated({ItemTexts(List1), ItemTexts(List2)});
    QStringList incidence, refraction;
    for (int i = 0; i < kRows; ++i) {
        incidence << Text1[i]->text();
        refraction << Refr[i]->text();
    }
    return TabSeparated({incidence, refraction}, {Label1->text(), Label2->text()});
}

bool inpdat::pasteTable(const QString& text, const QWidget* target) {
    QString t = text;
    while (t.endsWith('\n') || t.endsWith('\r'))
        t.chop(1);
    // One cell (a comma being a decimal comma there) goes into the box that has the focus.
    const bool intoABox = qobject_cast<const QLineEdit*>(target) != nullptr;
    const bool table =
        t.contains('\n') || t.contains('\t') || t.contains(';') || (!intoABox && t.contains(','));
    if (!table) return false;
    const PastedRows pasted = ReadPastedRows(text.toStdString());
    if (pasted.refused) {
        program.MsgBox(QString::fromStdString(RefusedBoxText(*pasted.refused)));
        return true;
    }
    if (pasted.rows.empty()) {
        program.MsgBox(
            QStringLiteral("The pasted text holds no row of angles: nothing was changed. "
                           "Το κείμενο δεν έχει γραμμή με γωνίες: τίποτα δεν άλλαξε."));
        return true;
    }
    for (int i = 0; i < kRows; ++i) {
        const bool given = std::size_t(i) < pasted.rows.size();
        Text1[i]->setText(given ? QString::fromStdString(pasted.rows[std::size_t(i)].incidence)
                                : QString());
        Refr[i]->setText(given ? QString::fromStdString(pasted.rows[std::size_t(i)].refraction)
                               : QString());
    }
    // The boxes are the data now, as after EXPECTED: no data set is checked or analysed.
    for (QAction* item :
         {newt2, Newt, Alhazen2, Alhazen, ptolemy2, Ptolemy, Vitello_water, Vitello_Glass})
        item->setChecked(false);
    hideLists();
    fromLists = false;
    program.forms.incref().canvas->ForeColor = kBlack;
    if (pasted.leftOut > 0)
        program.MsgBox(QStringLiteral("Only 14 rows fit: the last %1 were left out. Χωράνε μόνο "
                                      "14 γραμμές: οι τελευταίες %1 δεν μπήκαν.")
                           .arg(pasted.leftOut));
    return true;
}

void inpdat::showEvent(QShowEvent* event) {
    alignColumns();
    Form::showEvent(event);
}

std::optional<DataPoints> inpdat::currentData(bool bothFilled) {
    if (fromLists && loadedSet) return PointsOfDataSet(*loadedSet);
    const auto t = texts(Text1), r = texts(Refr);
    TypedRows rows = bothFilled ? ReadRowsBothFilled(t, r) : ReadRowsForAnalysisData(t, r);
    if (rows.refused) {
        program.MsgBox(QString::fromStdString(RefusedBoxText(*rows.refused)));
        return std::nullopt;
    }
    return rows;
}

bool inpdat::witeloChecked() const {
    return Vitello_water->isChecked() || Vitello_Glass->isChecked();
}

void inpdat::hideLists() {
    Label3->hide();
    List1->hide();
    List2->hide();
}

void inpdat::uncheckTypedOver() {
    for (QAction* item : {Newt, newt2, Alhazen, Alhazen2, Ptolemy, ptolemy2})
        item->setChecked(false);
}

// Typing --------------------------------------------------------------------------------

void inpdat::Text1_Change(int i) {
    hideLists();
    QPalette palette = Text1[i]->palette();
    palette.setColor(QPalette::Base, kPink);
    Text1[i]->setPalette(palette);
}

namespace {
// Enter and Down go to the next row, Up to the one before, Home to the first; the column
// wraps round. Returns whether the key was one of these.
bool moveInColumn(const std::array<QLineEdit*, 14>& column, int i, int keyCode) {
    const int rows = int(column.size());
    switch (keyCode) {
    case 13:
    case 40:
        column[(i + 1) % rows]->setFocus();
        return true;
    case 38:
        column[i == 0 ? rows - 1 : i - 1]->setFocus();
        return true;
    case 36:
        column[0]->setFocus();
        return true;
    default:
        return false;
    }
}
} // namespace

void inpdat::Text1_KeyDown(int i, int keyCode, int) {
    if (!moveInColumn(Text1, i, keyCode) && keyCode == 39) Refr[i == kRows - 1 ? 0 : i]->setFocus();
    uncheckTypedOver();
    program.forms.incref().canvas->ForeColor = kBlack;
}

void inpdat::Refr_KeyDown(int i, int keyCode, int) {
    uncheckTypedOver();
    hideLists();
    // Left in the last row goes to the first refraction box, as it always did.
    if (!moveInColumn(Refr, i, keyCode) && keyCode == 37)
        (i == kRows - 1 ? Refr[0] : Text1[i])->setFocus();
    uncheckTypedOver();
}

// Buttons ---------------------------------------------------------------------------------

void inpdat::Command2_Click() {
    Hide();
    program.forms.incref().Hide();
    program.forms.analysis().Hide();
    program.forms.velmoratimeleti().Show();
}

void inpdat::Command3_Click() { program.End(); }

void inpdat::Command4_Click() {
    Hide();
    ::rixo& waves = program.forms.rixo();
    waves.Show();
    program.forms.rixotext().Show();
    program.forms.somata().Show();
    waves.Timer1->setEnabled(true); // the fronts run again
}

// Historical data sets ----------------------------------------------------------------------

void inpdat::loadDataSet(QAction* item, const char* name) {
    const HistoricalDataSet* set = FindDataSet(name);
    if (!set) return;
    ::analysis& a = program.forms.analysis();
    a.setCaption(text(kAnalysisCaption));
    program.forms.incref().setCaption(text(set->increfCaption));
    a.Text1->hide();

    for (QAction* other :
         {newt2, Newt, Alhazen2, Alhazen, ptolemy2, Ptolemy, Vitello_water, Vitello_Glass})
        other->setChecked(other == item);
    a.canvas->Cls();

    List1->show();
    List2->show();
    List1->clear();
    List2->clear();
    for (const std::string& s : List1Items(*set))
        List1->addItem(QString::fromStdString(s));
    for (const std::string& s : List2Items(*set))
        List2->addItem(QString::fromStdString(s));
    Label3->show();
    Label3->setText(text(set->label3Caption));
    fitLists();

    fromLists = true;
    loadedSet = set;
    analysisdata();
    Show();
}

void inpdat::newt2_Click() { loadDataSet(newt2, "newt2"); }
void inpdat::Newt_Click() { loadDataSet(Newt, "Newt"); }
void inpdat::Alhazen2_Click() { loadDataSet(Alhazen2, "Alhazen2"); }
void inpdat::Alhazen_Click() { loadDataSet(Alhazen, "Alhazen"); }
void inpdat::ptolemy2_Click() { loadDataSet(ptolemy2, "ptolemy2"); }
void inpdat::Ptolemy_Click() { loadDataSet(Ptolemy, "Ptolemy"); }
void inpdat::Vitello_water_Click() { loadDataSet(Vitello_water, "Vitello_water"); }
void inpdat::Vitello_Glass_Click() { loadDataSet(Vitello_Glass, "Vitello_Glass"); }

void inpdat::klinoistoria_Click() {
    List1->hide();
    List2->hide();
    fromLists = false;
}

void inpdat::ptolemeosprosarmogidedo_Click() {
    ::ptolkam& w = program.forms.ptolkam();
    for (QWidget* control : w.canvas->findChildren<QWidget*>()) {
        if (qobject_cast<QAbstractButton*>(control) || qobject_cast<QLabel*>(control))
            setControlFont(control, "Tahoma", control->font().pointSizeF());
    }
    w.Show();
}

// Analysis ----------------------------------------------------------------------------------

void inpdat::drawAngleFrame() {
    ::incref& r = program.forms.incref();
    r.Show();
    // Witelo's extrapolated angles reach 118 degrees: his graph is taller.
    const double top = witeloChecked() ? 110 : 80;
    Canvas& c = *r.canvas;
    c.Scale(-5, top, 110, -30);
    c.Line(-5, 0, 100, 0);
    c.Line(0, -5, 0, 100);
    DrawAxesGrid(*r.canvas, 110, -5, top, -30, 0, 0, 10, 10);
}

void inpdat::drawAngleTitles(const QString& refraction, const QString& incidence) {
    Canvas& c = *program.forms.incref().canvas;
    c.DrawWidth = 1;
    c.ForeColor = kBlack;
    c.CurrentX = 10;
    c.CurrentY = 60;
    c.Print(refraction);
    c.CurrentX = 55;
    c.CurrentY = std::min(-4.0, UnderAxisNumbers(c));
    c.Print(incidence);
}

void inpdat::analysisdata() {
    ::analysis& a = program.forms.analysis();
    ::incref& r = program.forms.incref();
    // Read first: a box refused leaves the graphs as they are.
    std::optional<DataPoints> read = currentData(false);
    if (!read) return;
    DataPoints points = std::move(*read);
    a.Text1->hide();
    r.canvas->Cls();
    a.canvas->Cls();

    // This analysis has always read the angles in single precision.
    for (double& v : points.x)
        v = static_cast<float>(v);
    for (double& v : points.y)
        v = static_cast<float>(v);

    drawAngleFrame();
    Canvas& c = *r.canvas;
    const std::size_t n = points.x.size();
    c.DrawWidth = 1;
    if (Newt->isChecked() || newt2->isChecked()) {
        c.ForeColor = RGB(255, 0, 0);
        for (std::size_t i = 0; i < n; ++i)
            c.Circle(points.x[i], points.y[i], 1);
        if (n > 0) {
            c.Circle(8, 43, 1);
            c.CurrentX = 15;
            c.CurrentY = 45;
            c.Print(QStringLiteral("Newton"));
        }
    } else if (Alhazen->isChecked() || Alhazen2->isChecked()) {
        c.ForeColor = RGB(100, 150, 0);
        for (std::size_t i = 0; i < n; ++i) {
            const double x = points.x[i], y = points.y[i];
            c.Line(x - 2, y, x + 2, y);
            c.Line(x, y - 2, x, y + 2);
        }
        if (n > 0) {
            c.Line(8, 40, 12, 40);
            c.Line(10, 38, 10, 42);
            c.CurrentX = 15;
            c.CurrentY = 40;
            c.Print(QStringLiteral("Al Haytham"));
        }
    } else if (Ptolemy->isChecked() || ptolemy2->isChecked()) {
        c.ForeColor = RGB(100, 0, 255);
        for (std::size_t i = 0; i < n; ++i) {
            const double x = points.x[i], y = points.y[i];
            c.Line(x - 2, y - 2, x + 2, y + 2);
            c.Line(x + 2, y - 2, x - 2, y + 2);
        }
        if (n > 0) {
            c.Line(8, 33, 12, 37);
            c.Line(12, 33, 8, 37);
            c.CurrentX = 15;
            c.CurrentY = 35;
            c.Print(QStringLiteral("PTOLEMY Πτολεμαίος"));
        }
    } else {
        c.ForeColor = kBlack;
        c.DrawWidth = 5;
        for (std::size_t i = 0; i < n; ++i)
            c.PSet(points.x[i], points.y[i]);
    }
    drawAngleTitles(QStringLiteral("REFRACTION ANGLE Γωνία Διάθλασης"),
                    QStringLiteral("INCIDENCE ANGLE Γωνία Πρόσπτωσης"));
    drawSineGraph(points, witeloChecked(), false);
}

void inpdat::Command1_Click() {
    ::analysis& a = program.forms.analysis();
    ::incref& r = program.forms.incref();
    const std::optional<DataPoints> read = currentData(true);
    if (!read) return;
    const DataPoints& points = *read;
    if (svinograf->isChecked()) r.canvas->Cls();
    a.setCaption(text(kAnalysisCaption));
    r.setCaption(QStringLiteral("REFRACTION ANGLE VS INCIDENCE ANGLE"));
    a.Text1->hide();
    a.Show();
    a.canvas->Cls();

    drawAngleFrame();
    Canvas& c = *r.canvas;
    c.ForeColor = kBlack;
    c.DrawWidth = 5;
    for (std::size_t i = 0; i < points.x.size(); ++i)
        c.PSet(points.x[i], points.y[i]);
    drawAngleTitles(QStringLiteral("REFRACTION ANGLE Διάθλασης"),
                    QStringLiteral("INCIDENCE ANGLE Πρόσπτωσης"));
    drawSineGraph(points, false, true);
}

void inpdat::drawSineGraph(const DataPoints& points, bool witelo, bool byButton) {
    ::analysis& a = program.forms.analysis();
    a.Show();
    Canvas& c = *a.canvas;
    c.Scale(-0.2, kSineHigh, 1.2, kSineLow);
    c.Line(-0.2, 0, 1.1, 0);
    c.Line(0, -0.2, 0, 1.4);
    a.tickmarks();

    c.DrawWidth = 5;
    const std::vector<double> sinX = SinesOfDegrees(points.x);
    const std::vector<double> sinY = SinesOfDegrees(points.y);
    for (std::size_t i = 0; i < sinX.size() && i < sinY.size(); ++i)
        c.PSet(sinX[i], sinY[i]);

    const SineAnalysisResult result = AnalyseSines(points, witelo);
    program.forms.incref().canvas->ForeColor = kBlack;
    c.DrawWidth = 1;
    if (result.analysis) {
        const SineAnalysis& fit = *result.analysis;
        fitA = fit.fit.a;
        fitB = fit.fit.b;
        const double a0 = fit.fit.a;
        const double slope = byButton ? std::fabs(fit.fit.b) : fit.fit.b;
        program.data.fittedIndex = byButton ? fit.printedIndex : fit.fittedIndex;
        program.data.fittedIntercept = fit.fit.a;
        program.data.byButton = byButton;

        // The graph shows sines from -0.3 to 1.5: a steep fit is cut where it leaves them.
        GraphLine(c, {0, a0}, {1, a0 + slope}, kSineLow, kSineHigh);
        c.CurrentX = 0.2;
        c.CurrentY = 0.8;
        if (byButton)
            c.Print(QStringLiteral("INDEX OF REFRACTION Δείκτης Διάθλασης= ") +
                    fmt(std::fabs(fit.printedIndex), "0.0000"));
        else
            c.Print(QStringLiteral("REFRACTION INDEX Δείκτης Διάθλασης= ") +
                    fmt(fit.printedIndex, "0.000"));
        GraphLine(c, {0, 0}, {1, a0 + slope}, kSineLow, kSineHigh, RGB(0, 255, 0));
    } else {
        // No line through these points: no index either, and Snell's law must not take an
        // old one for theirs.
        program.data.fittedIndex = 0;
        program.data.fittedIntercept = 0;
    }

    c.CurrentX = 0.4;
    c.CurrentY = -0.2;
    c.Print(QStringLiteral("Sin(INCIDENCE Πρόσπτωσης)"));
    c.CurrentX = 0.05;
    c.CurrentY = 1.3;
    c.Print(byButton ? QStringLiteral("Sin(REFRACTION Διάθλασης)")
                     : QStringLiteral("Sin(REFRACTIONΔιάθλασης)"));
    c.DrawStyle = 2;
    for (int k = 0; k <= 5; ++k) {
        const double t = 0.2 * k;
        c.Line(0, t, 1.1, t, RGB(0, 0, 255));
        c.Line(t, 0, t, 1.1, RGB(0, 0, 255));
    }
    c.DrawStyle = 0;

    if (!result.analysis) program.MsgBox(text(FitProblemText(result.problem)));
}
