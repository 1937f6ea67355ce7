#pragma once
// Results of the last analysis of the data window, read by the laws of refraction.
struct DataState {
    double fittedIndex = 0;     // 1 / slope of the last sine fit
    float fittedIntercept = 0;  // intercept of the last sine fit
};
