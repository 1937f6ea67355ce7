// F1 on every window: a short page about that window, English first, then Greek, naming every
// button, option, check box and menu item the student sees there; and the help window itself,
// reached and closed with the keyboard.
#include "support.h"

#include "shell/help.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocument>

namespace {

bool isGreek(QChar c) { return c.unicode() >= 0x0370 && c.unicode() <= 0x03ff; }

double greekShare(const QString& text) {
    const auto letters =
        std::count_if(text.begin(), text.end(), [](QChar c) { return c.isLetter(); });
    return letters ? double(std::count_if(text.begin(), text.end(), isGreek)) / letters : 0;
}

QString plain(const QString& html) {
    QTextDocument d;
    d.setHtml(html);
    return d.toPlainText().simplified();
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
    for (const char* name :
         {"velmoratimeleti", "hmiky", "List_of_Data", "Grafindex", "errors", "inpdat", "incref",
          "analysis", "rixo", "rixotext", "somata", "ptolemaios", "EMFANISI", "ptolkam",
          "xaithamos", "alhazencheck", "storiopt", "vathi"})
        program->forms.byName(name)->stopTimers();
    for (Form* f : program->forms.loaded()) {
        const QString name = f->objectName();
        SCOPED_TRACE(name.toStdString());
        QTest::keyClick(f, Qt::Key_F1);
        ASSERT_FALSE(dialogs->helpPages.empty());
        const ScriptedDialogs::HelpPage& shown = dialogs->helpPages.back();
        EXPECT_EQ(shown.title, HelpTitle(f->Caption()));
        // The page is the window's own, from the program's resources.
        ASSERT_FALSE(HelpPage(name).isEmpty());
        EXPECT_EQ(shown.page, HelpPage(name));
        // English, then Greek: two halves, each short, each ending with a thing to try.
        const QStringList halves = shown.page.split(QStringLiteral("<hr>"));
        ASSERT_EQ(halves.size(), 2);
        const QString english = plain(halves[0]), greek = plain(halves[1]);
        EXPECT_LT(greekShare(english), 0.1);
        EXPECT_GT(greekShare(greek), 0.6);
        EXPECT_TRUE(english.contains(QStringLiteral("Try this")));
        EXPECT_TRUE(greek.contains(QStringLiteral("Δοκίμασε")));
        EXPECT_LT(english.size(), 2800);
        EXPECT_LT(greek.size(), 3000);
        const QString page = plain(shown.page).toLower();
        for (const QString& caption : captionsOf(*f))
            EXPECT_TRUE(page.contains(quotedPart(caption).toLower()))
                << "the page does not name \"" << quotedPart(caption).toStdString() << '"';
    }
    EXPECT_EQ(dialogs->helpPages.size(), 18u);

    // F1 reaches the window from any of its controls.
    program->forms.byName("inpdat")->Show();
    QTest::keyClick(program->forms.byName("inpdat")->findChildren<QLineEdit*>()[3], Qt::Key_F1);
    EXPECT_EQ(dialogs->helpPages.back().page, HelpPage("inpdat"));
    QTest::keyClick(program->forms.hmiky().Command4, Qt::Key_F1);
    EXPECT_EQ(dialogs->helpPages.back().page, HelpPage("hmiky"));
    // A page of no window is none.
    EXPECT_TRUE(HelpPage("nosuchwindow").isEmpty());
}

// The help window the program shows: the page has the keys at once, Tab reaches Close, Esc
// closes it, and a second page takes the place of the first.
TEST(HelpWindow, TheKeyboardReadsAndClosesIt) {
    ModalDialogs dialogs;
    auto helpWindows = [] {
        QList<QDialog*> out;
        for (QWidget* t : QApplication::topLevelWidgets())
            if (t->objectName() == QLatin1String("help") && t->isVisible())
                out << static_cast<QDialog*>(t);
        return out;
    };
    dialogs.ShowHelp(HelpTitle("SIMULATION"), HelpPage("hmiky"));
    ASSERT_EQ(helpWindows().size(), 1);
    QDialog* box = helpWindows()[0];
    EXPECT_EQ(box->windowTitle(), QStringLiteral("HELP Βοήθεια: SIMULATION"));
    auto* page = box->findChild<QTextBrowser*>("page");
    ASSERT_NE(page, nullptr);
    EXPECT_TRUE(page->toPlainText().contains(QStringLiteral("GIVE INCIDENCE ANGLE")));
    EXPECT_EQ(box->focusWidget(), page);
    QTest::keyClick(page, Qt::Key_Tab);
    auto* close = qobject_cast<QPushButton*>(box->focusWidget());
    ASSERT_NE(close, nullptr);
    EXPECT_EQ(close->text(), QStringLiteral("Close Κλείσιμο"));

    dialogs.ShowHelp(HelpTitle("Istorikva"), HelpPage("inpdat"));
    QApplication::processEvents();
    ASSERT_EQ(helpWindows().size(), 1);
    box = helpWindows()[0];
    EXPECT_TRUE(box->findChild<QTextBrowser*>("page")->toPlainText().contains("Data Analysis"));
    QTest::keyClick(box->focusWidget() ? box->focusWidget() : box, Qt::Key_Escape);
    QApplication::processEvents();
    EXPECT_TRUE(helpWindows().isEmpty());
}
