#pragma once
// Help on every window: F1 shows a short page about the window, English first, then Greek.
// The pages are documents of the program's resources, ":/help/<window name>.html", kept beside
// their windows in src/<part>/help/.
#include <QString>

// The page of the window named `windowName` (its object name, as hmiky); empty where there is
// none.
QString HelpPage(const QString& windowName);

// The title of a help window.
QString HelpTitle(const QString& windowCaption);
