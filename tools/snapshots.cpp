// Saves every finished window as a PNG, in a typical state, into the folder named on the
// command line. Runs on the offscreen platform: no display is needed. With --desktop it runs on
// the display it is given instead (an X server with a window manager), takes a picture of the
// whole screen at each step, and checks what only a desktop shows: frames on the screen,
// windows over each other's title bars and controls, timers of hidden windows, and the close
// buttons of the title bars.
#include "data/analysis.h"
#include "data/incref.h"
#include "data/inpdat.h"
#include "alhaytham/alhazencheck.h"
#include "alhaytham/xaithamos.h"
#include "particles/somata.h"
#include "ptolemy/EMFANISI.h"
#include "ptolemy/ptolemaios.h"
#include "ptolemy/ptolkam.h"
#include "history/storiopt.h"
#include "records/Grafindex.h"
#include "records/List_of_Data.h"
#include "records/errors.h"
#include "semicircle/hmiky.h"
#include "app/program.h"
#include "app/velmoratimeleti.h"
#include "waves/rixo.h"
#include "waves/rixotext.h"

#include "shell/layoutcheck.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QTemporaryDir>
#include <QThread>
#include <QWindow>

#include <cmath>
#include <cstdio>
#include <memory>

namespace {
class Answers : public Dialogs {
public:
    QString next;
    void MsgBox(const QString&, const QString&) override {}
    QString InputBox(const QString&, const QString&, const QString&) override { return next; }
    QString SaveFileName(const QString&, const QString&, const QString&) override { return {}; }
    void ShowHelp(const QString& title, const QString& page) override {
        helpTitle = title;
        helpPage = page;
    }
    QString helpTitle, helpPage;
};

// Layout faults seen so far, each told once.
QStringList faults;
Program* shownProgram = nullptr;
bool desktop = false;

void tell(const QStringList& found, const QString& name) {
    for (const QString& fault : found)
        if (!faults.contains(fault)) {
            faults << fault;
            std::printf("LAYOUT %s (at %s)\n", qPrintable(fault), qPrintable(name));
        }
}

// Lets the window manager frame, place and stack what the last step showed.
void settle() {
    if (!desktop) return;
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 2000) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
        bool framed = true;
        for (const Form* w : shownProgram->forms.loaded())
            if (w->isVisible() && (!w->windowHandle() || w->windowHandle()->frameMargins().isNull()))
                framed = false;
        if (framed && clock.elapsed() > 250) break;
        QThread::msleep(10);
    }
}

// The program's windows from the bottom of the desktop's stack up, as the window manager has
// stacked them.
std::vector<const Form*> stackedWindows() {
    QProcess xprop;
    xprop.start(QStringLiteral("xprop"), {QStringLiteral("-root"), QStringLiteral("_NET_CLIENT_LIST_STACKING")});
    xprop.waitForFinished(5000);
    const QString out = QString::fromLocal8Bit(xprop.readAllStandardOutput());
    std::vector<const Form*> stacked;
    static const QRegularExpression id("0x[0-9a-fA-F]+");
    for (auto it = id.globalMatch(out); it.hasNext();) {
        const qulonglong window = it.next().captured(0).toULongLong(nullptr, 16);
        for (const Form* w : shownProgram->forms.loaded())
            if (w->isVisible() && w->winId() == window) stacked.push_back(w);
    }
    return stacked;
}

// Windows that the program places over others on purpose: every window over the main menu
// and the history pages, which lie under whatever opens next; the full-screen table of
// Ptolemy's data over everything; Ptolemy's and Al Haytham's windows over the data window that
// opens them; the mean error over the index graph that opens it where the screen has no room
// beside it; the interpretation windows over the data window's graphs.
bool mayLieOver(const Form& upper, const Form& lower) {
    const QString u = upper.objectName(), l = lower.objectName();
    if (lower.mayBeCovered || u == "ptolkam") return true;
    if (l == "inpdat" && QStringList{"ptolemaios", "EMFANISI", "xaithamos", "alhazencheck"}.contains(u))
        return true;
    if (u == "errors" && l == "Grafindex") return true;
    return QStringList{"rixo", "rixotext", "somata"}.contains(u) && QStringList{"analysis", "incref"}.contains(l);
}

