#pragma once
#include "data/model/data_analysis.h"
#include "shell/form.h"

#include <QTextEdit>

// Window "ANALYSIS OF DATA": the sine graph with its fit, and a text box for the notes, as the
// data analysis describes them.
class analysis : public Form {
    Q_OBJECT
public:
    explicit analysis(DataAnalysis& part);
    QTextEdit* Text1;
    void Form_Load() override;
    // The window as the main menu opens the data window: in its place, in its font.
    void openFromMenu();
    void tickmarks();
    // The notes' box in this font, at the size it has.
    void setNotesFont(const char* name);

private:
    DataAnalysis& part_;
    Observable<DataChange>::Connection connection_;
    PictureDrawn drawn_;

    void drawPicture();
    void draw(const SineGraph& graph);
    void showNotes();
};
