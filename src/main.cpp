#include "app/program.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("STUDY OF REFRACTION");
    mapFonts();
    Program program(std::make_unique<ModalDialogs>());
    program.screen.readPrimary();
    program.onEnd = [] { QApplication::quit(); };
    // The windows stay loaded while hidden: the program ends through END, or when the student
    // closes the main menu or the last window shown (Program::WindowClosed).
    app.setQuitOnLastWindowClosed(false);
    Main(program);
    return app.exec();
}