// The whole screen as the student sees it, and what only a desktop shows wrong on it.
bool shootDesktop(const QString& folder, const QString& name) {
    settle();
    const QString path = QDir(folder).filePath("desktop-" + name + ".png");
    const bool ok = QGuiApplication::primaryScreen()->grabWindow(0).save(path);
    std::printf("%s %s\n", ok ? "saved" : "FAILED", qPrintable(path));
    std::vector<const Form*> shown;
    for (const Form* w : shownProgram->forms.loaded())
        if (w->isVisible()) shown.push_back(w);
    tell(OffScreenFaults(shown, shownProgram->screen.available()), name);
    tell(CoverFaults(stackedWindows(), mayLieOver), name);
    tell(UnseemlyFaults(shownProgram->forms.loaded()), name);
    return ok;
}

bool save(Form& f, const QString& folder, const QString& name) {
    bool ok = true;
    if (desktop) {
        ok = shootDesktop(folder, name);
    } else {
        const QString path = QDir(folder).filePath(name + ".png");
        ok = f.grab().save(path);
        std::printf("%s %s\n", ok ? "saved" : "FAILED", qPrintable(path));
    }
    // Every window on the screen at this moment, as the student sees them together.
    std::vector<const Form*> shown;
    for (const Form* w : shownProgram->forms.loaded())
        if (w->isVisible()) shown.push_back(w);
    // The windows that one button opens side by side.
    static const std::vector<QStringList> groups = {
        {"hmiky", "List_of_Data", "Grafindex", "errors"},
        {"inpdat", "analysis", "incref"},
        {"rixo", "rixotext", "somata"},
        {"ptolemaios", "EMFANISI"},
        {"alhazencheck", "analysis", "incref"}};
    tell(LayoutFaults(shown, groups, mayLieOver), name);
    tell(UnseemlyFaults(shownProgram->forms.loaded()), name);
    return ok;
}

// "1366x768" as a size; an empty size when the text is not one.
QSize sizeFrom(const QString& text) {
    const QStringList p = text.split('x');
    if (p.size() != 2) return {};
    bool okW = false, okH = false;
    const int w = p[0].toInt(&okW), h = p[1].toInt(&okH);
    return okW && okH && w >= 320 && h >= 240 && w <= 16384 && h <= 16384 ? QSize(w, h) : QSize();
}
} // namespace

