#pragma once
#include "shell/form.h"
#include "waves/model/interpretation_part.h"

class Shape;
class Timer;
struct Screen;

// Window "WAVES": plane wave fronts crossing the horizontal surface between two media, as an
// animation, or the still ray picture of the same refraction. It shows its part, the
// interpretation: the ratio of indices and the incidence are the panel's there, the speed of
// the upper medium is this window's menus'.
class rixo : public Form {
    Q_OBJECT
public:
    rixo(Interpretation& part, const Screen& screen);

    Timer* Timer1;       // the animation's clock, 10 ms
    Shape* Shape1;       // the lower medium, under the fronts
    QAction* Endof;      // "BACK"
    QAction* TIMERSTART; // "WAVE"
    QAction* okitis1;    // "c=1"
    QAction* okitis2;    // "c=2"
    QAction* okitismiso; // "c=0,5"
    QAction* aktina;     // "RAY"
    QAction* Telos;      // "END"

    void Form_Load() override;
    void TIMERSTART_Click();
    void aktina_Click();
    void okitis1_Click();
    void okitis2_Click();
    void okitismiso_Click();
    void Endof_Click();
    void Telos_Click();
    void Timer1_Timer();

    // Starts the wave animation: both media alike for the set-up, then the scene at clock 0
    // in the top-left quarter and the clock running.
    void XEKINOXRONO();
    // The still ray picture: ten incident rays, and as many refracted and reflected rays as
    // the amplitude coefficients in tenths.
    void aktinasxedio();
    // The wave scene at clock 0 with the panel's ratio and incidence.
    void DrawWaveScene();
    // What the part asks of this window: a scene, a frame, the ray picture, the clock.
    void answer(InterpretationChange change);

private:
    // The window's place and colour as the animation sets them.
    void placeInTopLeftQuarter();
    // The wave scale from the screen, and the window's scale (0, waveScaleH) at the top left
    // to (wavePictureRight, 0); the lower medium under the lower half.
    void scaleFromScreen();
    // The picture afresh: Cls, then the drawing.
    void drawAfresh(const Drawing& drawing);

    Interpretation& part_;
    const Screen& screen_;
    Observable<InterpretationChange>::Connection connection_;
};
