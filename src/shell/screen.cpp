#include "shell/screen.h"

#include <QGuiApplication>
#include <QScreen>

void Screen::readPrimary() {
    if (QScreen* s = QGuiApplication::primaryScreen()) {
        const QRect r = s->availableGeometry();
        if (r.width() > 0 && r.height() > 0) {
            leftPx = r.x();
            topPx = r.y();
            widthPx = r.width();
            heightPx = r.height();
        }
    }
}
