#pragma once
#include "history/model/history.h"
#include "shell/form.h"

#include <memory>

class HistoryPage;

// Window "Σύντομη Ιστορία": a short illustrated history of the law of refraction, in Greek, on
// two pages that fill the window; the menu turns the pages and closes the window.
class storiopt : public Form {
    Q_OBJECT
public:
    explicit storiopt(History& part);
    ~storiopt() override;
    void Form_Load() override;

    Canvas* Picture1; // page 1
    Canvas* Picture2; // page 2
    QAction* protomeros;   // "PROTO"
    QAction* defteromeros; // "DEFTERO"
    QAction* klisimo;      // "KLISIMO"

    void protomeros_Click();
    void defteromeros_Click();
    void klisimo_Click();

    HistoryPage& page(int number) { return number == 1 ? *page1_ : *page2_; }

private:
    // The picture takes the window's Width and Height, at Top 0 and Left 0, and is shown.
    void showPicture(Canvas* picture);
    // The part's page, filling the window; the other hidden.
    void showPage();
    // The window where the program places it, the first page's picture at its size.
    void takePlace();
    History& part_;
    Observable<HistoryChange>::Connection connection_;
    std::unique_ptr<HistoryPage> page1_, page2_;
};
