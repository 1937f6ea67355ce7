#include "shell/dialogs.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

void ModalDialogs::MsgBox(const QString& text, const QString& title) {
    QMessageBox box(QMessageBox::NoIcon, title.isEmpty() ? QApplication::applicationName() : title,
                    text, QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

QString ModalDialogs::InputBox(const QString& prompt, const QString& title,
                               const QString& proposed) {
    bool ok = false;
    QString text = QInputDialog::getText(QApplication::activeWindow(),
                                         title.isEmpty() ? QApplication::applicationName() : title,
                                         prompt, QLineEdit::Normal, proposed, &ok);
    if (!ok) return QString();
    return text.isNull() ? QStringLiteral("") : text; // OK on an empty box is not a cancel
}

void ScriptedDialogs::MsgBox(const QString& text, const QString& title) {
    messages.push_back({text, title});
}

QString ScriptedDialogs::InputBox(const QString& prompt, const QString& title,
                                  const QString& proposed) {
    questions.push_back({prompt, title, proposed});
    if (answers.empty()) return QString();
    QString a = answers.front();
    answers.pop_front();
    return a;
}
