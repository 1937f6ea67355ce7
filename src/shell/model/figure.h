#pragma once
// A figure as model code describes it, for a window to draw: filled bands, lines, circles,
// point labels and lines of explanation, in user units, with the box its scale must show.
#include <string>
#include <vector>

#include "shell/model/drawing.h"
#include "shell/model/point.h"

struct FigureLine {
    Point a, b;
    Rgb colour;
    int width = 1;
    int style = 0; // 0 solid, 2 dotted
};

struct FigureText {
    Point at; // top-left corner of the text
    std::string text;
};

struct FigureCircle {
    Point centre;
    double radius = 0;
    Rgb colour;
};

struct FigureBand {
    Point a, b; // opposite corners of a filled box
    Rgb colour;
};

struct Figure {
    std::string caption; // of the window that shows it; empty: left as it is
    double left = -150, top = 170, right = 150, bottom = -110; // what the scale must show
    std::vector<FigureBand> bands;
    std::vector<FigureLine> lines;
    std::vector<FigureCircle> circles;
    std::vector<FigureText> labels;       // point labels, font size 14
    std::vector<FigureText> explanations; // lines of explanation, font size 11
};

