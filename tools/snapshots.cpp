// Saves every finished window as a PNG, in a typical state, into the folder named on the
// command line. Runs on the offscreen platform: no display is needed.
#include "semicircle/hmiky.h"
#include "shell/program.h"
#include "shell/velmoratimeleti.h"

#include <QApplication>
#include <QDir>

#include <cstdio>

namespace {
class Answers : public Dialogs {
public:
    QString next;
    void MsgBox(const QString&, const QString&) override {}
    QString InputBox(const QString&, const QString&, const QString&) override { return next; }
};

bool save(Form& f, const QString& folder, const QString& name) {
    const QString path = QDir(folder).filePath(name + ".png");
    const bool ok = f.grab().save(path);
    std::printf("%s %s\n", ok ? "saved" : "FAILED", qPrintable(path));
    return ok;
}
} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    mapFonts();
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("snapshots");
    QDir().mkpath(folder);
    bool ok = true;

    auto answers = std::make_unique<Answers>();
    Answers* dialogs = answers.get();
    Program program(std::move(answers));
    Main(program);
    ok &= save(program.forms.velmoratimeleti(), folder, "velmoratimeleti");

    program.forms.velmoratimeleti().Command1_Click();
    dialogs->next = "30";
    program.forms.hmiky().Command1_Click();
    ok &= save(program.forms.hmiky(), folder, "hmiky-one-ray");

    return ok ? 0 : 1;
}
