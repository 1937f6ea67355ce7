#include "app/placement.h"

#include <algorithm>
#include <cmath>

namespace {

struct Area {
    double W, H;       // the available area
    QMargins frame;
    int menu;

    // The outer size of a window whose client area below its menu bar is w x h.
    double outerWidth(double w) const { return w + frame.left() + frame.right(); }
    double outerHeight(double h) const { return h + menu + frame.top() + frame.bottom(); }
};

QRect Rounded(double left, double top, double width, double height, const Area& a) {
    // Inside the available area whatever the fractions give.
    const int w = std::clamp(int(std::lround(width)), 1, int(a.W));
    const int h = std::clamp(int(std::lround(height)), 1, int(a.H));
    const int x = std::clamp(int(std::lround(left)), 0, int(a.W) - w);
    const int y = std::clamp(int(std::lround(top)), 0, int(a.H) - h);
    return {x, y, w, h};
}

// The semicircle window: square at 9/10 of the screen height, its drawing surface square, and
// the list window beside it; narrower if the list would not fit, lower if the frame would not.
double SemicircleSide(const Area& a) {
    const double list = kListWindowWidth + a.frame.left() + a.frame.right();
    return std::max(1.0, std::min(0.9 * a.H, a.W - list));
}

QRect SemicirclePlace(const Area& a) {
    double surface = SemicircleSide(a) - a.frame.left() - a.frame.right();
    if (a.outerHeight(surface) > a.H) surface = a.H - a.menu - a.frame.top() - a.frame.bottom();
    surface = std::max(1.0, surface);
    return Rounded(0, 0, a.outerWidth(surface), a.outerHeight(surface), a);
}

// Ptolemy's apparatus: square at 8/10 of the screen height, but never over the right half of
// the screen, where the note on his method is to be read.
double PtolemySide(const Area& a) { return std::min(0.8 * a.H, a.W / 2); }

} // namespace

QRect WindowPlace(const QString& window, const Screen& screen, int menuHeight) {
    const Area a{double(std::max(1, screen.widthPx)), double(std::max(1, screen.heightPx)),
                 screen.frame, std::max(0, menuHeight)};
    const double W = a.W, H = a.H;
    const double halfW = std::floor(W / 2), halfH = std::floor(H / 2);
    if (window == "velmoratimeleti") return Rounded(0, 0, W * 49 / 50, H * 49 / 50, a);
    if (window == "hmiky") return SemicirclePlace(a);
    if (window == "List_of_Data" || window == "Grafindex" || window == "errors") {
        const Area plain{W, H, a.frame, 0};
        // Beside the semicircle window (whose height never binds on a screen of 600 pixels
        // or more, so its width is the side alone).
        const double left = std::round(SemicircleSide(a));
        // The list window as designed inside its frame.
        const double listW = std::min<double>(kListWindowWidth + a.frame.left() + a.frame.right(), W - left);
        const QRect list = Rounded(left, 0, listW, halfH, plain);
        const QRect index = Rounded(left, list.height(), listW, 0.9 * H - list.height(), plain);
        if (window == "List_of_Data") return list;
        if (window == "Grafindex") return index;
        const double right = left + listW;
        if (W - right >= kLeastErrorsWidth) return Rounded(right, 0, W - right, 0.9 * H, plain);
        return index; // no room to the right: over the index graph, which opens it
    }
    if (window == "inpdat" || window == "xaithamos" || window == "alhazencheck")
        return Rounded(0, 0, halfW, H, a);
    if (window == "analysis") return Rounded(halfW, 0, W - halfW, H * 1.5 / 4, a);
    if (window == "incref") {
        const int top = Rounded(halfW, 0, W - halfW, H * 1.5 / 4, a).height();
        return Rounded(halfW, top, W - halfW, H - top, a);
    }
    if (window == "rixo") return Rounded(0, 0, halfW, halfH, a);
    if (window == "rixotext") return Rounded(halfW, 0, W - halfW, H, a);
    if (window == "somata") return Rounded(0, halfH, halfW, H - halfH, a);
    if (window == "ptolemaios") {
        const double side = PtolemySide(a);
        return Rounded(0, 0, side, side, a);
    }
    if (window == "EMFANISI") {
        // What the observer sees, a degree as high as it is wide (100 by 40 degrees), under
        // the apparatus rather than over the note beside it.
        const double top = std::round(PtolemySide(a));
        const double room = H - top;
        double w = std::min(W / 2, 2.5 * (room - a.frame.top() - a.frame.bottom()) + a.frame.left() +
                                       a.frame.right());
        const double h = (w - a.frame.left() - a.frame.right()) / 2.5 + a.frame.top() + a.frame.bottom();
        return Rounded(0, top, w, std::min(room, h), a);
    }
    if (window == "ptolkam" || window == "storiopt") return Rounded(0, 0, W, H, a);
    return Rounded(0, 0, halfW, halfH, a); // a window that is never shown
}
