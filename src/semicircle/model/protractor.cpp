#include "semicircle/model/protractor.h"

#include <cmath>

#include "shell/model/mathconst.h"

double ProtractorReading(double directionDeg) {
    double d = std::fmod(directionDeg, 360.0);
    if (d < 0) d += 360;
    if (d <= 90) return d;
    if (d <= 180) return 180 - d;
    if (d <= 270) return d - 180;
    return 360 - d;
}

Protractor ProtractorMarks() {
    Protractor p;
    p.marks.reserve(360);
    for (int k = 0; k < 360; ++k) {
        const double length = k % 10 == 0  ? kTenDegreeMark
                              : k % 5 == 0 ? kFiveDegreeMark
                                           : kDegreeMark;
        const double c = std::cos(k * PI / 180), s = std::sin(k * PI / 180);
        const double outer = kProtractorRadius, inner = kProtractorRadius - length;
        DrawItem mark;
        mark.a = {outer * c, outer * s};
        mark.b = {inner * c, inner * s};
        mark.colour = kProtractorMarkColour;
        p.marks.push_back(mark);
        if (k % 10 == 0) p.numbers.push_back({int(std::lround(ProtractorReading(k))), double(k)});
    }
    return p;
}

Point ProtractorNumberCentre(double directionDeg, double hw, double hh, double gap, bool outside) {
    const double c = std::cos(directionDeg * PI / 180), s = std::sin(directionDeg * PI / 180);
    // Outside, the box's reach along the direction keeps its nearest corner off the circle;
    // inside, its half-diagonal keeps every corner within the long marks.
    const double r = outside ? kProtractorRadius + gap + hw * std::fabs(c) + hh * std::fabs(s)
                             : kProtractorRadius - kTenDegreeMark - gap - std::hypot(hw, hh);
    return {r * c, r * s};
}
