// The interpretation's operations: each runs the steps of one handler of the wave window, the
// panel or the particle window, keeps what the others read, and tells the windows.
#include "waves/model/interpretation_part.h"

#include <algorithm>

#include "shell/model/mathconst.h"
#include "shell/model/numfmt.h"

using Change = InterpretationChange;

double Interpretation::incRad() const { return incDeg_ * PI / 180; }

// ---- The panel --------------------------------------------------------------------------

void Interpretation::panelLoaded() {
    for (PanelLabel* label : {&panel_.Label5, &panel_.Label6, &panel_.Label7})
        label->visible = false;
    panel_.newtongtimi = false;
    panel_.Label7.text = "Σταθερά Newton= " + Format(ratio(), "0.00");
    showPanel();
    changed.notify(Change::NewtonOneLayer);
}

void Interpretation::wavesAndParticles() {
    panelTime_ = 0;
    speedChoice_ = 0.25;
    speedC1_ = speedC2_ = 0.25;
    incDeg_ = prosptosi_;
    const Refraction alike = SetUpRefraction(speedC1_, speedC2_, incDeg_, RefractionMode::Lowering);
    incDeg_ = alike.incDeg;
    showAmplitudes("REFLECTED Ανακλώμενο= ", "REFRACTED Διαθλώμενο= ", FresnelAmplitudes(alike));
    panel_.Text1 = IncidenceText(alike, false);
    drawWaveScene();
    // Newton's particles along the ticked track, beside the fronts, and the fronts' clock.
    changed.notify(Change::NewtonStream);
    changed.notify(Change::WaveClock);
}

void Interpretation::n1overn2_Change(int value) {
    n1overn2_ = value;
    if (!(speedC1_ > 0)) speedC1_ = speedChoice_;
    speedC2_ = speedC1_ / ratio();
    showCriticalAngle("Κρίσιμη γωνία= ");
    rayPicture();
    changed.notify(Change::PanelMoved);
}

void Interpretation::prosptosi_Change(int value) {
    prosptosi_ = value;
    incDeg_ = value;
    if (!(speedC1_ > 0)) speedC1_ = speedChoice_;
    speedC2_ = speedC1_ / ratio();
    showCriticalAngle("Κρίσιμη γωνία= ");
    // The angles as the wave scene clamps them, but never moved off 90 degrees here.
    waves_ = SetUpRefraction(speedC1_, speedC2_, incDeg_, RefractionMode::Clamping, value, false);
    incDeg_ = waves_.incDeg;
    panel_.Text1 = IncidenceText(waves_, true);
    showAmplitudes("REFLECTED Ανακλώμενο = ", "REFRACTED Διαθλώμενο = ", FresnelAmplitudes(waves_));
    showPanel();
    changed.notify(Change::RayPicture);
    changed.notify(Change::PanelMoved);
}

void Interpretation::newtongtimi_Change(int value) {
    newtongtimi_ = value;
    changed.notify(Change::PanelMoved);
}

void Interpretation::showAmplitudes(const char* reflectedCaption, const char* refractedCaption,
                                    const Amplitudes& a) {
    panel_.Label1 = reflectedCaption + Format(a.reflectedPercent, "0.00");
    panel_.Label2 = refractedCaption + Format(a.refractedPercent, "0.00");
    panel_.energy = "ENERGY ΕΝΕΡΓΕΙΑ: reflected " + Format(a.reflectedEnergyPercent, "0.00") +
                    " %  refracted " + Format(a.refractedEnergyPercent, "0.00") + " %";
}

void Interpretation::showCriticalAngle(const char* caption) {
    const std::optional<double> critical = CriticalAngleDeg(speedC1_, speedC2_);
    panel_.Label5.visible = critical.has_value();
    if (critical) panel_.Label5.text = caption + Format(*critical, "0.00");
}

void Interpretation::hideNewtonControls() {
    panel_.newtongtimi = panel_.Label7.visible = panel_.Label6.visible = false;
    showPanel();
}

void Interpretation::showNewtonControls() {
    panel_.Label6.visible = false;
    panel_.newtongtimi = panel_.Label7.visible = true;
    showPanel();
}

void Interpretation::hideNewtonValue() {
    panel_.newtongtimi = panel_.Label7.visible = false;
    showPanel();
}

void Interpretation::startFermat() {
    panel_.Label6.visible = true;
    hideNewtonValue();
}

void Interpretation::showLabel6(const std::string& text) {
    panel_.Label6 = {text, true};
    showPanel();
}

// ---- The wave window --------------------------------------------------------------------

void Interpretation::setWaveSurface(double screenWidth, double screenHeight, int pictureWide,
                                    int pictureHigh) {
    if (const auto size = ScaleOfSize(screenWidth, screenHeight)) waveSize_ = *size;
    pictureWide_ = pictureWide;
    pictureHigh_ = pictureHigh;
}

WaveScale Interpretation::waveScale() const {
    // The picture under the menu bar is a little less high than the screen's aspect gives:
    // it shows a little more than waveScaleW across, so that a unit is as long across as down
    // and every angle is drawn as the angle it is.
    const double W = waveSize_.W, H = waveSize_.H;
    const bool sized = pictureWide_ > 0 && pictureHigh_ > 0;
    return {W, H, sized ? std::max(W, H * pictureWide_ / pictureHigh_) : W};
}

void Interpretation::startWaves() {
    waveTime_ = 0;
    speedC1_ = speedC2_ = speedChoice_;
    incDeg_ = prosptosi_;
    const Refraction alike = SetUpRefraction(speedC1_, speedC2_, incDeg_, RefractionMode::Lowering);
    incDeg_ = alike.incDeg;
    showAmplitudes(
        "REFLECTED Ανακλώμενο= ", "REFRACTED Διαθλώμενο= ", FresnelAmplitudes(alike, true));
    panel_.Text1 = IncidenceText(alike, false);
    drawWaveScene();
}

