#include "waves/rixo.h"

#include "app/program.h"
#include "data/inpdat.h"
#include "particles/somata.h"
#include "shell/colours.h"
#include "shell/controls.h"
#include "shell/graph.h"
#include "shell/model/mathconst.h"
#include "shell/qformat.h"
#include "shell/shape.h"
#include "waves/model/interpretation.h"
#include "waves/rixotext.h"

#include <algorithm>

#include <QScrollBar>

rixo::rixo(Program& p) : Form("rixo", QStringLiteral("WAVES")), program(p) {
    Timer1 = addTimer([this] { Timer1_Timer(); }, 10, true);
    Shape1 = canvas->addShape(Shape::UnderInk, Shape::Rectangle);
    Shape1->setBackStyle(1);
    Shape1->setBackColor(RGB(255, 224, 192));
    Shape1->setFillStyle(Shape::Transparent);
    Shape1->setBorderStyle(0);

    Endof = addTopItem(QStringLiteral("BACK"));
    TIMERSTART = addTopItem(QStringLiteral("WAVE"));
    okitis1 = addTopItem(QStringLiteral("c=1"));
    okitis2 = addTopItem(QStringLiteral("c=2"));
    okitismiso = addTopItem(QStringLiteral("c=0,5"));
    aktina = addTopItem(QStringLiteral("RAY"));
    Telos = addTopItem(QStringLiteral("END"));
    onClick(Endof, [this] { Endof_Click(); });
    onClick(TIMERSTART, [this] { TIMERSTART_Click(); });
    onClick(okitis1, [this] { okitis1_Click(); });
    onClick(okitis2, [this] { okitis2_Click(); });
    onClick(okitismiso, [this] { okitismiso_Click(); });
    onClick(aktina, [this] { aktina_Click(); });
    onClick(Telos, [this] { Telos_Click(); });
}

void rixo::Form_Load() {
    Timer1->setEnabled(true);
    XEKINOXRONO();
}

void rixo::placeInTopLeftQuarter() {
    placeOnScreen();
    setBackColor(RGB(255, 255, 200));
}

void rixo::scaleFromScreen() {
    InterpretationState& s = program.interp;
    SetWaveScaleFromSize(s, program.screen.Width(), program.screen.Height());
    // The picture under the menu bar is a little less high than the screen's aspect gives:
    // it shows a little more than waveScaleW across, so that a unit is as long across as down
    // and every angle is drawn as the angle it is.
    const int wide = canvas->width(), high = canvas->height();
    s.wavePictureRight =
        wide > 0 && high > 0 ? std::max(s.waveScaleW, s.waveScaleH * wide / high) : s.waveScaleW;
    canvas->Scale(0, s.waveScaleH, s.wavePictureRight, 0);
    // The lower medium fills the lower half of the picture.
    Shape1->move(canvas->ScaleLeft(), s.waveScaleH / 2, canvas->ScaleWidth(),
                 std::fabs(canvas->ScaleHeight()) / 2);
}

void rixo::XEKINOXRONO() {
    InterpretationState& s = program.interp;
    s.waveTime = 0;
    placeInTopLeftQuarter();
    // The panel loads the first time it is read, and places itself beside this window's
    // width: so it is read only once this window has its place.
    ::rixotext& panel = program.forms.rixotext();
    s.speedC1 = s.speedC2 = s.speedChoice;
    scaleFromScreen();
    s.lambda1 = 100;
    s.incDeg = panel.prosptosi->value();
    SetUpRefraction(s, RefractionMode::Lowering);
    const Amplitudes a = FresnelAmplitudes(s, true);
    panel.showAmplitudes(QStringLiteral("REFLECTED Ανακλώμενο= "),
                         QStringLiteral("REFRACTED Διαθλώμενο= "), a);
    panel.Text1->setText(QString::fromStdString(IncidenceText(s, false)));
    DrawWaveScene();
    Timer1->setEnabled(true);
}

