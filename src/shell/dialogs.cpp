#include "shell/dialogs.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTextBrowser>
#include <QVBoxLayout>

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

QDialog* MakeHelpWindow(const QString& title, const QString& page, QWidget* parent) {
    auto* box = new QDialog(parent);
    box->setObjectName(QStringLiteral("help"));
    box->setWindowTitle(title);
    auto* text = new QTextBrowser(box);
    text->setObjectName(QStringLiteral("page"));
    text->setOpenLinks(false);
    text->setHtml(page);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, box);
    buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("Close Κλείσιμο"));
    QObject::connect(buttons, &QDialogButtonBox::rejected, box, &QDialog::reject);
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(text);
    layout->addWidget(buttons);
    // A column a student reads without turning the head, and never larger than the screen.
    QSize size(600, 700);
    if (const QScreen* screen = parent ? parent->screen() : QApplication::primaryScreen())
        size = size.boundedTo(screen->availableGeometry().size() * 0.85);
    box->resize(size);
    text->setFocus(); // the arrow keys and Page Down scroll the page at once
    return box;
}

void ModalDialogs::ShowHelp(const QString& title, const QString& page) {
    QWidget* over = QApplication::activeWindow();
    if (help_ && over == help_.data()) over = help_->parentWidget();
    if (help_) help_->close();
    QDialog* box = MakeHelpWindow(title, page, over);
    box->setAttribute(Qt::WA_DeleteOnClose);
    help_ = box;
    box->show();
    box->raise();
    box->activateWindow();
}

void ScriptedDialogs::ShowHelp(const QString& title, const QString& page) {
    helpPages.push_back({title, page});
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
