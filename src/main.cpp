#include "app/program.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("STUDY OF REFRACTION");
    mapFonts();
    Program program(std::make_unique<ModalDialogs>());
    program.screen.readPrimary();
    program.onEnd = [] { QApplication::quit(); };
    // The windows stay loaded while hidden; only End closes the program.
    app.setQuitOnLastWindowClosed(false);
    Main(program);
    return app.exec();
}
