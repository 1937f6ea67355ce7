#include "waves/rixo.h"

#include "shell/colours.h"
#include "shell/controls.h"
#include "shell/graph.h"
#include "shell/screen.h"
#include "shell/shape.h"

#include <cmath>

rixo::rixo(Interpretation& part, const Screen& screen)
    : Form("rixo", QStringLiteral("WAVES")), part_(part), screen_(screen) {
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
    connection_ = part_.changed.connect([this](InterpretationChange c) { answer(c); });
}

void rixo::Form_Load() {
    Timer1->setEnabled(true);
    XEKINOXRONO();
}

void rixo::answer(InterpretationChange change) {
    switch (change) {
    case InterpretationChange::WaveScene:
        placeInTopLeftQuarter();
        Show();
        scaleFromScreen();
        drawAfresh(part_.waveFrame());
        break;
    case InterpretationChange::WaveFrame: // in the scale the tick has just taken
        drawAfresh(part_.waveFrame());
        break;
    case InterpretationChange::RayPicture:
        canvas->Cls();
        scaleFromScreen();
        canvas->DrawWidth = 1;
        DrawModelDrawing(*canvas, part_.rayDrawing());
        break;
    case InterpretationChange::WaveClock:
        Timer1->setInterval(10);
        Timer1->setEnabled(true);
        break;
    default:
        break;
    }
}

void rixo::placeInTopLeftQuarter() {
    placeOnScreen();
    setBackColor(RGB(255, 255, 200));
}

void rixo::scaleFromScreen() {
    part_.setWaveSurface(screen_.Width(), screen_.Height(), canvas->width(), canvas->height());
    const WaveScale scale = part_.waveScale();
    canvas->Scale(0, scale.H, scale.right, 0);
    // The lower medium fills the lower half of the picture.
    Shape1->move(canvas->ScaleLeft(), scale.H / 2, canvas->ScaleWidth(),
                 std::fabs(canvas->ScaleHeight()) / 2);
}

void rixo::drawAfresh(const Drawing& drawing) {
    // Each picture is drawn afresh over the media: the fronts move with no trail behind them.
    canvas->Cls();
    DrawModelDrawing(*canvas, drawing);
}

void rixo::XEKINOXRONO() {
    part_.startWaves();
    Timer1->setEnabled(true);
}

void rixo::DrawWaveScene() { part_.drawWaveScene(); }

void rixo::Timer1_Timer() {
    scaleFromScreen(); // each tick in the wave window's own scale
    if (!part_.waveTick(Timer1->Interval())) Timer1->setEnabled(false);
}

void rixo::TIMERSTART_Click() {
    part_.hideNewtonControls();
    XEKINOXRONO();
}

void rixo::aktina_Click() {
    Timer1->setEnabled(false);
    part_.showRays();
}

void rixo::okitis1_Click() { part_.setSpeedChoice(1); }
void rixo::okitis2_Click() { part_.setSpeedChoice(2); }
void rixo::okitismiso_Click() { part_.setSpeedChoice(0.5); }

void rixo::aktinasxedio() { part_.rayPicture(); }

void rixo::Endof_Click() {
    ShowWindow(QStringLiteral("inpdat"));
    // BACK leaves the interpretation as a whole, every clock stopped: the panel and the
    // particle window would otherwise stay over the data window's graphs with nothing to
    // drive them.
    Timer1->setEnabled(false);
    Hide();
    HideWindow(QStringLiteral("rixotext"));
    HideWindow(QStringLiteral("somata"));
    ShowWindow(QStringLiteral("inpdat"));
}

void rixo::Telos_Click() { End(); }
