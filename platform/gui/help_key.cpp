#include "platform/gui/help_key.h"

#include "platform/gui/dialogs.h"
#include "platform/gui/guard.h"

#include <QShortcut>
#include <QWidget>

namespace platform {

void InstallHelpKey(QWidget* window, std::function<QString()> helpFile, int topic)
{
    auto* shortcut = new QShortcut(QKeySequence(Qt::Key_F1), window);
    shortcut->setContext(Qt::WindowShortcut);
    QObject::connect(shortcut, &QShortcut::activated, window, Guarded([helpFile = std::move(helpFile), topic] {
                         CurrentDialogs().ShowHelp(helpFile(), topic);
                     }));
}

} // namespace platform
