#pragma once
// The one seam for everything modal: message boxes, modal windows of the programs and
// the help viewer. Programs use QtDialogs; tests install ScriptedDialogs, which
// records what would have been shown and answers at once, so no test waits on a window.
#include <QString>

class QDialog;
class QMenu;
class QPoint;
class QWidget;

namespace platform {

enum class MessageIcon { None, Information, Warning, Error, Question };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageResult { Ok, Cancel, Yes, No };

class Dialogs {
public:
    virtual ~Dialogs() = default;

    virtual MessageResult MessageBox(QWidget* parent, const QString& title, const QString& text,
                                     MessageIcon icon, MessageButtons buttons) = 0;
    // Shows one of the program's own windows modally; returns QDialog's result code.
    virtual int ShowModal(QDialog& dialog) = 0;
    // Opens topic `topic` of the help file `helpFile` (a path ending in ".hlp");
    // topic 0 is the contents page.
    virtual void ShowHelp(const QString& helpFile, int topic) = 0;
    // Opens a popup menu at a screen position and runs the chosen item.
    virtual void PopupMenu(QMenu& menu, const QPoint& at) = 0;
};

// The implementation in use; QtDialogs until another is installed.
Dialogs& CurrentDialogs();
// Installs `dialogs` (not owned) until the returned guard's scope ends.
class ScopedDialogs {
public:
    explicit ScopedDialogs(Dialogs& dialogs);
    ~ScopedDialogs();
    ScopedDialogs(const ScopedDialogs&) = delete;
    ScopedDialogs& operator=(const ScopedDialogs&) = delete;

private:
    Dialogs* previous_;
};

// An OK box with the application title as caption.
void ShowMessage(const QString& text, MessageIcon icon = MessageIcon::Error);

} // namespace platform
