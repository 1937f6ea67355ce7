#include "shell/dialogs.h"

#include <QApplication>
#include <QFileDialog>
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

QString ModalDialogs::SaveFileName(const QString& title, const QString& suggested,
                                   const QString& filters) {
    QFileDialog box(QApplication::activeWindow(), title, suggested, filters);
    box.setAcceptMode(QFileDialog::AcceptSave);
    // A name typed without an ending takes the one of the chosen kind.
    auto endingOf = [](const QString& filter) {
        const int star = filter.indexOf(QLatin1String("*."));
        return star < 0 ? QString() : filter.mid(star + 2).section(')', 0, 0).section(' ', 0, 0);
    };
    box.setDefaultSuffix(endingOf(box.selectedNameFilter()));
    QObject::connect(&box, &QFileDialog::filterSelected, &box,
                     [&](const QString& f) { box.setDefaultSuffix(endingOf(f)); });
    if (box.exec() != QDialog::Accepted || box.selectedFiles().isEmpty()) return QString();
    return box.selectedFiles().constFirst();
}

void ScriptedDialogs::MsgBox(const QString& text, const QString& title) {
    messages.push_back({text, title});
}

QString ScriptedDialogs::InputBox(const QString& prompt, const QString& title,
                                  const QString& proposed) {
    questions.push_back({prompt, title, proposed});
    return nextAnswer();
}

QString ScriptedDialogs::nextAnswer() {
    if (answers.empty()) return QString();
    QString a = answers.front();
    answers.pop_front();
    return a;
}

QString ScriptedDialogs::SaveFileName(const QString& title, const QString& suggested,
                                      const QString& filters) {
    saveQuestions.push_back({title, suggested, filters});
    return nextAnswer();
}
