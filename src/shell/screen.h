#pragma once
#include <QMargins>
#include <QRect>

// The part of the screen that windows may take (panels and task bars left out), and the
// frame that the window manager puts round a window (title bar and borders), in pixels.
// A window's Left, Top, Width and Height are its outer frame, measured from the top left of
// that area. Tests fix the screen so that every geometry is the same on every machine.
struct Screen {
    int leftPx = 0, topPx = 0;       // where the available area starts on the desktop
    int widthPx = 1920, heightPx = 1080;
    // The frame round a window's client area; none where windows have no frame (offscreen).
    // The program learns it from the first window the window manager frames.
    QMargins frame;

    // In twips, 15 to a pixel.
    double Width() const { return widthPx * 15.0; }
    double Height() const { return heightPx * 15.0; }
    QRect available() const { return {leftPx, topPx, widthPx, heightPx}; }
    void readPrimary();
};
