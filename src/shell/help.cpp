#include "shell/help.h"

#include "shell/dialogs.h"
#include "shell/form.h"

#include <QFile>

QString HelpPage(const QString& windowName) {
    QFile page(QStringLiteral(":/help/") + windowName + QStringLiteral(".html"));
    if (!page.open(QIODevice::ReadOnly)) return QString();
    return QString::fromUtf8(page.readAll());
}

QString HelpTitle(const QString& windowCaption) {
    return QStringLiteral("HELP Βοήθεια: ") + windowCaption.simplified();
}

void Form::showHelp() {
    if (!dialogs_) return;
    QString page = HelpPage(objectName());
    if (page.isEmpty())
        page = QStringLiteral("<p>This window has no help page. "
                              "Αυτό το παράθυρο δεν έχει σελίδα βοήθειας.</p>");
    dialogs_().ShowHelp(HelpTitle(Caption()), page);
}
