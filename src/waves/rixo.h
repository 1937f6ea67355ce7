#pragma once
class Program;
#include "shell/form.h"

class Shape;
class Timer;

// Window "WAVES": plane wave fronts crossing the horizontal surface between two media, as an
// animation, or the still ray picture of the same refraction. The ratio of indices and the
// incidence come from the panel rixotext; the speed of the upper medium from the menus.
class rixo : public Form {
    Q_OBJECT
public:
    Program& program; // until the window reads only its own part
    explicit rixo(Program& program);

    Timer* Timer1;   // the animation's clock, 10 ms
    Shape* Shape1;   // the lower medium, under the fronts
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

    // Starts the wave animation: the window in the top-left quarter, both media alike for the
    // set-up, then the scene at clock 0 and the clock running.
    void XEKINOXRONO();
    // The still ray picture: ten incident rays, and as many refracted and reflected rays as
    // the amplitude coefficients in tenths.
    void aktinasxedio();
    // The wave scene at clock 0 with the panel's ratio and incidence (the set-up, the labels
    // and the first frame).
    void DrawWaveScene();
    // The window's place and colour as the animation sets them.
    void placeInTopLeftQuarter();
    // waveScaleW, waveScaleH from the screen, and the window's scale (0, waveScaleH) at the top
    // left to (wavePictureRight, 0).
    void scaleFromScreen();

private:
    // Steps shared by the scene and the tick: c1 and c2 from the speed and the panel's ratio,
    // the critical angle label, the clamping set-up, the amplitudes and their labels.
    void setUpFrame();
    // Clears the picture and draws the fronts at the present clock.
    void drawFrame();
};
