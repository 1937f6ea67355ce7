#pragma once
#include <array>
#include <vector>

// Shared state of the interpretation windows: the wave window, its panel and the particle
// window read and write it (speeds, angles, wave quantities, the track arrays). Every value is
// a double. Angles are measured from the vertical normal of the horizontal surface.
struct InterpretationState {
    static constexpr int kFrontSlots = 51;     // frontStart ... frontShift: indices 0 to 50
    static constexpr int kTrackSlots = 15001;  // trackA ... trackD: indices 0 to 15000
    static constexpr int kParticleSlots = 54;  // particleStepA/B: one per particle soma(0..53)

    double speedChoice = 1.0; // speed chosen for the upper medium
    double speedC1 = 0;       // wave speed c1 in the upper medium
    double speedC2 = 0;       // wave speed c2 in the lower medium
    double incDeg = 0;        // incidence, degrees
    double incRad = 0;        // incidence, radians
    double refrRad = 0;       // refraction, radians; PI/2 when there is no refracted wave
    bool refractedWave = true; // the last set-up found a refracted wave
    double tanInc = 0, tanRefr = 0;
    double lambda1 = 0, lambda2 = 0;         // wavelengths above and below
    double frontSpeed1 = 0, frontSpeed2 = 0; // c / cos(angle); frontSpeed2 0 without refraction
    double frontGap1 = 0, frontGap2 = 0;     // lambda / cos(angle); frontGap2 0 without refraction
    // The particle window's user scale, from its size: width and height adding up to 1500.
    double scaleW = 0, scaleH = 0;
    // The wave window's own scale, from the screen, apart from the particle window's. Its
    // picture reaches to x = wavePictureRight (at least waveScaleW): the scale keeps a unit as
    // long across as down, and the window is a little wider than waveScaleW.
    double waveScaleW = 0, waveScaleH = 0;
    double wavePictureRight = 0;
    double waveTime = 0;                     // clock of the wave animation
    double tickStep = 0;                     // a tenth of the period lambda1 / c1
    std::array<double, kFrontSlots> frontStart{}, frontHitX{}, frontOutX{}, frontShift{};
    // The present height at x = 0 of each incident front: the wave scene's own, so that the
    // particles' tracks below never share it.
    std::array<double, kFrontSlots> frontHeight{};
    // The particle scenes' tracks and particles.
    std::vector<double> trackA = std::vector<double>(kTrackSlots, 0.0);
    std::vector<double> trackB = std::vector<double>(kTrackSlots, 0.0);
    std::vector<double> trackC = std::vector<double>(kTrackSlots, 0.0);
    std::vector<double> trackD = std::vector<double>(kTrackSlots, 0.0);
    double panelTime = 0; // clock of the particle animation
    std::array<double, kParticleSlots> particleStepA{}, particleStepB{};
};