void Interpretation::setUpFrame() {
    speedC1_ = speedChoice_;
    speedC2_ = speedC1_ / ratio();
    showCriticalAngle("κρίσιμη γωνία= ");
    waves_ =
        SetUpRefraction(speedC1_, speedC2_, incDeg_, RefractionMode::Clamping, prosptosi_, true);
    incDeg_ = waves_.incDeg;
    showAmplitudes(
        "REFLECTED Ανακλώμενο % = ", "REFRACTED Διαθλώμενο % = ", FresnelAmplitudes(waves_));
}

void Interpretation::drawWaveScene() {
    setUpFrame();
    waveTime_ = 0;
    panel_.Text1 = IncidenceText(waves_, true);
    showPanel();
    changed.notify(Change::WaveScene);
}

bool Interpretation::waveTick(int intervalMs) {
    setUpFrame();
    showPanel();
    changed.notify(Change::WaveFrame);
    const std::optional<double> next = AdvanceWaveClock(waves_, waveScale(), waveTime_, intervalMs);
    waveTime_ = next.value_or(0);
    return next.has_value();
}

void Interpretation::rayPicture() {
    incDeg_ = prosptosi_;
    showCriticalAngle("criticalγωνία =");
    waves_ =
        SetUpRefraction(speedC1_, speedC2_, incDeg_, RefractionMode::Clamping, prosptosi_, true);
    incDeg_ = waves_.incDeg;
    showAmplitudes("REFLECTED Ανακλώμενο= ", "REFRACTED Διαθλώμενο= ", FresnelAmplitudes(waves_));
    panel_.Text1 = IncidenceText(waves_, true);
    showPanel();
    changed.notify(Change::RayPicture);
}

void Interpretation::showRays() {
    waveTime_ = 0;
    hideNewtonControls();
    rayPicture();
}

Drawing Interpretation::waveFrame() const {
    return WaveFrame(waves_, FresnelAmplitudes(waves_), waveScale(), waveTime_, reflected_);
}

Drawing Interpretation::rayDrawing() const {
    return RayPicture(waves_, FresnelAmplitudes(waves_), waveScale());
}

// ---- The particle window ----------------------------------------------------------------

void Interpretation::setParticleWindowSize(double width, double height) {
    if (const auto size = ScaleOfSize(width, height)) particleScale_ = *size;
}

ParticleSetUp Interpretation::particleSetUp(bool timerCaption) {
    const ParticleSetUp set = ParticleRefraction(ratio(), prosptosi_, timerCaption);
    incDeg_ = set.incDeg;
    panel_.Label5.visible = set.label5.has_value();
    if (set.label5) panel_.Label5.text = *set.label5;
    showPanel();
    return set;
}

NewtonSlab Interpretation::newtonScene(bool parallel, double pictureRight) {
    const NewtonInputs in{ratio(),  double(prosptosi_), newtongtimi_,
                          scaleW(), scaleH(),           pictureRight};
    NewtonSlab scene;
    if (parallel)
        scene = NewtonParallel(in);
    else
        static_cast<NewtonScene&>(scene) = NewtonOneLayer(in);
    if (scene.incDeg) {
        incDeg_ = *scene.incDeg;
        waveTime_ = 0;
    }
    tracks_ = std::move(scene.tracks);
    firstPoints_ = scene.firstPoints;
    secondPoints_ = scene.secondPoints;
    panel_.Label7.text = scene.label7;
    if (!parallel) {
        panel_.Label5.visible = scene.label5.has_value();
        if (scene.label5) panel_.Label5.text = *scene.label5;
    }
    showPanel();
    return scene;
}

std::array<NewtonPlace, kDescartesParticles + 1> Interpretation::newtonTick() {
    const ParticleSetUp set = particleSetUp(true);
    const int refracted = ParticleSplit(set, ratio(), false).refracted;
    std::array<NewtonPlace, kDescartesParticles + 1> places{};
    for (int i = 1; i <= kDescartesParticles; ++i)
        places[i] = NewtonParticle(tracks_, i, panelTime_, refracted, firstPoints_, secondPoints_);
    panelTime_ += 3;
    // Once the last particle has left the picture the stream starts again.
    if (panelTime_ > NewtonStreamEnd(refracted, firstPoints_, secondPoints_)) panelTime_ = 0;
    return places;
}

const DescartesStream& Interpretation::startDescartes() {
    const ParticleSetUp set = particleSetUp(false);
    descartes_ = StartDescartes(set, scaleW(), scaleH());
    panel_.print = "nrefra= " + Format(ParticleSplit(set, ratio(), true).refracted, "0.00");
    changed.notify(Change::PanelPrint);
    return descartes_;
}

const DescartesStream& Interpretation::descartesTick(int intervalMs, const StreamFrame& frame) {
    const ParticleSetUp set = particleSetUp(false);
    StepDescartes(descartes_, set, scaleH(), ratio(), ParticleSplit(set, ratio(), true),
                  intervalMs);
    if (DescartesGone(descartes_, frame))
        descartes_ = StartDescartes(set, scaleW(), scaleH()); // again
    return descartes_;
}

void Interpretation::stopStreams() {
    panelTime_ = 0;
    descartes_.clock = 0;
}

void Interpretation::takeFermatLaw(FermatLaw law) {
    speedC2_ = FermatSpeed2(law, fermatC1(), ratio(), speedC2_);
}
