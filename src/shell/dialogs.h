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
};

class ModalDialogs : public Dialogs {
public:
    void MsgBox(const QString& text, const QString& title) override;
    QString InputBox(const QString& prompt, const QString& title, const QString& proposed) override;
};

class ScriptedDialogs : public Dialogs {
public:
    struct Message {
        QString text, title;
    };
    struct Question {
        QString prompt, title, proposed;
    };
    void answer(const QString& text) { answers.push_back(text); }
    void MsgBox(const QString& text, const QString& title) override;
    QString InputBox(const QString& prompt, const QString& title, const QString& proposed) override;

    std::deque<QString> answers; // handed out in order; none left is a cancel (a null text)
    std::vector<Message> messages;
    std::vector<Question> questions;
};
