#pragma once
#include "ptolemy/model/ptolemy.h"
#include "shell/model/figure.h"
#include "shell/model/observer.h"

#include <optional>
#include <string>

// What changed in Ptolemy's reconstruction.
struct PtolemyChange {
    enum What {
        Apparatus,   // the disc, the rays and what the observer sees
        Table,       // the medium of the table, or its rebuild
        Explanation, // HIDE: the historical explanation and the apparatus for the data window
    } what;
    // Apparatus: the target's edge that found no way out of the water, as the student is told.
    std::optional<std::string> message;
};

// The part of Ptolemy's reconstruction: his apparatus, what the observer sees, his data
// manipulation: its state and operations, without Qt; its windows show it and are told of
// every change.
class PtolemyReconstruction {
public:
    // ---- The apparatus, as the scroll bars set it ----
    int waterAngle = 30;  // w, degrees, 1 to 88: after a change, the angle the scene could draw
    int targetAngle = 1;  // the target's angle in half degrees, 1 to 20
    int airPosition = 50; // the body in air, in hundredths, -200 to 300
    double tau() const { return targetAngle / 2.0; }
    double p() const { return airPosition / 100.0; }
    // The scene the views draw, from the inputs.
    PtolemyScene scene() const { return ComputePtolemyScene(waterAngle, tau(), p()); }
    // Takes the three values; the angle in water is lowered until the ray and both edges of the
    // target leave the water.
    void setApparatus(int water, int target, int position);

    // ---- The data manipulation ----
    PtolemyMedium medium = PtolemyMedium::Water;
    std::optional<int> pair; // the pair the table is rebuilt from; none: Ptolemy's own table
    PtolemyRebuild rebuild() const { return RebuildFromPair(medium, pair.value_or(1)); }
    void showTable(PtolemyMedium m);
    // The student's answer to "number of first member of pair".
    void rebuildFrom(const std::string& answer);

    // ---- What HIDE leaves for the data window ----
    static std::string explanation();
    static constexpr double explanationSize = 13;
    static Figure apparatusFigure();
    void explain();

    Observable<PtolemyChange> changed;
};
