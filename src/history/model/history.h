#pragma once
#include "shell/model/observer.h"

// What changed in the short history.
struct HistoryChange {
    enum What {
        Opened, // the main menu opens the pages: they take the whole screen again
        Page,   // a page was turned to (or turned to again)
    } what;
};

// The part of the short history: its two pages: which one is shown, without Qt; its window
// shows it and is told of every change.
class History {
public:
    int page = 1; // the page shown, 1 or 2

    void open() { changed.notify({HistoryChange::Opened}); }
    void turnTo(int p) {
        page = p == 2 ? 2 : 1;
        changed.notify({HistoryChange::Page});
    }

    Observable<HistoryChange> changed;
};
