#include "data/inpdat.h"
#include "shell/layoutcheck.h"
#include "shell/takeaway.h"

#include <QPalette>

#include <string>
#include <vector>

namespace {

QString text(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

const QColor kPink = RGB(255, 205, 205);
constexpr int kRows = 14;

} // namespace

inpdat::inpdat(DataAnalysis& part) : Form("inpdat", QStringLiteral("Istorikva")), part_(part) {
    for (int i = 0; i < kRows; ++i) {
        Text1[i] = new QLineEdit(canvas);
        Refr[i] = new QLineEdit(canvas);
        connect(Text1[i], &QLineEdit::textChanged, this, [this, i] { Text1_Change(i); });
        connect(Refr[i], &QLineEdit::textChanged, this, [this, i](const QString& t) {
            part_.setTyped(std::size_t(i), true, t.toStdString());
        });
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

    connection_ = part_.changed.connect([this](const DataChange& change) {
        switch (change.kind) {
        case DataChange::Rows:
            showRows();
            break;
        case DataChange::Checks:
            showChecks();
            break;
        case DataChange::DataSetLoaded:
            showLoadedSet();
            break;
        case DataChange::Message:
            MsgBox(text(change.text));
            break;
        default:
            break;
        }
    });
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

void inpdat::openFromMenu() {
    placeOnScreen();
    for (int i = 0; i < kRows; ++i) {
        setWidth(Refr[i], Width() / 6);
        setWidth(Text1[i], Width() / 8);
        setLeft(Refr[i], Left(Text1[i]) + Width(Text1[i]) + Width(Text1[i]) / 4);
    }
    const double column = Left(Refr[1]) + Width(Refr[1]) + Width(Refr[1]) / 8;
    setLeft(List1, column);
    setLeft(List2, Left(List1) + Width(List1) + Width(List1) / 10);
    setHeight(List1, Height() / 3);
    setHeight(List2, Height() / 3);
    setLeft(Command2, column);
    setLeft(Command3, column);
    setTop(Label3, Top(List1) + Height(List1));
    setLeft(Label3, column);
    setTop(Command2, Top(Label3) + Height(Label3));
    setTop(Command3, Top(Command2) + Height(Command2));
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
    if (const auto leftOut = part_.pasteRows(text.toStdString())) {
        hideLists();
        if (*leftOut > 0) MsgBox(QString::fromStdString(RowsLeftOutText(*leftOut)));
    }
    return true;
}

void inpdat::showEvent(QShowEvent* event) {
    alignColumns();
    Form::showEvent(event);
}

void inpdat::hideLists() {
    Label3->hide();
    List1->hide();
    List2->hide();
}

std::vector<std::pair<QAction*, std::string_view>> inpdat::dataSetItems() const {
    return {{newt2, "newt2"},
            {Newt, "Newt"},
            {Alhazen2, "Alhazen2"},
            {Alhazen, "Alhazen"},
            {ptolemy2, "ptolemy2"},
            {Ptolemy, "Ptolemy"},
            {Vitello_water, "Vitello_water"},
            {Vitello_Glass, "Vitello_Glass"}};
}

void inpdat::showRows() {
    for (int i = 0; i < kRows; ++i) {
        const QString incidence = QString::fromStdString(part_.typedIncidence[std::size_t(i)]);
        const QString refraction = QString::fromStdString(part_.typedRefraction[std::size_t(i)]);
        if (Text1[i]->text() != incidence) Text1[i]->setText(incidence);
        if (Refr[i]->text() != refraction) Refr[i]->setText(refraction);
    }
}

void inpdat::showChecks() {
    for (const auto& [item, name] : dataSetItems())
        item->setChecked(part_.checkedSet && part_.checkedSet->menuItem == name);
}

void inpdat::showLoadedSet() {
    const HistoricalDataSet& set = *part_.loadedSet;
    List1->show();
    List2->show();
    List1->clear();
    List2->clear();
    for (const std::string& s : List1Items(set))
        List1->addItem(QString::fromStdString(s));
    for (const std::string& s : List2Items(set))
        List2->addItem(QString::fromStdString(s));
    Label3->show();
    Label3->setText(text(set.label3Caption));
    fitLists();
}

DataAnalysis::Ask inpdat::ask() {
    return [this](const std::string& prompt,
                  const std::string& proposed) -> std::optional<std::string> {
        const QString answer =
            InputBox(QString::fromStdString(prompt), QString(),
                     proposed.empty() ? QString() : QString::fromStdString(proposed));
        if (answer.isNull()) return std::nullopt;
        return answer.toStdString();
    };
}

// Typing --------------------------------------------------------------------------------

void inpdat::Text1_Change(int i) {
    hideLists();
    QPalette palette = Text1[i]->palette();
    palette.setColor(QPalette::Base, kPink);
    Text1[i]->setPalette(palette);
    part_.setTyped(std::size_t(i), false, Text1[i]->text().toStdString());
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
    part_.keyInBox(true);
}

void inpdat::Refr_KeyDown(int i, int keyCode, int) {
    part_.keyInBox(false);
    hideLists();
    // Left in the last row goes to the first refraction box, as it always did.
    if (!moveInColumn(Refr, i, keyCode) && keyCode == 37)
        (i == kRows - 1 ? Refr[0] : Text1[i])->setFocus();
}

// Buttons ---------------------------------------------------------------------------------

void inpdat::Command1_Click() { part_.analyseByButton(svinograf->isChecked()); }

void inpdat::Command2_Click() {
    Hide();
    HideWindow(QStringLiteral("incref"));
    HideWindow(QStringLiteral("analysis"));
    ShowWindow(QStringLiteral("velmoratimeleti"));
}

void inpdat::Command3_Click() { End(); }

void inpdat::Command4_Click() {
    Hide();
    part_.askInterpretation(); // the interpretation windows, their fronts running again
}

// Historical data sets ----------------------------------------------------------------------

void inpdat::loadDataSet(std::string_view name) {
    part_.loadDataSet(name);
    Show();
}

void inpdat::newt2_Click() { loadDataSet("newt2"); }
void inpdat::Newt_Click() { loadDataSet("Newt"); }
void inpdat::Alhazen2_Click() { loadDataSet("Alhazen2"); }
void inpdat::Alhazen_Click() { loadDataSet("Alhazen"); }
void inpdat::ptolemy2_Click() { loadDataSet("ptolemy2"); }
void inpdat::Ptolemy_Click() { loadDataSet("Ptolemy"); }
void inpdat::Vitello_water_Click() { loadDataSet("Vitello_water"); }
void inpdat::Vitello_Glass_Click() { loadDataSet("Vitello_Glass"); }

void inpdat::klinoistoria_Click() {
    List1->hide();
    List2->hide();
    part_.backFromHistorical();
}

void inpdat::ptolemeosprosarmogidedo_Click() { part_.askPtolemyManipulation(); }

void inpdat::analysisdata() { part_.analyseData(); }
