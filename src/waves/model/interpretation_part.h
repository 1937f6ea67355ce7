#pragma once
#include <array>
#include <string>

#include "particles/model/fermat.h"
#include "particles/model/particles.h"
#include "shell/model/observer.h"
#include "waves/model/interpretation.h"
#include "waves/model/newton.h"

// What changed, for the windows of the interpretation: the panel's read-outs, or what one
// window asks of another (each window answers its own).
enum class InterpretationChange {
    Panel,          // the panel's read-outs: labels, text box (the panel shows them)
    PanelPrint,     // the particle window's print on the panel, "nrefra= ..." (the panel)
    WaveScene,      // a new wave scene: the wave window to its place, shown, the fronts drawn
    WaveFrame,      // the fronts at the present clock, drawn afresh (the wave window)
    RayPicture,     // the ray picture, drawn afresh (the wave window)
    WaveClock,      // the wave window's clock runs, at 10 ms
    NewtonOneLayer, // Newton's one-layer track (the particle window; the panel's first load)
    PanelMoved,     // the ratio, incidence or Newton value moved: the particle window redraws
    NewtonStream,   // Newton's particles start (the particle window)
};

// One of the panel's labels as the other windows leave it.
struct PanelLabel {
    std::string text;
    bool visible = false;
};

// What the wave and particle windows write on the panel rixotext. Labels without a designed
// caption carry their own name until written.
struct PanelReadout {
    std::string Label1 = "Label1", Label2 = "Label2"; // reflected and refracted amplitudes
    std::string energy;                               // how the energy divides, under them
    std::string Text1;                                // the incidence text
    PanelLabel Label5{"Label5"};                      // the critical angle
    PanelLabel Label6{"Label6"};                      // Fermat's path and its time
    PanelLabel Label7{"Label7"};                      // the layer's thickness
    bool newtongtimi = false;                         // Newton's value shown
    std::string print;                                // "nrefra= 7.00"
};

// The part of the interpretation: the wave window rixo, the panel rixotext, the particle
// window somata with Fermat's bodies. It keeps the panel's scroll bars and check box as its
// inputs, the speeds and the incidence the scenes set up, the clocks, Newton's tracks and
// Descartes' particles; it computes the scenes, writes what the panel shows, and tells its
// windows what changed and what one asks of another. The wave scene and the particle scenes
// keep apart what would move each other's drawing: each has its own scale.
class Interpretation {
public:
    Observable<InterpretationChange> changed;

    // ---- The panel's inputs and read-outs
    int n1overn2() const { return n1overn2_; }       // R: n2/n1 = R / 100, 50 to 300
    int prosptosi() const { return prosptosi_; }     // incidence, degrees, 1 to 90
    int newtongtimi() const { return newtongtimi_; } // Newton's value, 1 to 10
    bool reflected() const { return reflected_; }    // "REFLECTED WAVE" ticked
    double ratio() const { return n1overn2_ / 100.0; }
    const PanelReadout& panel() const { return panel_; }
    void setReflected(bool on) { reflected_ = on; }
    // The panel's handlers: its load, "WAVES AND PARTICLES", and its three scroll bars.
    void panelLoaded();
    void wavesAndParticles();
    void n1overn2_Change(int value);
    void prosptosi_Change(int value);
    void newtongtimi_Change(int value);

    // ---- The speeds and the incidence as the last set-up left them
    double speedChoice() const { return speedChoice_; } // the menus' speed of the upper medium
    void setSpeedChoice(double c) { speedChoice_ = c; }
    double speedC1() const { return speedC1_; }
    double speedC2() const { return speedC2_; }
    double incDeg() const { return incDeg_; }
    double incRad() const;

