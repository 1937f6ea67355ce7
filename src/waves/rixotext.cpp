#include "waves/rixotext.h"

#include "shell/layoutcheck.h"
#include "shell/qformat.h"

#include <algorithm>
#include <cmath>

rixotext::rixotext(Interpretation& part)
    : Form("rixotext", QStringLiteral("REFLECTED AND REFRACTED ANAKΛΩMENH KAI ΔIAΘΛΩMENH")),
      part_(part) {
    Command1 =
        new CommandButton(QStringLiteral("WAVES AND PARTICLES KYMATA KAI ΣΩMATIΔIA"), canvas);
    setControlFont(Command1, "Times New Roman", 10);
    Command1->Click = [this] { Command1_Click(); };
    n1overn2 = makeHScroll(canvas, 50, 300, part_.n1overn2(), 1, 50, [this] { n1overn2_Change(); });
    prosptosi = makeHScroll(canvas, 1, 90, part_.prosptosi(), 1, 5, [this] { prosptosi_Change(); });
    newtongtimi =
        makeHScroll(canvas, 1, 10, part_.newtongtimi(), 1, 2, [this] { newtongtimi_Change(); });
    reflected = new CheckBox(QStringLiteral("REFLECTED WAVE"), canvas);
    reflected->setValue(part_.reflected());
    reflected->Click = [this] { part_.setReflected(reflected->Value() == 1); };
    Text1 = new MultiLineText(canvas, 10);
    setControlFont(Text1, "Times New Roman", 10);
    Text1->setReadOnly(true);
    // Labels without a designed caption carry their own name until a handler writes them.
    Label1 = makeLabel(QStringLiteral("Label1"), canvas);
    Label2 = makeLabel(QStringLiteral("Label2"), canvas);
    energy = makeLabel(QString(), canvas);
    Label3 = makeLabel(QStringLiteral("REFLECTED WAVE ANAKΛΩMENO KYMA"), canvas);
    Label4 = makeLabel(QStringLiteral("Label4"), canvas);
    Label5 = makeLabel(QStringLiteral("Label5"), canvas);
    Label6 = makeLabel(QStringLiteral("Label6"), canvas);
    Label7 = makeLabel(QStringLiteral("Label7"), canvas);
    incidenceCaption = makeLabel(QStringLiteral("INCIDENCE ANGLE Γωνία πρόσπτωσης"), canvas);
    for (QWidget* w : {static_cast<QWidget*>(Label1), static_cast<QWidget*>(Label2),
                       static_cast<QWidget*>(energy), static_cast<QWidget*>(Label3),
                       static_cast<QWidget*>(Label4), static_cast<QWidget*>(Label5),
                       static_cast<QWidget*>(Label6), static_cast<QWidget*>(Label7),
                       static_cast<QWidget*>(incidenceCaption), static_cast<QWidget*>(reflected)})
        setControlFont(w, "Arial", 10);

    placeControls();
    connection_ = part_.changed.connect([this](InterpretationChange c) {
        if (c == InterpretationChange::Panel) showReadout();
        if (c == InterpretationChange::PanelPrint) showPrint();
    });
}

void rixotext::resizeEvent(QResizeEvent* e) {
    Form::resizeEvent(e);
    placeControls();
}

void rixotext::placeControls() {
    // Layout in twips, top to bottom: the ratio, the incidence and its text, the reflected
    // wave, the read-outs (the two amplitudes, the energy, the critical angle), Newton's value,
    // the particle window's text and the button; as wide as designed, or as the window where
    // it is narrower.
    const double left = 240, row = 330;
    const double width = std::clamp(canvas->width() * 15.0 - 2 * left, 3000.0, 8000.0);
    const double box = std::min(3400.0, 0.45 * width);
    placeTwips(Label4, left, 200, width, row);
    placeTwips(n1overn2, left, 560, width, row);
    placeTwips(incidenceCaption, left, 1050, width, row);
    placeTwips(prosptosi, left, 1410, width, row);
    placeTwips(Text1, left, 1850, width, 750);
    placeTwips(reflected, left, 2750, box, 360);
    placeTwips(Label3, left + box + 200, 2750, width - box - 200, 360);
    Label3->setAlignment(Qt::AlignLeft | Qt::AlignVCenter); // level with the check box's text
    placeTwips(Label1, left, 3250, width, row);
    placeTwips(Label2, left, 3600, width, row);
    placeTwips(energy, left, 3950, width, row);
    placeTwips(Label5, left, 4300, width, row);
    placeTwips(Label7, left, 4700, width, row);
    placeTwips(newtongtimi, left, 5060, width, row);
    // Label6 holds up to four lines: how to move Fermat's bodies and the time of their path.
    placeTwips(Label6, left, 5480, width, 1450);
    placeTwips(Command1, left, 7000, std::min(5200.0, width), 700);
    ShrinkToFit(Label3, 10, 7);
}

void rixotext::Form_Load() {
    placeOnScreen(); // beside the wave window, the right half of the screen
    Label4->setText(QStringLiteral("n2 του κάτω διά n1 του πάνω: n2/n1 = ") +
                    fmt(part_.ratio(), "0.00"));
    part_.panelLoaded();
}

void rixotext::showReadout() {
    const PanelReadout& p = part_.panel();
    Label1->setText(QString::fromStdString(p.Label1));
    Label2->setText(QString::fromStdString(p.Label2));
    energy->setText(QString::fromStdString(p.energy));
    for (const auto& [label, shown] :
         {std::pair{Label5, p.Label5}, {Label6, p.Label6}, {Label7, p.Label7}}) {
        label->setText(QString::fromStdString(shown.text));
        label->setVisible(shown.visible);
    }
    newtongtimi->setVisible(p.newtongtimi);
    const QString incidence = QString::fromStdString(p.Text1);
    if (Text1->Text() != incidence) Text1->setText(incidence);
}

void rixotext::showPrint() {
    // The refracted share of Descartes' particles, in a place of its own under the button.
    canvas->Cls();
    canvas->PrintAt(240, 7900, QString::fromStdString(part_.panel().print));
}

void rixotext::Command1_Click() { part_.wavesAndParticles(); }

void rixotext::n1overn2_Change() {
    Label4->setText(QStringLiteral("n2 του κάτω δια του n1 του πάνω: n2/n1 = ") +
                    fmt(n1overn2->value() / 100.0, "0.00"));
    part_.n1overn2_Change(n1overn2->value());
}

void rixotext::prosptosi_Change() { part_.prosptosi_Change(prosptosi->value()); }

void rixotext::newtongtimi_Change() { part_.newtongtimi_Change(newtongtimi->value()); }
