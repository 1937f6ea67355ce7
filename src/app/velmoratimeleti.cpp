#include "app/velmoratimeleti.h"
#include "shell/qformat.h"

#include "data/analysis.h"
#include "data/incref.h"
#include "data/inpdat.h"

#include <algorithm>
#include "particles/somata.h"
#include "records/List_of_Data.h"
#include "records/errors.h"
#include "semicircle/hmiky.h"
#include "shell/model/numfmt.h"
#include "app/program.h"
#include "waves/rixo.h"
#include "waves/rixotext.h"



velmoratimeleti::velmoratimeleti(Program& p)
    : Form("velmoratimeleti", QStringLiteral("STUDY OF REFRACTION   MEΛΕΤΗ ΤΗΣ ΔΙΑΘΛΑΣΗΣ")), program(p) {
    mayBeCovered = true; // the windows it opens lie beside it or over it
    setWidth(10470);
    setHeight(9990);
    canvas->setFontName("Arial");
    canvas->setFontSize(12);

    Label1 = makeLabel(QStringLiteral("STUDY OF THE  LAW OF REFRACTION Ο ΝΟΜΟΣ ΤΗΣ ΔΙΑΘΛΑΣΗΣ"), canvas);
    setControlFont(Label1, "Arial", 18, true);
    placeTwips(Label1, 120, 120, 6855, 1095);

    Command5 = new CommandButton(
        QStringLiteral("INTERPRETATION OF REFRACTION       ΕΡΜΗΝΕΙΑ ΤΗΣ ΔΙΑΘΛΑΣΗΣ"), canvas);
    setControlFont(Command5, "Arial", 14.25);
    placeTwips(Command5, 360, 4800, 6975, 975);

    Command4 = new CommandButton(QStringLiteral("A SHORT HISTORY OF THE LAW OF REFACTION    (in Greek)") +
                                     QString(57, QChar(' ')) +
                                     QStringLiteral("Σύντομη ιστορία του νόμου της Διάθλασης"),
                                 canvas);
    setControlFont(Command4, "Swis721 Win95BT", 8.25);
    placeTwips(Command4, 3720, 2040, 3975, 1335);

    Command3 = new CommandButton(QStringLiteral("End"), canvas);
    setControlFont(Command3, "Arial", 14.25);
    placeTwips(Command3, 6720, 7920, 1095, 735);

    Command2 = new CommandButton(
        QStringLiteral("Data Input - Historical Measurments - Interpretation of the Law"), canvas);
    setControlFont(Command2, "Arial", 8.25);
    placeTwips(Command2, 2640, 7920, 4095, 735);

    Command1 = new CommandButton(QStringLiteral("Semicircle Experiment"), canvas);
    setControlFont(Command1, "Arial", 8.25);
    placeTwips(Command1, 120, 7920, 2535, 735);

    Command1->Click = [this] { Command1_Click(); };
    Command2->Click = [this] { Command2_Click(); };
    Command3->Click = [this] { Command3_Click(); };
    Command4->Click = [this] { Command4_Click(); };
    Command5->Click = [this] { Command5_Click(); };
}

void Main(Program& program) {
    program.interpretation.setSpeedChoice(1.0);
    program.experiment.centre();

    velmoratimeleti& menu = program.forms.velmoratimeleti();
    const Screen& screen = program.screen;
    menu.placeOnScreen();
    // The caption was typed key by key on a Greek keyboard ("MELETH DIAULASHS" in the symbol
    // font); no title bar uses that font, so it shows the Greek it stands for.
    menu.setFontName("SYMBOL");
    menu.setCaption(QStringLiteral("ΜΕΛΕΤΗ ΔΙΑΘΛΑΣΗΣ"));
    menu.Show();

    menu.setLeft(menu.Command1, 0);
    // Half way down the screen, or under the interpretation button where a short screen
    // would put the row over it.
    const double row = std::max(screen.Height() * 4 / 8,
                                menu.Top(menu.Command5) + menu.Height(menu.Command5) + 120);
    menu.setTop(menu.Command1, row);
    menu.setTop(menu.Command2, row);
    menu.setTop(menu.Command3, row);
    menu.Command1->setCaption(QStringLiteral("SEMICIRCLE ΗΜΙΚΥΚΛΙΟ"));
    menu.Command2->setCaption(QStringLiteral(
        "ANALYSIS OF DATA, SOME HISTORICAL ELEMENTS  Μελέτη των δεδομένων,ιστορικά στοιχεία"));
    menu.Command3->setCaption(QStringLiteral("END Τέλος"));

    program.forms.inpdat().setFontName("Arial Greek");
    program.interpretation.setSpeedChoice(1.0);
    program.forms.analysis().setFontName("TAHOMA");
    program.forms.incref().setFontName("TAHOMA");
    program.forms.analysis().setNotesFont("tahoma");
}

void velmoratimeleti::Command1_Click() {
    program.forms.hmiky().openExperiment();
    program.forms.List_of_Data().placeOnScreen(); // beside it, half the screen high
}

void velmoratimeleti::Command2_Click() {
    program.forms.hmiky().Hide();
    program.forms.List_of_Data().Hide();
    program.forms.errors().Hide();

    ::inpdat& d = program.forms.inpdat();
    d.openFromMenu();
    program.forms.analysis().openFromMenu();
    program.forms.incref().openFromMenu();
    d.Show();
}

void velmoratimeleti::Command3_Click() { program.End(); }

void velmoratimeleti::Command4_Click() {
    program.history.open(); // the pages take their place again, where they are loaded
    ShowWindow(QStringLiteral("storiopt"));
}

void velmoratimeleti::Command5_Click() {
    program.forms.rixo().Show();
    program.forms.rixotext().Show();
    program.forms.somata().Show();
}
