#pragma once
class Program;
#include "shell/form.h"

#include <QTextEdit>

// Graph window for sine against sine, with a text box for the historical notes.
class analysis : public Form {
    Q_OBJECT
public:
    Program& program; // until the window reads only its own part
    explicit analysis(Program& program);
    QTextEdit* Text1;
    void Form_Load() override;
    void tickmarks();
    // Clears the graph and shows `text` in the text box at `points`, from its start.
    void showText(const QString& text, double points);
};
