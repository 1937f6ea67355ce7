#include "ptolemy/EMFANISI.h"

#include "shell/colours.h"

#include <algorithm>
#include <cmath>

EMFANISI::EMFANISI(PtolemyReconstruction& part)
    : Form("EMFANISI", QStringLiteral("OBSERVATION ΠΑΡΑΤΗΡΗΣΗ")), part_(part) {
    connection_ = part_.changed.connect([this](const PtolemyChange& c) {
        if (c.what == PtolemyChange::Apparatus) drawObservation();
    });
}

void EMFANISI::setVisible(bool on) {
    if (on && !isVisible()) placeOnScreen();
    Form::setVisible(on);
}

void EMFANISI::drawObservation() {
    Show();
    Canvas& v = *canvas;
    v.Scale(-50, 20, 50, -20);
    v.Cls();
    // The target's image and the body in air, around the target's expected direction (the
    // line), magnified as through a sighting tube.
    const PtolemyScene s = part_.scene();
    v.Line(-50, s.targetLow, 50, s.targetHigh, RGB(255, 0, 255), Canvas::BoxFilled);
    v.Line(-50, s.targetLow, 50, s.targetHigh, RGB(5, 0, 5), Canvas::BoxOutline);
    v.Line(-50, 0, 50, 0);
    v.Line(-50, s.bodyLow, 50, s.bodyHigh, RGB(55, 155, 0), Canvas::BoxFilled);
    v.Line(-50, s.bodyLow, 50, s.bodyHigh, RGB(155, 0, 155), Canvas::BoxOutline);
    v.Line(-50, s.bodyLow, 50, s.bodyHigh, RGB(5, 0, 0), Canvas::BoxOutline);
    // Over the body, or at the foot of the view where the body lies below it.
    const QString inAir = QStringLiteral("iN AIR Στόν αέρα");
    v.PrintAt(-50, std::max(std::min(19.0, s.bodyHigh + 2), -20 + std::fabs(v.TextHeight(inAir))),
              inAir);
    const double bodyMiddle = (s.bodyLow + s.bodyHigh) / 2;
    v.DrawWidth = 3;
    v.Line(-50, bodyMiddle, 50, bodyMiddle, RGB(0, 255, 0));
    v.DrawWidth = 1;
}
