#include "app/velmoratimeleti.h"
#include "shell/qformat.h"

#include "data/analysis.h"
#include "data/incref.h"
#include "data/inpdat.h"
#include "history/storiopt.h"
#include "particles/somata.h"
#include "records/List_of_Data.h"
#include "records/errors.h"
#include "semicircle/hmiky.h"
#include "shell/model/numfmt.h"
#include "app/program.h"
#include "waves/rixo.h"
#include "waves/rixotext.h"

#include <QSignalBlocker>
#include <utility>


velmoratimeleti::velmoratimeleti(Program& p)
    : Form(p, "velmoratimeleti", QStringLiteral("STUDY OF REFRACTION   MEΛΕΤΗ ΤΗΣ ΔΙΑΘΛΑΣΗΣ")) {
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
    ExperimentState& s = program.semi;
    program.interp.speedChoice = 1.0;
    s.tilt = 0;
    s.xc = s.yc = s.rayH = 0;

    velmoratimeleti& menu = program.forms.velmoratimeleti();
    const Screen& screen = program.screen;
    menu.setWidth(screen.Width() * 49 / 50);
    menu.setHeight(screen.Height() * 49 / 50);
    menu.setTop(5);
    menu.setLeft(0);
    // The window caption is in Latin letters that read as Greek in the symbol font;
    // the title bar keeps the platform's font.
    menu.setFontName("SYMBOL");
    menu.setCaption("MELETH DIAULASHS");
    menu.Show();

    menu.setLeft(menu.Command1, 0);
    const double row = screen.Height() * 4 / 8;
    menu.setTop(menu.Command1, row);
    menu.setTop(menu.Command2, row);
    menu.setTop(menu.Command3, row);
    menu.Command1->setCaption(QStringLiteral("SEMICIRCLE ΗΜΙΚΥΚΛΙΟ"));
    menu.Command2->setCaption(QStringLiteral(
        "ANALYSIS OF DATA, SOME HISTORICAL ELEMENTS  Μελέτη των δεδομένων,ιστορικά στοιχεία"));
    menu.Command3->setCaption(QStringLiteral("END Τέλος"));

    program.forms.inpdat().setFontName("Arial Greek");
    program.interp.speedChoice = 1.0;
    program.forms.analysis().setFontName("TAHOMA");
    program.forms.incref().setFontName("TAHOMA");
    setControlFont(program.forms.analysis().Text1, "tahoma",
                   program.forms.analysis().Text1->font().pointSizeF());
}

void velmoratimeleti::Command1_Click() {
    ::hmiky& h = program.forms.hmiky();
    ExperimentState& s = program.semi;
    s.radiusR = h.HScroll1->value();
    s.indexN = 1.5;
    s.tilt = 0;
    s.xc = s.yc = s.rayH = 0;
    // The scroll bars show the reset too, so the next handler that reads them keeps the
    // index at 1.5 and the semicircle at the centre.
    for (auto [bar, value] : {std::pair{h.Indexn, 15}, {h.angle, 0}, {h.xcoor, 0}, {h.ycoor, 0},
                              {h.hvalue, 0}}) {
        const QSignalBlocker quiet(bar);
        bar->setValue(value);
    }

    const Screen& screen = program.screen;
    h.setTop(0);
    h.setWidth(screen.Height() * 9 / 10);
    // A square window, with the menu bar above the square drawing surface, so that circles
    // drawn round meet the rays traced in the scale.
    h.setHeight(h.Width() + h.MenuHeight());
    h.canvas->Scale(-200, 200, 200, -200);

    h.setTop(h.cmdend, -150);
    h.setLeft(h.cmdend, -200);
    h.setLeft(h.Command1, -200 + h.Width(h.cmdend));
    h.setTop(h.Command1, -150);
    h.setTop(h.Command3, -150);
    h.setTop(h.Command4, -150);
    h.setTop(h.Command2, h.Top(h.Command3) + h.Height(h.Command3)); // just above Command3
    h.setLeft(h.Command4, -200 + h.Width(h.cmdend) + h.Width(h.Command1));

    Canvas& c = *h.canvas;
    c.FillColor = RGB(255, 255, 255);
    c.Circle(0, 0, 150, RGB(0, 0, 0));
    c.Line(-200, 0, 200, 0, RGB(0, 0, 0));
    c.Line(0, -200, 0, 200, RGB(0, 0, 0));
    h.drawsemicircle(s.xc, s.yc, s.radiusR);
    h.Show();
    h.DrawRayScene(s.rayH, s.xc, s.yc, s.tilt);

    h.Indexnt->setText(QStringLiteral("Δείκτης  n = ") + fmt(s.indexN, "0.00"));
    h.gon->setText(QStringLiteral("Angle with Y Γωνία με άξοναY=") + fmt(s.tilt, "0.00"));
    h.Label4->setText(QStringLiteral("h(Ray's y(0)=") + fmt(s.rayH, "0.00"));
    h.Label3->setText(QStringLiteral("xc=") + fmt(s.xc, "0.00"));
    h.Label2->setText(QStringLiteral("yc=") + fmt(s.yc, "0.00"));

    ::List_of_Data& list = program.forms.List_of_Data();
    list.setLeft(h.Width());
    list.setTop(0);
    list.setHeight(screen.Height() / 2);
}

