#pragma once
#include <QString>

class Dialogs;

// What a window may ask of the program around it without knowing the program: the dialogs,
// another window shown or hidden by its name (the program loads it first where need be), and
// the end of the program. The program is the one host; the registry hands it to every window.
class Host {
public:
    virtual Dialogs& dialogs() = 0;
    virtual void ShowWindow(const QString& name) = 0;
    virtual void HideWindow(const QString& name) = 0;
    virtual bool WindowShown(const QString& name) const = 0;
    virtual void End() = 0;

protected:
    ~Host() = default;
};