    // ---- The wave window
    // Its scale from the screen (waveScaleW x waveScaleH) and the picture's size in pixels,
    // whose aspect decides how far the picture reaches (wavePictureRight).
    void setWaveSurface(double screenWidth, double screenHeight, int pictureWide, int pictureHigh);
    WaveScale waveScale() const;
    double waveTime() const { return waveTime_; }
    const Refraction& waveRefraction() const { return waves_; }
    // XEKINOXRONO: both media alike for the start's own read-outs, then the wave scene at clock 0.
    void startWaves();
    // DrawWaveScene: the set-up with the panel's ratio, the clock at 0, the first frame.
    void drawWaveScene();
    // One tick: the set-up again, the frame, the clock step; false once the run has ended
    // (the clock is back at 0).
    bool waveTick(int intervalMs);
    // aktinasxedio: the ray picture with the panel's incidence.
    void rayPicture();
    // "RAY": the clock at 0, Newton's controls hidden, the ray picture.
    void showRays();
    // The fronts run again from where they stand (the data window's INTERPRETATION).
    void runWaveClock() { changed.notify(InterpretationChange::WaveClock); }
    // What the wave window shows: the fronts at the clock, or the ray picture.
    Drawing waveFrame() const;
    Drawing rayDrawing() const;

    // ---- The particle window
    // Its scale from its size (scaleW x scaleH; a size that is none keeps the last scale).
    void setParticleWindowSize(double width, double height);
    double scaleW() const { return particleScale_.W; }
    double scaleH() const { return particleScale_.H; }
    double panelTime() const { return panelTime_; }
    const NewtonTracks& tracks() const { return tracks_; }
    // The refraction set-up of the particle models with the panel's ratio and incidence; the
    // critical angle on the panel.
    ParticleSetUp particleSetUp(bool timerCaption);
    // Newton's track through one layer or a slab for the particle window's picture reaching to
    // pictureRight: the tracks kept, the thickness (and for one layer the critical angle) on
    // the panel, the wave clock at 0.
    NewtonSlab newtonScene(bool parallel, double pictureRight);
    // Newton's stream from its start, and one tick of it: the places of particles 1 to 30.
    void restartNewtonStream() { panelTime_ = 0; }
    std::array<NewtonPlace, kDescartesParticles + 1> newtonTick();
    // Descartes' stream from its start (its share of refracted particles printed on the
    // panel), and one tick of it in the picture `frame`.
    const DescartesStream& startDescartes();
    const DescartesStream& descartesTick(int intervalMs, const StreamFrame& frame);
    // "STOP": both clocks at 0.
    void stopStreams();
    // c1 for Fermat's bodies, and c2 for the law ticked under "FERMAT'S PRINCIPLE".
    double fermatC1() const { return speedC1_ > 0 ? speedC1_ : speedChoice_; }
    void takeFermatLaw(FermatLaw law);

    // ---- The panel's labels as the windows set them
    void hideNewtonControls();                // newtongtimi, Label7 and Label6 hidden
    void showNewtonControls();                // newtongtimi and Label7 shown, Label6 hidden
    void hideNewtonValue();                   // newtongtimi and Label7 hidden
    void startFermat();                       // Label6 shown, newtongtimi and Label7 hidden
    void showLabel6(const std::string& text); // Fermat's caption, shown

private:
    void setUpFrame();
    void showAmplitudes(const char* reflectedCaption, const char* refractedCaption,
                        const Amplitudes& a);
    void showCriticalAngle(const char* caption);
    void showPanel() { changed.notify(InterpretationChange::Panel); }

    int n1overn2_ = 150, prosptosi_ = 30, newtongtimi_ = 1;
    bool reflected_ = false;
    PanelReadout panel_;

    double speedChoice_ = 1.0, speedC1_ = 0, speedC2_ = 0;
    double incDeg_ = 0; // the scenes' incidence as it stands: the wave scene's clamping reads it

    SceneSize waveSize_; // waveScaleW x waveScaleH
    int pictureWide_ = 0, pictureHigh_ = 0;
    Refraction waves_; // the wave window's last set-up
    double waveTime_ = 0;

    SceneSize particleScale_;
    NewtonTracks tracks_;
    int firstPoints_ = 0, secondPoints_ = 0;
    double panelTime_ = 0;
    DescartesStream descartes_;
};
