#pragma once
class Program;
#include "shell/controls.h"
#include "shell/form.h"

#include <QListWidget>

// What a row shows in place of a refraction angle and an index where the ray measured
// nothing. Where no refracted light reached the protractor both cells say so. Light totally
// reflected makes the row read "total reflection ολική ανάκλαση" across the two cells, the
// English in the refraction column and the Greek in the index column: the whole text is wider
// than a column.
inline const QString kNoRay = QStringLiteral("no ray  καμία ακτίνα");
inline const QString kTotalReflection = QStringLiteral("total reflection");
inline const QString kTotalReflectionGreek = QStringLiteral("ολική ανάκλαση");
struct UnmeasuredCells {
    QString refraction, index;
};
inline UnmeasuredCells NothingMeasured(bool totalReflection) {
    if (totalReflection) return {kTotalReflection, kTotalReflectionGreek};
    return {kNoRay, kNoRay};
}

// The list window beside the semicircle: one row per traced ray, and the settings.
class List_of_Data : public Form {
    Q_OBJECT
public:
    Program& program; // until the window reads only its own part
    explicit List_of_Data(Program& program);

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

    // Empties the three lists.
    void clearRows();
    // The four settings labels: each caption followed by its value formatted "0.00"; the tilt
    // is given in radians and shown in degrees.
    void showSettings(const QString& hCaption, const QString& angleCaption,
                      const QString& xcCaption, const QString& ycCaption, double rayH,
                      double tilt, double xc, double yc);
    // Whether a cell holds a measured number (not empty, not a dash, not the text of a ray
    // that measured nothing).
    static bool HoldsValue(const QString& cell);
    // Adds one row to the three lists.
    void addRow(const QString& incidence, const QString& refraction, const QString& index);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void placeControls();
    // The graph of a click and of zografizo; they differ only in the height of the y axis.
    void drawGraph(double yAxisTop);
};
