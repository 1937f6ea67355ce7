#pragma once
#include "ptolemy/model/ptolemy_part.h"
#include "shell/controls.h"
#include "shell/form.h"

// Window "PTOLEMY'S DATA MANIPULATION": Ptolemy's refraction table for water or glass beside
// the simple proportion and the exact law, and the table rebuilt from a chosen pair of
// neighbouring values with a constant second difference of half a degree.
class ptolkam : public Form {
    Q_OBJECT
public:
    explicit ptolkam(PtolemyReconstruction& part);

    OptionButton* Option1;   // "INDEX Δείκτης=1,333": water
    OptionButton* Option2;   // "INDEX Δείκτης =1,5": glass
    CommandButton* Enallagi; // "Refer to other n Εναλλακτική προσαρμογή"
    CommandButton* kripse;   // "CLOSE Κλείσιμο"
    QLabel* Label1;          // the explanation

    void Form_Load() override;
    void Option1_Click();
    void Option2_Click();
    void Enallagi_Click();
    void kripse_Click();

private:
    void showTable(); // Ptolemy's own table, or its rebuild, as the part holds it
    void mainPlot();
    void drawRebuild();
    void axes(double left);
    void legend(const QString& analogy, const QString& manipulation, const QString& expected);
    PtolemyReconstruction& part_;
    Observable<PtolemyChange>::Connection connection_;
};
