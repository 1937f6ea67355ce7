#include "data/inpdat.h"

#include "shell/program.h"

inpdat::inpdat(Program& p) : Form(p, "inpdat", QStringLiteral("Istorikva")) {
    for (int i = 0; i < 14; ++i) {
        Text1[i] = new QLineEdit(canvas);
        placeTwips(Text1[i], 960, 360 + 480 * i, 1215, 495);
        Refr[i] = new QLineEdit(canvas);
        placeTwips(Refr[i], 2400, 360 + 480 * i, 1215, 495);
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
    Command4 = new CommandButton(QStringLiteral("INTERPRETATION  OF lAW Ερμηνεία του νόμου"), canvas);
}

void inpdat::Form_Load() {}
