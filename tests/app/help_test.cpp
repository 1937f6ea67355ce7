// F1 on every window: a short page about that window, English first, then Greek, naming every
// button, option, check box and menu item the student sees there; and the help window itself,
// reached and closed with the keyboard.
#include "support.h"

#include "shell/help.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocumentFragment>

namespace {

bool isGreek(QChar c) { return c.unicode() >= 0x0370 && c.unicode() <= 0x03ff; }

double greekShare(const QString& text) {
    static const QRegularExpression greek("[\\x{0370}-\\x{03ff}]"), letter("\\p{L}");
    return double(text.count(greek)) / std::max<qsizetype>(1, text.count(letter));
}

QString plain(const QString& html) {
    return QTextDocumentFragment::fromHtml(html).toPlainText().simplified();
}

// What a page must quote of a caption: its first words (at most three) before the first word
// with a Greek letter, or the whole caption where it begins in Greek. "&" marks a shortcut.
QString quotedPart(const QString& caption) {
    const QStringList words = QString(caption).remove('&').simplified().split(' ');
    QStringList english;
    for (const QString& w : words) {
        if (std::any_of(w.begin(), w.end(), isGreek) || english.size() == 3) break;
        english << w;
    }
    return english.isEmpty() ? words.join(' ') : english.join(' ');
}

// Every caption a student can act on in the window: buttons, options, check boxes, menu items.
QStringList captionsOf(Form& f) {
    QStringList out;
    for (const QAbstractButton* b : f.canvas->findChildren<QAbstractButton*>())
        out << b->text();
    if (f.menuBar())
        for (const QAction* a : f.menuBar()->findChildren<QAction*>())
            if (!a->isSeparator()) out << a->text();
    return out;
}

} // namespace

TEST_F(ProgramTest, F1OnEveryWindowShowsItsShortBilingualPageNamingEveryControl) {
    Main(*program);
    for (const char* name : kWindowNames)
        program->forms.byName(name)->stopTimers();
    for (Form* f : program->forms.loaded()) {
        const QString name = f->objectName();
        SCOPED_TRACE(name.toStdString());
        QTest::keyClick(f, Qt::Key_F1);
        ASSERT_FALSE(dialogs->helpPages.empty());
        const ScriptedDialogs::HelpPage& shown = dialogs->helpPages.back();
        EXPECT_EQ(shown.title, HelpTitle(f->Caption()));
        // The page is the window's own, from the program's resources.
        EXPECT_TRUE(!HelpPage(name).isEmpty() && shown.page == HelpPage(name));
        // English, then Greek: two halves, each short, each ending with a thing to try.
        const QStringList halves = shown.page.split(QStringLiteral("<hr>"));
        ASSERT_EQ(halves.size(), 2);
        const QString english = plain(halves[0]), greek = plain(halves[1]);
        EXPECT_TRUE(greekShare(english) < 0.1 && english.size() < 2800 &&
                    english.contains("Try this"));
        EXPECT_TRUE(greekShare(greek) > 0.6 && greek.size() < 3000 && greek.contains("Δοκίμασε"));
        const QString page = plain(shown.page).toLower();
        for (const QString& caption : captionsOf(*f))
            EXPECT_TRUE(page.contains(quotedPart(caption).toLower()))
                << "the page does not name \"" << quotedPart(caption).toStdString() << '"';
    }
    EXPECT_EQ(dialogs->helpPages.size(), std::size(kWindowNames));

    // F1 reaches the window from any of its controls.
    program->forms.byName("inpdat")->Show();
    QTest::keyClick(program->forms.byName("inpdat")->findChildren<QLineEdit*>()[3], Qt::Key_F1);
    EXPECT_EQ(dialogs->helpPages.back().page, HelpPage("inpdat"));
    QTest::keyClick(program->forms.hmiky().Command4, Qt::Key_F1);
    EXPECT_EQ(dialogs->helpPages.back().page, HelpPage("hmiky"));
}

// The help window the program shows: the page has the keys at once, Tab reaches Close, Esc
// closes it, and a second page takes the place of the first.
TEST(HelpWindow, TheKeyboardReadsAndClosesIt) {
    ModalDialogs dialogs;
    auto helpWindows = [] {
        QList<QWidget*> out;
        for (QWidget* t : QApplication::topLevelWidgets())
            if (t->objectName() == QLatin1String("help") && t->isVisible()) out << t;
        return out;
    };
    dialogs.ShowHelp(HelpTitle("SIMULATION"), HelpPage("hmiky"));
    ASSERT_EQ(helpWindows().size(), 1);
    QWidget* box = helpWindows()[0];
    EXPECT_EQ(box->windowTitle(), QStringLiteral("HELP Βοήθεια: SIMULATION"));
    auto* page = box->findChild<QTextBrowser*>("page");
    ASSERT_TRUE(page && page->toPlainText().contains(QStringLiteral("GIVE INCIDENCE ANGLE")));
    EXPECT_EQ(box->focusWidget(), page);
    QTest::keyClick(page, Qt::Key_Tab);
    auto* close = qobject_cast<QPushButton*>(box->focusWidget());
    EXPECT_TRUE(close && close->text() == QStringLiteral("Close Κλείσιμο"));

    dialogs.ShowHelp(HelpTitle("Istorikva"), HelpPage("inpdat"));
    QApplication::processEvents();
    ASSERT_EQ(helpWindows().size(), 1);
    box = helpWindows()[0];
    EXPECT_TRUE(box->findChild<QTextBrowser*>("page")->toPlainText().contains("Data Analysis"));
    QTest::keyClick(box->focusWidget() ? box->focusWidget() : box, Qt::Key_Escape);
    QApplication::processEvents();
    EXPECT_TRUE(helpWindows().isEmpty());
}
