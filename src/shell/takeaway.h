#pragma once
// What a teacher takes away from a window, with two keys on every window: Ctrl+S saves its
// drawing as a PNG or an SVG, Ctrl+C copies it as a picture, or copies the rows of a window
// that shows a table as tab-separated text that a spreadsheet pastes into columns.
#include <QByteArray>
#include <QImage>
#include <QStringList>

#include <vector>

class Form;
class QListWidget;

// The window's client area as the student sees it, controls included.
QImage WindowPicture(Form& form);
// The window's drawing surfaces as SVG, each painted again from its drawing calls.
QByteArray DrawingSvg(Form& form);

// Columns of cells as tab-separated lines, the headings first (none when empty), one line a
// row; rows left empty at the end are dropped.
QString TabSeparated(const std::vector<QStringList>& columns, const QStringList& headings = {});
QStringList ItemTexts(const QListWidget* list);

// Ctrl+S and Ctrl+C reach every window, whatever control has the focus; so do F1, the
// window's help page, and Ctrl+V where a window takes a pasted table (the data window).
void InstallTakeAwayKeys();
