#pragma once
#include <QColor>

// Colours as red-green-blue triples, 0 to 255 each.
inline QColor RGB(int r, int g, int b) { return QColor(r, g, b); }

// The colours the windows share, by the names their handlers use for them.
namespace colours {
inline const QColor black = RGB(0, 0, 0);
inline const QColor white = RGB(255, 255, 255);
inline const QColor red = RGB(255, 0, 0);
inline const QColor green = RGB(0, 255, 0);
inline const QColor blue = RGB(0, 0, 255);
inline const QColor yellow = RGB(255, 255, 0);
inline const QColor cyan = RGB(0, 255, 255);
inline const QColor magenta = RGB(255, 0, 255);
inline const QColor darkGrey = RGB(50, 50, 50);
inline const QColor darkRed = RGB(205, 0, 0);
} // namespace colours
