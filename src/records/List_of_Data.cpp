#include "records/List_of_Data.h"

#include "shell/graph.h"
#include "shell/model/numfmt.h"
#include "shell/takeaway.h"

#include <algorithm>

List_of_Data::List_of_Data(Experiment& e)
    : Form("List_of_Data", QStringLiteral("EXPECTED Αναμενόμενες τιμές")), experiment(e) {
    canvas->setBackColor(RGB(255, 255, 255));
    List1 = new QListWidget(canvas);
    List2 = new QListWidget(canvas);
    List3 = new QListWidget(canvas);
    Label1 = makeLabel(QString(), canvas);
    Label2 = makeLabel(QString(), canvas);
    Label3 = makeLabel(QString(), canvas);
    Label4 = makeLabel(QString(), canvas);
    Label5 = makeLabel(QStringLiteral("INCIDENCE Πρόσπτωσης"), canvas);
    Label6 = makeLabel(QStringLiteral("REFRACTION Διάθλασης"), canvas);
    Label7 = makeLabel(QStringLiteral("INDEX Διάθλασης"), canvas);
    Command1 = new CommandButton(QStringLiteral("TRANSFER OF DATA  METAΦOPA ΔEΔOMENΩN"), canvas);
    for (QWidget* w :
         {static_cast<QWidget*>(List1), static_cast<QWidget*>(List2), static_cast<QWidget*>(List3),
          static_cast<QWidget*>(Label1), static_cast<QWidget*>(Label2),
          static_cast<QWidget*>(Label3), static_cast<QWidget*>(Label4),
          static_cast<QWidget*>(Label5), static_cast<QWidget*>(Label6),
          static_cast<QWidget*>(Label7), static_cast<QWidget*>(Command1)})
        setControlFont(w, "Arial", 8);
    for (QWidget* w : {static_cast<QWidget*>(Label5), static_cast<QWidget*>(Label6),
                       static_cast<QWidget*>(Label7)})
        setControlFont(w, "Arial", 8, true);
    Command1->Click = [this] { Command1_Click(); };

    placeControls();
    showRows();
    showLabels();
    watch = experiment.changed.connect([this](ExperimentChange change) {
        if (change == ExperimentChange::Rows) showRows();
        if (change == ExperimentChange::ListLabels) showLabels();
        if (change == ExperimentChange::ListPicture) showPicture();
    });
}

void List_of_Data::showRows() {
    // The experiment only empties its rows or adds one at the end.
    const std::vector<ListRow>& rows = experiment.rows();
    if (int(rows.size()) < List1->count()) {
        List1->clear();
        List2->clear();
        List3->clear();
    }
    for (std::size_t i = std::size_t(List1->count()); i < rows.size(); ++i) {
        List1->addItem(QString::fromStdString(rows[i].incidence));
        List2->addItem(QString::fromStdString(rows[i].refraction));
        List3->addItem(QString::fromStdString(rows[i].index));
    }
}

void List_of_Data::showLabels() {
    const auto& texts = experiment.listLabels();
    QLabel* const labels[] = {Label1, Label2, Label3, Label4};
    for (std::size_t i = 0; i < texts.size(); ++i)
        labels[i]->setText(QString::fromStdString(texts[i]));
}

void List_of_Data::showPicture() {
    canvas->Cls();
    if (const auto& mean = experiment.meanIndexText()) canvas->Print(QString::fromStdString(*mean));
}

void List_of_Data::resizeEvent(QResizeEvent* event) {
    Form::resizeEvent(event);
    placeControls();
}

void List_of_Data::placeControls() {
    // Design layout, in twips: a line at the top for the mean index, the three columns with
    // their headings, the settings of the last sweep under them, and the transfer button. On
    // a window less high than the design the lists give up rows, so that the settings and the
    // button stay inside it.
    const double col = 2000, gap = 80, left = 120, designHeight = 6000;
    const double shortfall = std::clamp(designHeight - canvas->height() * 15.0, 0.0, 2400.0);
    for (int i = 0; i < 3; ++i) {
        QLabel* heading = i == 0 ? Label5 : i == 1 ? Label6 : Label7;
        QListWidget* list = i == 0 ? List1 : i == 1 ? List2 : List3;
        placeTwips(heading, left + i * (col + gap), 330, col, 450);
        placeTwips(list, left + i * (col + gap), 800, col, 3600 - shortfall);
    }
    placeTwips(Label1, left, 4500 - shortfall, 3000, 300);
    placeTwips(Label2, left + 3050, 4500 - shortfall, 3000, 300);
    placeTwips(Label3, left, 4850 - shortfall, 3000, 300);
    placeTwips(Label4, left + 3050, 4850 - shortfall, 3000, 300);
    placeTwips(Command1, left, 5300 - shortfall, 3600, 600);
}

void List_of_Data::Form_Load() {
    placeOnScreen(); // beside the semicircle window, the upper half of the screen high
}

// The transfer itself is the program's: the data window is another part's.
void List_of_Data::Command1_Click() { experiment.transferOfData(); }

void List_of_Data::drawGraph(double yAxisTop) {
    Canvas& c = *canvas;
    c.Cls();
    c.DrawWidth = 1;
    c.Scale(-5, 4, 100, -0.5);
    c.Line(-5, 0, 100, 0);
    c.Line(0, -1, 0, yAxisTop);
    tickmarks();
    c.DrawWidth = 5;
    for (const ListRow& row : experiment.rows())
        if (HoldsValue(row.incidence) && HoldsValue(row.index))
            c.PSet(Val(row.incidence), Val(row.index));
    c.DrawWidth = 1;
}

QString List_of_Data::tableText() const {
    return TabSeparated({ItemTexts(List1), ItemTexts(List2), ItemTexts(List3)},
                        {Label5->text(), Label6->text(), Label7->text()});
}

void List_of_Data::Form_Click() { drawGraph(2); }
void List_of_Data::zografizo() { drawGraph(4); }

void List_of_Data::tickmarks() {
    DrawTickmarks(*canvas, TenthsOfTheScale(*canvas, canvas->ScaleTop() / 10, 2, 1));
}
