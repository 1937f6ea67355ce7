#pragma once
#include <QDialog>
#include <QPointer>
#include <QString>

#include <deque>
#include <utility>
#include <vector>

// Message and input boxes go through one replaceable object: the program shows modal
// boxes, tests hand out queued answers and keep every message.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual void MsgBox(const QString& text, const QString& title) = 0;
    // The typed text: a null text when the student cancels, an empty (not null) text when
    // the box was left empty and confirmed.
    virtual QString InputBox(const QString& prompt, const QString& title,
                             const QString& proposed) = 0;
    // The name of a file to save to, proposed `suggested`, among `filters` ("PNG picture
    // (*.png);;SVG drawing (*.svg)"); an empty text when the student cancels.
    virtual QString SaveFileName(const QString& title, const QString& suggested,
                                 const QString& filters) = 0;
    // A window's help page (rich text), in a window of its own that the student reads beside
    // the window it explains and closes with Esc.
    virtual void ShowHelp(const QString& title, const QString& page) = 0;
};

class QWidget;
// The help window the program shows: the page, scrolled with the keys, and a Close button;
// Esc closes it too.
QDialog* MakeHelpWindow(const QString& title, const QString& page, QWidget* parent);

class ModalDialogs : public Dialogs {
public:
    void MsgBox(const QString& text, const QString& title) override;
    QString InputBox(const QString& prompt, const QString& title, const QString& proposed) override;
    QString SaveFileName(const QString& title, const QString& suggested,
                         const QString& filters) override;
    // Modeless, one at a time: a new page takes the place of the one shown.
    void ShowHelp(const QString& title, const QString& page) override;

private:
    QPointer<QDialog> help_;
};

class ScriptedDialogs : public Dialogs {
public:
    struct Message {
        QString text, title;
    };
    struct Question {
        QString prompt, title, proposed;
    };
    struct SaveQuestion {
        QString title, suggested, filters;
    };
    struct HelpPage {
        QString title, page;
    };
    void answer(const QString& text) { answers.push_back(text); }
    void MsgBox(const QString& text, const QString& title) override;
    QString InputBox(const QString& prompt, const QString& title, const QString& proposed) override;
    // Takes the next answer too, as the file name; none left is a cancel.
    QString SaveFileName(const QString& title, const QString& suggested,
                         const QString& filters) override;
    void ShowHelp(const QString& title, const QString& page) override;

    std::deque<QString> answers; // handed out in order; none left is a cancel (a null text)
    std::vector<Message> messages;
    std::vector<Question> questions;
    std::vector<SaveQuestion> saveQuestions;
    std::vector<HelpPage> helpPages;

private:
    QString nextAnswer();
};
