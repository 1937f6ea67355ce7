#pragma once
#include <cmath>

// Results of the last analysis of the data window, read by the laws of refraction and by
// every window that shows the index of the data.
struct DataState {
    double fittedIndex = 0;     // 1 / slope of the last sine fit; 0 when it gave none
    float fittedIntercept = 0;  // intercept of the last sine fit
    bool byButton = false;      // the last fit was the data-analysis button's

    // The index the data window works with: after the data-analysis button, its size.
    double windowIndex() const { return byButton ? std::fabs(fittedIndex) : fittedIndex; }
};
