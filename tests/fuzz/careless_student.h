#pragma once
// The careless student: a fresh program per seed, random actions on every visible window
// (buttons, menu items, scroll bars and their extremes, clicks and drags on the drawings,
// hostile answers to every input box, hostile texts typed into every text box, ticks of the
// running clocks, closes and resizes), and after each action a look at every loaded window.
#include "app/program.h"
#include "support.h"

#include <QString>
#include <QStringList>

#include <random>
#include <string>
#include <vector>

// Texts a careless student types or answers.
const QStringList& hostileTexts();

// An answer box that hands out hostile texts (or cancels), and keeps every message.
class CarelessDialogs : public Dialogs {
public:
    explicit CarelessDialogs(std::mt19937& rng, QStringList& log) : rng_(rng), log_(log) {}
    void MsgBox(const QString& text, const QString& title) override;
    QString InputBox(const QString& prompt, const QString& title, const QString& proposed) override;
    // A name in the working folder (a scratch folder), of any ending, in no folder, or none.
    QString SaveFileName(const QString& title, const QString& suggested,
                         const QString& filters) override;
    void ShowHelp(const QString& title, const QString& page) override;
    QStringList messages;

private:
    std::mt19937& rng_;
    QStringList& log_;
};

struct FuzzResult {
    unsigned seed = 0;
    int actions = 0;
    QStringList log;      // the actions taken, in order, to replay by hand
    QStringList findings; // empty when nothing was wrong
};

// Runs `actions` random actions from a fresh program with the seed.
FuzzResult runCarelessStudent(unsigned seed, int actions);
