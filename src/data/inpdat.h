#pragma once
class Program;
#include "shell/controls.h"
#include "shell/form.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>

#include <array>

struct DataPoints;
struct Figure;
enum class NoteId;
struct HistoricalDataSet;

// The data window: typed or historical refraction data, plotted into incref and analysis.
class inpdat : public Form {
    Q_OBJECT
public:
    Program& program; // until the window reads only its own part
    explicit inpdat(Program& program);

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

    // True while the data to analyse are the loaded data set, not the typed boxes.
    bool fromLists = false;
    // The data set the lists show, as numbers: the fits read these, not the lists' texts.
    const HistoricalDataSet* loadedSet = nullptr;
    // The last sine fit's line; its index is kept in the program's data state.
    float fitA = 0;
    float fitB = 0;

    void Form_Load() override;
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
    // The data as the analysis reads them: the lists, or the typed rows counted while both
    // boxes are filled (bothFilled) or while the incidence box is filled. Nothing, after a
    // message naming the box, when a box read holds no angle the window accepts.
    std::optional<DataPoints> currentData(bool bothFilled);
    bool witeloChecked() const;
    void loadDataSet(QAction* item, const char* name);
    // The six items whose check a key in the boxes removes (Witelo's keep theirs).
    void uncheckTypedOver();
    void hideLists();
    // The refraction-against-incidence frame in incref, and its two axis titles.
    void drawAngleFrame();
    void drawAngleTitles(const QString& refraction, const QString& incidence);
    // The sine graph, the fit and the printed index; byButton gives the button's variant.
    void drawSineGraph(const DataPoints& points, bool witelo, bool byButton);
    // A historical note in the analysis window's text box, both windows cleared first; the
    // figure, where the note has one, drawn in incref.
    void showNote(NoteId id);
    void fitLists();
    void drawNoteFigure(const Figure& figure);
    void alignColumns();
};
