#pragma once
#include "semicircle/model/experiment.h"
#include "shell/controls.h"
#include "shell/form.h"

#include <QListWidget>

// The list window beside the semicircle: one row per traced ray, and the settings, as the
// experiment holds them.
class List_of_Data : public Form {
    Q_OBJECT
public:
    explicit List_of_Data(Experiment& experiment);

    QListWidget* List1; // incidence angles
    QListWidget* List2; // refraction angles
    QListWidget* List3; // measured indices
    QLabel* Label1;     // h
    QLabel* Label2;     // angle
    QLabel* Label3;     // xc
    QLabel* Label4;     // yc
    QLabel* Label5;     // column headings
    QLabel* Label6;
    QLabel* Label7;
    CommandButton* Command1; // "TRANSFER OF DATA ..."

    void Form_Load() override;
    void Form_Click() override;
    QString tableText() const override;
    void Command1_Click();
    void zografizo();
    void tickmarks();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void placeControls();
    // The experiment's rows, its settings texts and the mean index of its last sweep.
    void showRows();
    void showLabels();
    void showPicture();
    // The graph of a click and of zografizo; they differ only in the height of the y axis.
    void drawGraph(double yAxisTop);

    Experiment& experiment;
    Observable<ExperimentChange>::Connection watch;
};
