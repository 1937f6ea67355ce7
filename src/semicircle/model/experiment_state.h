#pragma once
#include <array>
#include <cstdint>

// The shared state of the semicircle experiment. The semicircle window, the ray
// tracer, the record file and the analysis windows all read and write it.
struct ExperimentState {
    double indexN = 1.5;     // refractive index n of the half-disc (Indexn.Value / 10)
    double radiusR = 100;    // radius R in scale units (HScroll1.Value)
    double xc = 0, yc = 0;   // centre of the flat face
    double tilt = 0;         // angle of the flat face with the y axis, radians once drawn
    double rayH = 0;         // height where the incident ray crosses x = 0
    double hvalueRaw = 0;    // last hvalue.Value, as entered
    double incidence = 0;    // radians after a trace; see incidenceDeg
    double incidenceDeg = 0; // the incidence the student last gave, in degrees
    std::int16_t semiDirection = 1; // 1: curved face to the left, 2: to the right
    double measuredIndex = 0;
    double refrAngle = 0;    // radians, from the x axis to the exit point on the protractor
    // Whether the last ray traced was a measurement (in through one face, out through the
    // other, no total reflection, on to the protractor: refrAngle is then its reading) and its
    // sines gave measuredIndex (not 0 or 180 degrees); where not, both keep an earlier ray's
    // values.
    bool refrAngleMeasured = false;
    bool indexMeasured = false;
    double arcStart = 0;
    float arcEnd = 0;
    std::array<float, 4> freeRay{}; // (x1, y1) start, (x2, y2) a point the ray runs through
    float mouseDownX = 0, mouseDownY = 0;
};
