#include "records/List_of_Data.h"
#include "shell/qformat.h"
#include "shell/model/mathconst.h"

#include "data/inpdat.h"
#include "records/Grafindex.h"
#include "semicircle/hmiky.h"
#include "shell/model/numfmt.h"
#include "shell/takeaway.h"
#include "app/program.h"

#include <algorithm>

List_of_Data::List_of_Data(Program& p)
    : Form("List_of_Data", QStringLiteral("EXPECTED Αναμενόμενες τιμές")), program(p) {
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

void List_of_Data::Command1_Click() {
    ::inpdat& data = program.forms.inpdat();
    // The data window has fourteen boxes; later rows have nowhere to go.
    const int rows = std::min({List1->count(), List2->count(), int(data.Text1.size())});
    // A cell with no value goes over as an empty box, never as a measured 0.
    auto transfer = [](const QListWidgetItem* item, QLineEdit* box) {
        const QString cell = item->text().trimmed();
        if (!HoldsValue(cell)) {
            box->clear();
            return;
        }
        const float value = float(Val(cell.toStdString()));
        box->setText(QString::fromStdString(PlainNumber(value, 7)));
    };
    for (int i = 0; i < rows; ++i) {
        transfer(List1->item(i), data.Text1[i]);
        transfer(List2->item(i), data.Refr[i]);
    }
    data.Show();
}

void List_of_Data::drawGraph(double yAxisTop) {
    Canvas& c = *canvas;
    c.Cls();
    c.DrawWidth = 1;
    c.Scale(-5, 4, 100, -0.5);
    c.Line(-5, 0, 100, 0);
    c.Line(0, -1, 0, yAxisTop);
    tickmarks();
    c.DrawWidth = 5;
    for (int i = 0; i < List1->count() && i < List3->count(); ++i) {
        const QString xText = List1->item(i)->text(), yText = List3->item(i)->text();
        if (!HoldsValue(xText) || !HoldsValue(yText)) continue;
        c.PSet(Val(xText.toStdString()), Val(yText.toStdString()));
    }
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

void List_of_Data::showSettings(const QString& hCaption, const QString& angleCaption,
                                const QString& xcCaption, const QString& ycCaption, double rayH,
                                double tilt, double xc, double yc) {
    Label1->setText(hCaption + fmt(rayH, "0.00"));
    Label2->setText(angleCaption + fmt(tilt * 180 / PI, "0.00"));
    Label3->setText(xcCaption + fmt(xc, "0.00"));
    Label4->setText(ycCaption + fmt(yc, "0.00"));
}

void List_of_Data::clearRows() {
    List1->clear();
    List2->clear();
    List3->clear();
}

bool List_of_Data::HoldsValue(const QString& cell) {
    const QString t = cell.trimmed();
    return !t.isEmpty() && t != QLatin1String(kNoNumber) && t != kNoRay && t != kTotalReflection &&
           t != kTotalReflectionGreek;
}

void List_of_Data::addRow(const QString& a, const QString& b, const QString& c) {
    List1->addItem(a);
    List2->addItem(b);
    List3->addItem(c);
}
