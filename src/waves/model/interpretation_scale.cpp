// The user scale of the interpretation windows and the critical angle.
#include "waves/model/interpretation.h"

#include <cmath>

#include "shell/model/mathconst.h"

void SetScaleFromSize(InterpretationState& s, double width, double height) {
    if (!(width > 0) || !(height > 0) || !std::isfinite(width + height)) return;
    s.scaleW = 1500 * width / (width + height);
    s.scaleH = 1500 * height / (width + height);
}

void SetWaveScaleFromSize(InterpretationState& s, double width, double height) {
    if (!(width > 0) || !(height > 0) || !std::isfinite(width + height)) return;
    s.waveScaleW = 1500 * width / (width + height);
    s.waveScaleH = 1500 * height / (width + height);
}

std::optional<double> CriticalAngleDeg(double c1, double c2) {
    if (!(c1 > 0) || !(c2 / c1 > 1) || !std::isfinite(c2 / c1)) return std::nullopt;
    const double x = c1 / c2;
    return std::atan(x / std::sqrt(1 - x * x)) * 180 / PI;
}

double WavePictureRight(const InterpretationState& s) {
    return std::isfinite(s.wavePictureRight) && s.wavePictureRight > s.waveScaleW ? s.wavePictureRight
                                                                                  : s.waveScaleW;
}
