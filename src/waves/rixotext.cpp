#include "waves/rixotext.h"

#include "app/program.h"
#include "particles/somata.h"
#include "shell/colours.h"
#include "shell/graph.h"
#include "shell/layoutcheck.h"
#include "shell/model/mathconst.h"
#include "shell/qformat.h"
#include "waves/model/interpretation.h"
#include "waves/rixo.h"

#include <algorithm>
#include <cmath>

rixotext::rixotext(Program& p)
    : Form("rixotext", QStringLiteral("REFLECTED AND REFRACTED ANAKΛΩMENH KAI ΔIAΘΛΩMENH")), program(p) {
    Command1 = new CommandButton(QStringLiteral("WAVES AND PARTICLES KYMATA KAI ΣΩMATIΔIA"), canvas);
    setControlFont(Command1, "Times New Roman", 10);
    Command1->Click = [this] { Command1_Click(); };
    n1overn2 = makeHScroll(canvas, 50, 300, 150, 1, 50, [this] { n1overn2_Change(); });
    prosptosi = makeHScroll(canvas, 1, 90, 30, 1, 5, [this] { prosptosi_Change(); });
    newtongtimi = makeHScroll(canvas, 1, 10, 1, 1, 2, [this] { newtongtimi_Change(); });
    reflected = new CheckBox(QStringLiteral("REFLECTED WAVE"), canvas);
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
    Label4->setText(QStringLiteral("n2 του κάτω διά n1 του πάνω: n2/n1 = ") + fmt(ratio(), "0.00"));
    for (QWidget* w : {static_cast<QWidget*>(Label5), static_cast<QWidget*>(Label6),
                       static_cast<QWidget*>(Label7), static_cast<QWidget*>(newtongtimi)})
        w->hide();
    Label7->setText(QStringLiteral("Σταθερά Newton= ") + fmt(ratio(), "0.00"));
    program.forms.somata().drawNewton(false);
}

void rixotext::showAmplitudes(const QString& reflectedCaption, const QString& refractedCaption,
                              const Amplitudes& a) {
    Label1->setText(reflectedCaption + fmt(a.reflectedPercent, "0.00"));
    Label2->setText(refractedCaption + fmt(a.refractedPercent, "0.00"));
    energy->setText(QStringLiteral("ENERGY ΕΝΕΡΓΕΙΑ: reflected ") +
                    fmt(a.reflectedEnergyPercent, "0.00") + QStringLiteral(" %  refracted ") +
                    fmt(a.refractedEnergyPercent, "0.00") + QStringLiteral(" %"));
}

void rixotext::showCriticalAngle(const QString& caption) {
    const InterpretationState& s = program.interp;
    const std::optional<double> critical = CriticalAngleDeg(s.speedC1, s.speedC2);
    if (!critical) {
        Label5->hide();
        return;
    }
    Label5->show();
    Label5->setText(caption + fmt(*critical, "0.00"));
}

void rixotext::hideNewtonControls() {
    newtongtimi->hide();
    Label7->hide();
    Label6->hide();
}

void rixotext::redrawNewtonScene() { program.forms.somata().panelChanged(); }

void rixotext::Command1_Click() {
    InterpretationState& s = program.interp;
    ::rixo& waves = program.forms.rixo();
    s.panelTime = 0;
    waves.placeInTopLeftQuarter();
    s.speedChoice = 0.25;
    s.speedC1 = s.speedC2 = 0.25;
    waves.scaleFromScreen();
    s.lambda1 = 100;
    s.incDeg = prosptosi->value();
    SetUpRefraction(s, RefractionMode::Lowering);
    showAmplitudes(QStringLiteral("REFLECTED Ανακλώμενο= "), QStringLiteral("REFRACTED Διαθλώμενο= "),
                   FresnelAmplitudes(s));
    Text1->setText(QString::fromStdString(IncidenceText(s, false)));
    waves.DrawWaveScene();
    // Newton's particles along the ticked track, beside the fronts.
    program.forms.somata().startNewtonStream();
    waves.Timer1->setInterval(10);
    waves.Timer1->setEnabled(true);
}

void rixotext::n1overn2_Change() {
    InterpretationState& s = program.interp;
    ::rixo& waves = program.forms.rixo();
    waves.canvas->Cls();
    Label4->setText(QStringLiteral("n2 του κάτω δια του n1 του πάνω: n2/n1 = ") +
                    fmt(ratio(), "0.00"));
    if (!(s.speedC1 > 0)) s.speedC1 = s.speedChoice;
    s.speedC2 = s.speedC1 / ratio();
    showCriticalAngle(QStringLiteral("Κρίσιμη γωνία= "));
    waves.aktinasxedio();
    redrawNewtonScene();
}

void rixotext::prosptosi_Change() {
    InterpretationState& s = program.interp;
    ::rixo& waves = program.forms.rixo();
    waves.canvas->Cls();
    s.incDeg = prosptosi->value();
    if (!(s.speedC1 > 0)) s.speedC1 = s.speedChoice;
    s.speedC2 = s.speedC1 / ratio();
    showCriticalAngle(QStringLiteral("Κρίσιμη γωνία= "));
    // The angles as the wave scene clamps them, but never moved off 90 degrees here.
    s.incRad = s.incDeg * PI / 180;
    SetUpRefraction(s, RefractionMode::Clamping, prosptosi->value(), false);
    const Amplitudes a = FresnelAmplitudes(s);
    waves.scaleFromScreen();
    waves.canvas->DrawWidth = 1;
    DrawModelDrawing(*waves.canvas, RayPicture(s, a));
    Text1->setText(QString::fromStdString(IncidenceText(s, true)));
    showAmplitudes(QStringLiteral("REFLECTED Ανακλώμενο = "),
                   QStringLiteral("REFRACTED Διαθλώμενο = "), a);
    redrawNewtonScene();
}

void rixotext::newtongtimi_Change() { redrawNewtonScene(); }
