#include "records/List_of_Data.h"

#include "shell/program.h"

List_of_Data::List_of_Data(Program& p)
    : Form(p, "List_of_Data", QStringLiteral("EXPECTED Αναμενόμενες τιμές")) {
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
}

void List_of_Data::Form_Load() {}
void List_of_Data::Form_Click() {}
void List_of_Data::Command1_Click() {}
void List_of_Data::zografizo() {}
void List_of_Data::tickmarks() {}
void List_of_Data::clearRows() {
    List1->clear();
    List2->clear();
    List3->clear();
}
void List_of_Data::addRow(const QString& a, const QString& b, const QString& c) {
    List1->addItem(a);
    List2->addItem(b);
    List3->addItem(c);
}
