#include "support.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // Windows are drawn off screen; nothing needs a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    mapFonts();
    // Nothing a window draws may be a NaN or lie beyond any picture.
    Canvas::onUndrawable = [](const QString& what) {
        ADD_FAILURE() << "undrawable: " << what.toStdString();
    };
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
