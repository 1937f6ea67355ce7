#pragma once
#include "shell/controls.h"
#include "shell/form.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>

#include <array>

// The data window: typed or historical refraction data, plotted into incref and analysis.
class inpdat : public Form {
    Q_OBJECT
public:
    explicit inpdat(Program& program);

    std::array<QLineEdit*, 14> Text1; // incidence angles
    std::array<QLineEdit*, 14> Refr;  // refraction angles
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3; // name of the loaded data set
    QListWidget* List1;
    QListWidget* List2;
    QCheckBox* svinograf; // "ERASE ..."
    CommandButton* Command1; // data analysis
    CommandButton* Command2; // initial
    CommandButton* Command3; // end
    CommandButton* Command4; // interpretation

    bool fromLists = false;

    void Form_Load() override;
};
