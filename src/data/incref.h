#pragma once
#include "data/model/data_analysis.h"
#include "shell/form.h"

// Window "REFRACDTION VS INCIDENCE ΔΙΑΘΛΑΣΗΣ VS ΠΡΟΣΠΤΩΣΗΣ": refraction angle against
// incidence angle, the laws over it, the notes' figures and lines of text, as the data
// analysis describes them; it draws each step as it comes, on what it already shows.
class incref : public Form {
    Q_OBJECT
public:
    explicit incref(DataAnalysis& part);
    void Form_Load() override;
    // The window as the main menu opens the data window: in its place, in its font.
    void openFromMenu();

private:
    DataAnalysis& part_;
    Observable<DataChange>::Connection connection_;
    PictureDrawn drawn_;

    // Draws what the part's picture holds that is not drawn yet; after a clearing, all of it
    // on a clean graph.
    void drawPicture();
    void draw(const AngleFrame& step);
    void draw(const DataPlot& step);
    void draw(const AngleTitles& step);
    void draw(const KeplerLine& step);
    void draw(const SnellLine& step);
    void draw(const EmpiricalRule& step);
    void draw(const PenColour& step);
    void draw(const Figure& step);
    void draw(const TextLines& step);
};
