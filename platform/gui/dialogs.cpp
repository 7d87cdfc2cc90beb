#include "platform/gui/dialogs.h"

#include "platform/gui/application.h"
#include "platform/gui/qt_dialogs.h"

#include <QApplication>

namespace platform {
namespace {

Dialogs*& Installed()
{
    static Dialogs* installed = nullptr;
    return installed;
}

} // namespace

Dialogs& CurrentDialogs()
{
    static QtDialogs qtDialogs;
    return Installed() ? *Installed() : qtDialogs;
}

ScopedDialogs::ScopedDialogs(Dialogs& dialogs)
    : previous_(Installed())
{
    Installed() = &dialogs;
}

ScopedDialogs::~ScopedDialogs() { Installed() = previous_; }

void ShowMessage(const QString& text, MessageIcon icon)
{
    CurrentDialogs().MessageBox(QApplication::activeWindow(), ApplicationTitle(), text, icon, MessageButtons::Ok);
}

} // namespace platform