void velmoratimeleti::Command2_Click() {
    program.forms.hmiky().Hide();
    program.forms.List_of_Data().Hide();
    program.forms.errors().Hide();

    ::inpdat& d = program.forms.inpdat();
    const Screen& screen = program.screen;
    d.setLeft(0);
    d.setHeight(screen.Height());
    d.setWidth(screen.Width() / 2);
    for (int i = 0; i < 14; ++i) {
        d.setWidth(d.Refr[i], d.Width() / 6);
        d.setWidth(d.Text1[i], d.Width() / 8);
        d.setLeft(d.Refr[i],
                  d.Left(d.Text1[i]) + d.Width(d.Text1[i]) + d.Width(d.Text1[i]) / 4);
    }
    const double column = d.Left(d.Refr[1]) + d.Width(d.Refr[1]) + d.Width(d.Refr[1]) / 8;
    d.setLeft(d.List1, column);
    d.setLeft(d.List2, d.Left(d.List1) + d.Width(d.List1) + d.Width(d.List1) / 10);
    d.setHeight(d.List1, d.Height() / 3);
    d.setHeight(d.List2, d.Height() / 3);
    d.setLeft(d.Command2, column);
    d.setLeft(d.Command3, column);
    d.setTop(d.Label3, d.Top(d.List1) + d.Height(d.List1));
    d.setLeft(d.Label3, column);
    d.setTop(d.Command2, d.Top(d.Label3) + d.Height(d.Label3));
    d.setTop(d.Command3, d.Top(d.Command2) + d.Height(d.Command2));

    ::analysis& a = program.forms.analysis();
    a.setTop(0);
    a.setFontName("Arial ");
    a.setLeft(d.Width());
    a.setHeight(screen.Height() * 1.5 / 4);
    a.setWidth(screen.Width() - d.Width());

    ::incref& r = program.forms.incref();
    r.setFontName("Arial");
    r.setTop(a.Height());
    r.setLeft(d.Width());
    r.setHeight(screen.Height() - a.Height());
    r.setWidth(screen.Width() - d.Width());

    d.Show();
    d.setTop(0);
}

void velmoratimeleti::Command3_Click() { program.End(); }

void velmoratimeleti::Command4_Click() {
    ::storiopt& s = program.forms.storiopt();
    s.setWidth(program.screen.Width());
    s.setHeight(program.screen.Height());
    s.setTop(0);
    s.setLeft(0);
    s.setHeight(s.Picture1, s.Height());
    s.setWidth(s.Picture1, s.Width());
    s.Show();
}

void velmoratimeleti::Command5_Click() {
    program.forms.rixo().Show();
    program.forms.rixotext().Show();
    program.forms.somata().Show();
}
