#pragma once
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
};

class ModalDialogs : public Dialogs {
public:
    void MsgBox(const QString& text, const QString& title) override;
    QString InputBox(const QString& prompt, const QString& title, const QString& proposed) override;
    QString SaveFileName(const QString& title, const QString& suggested,
                         const QString& filters) override;
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
    void answer(const QString& text) { answers.push_back(text); }
    void MsgBox(const QString& text, const QString& title) override;
    QString InputBox(const QString& prompt, const QString& title, const QString& proposed) override;
    // Takes the next answer too, as the file name; none left is a cancel.
    QString SaveFileName(const QString& title, const QString& suggested,
                         const QString& filters) override;

    std::deque<QString> answers; // handed out in order; none left is a cancel (a null text)
    std::vector<Message> messages;
    std::vector<Question> questions;
    std::vector<SaveQuestion> saveQuestions;

private:
    QString nextAnswer();
};
