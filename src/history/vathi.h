#pragma once
#include "history/model/history.h"
#include "shell/form.h"

// A window kept for its timer alone: it has no controls and nothing opens it or handles its
// timer, which stays stopped.
class vathi : public Form {
    Q_OBJECT
public:
    explicit vathi(History& part);
    Timer* Timer1;
};