void rixo::setUpFrame() {
    InterpretationState& s = program.interp;
    ::rixotext& panel = program.forms.rixotext();
    s.speedC1 = s.speedChoice;
    s.speedC2 = s.speedC1 / panel.ratio();
    s.lambda1 = 100;
    s.tickStep = (100 / s.speedC1) / 10;
    panel.showCriticalAngle(QStringLiteral("κρίσιμη γωνία= "));
    SetUpRefraction(s, RefractionMode::Clamping, panel.prosptosi->value(), true);
}

void rixo::drawFrame() {
    InterpretationState& s = program.interp;
    ::rixotext& panel = program.forms.rixotext();
    const Amplitudes a = FresnelAmplitudes(s);
    panel.showAmplitudes(QStringLiteral("REFLECTED Ανακλώμενο % = "),
                         QStringLiteral("REFRACTED Διαθλώμενο % = "), a);
    // Each frame is drawn afresh over the media: the fronts move with no trail behind them.
    canvas->Cls();
    DrawModelDrawing(*canvas, WaveFrame(s, a, panel.reflected->Value() == 1));
}

void rixo::DrawWaveScene() {
    InterpretationState& s = program.interp;
    ::rixotext& panel = program.forms.rixotext();
    Show();
    scaleFromScreen();
    setUpFrame();
    StartWaveFronts(s);
    drawFrame();
    panel.Text1->setText(QString::fromStdString(IncidenceText(s, true)));
}

void rixo::Timer1_Timer() {
    InterpretationState& s = program.interp;
    scaleFromScreen(); // each tick in the wave window's own scale, as the scene sets it up
    setUpFrame();
    // The fronts follow the present gap and shift, at the clock as it stands.
    const double clock = s.waveTime;
    StartWaveFronts(s);
    s.waveTime = clock;
    drawFrame();
    if (!AdvanceWaveClock(s, Timer1->Interval())) Timer1->setEnabled(false);
}

void rixo::TIMERSTART_Click() {
    program.forms.rixotext().hideNewtonControls();
    XEKINOXRONO();
}

void rixo::aktina_Click() {
    program.interp.waveTime = 0;
    Timer1->setEnabled(false);
    program.forms.rixotext().hideNewtonControls();
    aktinasxedio();
}

void rixo::okitis1_Click() { program.interp.speedChoice = 1; }
void rixo::okitis2_Click() { program.interp.speedChoice = 2; }
void rixo::okitismiso_Click() { program.interp.speedChoice = 0.5; }

void rixo::aktinasxedio() {
    InterpretationState& s = program.interp;
    ::rixotext& panel = program.forms.rixotext();
    panel.Label1->show();
    panel.Label2->show();
    canvas->Cls();
    scaleFromScreen();
    s.incDeg = panel.prosptosi->value();
    s.incRad = s.incDeg * PI / 180;
    panel.showCriticalAngle(QStringLiteral("criticalγωνία ="));
    SetUpRefraction(s, RefractionMode::Clamping, panel.prosptosi->value(), true);
    const Amplitudes a = FresnelAmplitudes(s);
    panel.showAmplitudes(QStringLiteral("REFLECTED Ανακλώμενο= "),
                         QStringLiteral("REFRACTED Διαθλώμενο= "), a);
    canvas->DrawWidth = 1;
    DrawModelDrawing(*canvas, RayPicture(s, a));
    panel.Text1->setText(QString::fromStdString(IncidenceText(s, true)));
}

void rixo::Endof_Click() {
    ::inpdat& data = program.forms.inpdat();
    data.Show();
    program.forms.somata().stopTimers();
    Timer1->setEnabled(false);
    program.forms.rixotext().stopTimers();
    // BACK leaves the interpretation as a whole: the panel and the particle window would
    // otherwise stay over the data window's graphs with nothing to drive them.
    Hide();
    program.forms.rixotext().Hide();
    program.forms.somata().Hide();
    data.Show();
}

void rixo::Telos_Click() { program.End(); }
