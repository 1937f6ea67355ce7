#pragma once
#include "data/model/data_analysis.h"
#include "shell/controls.h"
#include "shell/form.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>

#include <array>

// The data window: typed or historical refraction data, their analysis, the laws and the
// history notes, which the data analysis shows in its two graph windows, incref and analysis.
class inpdat : public Form {
    Q_OBJECT
public:
    explicit inpdat(DataAnalysis& part);

    std::array<QLineEdit*, 14> Text1; // incidence angles
    std::array<QLineEdit*, 14> Refr;  // refraction angles
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3; // name of the loaded data set
    QListWidget* List1;
    QListWidget* List2;
    QCheckBox* svinograf;    // "ERASE ..."
    CommandButton* Command1; // data analysis
    CommandButton* Command2; // initial
    CommandButton* Command3; // end
    CommandButton* Command4; // interpretation

    // Menus, in the order of the menu bar.
    QMenu* Models;
    QAction* Kepler;
    QMenu* Snell;
    QAction* Snell_2;
    QAction* Snell_1;
    QMenu* empirikos;
    QAction* pyknoareo;
    QAction* toentrito1;
    QAction* theoretikes;
    QMenu* Histoire;
    QAction* newt2;
    QAction* Newt;
    QAction* Alhazen2;
    QAction* Alhazen;
    QAction* ptolemy2;
    QAction* ptolemeosprosarmogidedo;
    QAction* Ptolemy;
    QAction* Vitello_water;
    QAction* Vitello_Glass;
    QAction* klinoistoria;
    QMenu* History_notes;
    QAction* alhaytham;
    QAction* Descarteslaw;
    QAction* Fermatlaw;
    QAction* fresnellaw;
    QAction* Herolaw;
    QAction* Keplerlaw;
    QAction* Newtonlaw;
    QAction* Ptolemylaw;
    QAction* Snellaw;
    QAction* Witellolaw;

    void Form_Load() override;
    // The window as the main menu opens it: in its place, the boxes in proportion to its width,
    // the lists, the data set's name and INITIAL / END in a column right of them.
    void openFromMenu();
    QString tableText() const override;
    // Ctrl+V: a class's measurements pasted from a spreadsheet fill the rows from the first on
    // (ReadPastedRows), as if typed; a value the boxes refuse is refused with their message
    // and nothing changes. A single number pasted into a box is left to the box.
    bool pasteTable(const QString& text, const QWidget* target) override;

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Text1_Change(int i);
    void Text1_KeyDown(int i, int keyCode, int shift);
    void Refr_KeyDown(int i, int keyCode, int shift);

    void Kepler_Click();
    void Snell_1_Click();
    void Snell_2_Click();
    void empirikos_Click();
    void pyknoareo_Click();
    void toentrito1_Click();
    void theoretikes_Click();

    void newt2_Click();
    void Newt_Click();
    void Alhazen2_Click();
    void Alhazen_Click();
    void ptolemy2_Click();
    void ptolemeosprosarmogidedo_Click();
    void Ptolemy_Click();
    void Vitello_water_Click();
    void Vitello_Glass_Click();
    void klinoistoria_Click();

    void alhaytham_Click();
    void Descarteslaw_Click();
    void Fermatlaw_Click();
    void fresnellaw_Click();
    void Herolaw_Click();
    void Keplerlaw_Click();
    void Newtonlaw_Click();
    void Ptolemylaw_Click();
    void Snellaw_Click();
    void Witellolaw_Click();

    // Plots and analyses the current data, each author's points with his own marker.
    void analysisdata();
    // The empirical rules refraction = 2/3 and 3/2 of the incidence, laid over the graph.
    void toentrito();
    void toendeytero();

protected:
    void showEvent(QShowEvent* event) override;

private:
    DataAnalysis& part_;
    Observable<DataChange>::Connection connection_;
    // The eight data-set items with the names of their sets.
    std::vector<std::pair<QAction*, std::string_view>> dataSetItems() const;
    void loadDataSet(std::string_view name);
    // The boxes, the checks and the lists as the part has them.
    void showRows();
    void showChecks();
    void showLoadedSet();
    void hideLists();
    // The student's answer to a question of the part; nothing when he cancels.
    DataAnalysis::Ask ask();
    void fitLists();
    void alignColumns();
};
