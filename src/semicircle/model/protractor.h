#pragma once
// The degree marks of the protractor under the semicircle, as a student reads an angle off
// them: from the x axis, 0 to 90 in each quadrant, as the lists give incidence and refraction.
#include <vector>

#include "shell/model/drawing.h"

inline constexpr double kProtractorRadius = 150;
// The marks run from the circle inwards: every degree short, every 5 longer, every 10 long.
inline constexpr double kDegreeMark = 4, kFiveDegreeMark = 7, kTenDegreeMark = 11;
// Thin and light, so that every ray drawn over them stays clear.
inline constexpr Rgb kProtractorMarkColour{150, 150, 150};
inline constexpr Rgb kProtractorNumberColour{105, 105, 105};

// The number the protractor shows for the direction `directionDeg` seen from its centre
// (degrees counter-clockwise from the positive x axis): the angle from the x axis, 0 to 90.
double ProtractorReading(double directionDeg);

// A number of the protractor, beside its long mark.
struct ProtractorNumber {
    int degrees = 0;      // the number printed, 0 ... 90
    double direction = 0; // where its mark stands, degrees counter-clockwise from +x
};

struct Protractor {
    Drawing marks;                         // 360 lines, one a degree, from 0 counter-clockwise
    std::vector<ProtractorNumber> numbers; // one every 10 degrees, from 0 counter-clockwise
};

Protractor ProtractorMarks();

// Where the middle of a number of half-width hw and half-height hh (user units) goes so that
// its box keeps `gap` from the circle: beyond it (outside), or within the long marks.
Point ProtractorNumberCentre(double directionDeg, double hw, double hh, double gap, bool outside);