// snapshots [FOLDER] [--screen WxH] [--scale S] [--check] [--desktop]
// The screen is given in device pixels, as a monitor is sold; at scale 2 the windows are laid
// out on half as many logical pixels, each drawn with four device pixels. With --check the
// tool fails when a window shows a layout fault. With --desktop the screen is the display's.
int main(int argc, char** argv) {
    QString folderArg = QStringLiteral("snapshots");
    QSize screen(1920, 1080);
    double scale = 1;
    bool check = false;
    for (int i = 1; i < argc; ++i) {
        const QString a = QString::fromLocal8Bit(argv[i]);
        if (a == "--screen" && i + 1 < argc) {
            screen = sizeFrom(QString::fromLocal8Bit(argv[++i]));
            if (screen.isEmpty()) {
                std::fprintf(stderr, "--screen wants a size such as 1366x768\n");
                return 2;
            }
        } else if (a == "--scale" && i + 1 < argc) {
            scale = QString::fromLocal8Bit(argv[++i]).toDouble();
            if (!(scale >= 1 && scale <= 4)) {
                std::fprintf(stderr, "--scale wants a factor from 1 to 4\n");
                return 2;
            }
        } else if (a == "--check") {
            check = true;
        } else if (a == "--desktop") {
            desktop = true;
        } else {
            folderArg = a;
        }
    }
    if (!desktop) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (scale != 1) qputenv("QT_SCALE_FACTOR", QByteArray::number(scale));
    QApplication app(argc, argv);
    mapFonts();
    const QString folder = QDir(folderArg).absolutePath();
    QDir().mkpath(folder);
    // Whatever the windows write (the record file) goes to a folder of its own.
    QTemporaryDir work;
    if (work.isValid()) QDir::setCurrent(work.path());
    bool ok = true;

    auto answers = std::make_unique<Answers>();
    Answers* dialogs = answers.get();
    Program program(std::move(answers));
    shownProgram = &program;
    program.screen.widthPx = int(screen.width() / scale);
    program.screen.heightPx = int(screen.height() / scale);
    bool endedByClose = false;
    if (desktop) {
        program.screen.readPrimary();
        screen = QSize(program.screen.widthPx, program.screen.heightPx);
        program.onEnd = [&endedByClose] { endedByClose = true; };
    }
    Main(program);
    ok &= save(program.forms.velmoratimeleti(), folder, "velmoratimeleti");

    program.forms.velmoratimeleti().Command1_Click();
    dialogs->next = "30";
    program.forms.hmiky().Command1_Click();
    ok &= save(program.forms.hmiky(), folder, "hmiky-one-ray");

    hmiky& h = program.forms.hmiky();
    h.Command4_Click();
    ok &= save(h, folder, "hmiky-sweep");
    ok &= save(program.forms.List_of_Data(), folder, "List_of_Data-sweep");
    ok &= save(program.forms.Grafindex(), folder, "Grafindex-sweep");

    // Curved face to the right, 60 degrees: past the critical angle the light is reflected
    // inside at the flat face and leaves through the curved face.
    h.Raref_Click();
    dialogs->next = "60";
    h.Command1_Click();
    ok &= save(h, folder, "hmiky-reflection-inside");
    ok &= save(program.forms.List_of_Data(), folder, "List_of_Data-reflection-inside");
    // The sweep with the curved face to the right: past 41.81 degrees the rays are totally
    // reflected, their rows say so, and the mean and the graph keep to the others.
    h.Command4_Click();
    ok &= save(h, folder, "hmiky-sweep-right");
    ok &= save(program.forms.List_of_Data(), folder, "List_of_Data-sweep-right");
    ok &= save(program.forms.Grafindex(), folder, "Grafindex-sweep-right");
    h.moredens_Click();

    // A misplaced ray and semicircle, so the mean error has a curve to show.
    h.hvalue->setValue(10);
    h.xcoor->setValue(2);
    h.Optimize_Click();
    ok &= save(program.forms.errors(), folder, "errors");
    h.Command2_Click();

    h.Paral_Click();
    // From below the semicircle: the fan opens upwards, into the glass.
    h.Form_MouseDown(2, 0, -60, -130);
    ok &= save(h, folder, "hmiky-fan");

    h.Paral_Click();
    h.leftpar_Click();
    ok &= save(h, folder, "hmiky-parallel-left");

    // The data window with Ptolemy's glass data, then two laws over it, then EXPECTED.
    program.forms.velmoratimeleti().Command2_Click();
    ::inpdat& data = program.forms.inpdat();
    // Every historical data set once, for the longest names; Ptolemy's glass is kept.
    const std::pair<QAction*, const char*> sets[] = {
        {data.newt2, "newton-water"},       {data.Newt, "newton-glass"},
        {data.Alhazen2, "alhaytham-water"}, {data.Alhazen, "alhaytham-glass"},
        {data.ptolemy2, "ptolemy-water"},   {data.Vitello_water, "witelo-water"},
        {data.Vitello_Glass, "witelo-glass"}};
    for (const auto& [set, name] : sets) {
        set->trigger();
        ok &= save(data, folder, QStringLiteral("inpdat-") + name);
    }
    data.Ptolemy->trigger();
    ok &= save(data, folder, "inpdat-ptolemy-glass");
    ok &= save(program.forms.incref(), folder, "incref-ptolemy-glass");
    ok &= save(program.forms.analysis(), folder, "analysis-ptolemy-glass");
    data.Kepler->trigger();
    data.Snell_1->trigger();
    ok &= save(program.forms.incref(), folder, "incref-ptolemy-kepler-snell");
    data.toentrito1->trigger();
    data.pyknoareo->trigger();
    ok &= save(program.forms.incref(), folder, "incref-ptolemy-empirical-rules");
    dialogs->next = "1.5";
    data.theoretikes->trigger();
    ok &= save(data, folder, "inpdat-expected-1.5");

    // The interpretation: the fronts half-way with the reflected set, the ray picture, the
    // ray picture past the critical angle, the panel, and Newton's two tracks.
    data.Command4_Click();
    ::rixo& waves = program.forms.rixo();
    ::rixotext& panel = program.forms.rixotext();
    ::somata& particles = program.forms.somata();
    for (Form* f : program.forms.loaded()) f->stopTimers(); // the pictures step their own clock
    panel.reflected->setValue(1);
    waves.TIMERSTART_Click();
    waves.Timer1->setEnabled(false);
    for (int t = 0; t < 1200; ++t) waves.Timer1_Timer();
    ok &= save(waves, folder, "rixo-fronts-reflected");
    waves.aktina_Click();
    ok &= save(waves, folder, "rixo-rays");
    panel.n1overn2->setValue(50);
    panel.prosptosi->setValue(60);
    ok &= save(waves, folder, "rixo-rays-total-reflection");
    ok &= save(panel, folder, "rixotext");
    // The amplitudes and the energy on glass at 30 degrees, and into a medium twice as fast.
    panel.n1overn2->setValue(150);
    panel.prosptosi->setValue(30);
    ok &= save(panel, folder, "rixotext-glass-30");
    panel.n1overn2->setValue(50);
    panel.prosptosi->setValue(20);
    ok &= save(waves, folder, "rixo-rays-faster-20");
    ok &= save(panel, folder, "rixotext-faster-20");
    panel.n1overn2->setValue(150);
    panel.prosptosi->setValue(40);
    particles.neftonas_Click();
    ok &= save(particles, folder, "somata-newton-one-layer");
    particles.NEWTON2STROMATA_Click();
    ok &= save(particles, folder, "somata-newton-parallel");

    // Fermat's principle: a path that obeys the law of refraction, the least-time path found
    // from a path that does not, and a path that obeys the law of reflection.
    const Interpretation& s = program.interpretation;
    particles.fermat_Click();
    ok &= save(panel, folder, "rixotext-fermat-start");
    particles.fermalaw_Click();
    const QPointF a = particles.fermat1->centre(), b = particles.fermat2->centre();
    const LeastTime least = FindLeastTime({a.x(), a.y()}, {b.x(), b.y()}, s.scaleH(), s.ratio());
    particles.fermatscr->setValue(int(std::lround(least.xMin)));
    ok &= save(particles, folder, "somata-fermat-refraction");
    ok &= save(panel, folder, "rixotext-fermat-refraction");
    particles.fermatscr->setValue(int(0.3 * s.scaleW()));
    particles.evresielaxistoy_Click();
    ok &= save(particles, folder, "somata-fermat-least-time");
    // The green body a hundredth of a unit under the surface: the least-time crossing lies
    // just above it, where sin i = n sin r.
    const QPointF green = particles.fermat2->centre();
    particles.Form_MouseDown(1, 2, green.x(), s.scaleH() / 2 - 0.01);
    particles.evresielaxistoy_Click();
    ok &= save(particles, folder, "somata-fermat-least-time-near-surface");
    ok &= save(panel, folder, "rixotext-fermat-least-time-near-surface");
    particles.Form_MouseDown(1, 2, green.x(), green.y());
    particles.Form_MouseDown(1, 2, 0.7 * s.scaleW(), 0.7 * s.scaleH());
    particles.Form_MouseDown(1, 3, 0.5 * s.scaleW(), 0.5 * s.scaleH());
    ok &= save(particles, folder, "somata-fermat-reflection");
    ok &= save(panel, folder, "rixotext-fermat-reflection");

    // The two particle streams after some ticks.
    particles.xekina_Click();
    particles.Timer2->setEnabled(false);
    for (int t = 0; t < 9; ++t) particles.Timer2_Timer();
    ok &= save(particles, folder, "somata-descartes-stream");
    particles.neftonas_Click();
    particles.SOMATIDIA_Click();
    particles.Timer1->setEnabled(false);
    for (int t = 0; t < 300; ++t) particles.Timer1_Timer();
    ok &= save(particles, folder, "somata-newton-stream");
    for (Form* f : program.forms.loaded()) f->stopTimers();
    waves.Endof_Click(); // back to the data window

    // Ptolemy's table: water and glass, and water rebuilt from the second pair.
    data.ptolemeosprosarmogidedo_Click();
    ::ptolkam& table = program.forms.ptolkam();
    ok &= save(table, folder, "ptolkam-water");
    table.Option2->setValue(true);
    ok &= save(table, folder, "ptolkam-glass");
    table.Option1->setValue(true);
    dialogs->next = "1";
    table.Enallagi_Click();
    ok &= save(table, folder, "ptolkam-rebuild-pair-1");
    dialogs->next = "2";
    table.Enallagi_Click();
    ok &= save(table, folder, "ptolkam-rebuild-pair-2");
    table.kripse_Click();

    // Ptolemy's apparatus and what the observer sees, opened by the note on his method; then
    // the body moved over the target; then the explanation.
    data.Ptolemylaw->trigger();
    ::ptolemaios& disc = program.forms.ptolemaios();
    ok &= save(disc, folder, "ptolemaios");
    ok &= save(program.forms.EMFANISI(), folder, "EMFANISI");
    disc.metatopisipar->setValue(100);
    ok &= save(disc, folder, "ptolemaios-covered");
    ok &= save(program.forms.EMFANISI(), folder, "EMFANISI-covered");
    disc.Command1_Click();
    ok &= save(program.forms.analysis(), folder, "analysis-ptolemy");
    ok &= save(program.forms.incref(), folder, "incref-ptolemy-apparatus");

    // Al Haytham's apparatus with the ruler, and the check of his rules at 1.33 and 2.00.
    data.alhaytham->trigger();
    ::xaithamos& alhazen = program.forms.xaithamos();
    alhazen.Option2->setValue(true);
    alhazen.strefo->setValue(50);
    alhazen.timiepi->setValue(6);
    ok &= save(alhazen, folder, "xaithamos-ruler");
    alhazen.svise_Click();
    ok &= save(program.forms.alhazencheck(), folder, "alhazencheck-1.33");
    ok &= save(program.forms.incref(), folder, "incref-alhaytham-rules-1.33");
    program.forms.alhazencheck().timidikti->setValue(200);
    ok &= save(program.forms.alhazencheck(), folder, "alhazencheck-2.00");
    ok &= save(program.forms.incref(), folder, "incref-alhaytham-rules-2.00");
    program.forms.alhazencheck().timidikti->setValue(60);
    ok &= save(program.forms.alhazencheck(), folder, "alhazencheck-0.60");
    program.forms.alhazencheck().Command1_Click(); // back to the data window

    // The history notes: each note's text box, and the four illustrations.
    inpdat& notes = program.forms.inpdat();
    const std::pair<QAction*, const char*> items[] = {
        {notes.alhaytham, "alhaytham"}, {notes.Descarteslaw, "descartes"},
        {notes.Fermatlaw, "fermat"},    {notes.fresnellaw, "fresnel"},
        {notes.Herolaw, "hero"},        {notes.Keplerlaw, "kepler"},
        {notes.Newtonlaw, "newton"},    {notes.Ptolemylaw, "ptolemy"},
        {notes.Snellaw, "snell"},       {notes.Witellolaw, "witelo"}};
    for (const auto& [item, name] : items) {
        item->trigger();
        ok &= save(program.forms.analysis(), folder, QStringLiteral("analysis-note-") + name);
        if (QString(name) == "fermat" || QString(name) == "hero" || QString(name) == "newton" ||
            QString(name) == "ptolemy")
            ok &= save(program.forms.incref(), folder, QStringLiteral("incref-note-") + name);
        // The apparatus a note opens goes away before the student can reach the menu again.
        if (QString(name) == "alhaytham") program.forms.xaithamos().close();
        if (QString(name) == "ptolemy") program.forms.ptolemaios().Command1_Click();
    }
    notes.Command2_Click(); // back to the main menu

    // The history pages as the main menu opens them, and in a smaller window.
    ::storiopt& history = program.forms.storiopt();
    program.forms.velmoratimeleti().Command4_Click();
    ok &= save(history, folder, "storiopt-page1");
    history.defteromeros_Click();
    ok &= save(history, folder, "storiopt-page2");
    history.setWidth(900 * 15);
    history.setHeight(640 * 15);
    history.protomeros_Click();
    ok &= save(history, folder, "storiopt-page1-small");
    history.defteromeros_Click();
    ok &= save(history, folder, "storiopt-page2-small");

    // Every window's help page (F1) in the help window the program shows.
    if (!desktop) {
        program.forms.vathi();
        for (Form* w : program.forms.loaded()) {
            dialogs->helpPage.clear();
            w->showHelp();
            std::unique_ptr<QDialog> box(MakeHelpWindow(dialogs->helpTitle, dialogs->helpPage, nullptr));
            box->show();
            const QString path = QDir(folder).filePath("help-" + w->objectName() + ".png");
            const bool saved = !dialogs->helpPage.isEmpty() && box->grab().save(path);
            std::printf("%s %s\n", saved ? "saved" : "FAILED", qPrintable(path));
            ok &= saved;
        }
    }

    if (desktop) {
        // The close buttons of the title bars, pressed through the window manager: the wave
        // window hides with its fronts stopped, and the main menu's ends the program.
        const auto closeByTitleBar = [](const Form& w) {
            QProcess::execute(QStringLiteral("wmctrl"),
                              {QStringLiteral("-i"), QStringLiteral("-c"), "0x" + QString::number(w.winId(), 16)});
        };
        // A window hidden and shown again comes back where it was, each time.
        ::analysis& sines = program.forms.analysis();
        sines.Show();
        settle();
        const QRect before = sines.frameGeometry();
        for (int again = 0; again < 3; ++again) {
            sines.Hide();
            settle();
            sines.Show();
            settle();
        }
        if (sines.frameGeometry() != before)
            tell({QString("analysis: shown again at %1,%2 instead of %3,%4")
                      .arg(sines.frameGeometry().x()).arg(sines.frameGeometry().y())
                      .arg(before.x()).arg(before.y())}, "hide and show");
        data.Command4_Click();
        settle();
        closeByTitleBar(waves);
        settle();
        if (waves.isVisible() || waves.Timer1->running())
            tell({QStringLiteral("rixo: its close button left it shown or its fronts running")}, "close");
        tell(UnseemlyFaults(program.forms.loaded()), "close");
        closeByTitleBar(program.forms.velmoratimeleti());
        QElapsedTimer clock;
        clock.start();
        while (!endedByClose && clock.elapsed() < 3000) {
            QApplication::processEvents(QEventLoop::AllEvents, 20);
            QThread::msleep(10);
        }
        if (!endedByClose) tell({QStringLiteral("velmoratimeleti: its close button did not end the program")}, "close");
    }

    if (qEnvironmentVariableIsSet("SNAPSHOTS_INK"))
        for (const Form* w : program.forms.loaded())
            for (const Canvas* c : w->findChildren<const Canvas*>())
                std::printf("ink %s %s %zu KiB\n", qPrintable(w->objectName()), w->isVisible() ? "shown" : "hidden",
                            c->inkBytes() / 1024);
    // What the program holds with every window opened, as the system counts it.
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly))
        for (const QByteArray& line : status.readAll().split('\n'))
            if (line.startsWith("VmRSS:")) std::printf("resident memory %s\n", line.mid(6).trimmed().constData());
    std::printf("%lld layout faults at %dx%d, scale %g\n", static_cast<long long>(faults.size()),
                screen.width(), screen.height(), scale);
    if (check && !faults.isEmpty()) return 1;
    return ok ? 0 : 1;
}
